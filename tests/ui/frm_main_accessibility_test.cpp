// What a screen reader finds in the main window: a name for every control and descriptions of
// the two pictures that follow the experiment. The events that announce the changes are
// tested with the accessibility bus on, in tests/accessibility.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QTest>

#include "frm_main_fixture.h"
#include "support/accessibility_walk.h"
#include "support/english_interface.h"

namespace kemora::ui {
namespace {

class FrmMainAccessibilityTest : public FrmMainTest {
  protected:
    QString description(const char* name) {
        return control<QWidget>(name)->accessibleDescription();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) tick();
    }
};

TEST_F(FrmMainAccessibilityTest, EveryVisibleControlHasANameInEitherLanguage) {
    writeSettings();
    show();
    EXPECT_EQ(testing_support::UnnamedControls(*window), QStringList());
    const struct {
        const char* control;
        QString name;
    } names[] = {
        {"txtValue", QStringLiteral("容量")},
        {"txtAturyoku", QStringLiteral("圧力（mmHg）")},
        {"cmbLiquid", QStringLiteral("液体の種類")},
        {"picSinario", QStringLiteral("シナリオモード")},
        {"picGrphSw", QStringLiteral("グラフの表示")},
        {"picGrphCls", QStringLiteral("グラフの消去")},
        {"picBack", QStringLiteral("シリンダー")},
        {"picGrph", QStringLiteral("圧力と容量のグラフ")},
    };
    for (const auto& [name, text] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QWidget>(name)->accessibleName(), text);
    }
    // The toggle buttons say whether their mode is on.
    QAccessibleInterface* graphSwitch =
        QAccessible::queryAccessibleInterface(control<QWidget>("picGrphSw"));
    ASSERT_NE(graphSwitch, nullptr);
    EXPECT_EQ(graphSwitch->role(), QAccessible::CheckBox);  // a switch that is on or off
    EXPECT_TRUE(graphSwitch->state().checkable);
    EXPECT_TRUE(graphSwitch->state().checked);
    QTest::mouseClick(control<ImageButton>("picGrphSw"), Qt::LeftButton);
    EXPECT_FALSE(graphSwitch->state().checked);
    QAccessibleInterface* clear =
        QAccessible::queryAccessibleInterface(control<QWidget>("picGrphCls"));
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->role(), QAccessible::Button);
    EXPECT_FALSE(clear->state().checkable);

    testing_support::EnglishInterface english;
    ASSERT_TRUE(english.applied());
    EXPECT_EQ(testing_support::UnnamedControls(*window), QStringList());
    EXPECT_EQ(control<QWidget>("txtValue")->accessibleName(), "Volume");
    EXPECT_EQ(description("picGrph"), "The graph is hidden");
}

TEST_F(FrmMainAccessibilityTest, ThePicturesDescribeTheStateAsItChanges) {
    writeSettings();
    show();
    EXPECT_EQ(description("picBack"), QStringLiteral("すべて液体"));
    EXPECT_EQ(description("picGrph"), QStringLiteral("点はまだありません"));

    txtValue()->setText("300");
    EXPECT_EQ(description("picGrph"), QStringLiteral("容量 300 リットル、圧力 31.4 mmHg"));
    ticks(20);  // water at 27 °C: 300 of 596 litres leaves 7 of 15 layers liquid
    EXPECT_EQ(description("picBack"), QStringLiteral("液体 7 層、気体 8 層"));

    txtValue()->setText("700");
    ticks(20);
    EXPECT_EQ(description("picBack"), QStringLiteral("すべて気体"));
    EXPECT_EQ(description("picGrph"), QStringLiteral("容量 700 リットル、圧力 26.7 mmHg"));
    QTest::mouseClick(control<ImageButton>("picGrphCls"), Qt::LeftButton);
    EXPECT_EQ(description("picGrph"), QStringLiteral("点はまだありません"));
    QTest::mouseClick(control<ImageButton>("picGrphSw"), Qt::LeftButton);
    EXPECT_EQ(description("picGrph"), QStringLiteral("グラフは隠されています"));
    control<QAction>("menu_reset")->trigger();  // no frame drawn yet
    EXPECT_EQ(description("picBack"), QStringLiteral("すべて液体"));
}

TEST_F(FrmMainAccessibilityTest, ThePressureFieldNamesItsUnitAndReadsItsText) {
    writeSettings(model::Atm);
    show();
    QWidget* pressureField = control<QWidget>("txtAturyoku");
    EXPECT_EQ(pressureField->accessibleName(), QStringLiteral("圧力（atm）"));
    txtValue()->setText("300");
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(pressureField);
    ASSERT_NE(field, nullptr);
    ASSERT_NE(field->textInterface(), nullptr);
    EXPECT_EQ(field->textInterface()->text(0, field->textInterface()->characterCount()), "0.041");

    writeSettings(model::HPa);
    window->setVersionDialog([](QWidget&) { return true; });
    control<QAction>("menu_ver")->trigger();
    EXPECT_EQ(pressureField->accessibleName(), QStringLiteral("圧力（hPa）"));
}

}  // namespace
}  // namespace kemora::ui
