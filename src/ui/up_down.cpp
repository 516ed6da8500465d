#include "ui/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include "mainwindow/up_down_value.h"
#include "ui/utf8_text.h"

namespace kemora::ui {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {m_up, m_down}) {
        // Held down, an arrow keeps stepping, as the platform's up-down control does.
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDown::setBuddy(QLineEdit* buddy) {
    m_buddy = buddy;
    if (buddy != nullptr)
        setGeometry(buddy->x() + buddy->width(), buddy->y(), width(), buddy->height());
}

void UpDown::setArrowNames(const QString& up, const QString& down) {
    m_up->setAccessibleName(up);
    m_down->setAccessibleName(down);
}

void UpDown::stepBy(int steps) {
    if (m_buddy == nullptr)
        return;
    m_buddy->setText(QString::number(mainwindow::UpDownValue(ToUtf8(m_buddy->text()), steps,
                                                             m_singleStep, m_minimum, m_maximum)));
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace kemora::ui
