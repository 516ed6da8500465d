#include "ui/application_setup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>

#include "support/qt_application.h"

namespace kemora::ui {
namespace {

TEST(ApplicationSetupTest, GivesEveryTextTheGothicFaceAndQtsOwnTextsInJapanese) {
    testing_support::EnsureQtApplication();
    const QFont before = QApplication::font();
    PrepareApplication(*qApp);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QApplication::font().pointSizeF(), before.pointSizeF());
    // The buttons of Qt's standard dialogs.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
    QApplication::setFont(before);
}

TEST(ApplicationSetupTest, FormFontsAreSizedInPixels) {
    testing_support::EnsureQtApplication();
    const QFont font = FormFont(27, true);
    EXPECT_EQ(font.pixelSize(), 27);
    EXPECT_EQ(font.pointSize(), -1);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    EXPECT_FALSE(FormFont(19, false).bold());
}

}  // namespace
}  // namespace kemora::ui
