// Texts reach the message boxes with every byte that does not print shown as
// an escape.
#include "shell/messages.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(Messages, BytesThatDoNotPrintAreShownAsEscapes) {
    const struct {
        QString raw;
        QString shown;
    } cases[] = {
        {"SGIN9601.SG4", "SGIN9601.SG4"},
        {QString::fromLatin1("a\x1b[2Jb"), "a\\x1b[2Jb"},
        {QString::fromLatin1("tab\there"), "tab\\there"},
        {QString::fromLatin1("cr\rlf\n"), "cr\\rlf\\n"},
        {QString::fromLatin1("del\x7f"), "del\\x7f"},
        {QString(QChar(0x85)) + "c1", "\\x85c1"},
        {QString(QChar(0)) + "nul", "\\x00nul"},
        {QString(QChar(0x200B)), "\\u200b"},
        {QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"),
         QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(printable(c.raw), c.shown) << c.shown.toStdString();
    EXPECT_EQ(printable("two\nlines", true), "two\nlines");
}

TEST(Messages, EveryBoxShowsEscapes) {
    test::ScriptedMessages boxes;
    showMessage(QString::fromLatin1("The file x\x07y cannot be read.\nSecond line"),
                QString::fromLatin1("Title\x1b"));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "The file x\\x07y cannot be read.\nSecond line");
    EXPECT_EQ(boxes.shown()[0].title, "Title\\x1b");
}
