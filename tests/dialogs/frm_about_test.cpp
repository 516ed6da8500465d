#include "dialogs/frm_about.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "fakes.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"

namespace kemora::dialogs {
namespace {

namespace fs = std::filesystem;
using fakes::FakeLauncher;
using fakes::FakeRegistry;

class FrmAboutTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        dialog.setMessageBox([this](QWidget* owner, const QString& text, const QString& caption) {
            messages.push_back({owner, text, caption});
        });
    }

    template <typename T>
    T* control(const char* name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    struct Message {
        QWidget* owner;
        QString text;
        QString caption;
    };

    FakeRegistry registry;
    FakeLauncher launcher;
    frmAbout dialog{registry, launcher};
    std::vector<Message> messages;
};

TEST_F(FrmAboutTest, ShowsTheTitleAndVersionOfTheBuild) {
    EXPECT_EQ(dialog.objectName(), "frmAbout");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kemoraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(control<QLabel>("lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
    EXPECT_EQ(control<QLabel>("lblTitle")->text(), QStringLiteral("Kemora"));
}

TEST_F(FrmAboutTest, ControlsSitAtTheirPlacesWithTheirTexts) {
    struct Place {
        const char* name;
        QRect pixels;
        QString text;
    };
    const Place places[] = {
        {"lblTitle", QRect(70, 16, 259, 32), QStringLiteral("Kemora")},
        {"lblVersion", QRect(70, 52, 259, 15), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0")},
        {"lblDescription", QRect(70, 75, 259, 78),
         QStringLiteral("閉じたシリンダーの中の液体とその蒸気について、容量を変えたときの圧力を"
                        "分子の動きとグラフで示す、化学の授業のためのシミュレーションです。")},
        {"lblDisclaimer", QRect(17, 175, 258, 55),
         QStringLiteral(
             "Copyright © 2026 Kemora の開発者。MIT ライセンスで提供され、無保証です。")},
        {"cmdOK", QRect(283, 175, 92, 23), QStringLiteral("OK")},
        {"cmdSysInfo", QRect(284, 205, 92, 23), QStringLiteral("ｼｽﾃﾑ情報(&S)...")},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        QWidget* widget = control<QWidget>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), place.pixels);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), place.text);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), place.text);
        }
    }
    EXPECT_EQ(control<QPushButton>("cmdSysInfo")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
}

TEST_F(FrmAboutTest, TheDescriptionAndTheLicenceFitTheirLabels) {
    for (const char* name : {"lblDescription", "lblDisclaimer"}) {
        SCOPED_TRACE(name);
        const QLabel* label = control<QLabel>(name);
        const QRect needed = label->fontMetrics().boundingRect(
            label->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->contentsRect().height());
        EXPECT_LE(needed.width(), label->contentsRect().width());
    }
}

TEST_F(FrmAboutTest, IsAFixedModalDialogWithoutMinimiseOrMaximise) {
    EXPECT_EQ(dialog.minimumSize(), QSize(382, 237));
    EXPECT_EQ(dialog.maximumSize(), QSize(382, 237));
    EXPECT_TRUE(dialog.isModal());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
}

TEST_F(FrmAboutTest, DrawsTheEtchedSeparator) {
    const QImage image = dialog.grab().toImage();
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    EXPECT_EQ(image.pixelColor(6, 163), grey);
    EXPECT_EQ(image.pixelColor(376, 163), grey);
    EXPECT_NE(image.pixelColor(5, 163), grey);
    EXPECT_NE(image.pixelColor(377, 163), grey);
    EXPECT_EQ(image.pixelColor(7, 164), white);
    EXPECT_EQ(image.pixelColor(376, 165), white);
    EXPECT_NE(image.pixelColor(6, 164), white);
    EXPECT_NE(image.pixelColor(7, 166), white);
    EXPECT_NE(image.pixelColor(7, 162), grey);
}

TEST_F(FrmAboutTest, OkIsFirstInTheTabOrder) {
    auto* cmdOK = control<QPushButton>("cmdOK");
    auto* cmdSysInfo = control<QPushButton>("cmdSysInfo");
    EXPECT_TRUE(cmdOK->isDefault());
    EXPECT_EQ(dialog.focusWidget(), cmdOK);
    EXPECT_EQ(cmdOK->nextInFocusChain(), cmdSysInfo);
}

TEST_F(FrmAboutTest, EnterAndEscapeCloseTheDialogLikeOk) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        ASSERT_TRUE(dialog.isVisible());
        QTest::keyClick(control<QPushButton>("cmdOK"), key);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST_F(FrmAboutTest, SysInfoWithoutAToolShowsTheMessageAndStaysOpen) {
    dialog.show();
    control<QPushButton>("cmdSysInfo")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Kemora"));
    EXPECT_EQ(messages[0].owner, &dialog);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(FrmAboutTest, SysInfoStartsTheRegisteredToolWithoutAMessage) {
    registry.setValue(kHkeyLocalMachine, std::string(kSysInfoKey), "PATH", kRegTypeText,
                      std::string("/opt/tools/sysinfo\0", 19));
    control<QPushButton>("cmdSysInfo")->click();
    EXPECT_EQ(launcher.started, std::vector<std::string>{"/opt/tools/sysinfo"});
    EXPECT_TRUE(messages.empty());

    launcher.succeeds = false;
    control<QPushButton>("cmdSysInfo")->click();
    EXPECT_EQ(messages.size(), 1u);
}

// The launcher used by the program: really starts a program, detached.
class ProcessLauncherTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }
    testing_support::TempFolder tempFolder{"kemora-launch"};
    const fs::path folder = tempFolder.path();
};

TEST_F(ProcessLauncherTest, StartsAProgramAndReportsOneThatCannotStart) {
    const fs::path tool = folder / "tool";
    const fs::path mark = folder / "tool.ran";
    std::ofstream(tool) << "#!/bin/sh\ntouch \"$0.ran\"\n";
    fs::permissions(tool, fs::perms::owner_all);

    ProcessLauncher processLauncher;
    EXPECT_TRUE(processLauncher.start(tool.string()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(mark); }, 10000));

    EXPECT_FALSE(processLauncher.start((folder / "missing").string()));
}

TEST_F(ProcessLauncherTest, AToolThatCannotStartEndsInTheMessage) {
    FakeRegistry registry;
    registry.setValue(kHkeyLocalMachine, std::string(kSysInfoKey), "PATH", kRegTypeText,
                      (folder / "missing").string());
    ProcessLauncher processLauncher;
    frmAbout dialog(registry, processLauncher);
    QStringList texts;
    dialog.setMessageBox(
        [&](QWidget*, const QString& text, const QString&) { texts.push_back(text); });
    dialog.StartSysInfo();
    EXPECT_EQ(texts, QStringList{QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません")});
}

}  // namespace
}  // namespace kemora::dialogs
