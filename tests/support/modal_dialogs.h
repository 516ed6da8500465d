#pragma once
// Answering a program's modal dialogs in tests, as a person at the screen would.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace kemora::testing_support {

// Watches for the next modal dialog named `objectName` and hands it to `answer` once it
// shows. A modal dialog of another name, or none within five seconds, is closed instead, so
// that a test never hangs; the result then stays false. Read the result after the call that
// opened the dialog has returned.
inline std::shared_ptr<bool> AnswerModal(const QString& objectName,
                                         std::function<void(QWidget&)> answer) {
    auto answered = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool expected = modal != nullptr && modal->objectName() == objectName;
        if (!expected && ++*tries < 500 && (modal == nullptr || *tries < 50))
            return;
        timer->stop();
        timer->deleteLater();
        if (expected) {
            *answered = true;
            answer(*modal);
        } else if (modal != nullptr) {
            modal->close();
        }
    });
    timer->start();
    return answered;
}

}  // namespace kemora::testing_support
