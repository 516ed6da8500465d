#pragma once
// Answering a program's modal dialogs in tests, as a person at the screen would.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

namespace kemora::testing_support {

// The watch for a modal dialog set up by AnswerModal. It ends with the object, so that a
// watch left over never answers a later test's dialog.
class ModalAnswer {
  public:
    ModalAnswer(std::shared_ptr<bool> answered, QTimer* timer)
        : m_answered(std::move(answered)), m_timer(timer) {}
    ModalAnswer(ModalAnswer&&) noexcept = default;
    ModalAnswer& operator=(ModalAnswer&&) = delete;
    ~ModalAnswer() { delete m_timer.data(); }

    // True when the dialog showed and was answered.
    bool operator*() const { return *m_answered; }

  private:
    std::shared_ptr<bool> m_answered;
    QPointer<QTimer> m_timer;
};

// Watches for the next modal dialog named `objectName` and hands it to `answer` once it
// shows. So that a test never hangs, a modal dialog still open after five seconds without
// the named one showing, or the answered dialog still open five seconds after the answer,
// is closed; the result is then false. Read the result after the call that opened the dialog
// returned.
inline ModalAnswer AnswerModal(const QString& objectName, std::function<void(QWidget&)> answer) {
    auto answered = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    auto answeredDialog = std::make_shared<QPointer<QWidget>>();
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const auto stop = [timer] {
            timer->stop();
            timer->deleteLater();
        };
        if (*answered) {
            // Done once the answered dialog is gone or hidden.
            if (answeredDialog->isNull() || (*answeredDialog)->isHidden())
                return stop();
            if (++*tries >= 500) {
                *answered = false;
                (*answeredDialog)->close();
                stop();
            }
            return;
        }
        const bool expected = modal != nullptr && modal->objectName() == objectName;
        if (!expected && ++*tries < 500)
            return;
        if (!expected) {
            if (modal != nullptr)
                modal->close();
            return stop();
        }
        *answered = true;
        *tries = 0;
        *answeredDialog = modal;
        answer(*modal);
    });
    timer->start();
    return {answered, timer};
}

}  // namespace kemora::testing_support
