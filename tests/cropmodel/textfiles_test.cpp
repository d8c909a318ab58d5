// The text-file layer: case-insensitive names, line ends, Windows-1252,
// rewrites that never leave a half-written file, checked names, deletion.
#include "cropmodel/textfiles.h"
#include "shell/usererror.h"

#include "printing.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/fixtures.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // An output that is a directory cannot be deleted: said, not skipped.
    QDir(d.path()).mkdir("OUT3.SG");
    try {
        deleteMatching(d.path(), "out?.sg");
        ADD_FAILURE() << "no error";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("OUT3.SG")) << e.text().toStdString();
    }
    QDir(d.path()).rmdir("OUT3.SG");
    removeFile(d.path(), "KEEP.SG");
    removeFile(d.path(), "not-there");
    EXPECT_FALSE(QFile::exists(d.path() + "keep.sg"));
}

TEST(TextFiles, NamesFromFilesMustBePlainAndTheMessageSaysWhy) {
    EXPECT_EQ(checkedPlainName("SGIN9601.SG4", "SGEXP.DIR"), QString("SGIN9601.SG4"));
    EXPECT_EQ(checkedPlainName(" init.sg4   ", "SGEXP.DIR"), QString("init.sg4"));
    const struct {
        QString name;
        const char *why;
    } bad[] = {
        {"", "is empty"},
        {"    ", "is empty"},
        {"../x.sg4", "leads out of the crop-model directory"},
        {"..", "leads out of the crop-model directory"},
        {"a/../../b", "leads out of the crop-model directory"},
        {"/etc/passwd", "is a full path"},
        {"\\server\\x", "is a full path"},
        {"C:x", "is a full path"},
        {"a/b", "names a file in another directory"},
        {"a\\b", "names a file in another directory"},
        {".", "names the directory itself"},
        {"x..y", "contains \"..\""},
        {"ab:c", "contains \":\""},
        {QString("x") + QChar(0) + "y", "contains a zero character"},
    };
    for (const auto &c : bad) {
        SCOPED_TRACE(c.name.toStdString());
        try {
            checkedPlainName(c.name, "SGEXP.DIR");
            ADD_FAILURE() << "accepted";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains("SGEXP.DIR")) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.why)) << e.text().toStdString();
            EXPECT_FALSE(e.text().contains("names a directory")) << e.text().toStdString();
        }
    }
    // A control byte in the name is shown as an escape.
    try {
        checkedPlainName(QString::fromLatin1("../\x1b[31mred"), "SGEXP.DIR");
        ADD_FAILURE() << "accepted";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("\"../\\x1b[31mred\"")) << e.text().toStdString();
    }
}

// A symbolic link in the crop-model directory is followed only to a file in
// that same directory.
TEST(TextFiles, ALinkOutOfTheDirectoryIsNeitherReadNorWritten) {
    Dir d, elsewhere;
    putBytes(elsewhere.path() + "precious.txt", "outside\r\n");
    putBytes(d.path() + "inside.txt", "inside\r\n");
    ASSERT_TRUE(QFile::link(elsewhere.path() + "precious.txt", d.path() + "out.sg4"));
    ASSERT_TRUE(QFile::link(d.path() + "inside.txt", d.path() + "in.sg4"));
    ASSERT_TRUE(QFile::link(d.path() + "gone.txt", d.path() + "dangling.sg4"));

    for (const char *link : {"out.sg4", "dangling.sg4"}) {
        SCOPED_TRACE(link);
        try {
            writeLines(d.path(), link, {"new"}, "writing the initial-conditions file");
            ADD_FAILURE() << "written through the link";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(link)) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains("is a link to")) << e.text().toStdString();
        }
        EXPECT_THROW(readLines(d.path(), link), UserError);
    }
    EXPECT_EQ(bytesOf(elsewhere.path() + "precious.txt"), QByteArray("outside\r\n"));
    EXPECT_FALSE(QFile::exists(d.path() + "gone.txt"));

    // A link to a file beside it is used.
    EXPECT_EQ(readLines(d.path(), "in.sg4"), QStringList{"inside"});
    writeLines(d.path(), "in.sg4", {"changed"});
    EXPECT_EQ(bytesOf(d.path() + "inside.txt"), QByteArray("changed\r\n"));
}

// With the disk full or a file-size limit reached the rewrite fails: the old
// file stays whole and the failure is reported, never a short file in its place.
TEST(TextFiles, AWriteCutShortByAFileSizeLimitLeavesTheOldFile) {
    Dir d;
    const QByteArray old = "old experiment directory\r\n";
    putBytes(d.path() + "SGEXP.DIR", old);
    QStringList lines;
    for (int i = 0; i < 50; ++i)
        lines << QString("line %1 of the new content").arg(i);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // In the child only: writes beyond 64 bytes fail with EFBIG instead of
        // ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        int status = 3; // no error reported
        try {
            writeLines(d.path(), "SGEXP.DIR", lines, "writing the experiment directory");
        } catch (const UserError &e) {
            status = e.text().contains("SGEXP.DIR") && e.title() == kFileErrorTitle ? 0 : 4;
        }
        _exit(status);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: the failed write was reported as success";
    EXPECT_EQ(bytesOf(d.path() + "SGEXP.DIR"), old);
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{"SGEXP.DIR"});
}

TEST(TextFiles, ColumnsAreCutShort) {
    EXPECT_EQ(column("abcdef", 2, 3), QString("bcd"));
    EXPECT_EQ(column("abcdef", 5, 9), QString("ef"));
    EXPECT_EQ(column("abc", 4, 2), QString());
    EXPECT_EQ(column("abc", 9, 2), QString());
}
