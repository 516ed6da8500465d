#pragma once
// Runs a widget test in English.

#include <QCoreApplication>

#include "ui/language.h"

namespace kemora::testing_support {

// Puts the interface into English for as long as it lives and back into Japanese afterwards,
// so that the next test finds the program's own language. Windows made meanwhile word
// themselves in English; those already there follow once the posted events are delivered.
class EnglishInterface {
  public:
    EnglishInterface() : m_applied(ui::ApplyLanguage(config::Language::English)) {
        QCoreApplication::sendPostedEvents();
    }
    ~EnglishInterface() {
        ui::ApplyLanguage(config::Language::Japanese);
        QCoreApplication::sendPostedEvents();
    }
    EnglishInterface(const EnglishInterface&) = delete;
    EnglishInterface& operator=(const EnglishInterface&) = delete;

    // Whether the English translation was found and put in place.
    [[nodiscard]] bool applied() const { return m_applied; }

  private:
    bool m_applied;
};

}  // namespace kemora::testing_support
