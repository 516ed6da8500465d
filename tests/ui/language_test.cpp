#include "ui/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/qt_application.h"

namespace kemora::ui {
namespace {

QString Translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

TEST(ApplyLanguage, EnglishComesFromTheEmbeddedTranslationAndJapaneseBringsQtsOwnBack) {
    testing_support::EnsureQtApplication();

    ASSERT_TRUE(ApplyLanguage(config::Language::English));
    EXPECT_EQ(CurrentLanguage(), config::Language::English);
    EXPECT_EQ(Translated("kemora::ui::frmMain", "容量"), QStringLiteral("Volume"));
    EXPECT_EQ(Translated("StepList", "容量を %1 リットルに設定します。"),
              QStringLiteral("Set the volume to %1 L."));
    // Qt's own texts are English by themselves.
    EXPECT_EQ(Translated("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // Switching twice installs nothing twice.
    ASSERT_TRUE(ApplyLanguage(config::Language::English));
    EXPECT_EQ(Translated("kemora::ui::frmMain", "容量"), QStringLiteral("Volume"));

    ASSERT_TRUE(ApplyLanguage(config::Language::Japanese));
    EXPECT_EQ(CurrentLanguage(), config::Language::Japanese);
    EXPECT_EQ(Translated("kemora::ui::frmMain", "容量"), QStringLiteral("容量"));
    EXPECT_EQ(Translated("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}

}  // namespace
}  // namespace kemora::ui
