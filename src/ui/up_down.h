#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>

class QLineEdit;
class QToolButton;

namespace kemora::ui {

// Up and down arrows bound to a text field. A click reads the field's number as whole units,
// steps it by singleStep within minimum..maximum and writes the result into the text, which
// runs the field's change handler. A field without a number counts as the minimum. Owned by
// its Qt parent; the field is a sibling that it does not own.
class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)
  public:
    explicit UpDown(QWidget* parent = nullptr);

    // Sits the control against the right edge of `buddy`, as tall as it, and binds it.
    void setBuddy(QLineEdit* buddy);

    [[nodiscard]] int minimum() const { return m_minimum; }
    void setMinimum(int minimum) { m_minimum = minimum; }
    [[nodiscard]] int maximum() const { return m_maximum; }
    void setMaximum(int maximum) { m_maximum = maximum; }
    [[nodiscard]] int singleStep() const { return m_singleStep; }
    void setSingleStep(int step) { m_singleStep = step; }

    // Names the two arrows for screen readers.
    void setArrowNames(const QString& up, const QString& down);

    // What `steps` clicks do: positive on the upper arrow, negative on the lower one.
    void stepBy(int steps);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QPointer<QLineEdit> m_buddy;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_singleStep = 1;
};

}  // namespace kemora::ui
