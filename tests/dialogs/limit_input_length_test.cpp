#include "dialogs/limit_input_length.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "model/cp932.h"
#include "support/qt_application.h"
#include "support/widget_testing.h"

namespace kemora::dialogs {
namespace {

using testing_support::TypeText;

class LimitInputLengthTest : public testing::Test {
  public:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    // A shown field with the limit applied, as a dialog's load leaves it.
    void makeField(int32_t limit) {
        LimitInputLength(edit, limit);
        edit.show();
        edit.setFocus();
    }

    void commitFromInputMethod(const QString& text) {
        QInputMethodEvent composing(text, {});
        QCoreApplication::sendEvent(&edit, &composing);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(&edit, &commit);
    }

    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    }

    void drop(const QString& text) {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&edit, &enter);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&edit, &drop);
    }

    std::size_t cp932Bytes() const { return model::Cp932Length(edit.text().toStdString()); }

    QLineEdit edit;
};

TEST_F(LimitInputLengthTest, TypingStopsAtTheLimitInCodePage932Bytes) {
    struct Case {
        int32_t limit;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {3, "1234", "123"},
        {4, "12345", "1234"},
        {3, "水a", "水a"},   // one double-byte and one single-byte character
        {3, "a水b", "a水"},  // the double-byte character fills two of the bytes
        {3, "水水", "水"},   // a second double-byte character would need four
        {2, "水a", "水"},
        {3, "ｱｲｳｴ", "ｱｲｳ"},  // half-width katakana takes one byte, though three in UTF-8
        {30, "水水水水水水水水水水水水水水水a", "水水水水水水水水水水水水水水水"},
        {0, "123456789", "123456789"},  // no limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.limit << " bytes, typed " << c.typed);
        edit.clear();
        makeField(c.limit);
        TypeText(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit.text().toStdString(), c.expected);
    }
}

TEST_F(LimitInputLengthTest, EveryWayOfEnteringTextKeepsTheLimit) {
    struct Case {
        const char* name;
        void (LimitInputLengthTest::*enter)(const QString&);
        const char* tooLong;
        const char* fitting;
    };
    const Case cases[] = {
        {"input method", &LimitInputLengthTest::commitFromInputMethod, "水水", "水"},
        {"paste", &LimitInputLengthTest::paste, "1234", "12"},
        {"drop", &LimitInputLengthTest::drop, "abcd", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit.clear();
        makeField(3);
        (this->*c.enter)(QString::fromUtf8(c.tooLong));
        EXPECT_EQ(edit.text(), "");
        (this->*c.enter)(QString::fromUtf8(c.fitting));
        EXPECT_EQ(edit.text().toStdString(), c.fitting);
        (this->*c.enter)("b");
        EXPECT_EQ(cp932Bytes(), 3u);
        const QString full = edit.text();
        (this->*c.enter)("c");
        EXPECT_EQ(edit.text(), full);
    }
}

TEST_F(LimitInputLengthTest, ReplacingASelectionCountsTheTextThatRemains) {
    makeField(3);
    TypeText(edit, "123");
    edit.selectAll();
    TypeText(edit, "9");
    EXPECT_EQ(edit.text(), "9");
    edit.setSelection(0, 1);
    commitFromInputMethod("水");
    EXPECT_EQ(edit.text(), "水");
}

TEST_F(LimitInputLengthTest, ProgramTextStaysWholeAndCanOnlyBeShortened) {
    // Also with the field's signals blocked, as a form may do while it fills its fields.
    for (const bool blocked : {false, true}) {
        SCOPED_TRACE(blocked ? "signals blocked" : "signals on");
        edit.clear();
        makeField(4);
        edit.blockSignals(blocked);
        edit.setText("1013.25");
        edit.blockSignals(false);
        EXPECT_EQ(edit.text(), "1013.25");
        EXPECT_TRUE(edit.hasAcceptableInput());  // so the field still reports editing finished

        TypeText(edit, "9");
        paste("9");
        commitFromInputMethod("9");
        EXPECT_EQ(edit.text(), "1013.25");

        QTest::keyClick(&edit, Qt::Key_Backspace);
        EXPECT_EQ(edit.text(), "1013.2");
        EXPECT_TRUE(edit.hasAcceptableInput());

        // Replacing a selection by shorter text still adds a character.
        edit.setSelection(0, 2);
        TypeText(edit, "9");
        EXPECT_EQ(edit.text(), "1013.2");

        edit.setSelection(0, 2);
        QTest::keyClick(&edit, Qt::Key_Delete);
        EXPECT_EQ(edit.text(), "13.2");
        TypeText(edit, "9");
        EXPECT_EQ(edit.text(), "13.2");

        edit.end(false);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        TypeText(edit, "99");
        EXPECT_EQ(edit.text(), "13.9");
    }
}

TEST_F(LimitInputLengthTest, UndoAndRedoBringBackOnlyWhatTheFieldHeld) {
    makeField(4);
    edit.setText("1013.25");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);  // a new undo step begins
    QTest::keyClick(&edit, Qt::Key_Delete);
    ASSERT_EQ(edit.text(), "013.2");

    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "1013.2");
    TypeText(edit, "9");
    EXPECT_EQ(edit.text(), "1013.2");
    QTest::keyClick(&edit, Qt::Key_Delete);
    ASSERT_EQ(edit.text(), "013.2");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "1013.25");
    edit.redo();
    EXPECT_EQ(edit.text(), "1013.2");
    TypeText(edit, "9");
    EXPECT_EQ(edit.text(), "1013.2");

    edit.redo();  // the refused key started a new edit, so nothing is left to redo
    edit.undo();
    EXPECT_EQ(edit.text(), "1013.25");
    TypeText(edit, "9");
    EXPECT_EQ(edit.text(), "1013.25");
}

TEST_F(LimitInputLengthTest, TheFieldKeepsNoCharacterLimitOfItsOwn) {
    edit.setMaxLength(2);
    makeField(4);
    TypeText(edit, "12345");
    EXPECT_EQ(edit.text(), "1234");
}

TEST_F(LimitInputLengthTest, ApplyingAgainReplacesTheLimit) {
    makeField(3);
    LimitInputLength(edit, 5);
    TypeText(edit, "123456");
    EXPECT_EQ(edit.text(), "12345");
    LimitInputLength(edit, 2);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    TypeText(edit, "6");
    EXPECT_EQ(edit.text(), "1234");
}

TEST(LimitInputLengthControls, AnEditableComboBoxIsLimitedInItsEditPart) {
    testing_support::EnsureQtApplication();
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({"mmHg", "atm", "hPa"});
    LimitInputLength(combo, 3);
    combo.show();
    EXPECT_EQ(combo.currentText(), "mmHg");  // an item the program put there is not cut

    combo.lineEdit()->clear();
    TypeText(*combo.lineEdit(), "hPa1");
    EXPECT_EQ(combo.currentText(), "hPa");
}

TEST(LimitInputLengthControls, OtherControlsAreLeftAlone) {
    testing_support::EnsureQtApplication();
    QComboBox list;  // not editable: it has no text to limit
    list.addItems({"a", "b"});
    LimitInputLength(list, 1);
    EXPECT_EQ(list.lineEdit(), nullptr);
    EXPECT_EQ(list.validator(), nullptr);

    QPlainTextEdit text;
    LimitInputLength(text, 3);
    text.show();
    TypeText(text, "12345");
    EXPECT_EQ(text.toPlainText(), "12345");
}

}  // namespace
}  // namespace kemora::dialogs
