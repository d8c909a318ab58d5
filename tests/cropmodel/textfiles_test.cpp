// The text-file layer: case-insensitive names, line ends, Windows-1252,
// rewrites that never leave a half-written file, checked names, deletion.
#include "cropmodel/textfiles.h"
#include "shell/usererror.h"

#include "printing.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;
using zarn::test::bytesOf;
using zarn::test::putBytes;

namespace {

struct Dir {
    QTemporaryDir tmp;
    QString path() const { return tmp.path() + "/"; }
};

} // namespace

TEST(TextFiles, LinesAcceptCrLfLfAndAMissingLastEnd) {
    const struct {
        QByteArray content;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\rb\n", {"a\rb"}},
        {"x\r\r\n", {"x\r"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(splitLines(c.content), c.lines) << c.content.toStdString();
}

TEST(TextFiles, Windows1252BytesSurviveAReadAndAWrite) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\n' && b != '\r')
            all += static_cast<char>(b);
    const QString text = fromWindows1252(all);
    EXPECT_EQ(text[0x80 - 2], QChar(0x20AC)); // euro sign (two bytes skipped before it)
    EXPECT_EQ(toWindows1252(text), all);
    EXPECT_EQ(toWindows1252(QString(QChar(0x4E2D))), QByteArray("?"));
    EXPECT_EQ(joinLines({"a", fromWindows1252("\xe9")}), QByteArray("a\r\n\xe9\r\n"));
}

TEST(TextFiles, FindsAnExistingFileWhateverItsCaseAndCreatesNewOnesAsSpelled) {
    Dir d;
    putBytes(d.path() + "CROPMAN.sg8", "one\r\n");
    EXPECT_EQ(findFile(d.path(), "CROPMAN.SG8"), d.path() + "CROPMAN.sg8");
    EXPECT_EQ(readLines(d.path(), "cropman.SG8"), QStringList{"one"});
    writeLines(d.path(), "CROPMAN.SG8", {"two"});
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{"CROPMAN.sg8"});
    EXPECT_EQ(bytesOf(d.path() + "CROPMAN.sg8"), QByteArray("two\r\n"));

    writeLines(d.path(), "NITBAL.sg4", {"n"});
    EXPECT_TRUE(QFile::exists(d.path() + "NITBAL.sg4"));
    EXPECT_FALSE(fileExists(d.path(), "nothere"));
}

TEST(TextFiles, AppendKeepsTheBytesAndEndsAnUnendedLastLine) {
    Dir d;
    appendLines(d.path(), "SGEXP.DIR", {"a"});
    EXPECT_EQ(bytesOf(d.path() + "SGEXP.DIR"), QByteArray("a\r\n"));
    putBytes(d.path() + "SGEXP.DIR", "x\ny");
    appendLines(d.path(), "sgexp.dir", {"z"});
    EXPECT_EQ(bytesOf(d.path() + "SGEXP.DIR"), QByteArray("x\ny\r\nz\r\n"));
}

TEST(TextFiles, AFailedRewriteLeavesTheOldFileAndNamesIt) {
    Dir d;
    putBytes(d.path() + "keep.txt", "old\r\n");
    // The target is a directory: nothing can be renamed over it.
    QDir(d.path()).mkdir("blocked.txt");
    try {
        writeLines(d.path(), "blocked.txt", {"new"});
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("blocked.txt")) << e.text().toStdString();
        EXPECT_EQ(e.title(), kFileErrorTitle);
    }
    EXPECT_THROW(writeLines(d.path() + "missing/", "a.txt", {"x"}), UserError);
    EXPECT_THROW(readLines(d.path(), "absent.txt", "reading"), UserError);
    EXPECT_EQ(bytesOf(d.path() + "keep.txt"), QByteArray("old\r\n"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{"keep.txt"});
}

TEST(TextFiles, DeletesByPatternInAnyCase) {
    Dir d;
    for (const char *n : {"OUT1.SG", "out2.sg", "Out5.Sg", "OUT12.SG", "OUT1.SGX", "keep.sg"})
        putBytes(d.path() + n, "x");
    EXPECT_EQ(deleteMatching(d.path(), "out?.sg"), 3);
    QStringList left = QDir(d.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList{"OUT1.SGX", "OUT12.SG", "keep.sg"}));
    EXPECT_EQ(deleteMatching(d.path(), "out?.sg"), 0);
    removeFile(d.path(), "KEEP.SG");
    removeFile(d.path(), "not-there");
    EXPECT_FALSE(QFile::exists(d.path() + "keep.sg"));
}

TEST(TextFiles, NamesFromFilesMustBePlain) {
    EXPECT_EQ(checkedPlainName("SGIN9601.SG4", "SGEXP.DIR"), QString("SGIN9601.SG4"));
    EXPECT_EQ(checkedPlainName(" init.sg4   ", "SGEXP.DIR"), QString("init.sg4"));
    for (const char *bad : {"", "    ", "../x.sg4", "..", "a/b", "a\\b", "C:x", "x..y"}) {
        try {
            checkedPlainName(bad, "SGEXP.DIR");
            ADD_FAILURE() << "accepted " << bad;
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains("SGEXP.DIR"));
        }
    }
}

TEST(TextFiles, ColumnsAreCutShort) {
    EXPECT_EQ(column("abcdef", 2, 3), QString("bcd"));
    EXPECT_EQ(column("abcdef", 5, 9), QString("ef"));
    EXPECT_EQ(column("abc", 4, 2), QString());
    EXPECT_EQ(column("abc", 9, 2), QString());
}
