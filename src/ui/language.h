#pragma once

#include "config/language.h"

namespace kemora::ui {

// Puts the interface into `language`: the program's English translation for English (its
// texts are written in Japanese, so Japanese needs none) and Qt's own Japanese texts for
// Japanese, when they are installed. Every widget then receives a LanguageChange event, on
// which each window words itself anew. False, and nothing changed, when the English
// translation cannot be loaded. Needs the application object.
bool ApplyLanguage(config::Language language);

// The language last applied; Japanese before any.
[[nodiscard]] config::Language CurrentLanguage();

}  // namespace kemora::ui
