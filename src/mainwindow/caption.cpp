#include "mainwindow/caption.h"

namespace kemora::mainwindow {

Caption MainCaption(const scenario::Scenario& scenario, std::optional<int32_t> step) {
    return {scenario::TitleText(scenario), step};
}

}  // namespace kemora::mainwindow
