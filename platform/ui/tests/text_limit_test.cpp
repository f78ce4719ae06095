#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "ui/text_limit.h"

namespace {

// Types text the way a keyboard does, one character at a time (also
// characters that QTest::keyClicks cannot map to a key).
void Type(QWidget* w, const char* utf8) {
    for (QChar c : QString::fromUtf8(utf8))
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Five bytes hold two two-byte umlauts and one ASCII letter, not a third umlaut.
TEST(TextLimit, LineEditStopsTypingAtTheByteLimit) {
    QLineEdit edit;
    ui::SetByteLimit(&edit, 5);
    Type(&edit, "ääää");
    EXPECT_EQ(edit.text(), QString::fromUtf8("ää"));
    Type(&edit, "ab");
    EXPECT_EQ(edit.text(), QString::fromUtf8("ääa"));
}

TEST(TextLimit, PlainTextEditStopsTypingAtTheByteLimit) {
    QPlainTextEdit edit;
    ui::SetByteLimit(&edit, 5);
    Type(&edit, "aääb");
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("aää"));
    // Typing at the start drops the new character, not the text after it.
    edit.moveCursor(QTextCursor::Start);
    Type(&edit, "z");
    EXPECT_EQ(edit.toPlainText(), QString::fromUtf8("aää"));
}

TEST(TextLimit, ExistingTextIsCutOnACharacterBoundary) {
    QLineEdit edit(QString::fromUtf8("aäää"));
    ui::SetByteLimit(&edit, 4);
    EXPECT_EQ(edit.text(), QString::fromUtf8("aä"));
}

}  // namespace
