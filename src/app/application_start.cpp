#include "app/application_start.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace kemora::app {
namespace {

std::vector<std::pair<QtMsgType, QString>>& HeldMessages() {
    static std::vector<std::pair<QtMsgType, QString>> held;
    return held;
}

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayMessage, stderr);
        std::fflush(stderr);
        // Qt is half set up inside its constructor: leave without running any destructor.
        std::_Exit(1);
    }
    HeldMessages().emplace_back(type, qFormatLogMessage(type, context, message));
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrGiveUp);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, text] : HeldMessages()) previous(type, QMessageLogContext(), text);
    HeldMessages().clear();
    return application;
}

}  // namespace kemora::app
