// The stand-in crop model's readers against damaged input files: whatever the
// bytes, the model ends in time with either a whole season or one message
// naming the file, and never leaves an OUT1.SG after refusing its inputs.
#include "modeldir.h"

#include <QRegularExpression>
#include <random>

using namespace sorghumsim_test;

namespace {

// Values that have broken number readers: beyond a double, below its
// smallest, beyond an int, not numbers at all, and very long.
const QByteArray kHostileNumbers[] = {
    "1e999",
    "-1e999",
    "1e-400",
    "123456789012",
    "-123456789012",
    "99999999999999999999",
    "nan",
    "inf",
    "0x10",
    "1e",
    ".",
    "-",
    "+.e5",
    "1.2.3",
    "1e+",
    "--1",
    "",
    "0",
    "-0",
    "1E308",
    "4.9e-324",
};

// One seeded change to the bytes of a file.
QByteArray mutate(QByteArray content, std::mt19937 &random) {
    const auto pick = [&](qsizetype n) {
        return n <= 0 ? 0 : static_cast<qsizetype>(random() % n);
    };
    const qsizetype size = content.size();
    switch (random() % 8) {
    case 0: { // a number replaced by a hostile value
        static const QRegularExpression number(R"([+-]?\d+\.?\d*([eE][+-]?\d+)?)");
        QList<QRegularExpressionMatch> found;
        for (auto it = number.globalMatch(QString::fromLatin1(content)); it.hasNext();)
            found << it.next();
        if (found.isEmpty())
            break;
        const auto &m = found[pick(found.size())];
        const auto &value = kHostileNumbers[pick(std::size(kHostileNumbers))];
        content.replace(m.capturedStart(), m.capturedLength(), value);
        break;
    }
    case 1: // a byte changed to any byte
        if (size > 0)
            content[pick(size)] = static_cast<char>(random() & 0xFF);
        break;
    case 2: // a control byte, a high byte or a blank inserted
        content.insert(pick(size + 1), "\0\t\r\n\x0b\x0c\x7f\xa0\xff "[pick(10)]);
        break;
    case 3: { // a line removed
        const auto lines = content.split('\n');
        QByteArrayList kept = lines;
        kept.removeAt(pick(lines.size()));
        content = kept.join('\n');
        break;
    }
    case 4: { // a line repeated
        QByteArrayList lines = content.split('\n');
        const qsizetype at = pick(lines.size());
        lines.insert(at, lines[at]);
        content = lines.join('\n');
        break;
    }
    case 5: // cut short
        content.truncate(pick(size + 1));
        break;
    case 6: // a run of 20,000 to 40,000 digits, with or without a point
        content.insert(pick(size + 1),
                       QByteArray(20000 + pick(20000), static_cast<char>('0' + pick(10))) +
                           (random() % 2 ? "." : ""));
        break;
    case 7: // blank lines at the end
        content.append(QByteArray("\r\n \r\n\t\r\n").repeated(1 + pick(3)));
        break;
    }
    return content;
}

} // namespace

// A bounded, seeded run of damaged inputs (the same every time): each run
// ends within its time, never crashes, and either succeeds with a readable
// OUT1.SG and nothing on standard error, or fails with one line naming the
// file (and line) and leaves no output at all.
TEST(SorghumSimRobustness, DamagedInputsNeverCrashHangOrLeaveOutputs) {
    const QStringList files = QDir(kSeason).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    std::mt19937 random(20260417);
    constexpr int kRuns = 100;
    int refused = 0;
    for (int i = 0; i < kRuns; ++i) {
        ModelDir dir(kSeason);
        const QString name = files[static_cast<qsizetype>(random() % files.size())];
        QByteArray content = dir.bytes(name);
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int k = 0; k < changes; ++k)
            content = mutate(content, random);
        dir.writeBytes(name, content);
        dir.write("OUT1.SG", {"left from an earlier run"});

        SCOPED_TRACE(
            QString("run %1: %2 changes to %3").arg(i).arg(changes).arg(name).toStdString());
        const ModelRun r = dir.run(10000);
        ASSERT_FALSE(r.timedOut);
        ASSERT_FALSE(r.crashed) << r.errors.toStdString();
        if (r.exitCode == 0) {
            EXPECT_TRUE(r.errors.isEmpty()) << r.errors.toStdString();
            EXPECT_TRUE(zarn::cropmodel::ScanModelOutput(dir.path(), "OUT1.SG").maturityFound);
            continue;
        }
        ++refused;
        EXPECT_TRUE(r.exitCode == 1 || r.exitCode == 2) << r.exitCode;
        // "sorghum.exe: <file>[, line <n>]: <what>"
        static const QRegularExpression message(R"(^sorghum\.exe: [^:\n]+(, line \d+)?: \S.*\n$)");
        EXPECT_TRUE(message.match(r.errors).hasMatch()) << r.errors.toStdString();
        EXPECT_TRUE(dir.hasNoOutputs());
    }
    // The changes reach the readers: most runs are refused, not all.
    EXPECT_GT(refused, kRuns / 4);
    EXPECT_LT(refused, kRuns);
}

// Blank lines at the end of the experiment directory are no records: the last
// experiment stays the last one, whatever the blanks (spaces, tabs, a stray
// CR, a page break, a no-break space).
TEST(SorghumSimRobustness, BlankLinesAtTheEndOfTheExperimentDirectoryAreNoRecords) {
    ModelDir reference(kSeason);
    ASSERT_EQ(reference.run().exitCode, 0);
    const QByteArray expected = reference.bytes("OUT1.SG");

    const QByteArray blanks[] = {"\r\n",   "\r\n\r\n\r\n", "   \r\n",  "\t\r\n",         "\n",
                                 "\r\r\n", " \x0c\r\n",    "\xa0\r\n", "\r\n \r\n\t\r\n"};
    for (const QByteArray &tail : blanks) {
        SCOPED_TRACE(tail.toHex().toStdString());
        ModelDir dir(kSeason);
        dir.writeBytes("SGEXP.DIR", dir.bytes("SGEXP.DIR") + tail);
        const ModelRun r = dir.run();
        EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
        EXPECT_EQ(dir.bytes("OUT1.SG"), expected);
    }
}
