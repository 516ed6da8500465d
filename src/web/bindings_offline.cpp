// The core's face for the version dialog and for installing the page: the program's identity
// and its icon.
#include <emscripten/bind.h>

#include <string>

#include "dialogs/app_identity.h"
#include "mainwindow/app_icon_drawing.h"

namespace kemora::web {
namespace {

using emscripten::val;

// The title and the version's three numbers, as the program was built.
val AppIdentity() {
    val identity = val::object();
    identity.set("title", std::string(dialogs::kAppTitle));
    identity.set("major", dialogs::kVersionMajor);
    identity.set("minor", dialogs::kVersionMinor);
    identity.set("revision", dialogs::kVersionRevision);
    return identity;
}

}  // namespace
}  // namespace kemora::web

EMSCRIPTEN_BINDINGS(kemora_offline) {
    emscripten::function("AppIdentity", &kemora::web::AppIdentity);
    emscripten::function("AppIconSvg", &kemora::mainwindow::AppIconSvg);
}
