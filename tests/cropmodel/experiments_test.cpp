// SGEXP.DIR: record layout, fitting of the window's fields, append, replace
// and delete through sgexp.dat.
#include "cropmodel/experiments.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include "printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;
using zarn::test::bytesOf;
using zarn::test::putBytes;

namespace {

ExperimentFields sampleFields(const QString &number = "01") {
    ExperimentFields f;
    f.year = "96";
    f.number = number;
    f.title = "Trial " + number;
    f.file1 = "DADN0306.W96";
    f.file2 = "CROPMAN.SG8";
    f.files = {"sprofile.sg2", "DADN9601.SG5", "genetics.sg9",
               "NITBAL.sg4",   "irrigate.sg6", "fert.sg7"};
    f.fileA = "DVPTLEAF.SG";
    f.outs = {"OUT1.SG", "OUT2.SG", "OUT3.SG", "OUT4.SG", "OUT5.SG", ""};
    return f;
}

ExperimentRecord record(const QString &number) {
    return FitExperimentFieldsWithCodes(sampleFields(number), "da", "dn").record;
}

struct CeresDir {
    QTemporaryDir tmp;
    QString path() const { return tmp.path() + "/"; }
    QString file() const { return path() + "SGEXP.DIR"; }
    void fill(const QStringList &numbers) const {
        for (const QString &n : numbers)
            AppendExperiment(path(), record(n));
    }
    QStringList codes() const {
        QStringList out;
        for (const QString &l : ReadExperimentList(path()))
            out << l.left(8);
        return out;
    }
};

} // namespace

TEST(ExperimentLayout, LinesHaveTheirColumns) {
    const ExperimentFit fit = FitExperimentFieldsWithCodes(sampleFields(), "da", "dn");
    EXPECT_FALSE(fit.error);
    const ExperimentRecord &r = fit.record;
    EXPECT_EQ(r.line1,
              "dadn9601 " + QString("Trial 01").leftJustified(40) + " DADN0306.W96 CROPMAN.SG8 ");
    EXPECT_EQ(r.line2,
              "sprofile.sg2 DADN9601.SG5 genetics.sg9 NITBAL.sg4   irrigate.sg6 fert.sg7    ");
    EXPECT_EQ(r.line3, "DVPTLEAF.SG               OUT1.SG OUT2.SG OUT3.SG OUT4.SG OUT5.SG        ");
    EXPECT_EQ(r.line1.size(), 75);
    EXPECT_EQ(r.line2.size(), 77);
    EXPECT_EQ(r.line3.size(), 73);
    EXPECT_EQ(r.code(), "dadn9601");
    EXPECT_EQ(r.file1(), "DADN0306.W96");
    EXPECT_EQ(r.file(5), "DADN9601.SG5");
    EXPECT_EQ(r.out(5), "OUT5.SG");
    EXPECT_EQ(ExperimentListLine(r.line1), "dadn9601 " + QString("Trial 01").leftJustified(40));
}

TEST(ExperimentLayout, FieldsArePaddedOrCutAndFlagged) {
    using F = ExperimentField;
    const QString forty(40, 'T');
    const struct {
        F field;
        QString text;
        bool flagged;
        QString expectLine1Start; // empty: not checked
    } cases[] = {
        {F::Title, forty, false, "dadn9601 " + forty + " "},
        {F::Title, forty + "X", true, "dadn9601 " + forty + " "},
        {F::Year, "", false, "dadn0001 "},
        {F::Year, "7", false, "dadn0701 "},
        {F::Year, "123", true, "dadn1201 "},
        {F::Number, "", false, "dadn9600 "},
        {F::Number, "3", false, "dadn9603 "},
        {F::File1, "ABCDEFGHIJKLM", true, ""},
        {F::File5, "ABCDEFGHIJKL", false, ""},
        {F::Out6, "OUT6.SGX", true, ""},
    };
    for (const auto &c : cases) {
        ExperimentFields f = sampleFields();
        switch (c.field) {
        case F::Title:
            f.title = c.text;
            break;
        case F::Year:
            f.year = c.text;
            break;
        case F::Number:
            f.number = c.text;
            break;
        case F::File1:
            f.file1 = c.text;
            break;
        case F::File5:
            f.files[1] = c.text;
            break;
        case F::Out6:
            f.outs[5] = c.text;
            break;
        default:
            break;
        }
        const ExperimentFit fit = FitExperimentFieldsWithCodes(f, "da", "dn");
        EXPECT_EQ(fit.error, c.flagged) << c.text.toStdString();
        EXPECT_EQ(fit.isTooLong(c.field), c.flagged) << c.text.toStdString();
        int flags = 0;
        for (bool b : fit.tooLong)
            flags += b;
        EXPECT_EQ(flags, c.flagged ? 1 : 0);
        if (!c.expectLine1Start.isEmpty()) {
            EXPECT_TRUE(fit.record.line1.startsWith(c.expectLine1Start))
                << fit.record.line1.toStdString();
        }
        EXPECT_EQ(fit.record.line1.size(), 75);
        EXPECT_EQ(fit.record.line2.size(), 77);
        EXPECT_EQ(fit.record.line3.size(), 73);
    }
}

TEST(ExperimentLayout, CodesComeFromTheDatabase) {
    test::TempBundle bundle;
    ExperimentFields f = sampleFields();
    f.institute = "Highfield Crop Research Institute";
    f.site = "Highfield Experimental Farm";
    ExperimentFit fit = FitExperimentFields(bundle.path(), f);
    EXPECT_EQ(fit.record.code(), "hchf9601");
    f.institute = "Unknown Place";
    f.site = "xY somewhere";
    fit = FitExperimentFields(bundle.path(), f);
    EXPECT_EQ(fit.record.code(), "UnxY9601");
}

TEST(ExperimentDirectory, AppendCreatesAndReadsBack) {
    CeresDir d;
    EXPECT_TRUE(ReadExperimentList(d.path()).isEmpty());
    EXPECT_FALSE(ReadExperiment(d.path(), "dadn9601").found);
    d.fill({"01", "02", "03"});
    EXPECT_EQ(d.codes(), (QStringList{"dadn9601", "dadn9602", "dadn9603"}));
    const FoundExperiment e = ReadExperiment(d.path(), "dadn9602");
    ASSERT_TRUE(e.found);
    EXPECT_EQ(e.record.line1, record("02").line1);
    EXPECT_EQ(e.record.line3, record("02").line3);
    EXPECT_TRUE(bytesOf(d.file()).endsWith(record("03").line3.toLatin1() + "\r\n"));
    EXPECT_THROW(ReadExperimentList(d.path() + "nowhere/"), UserError);
}

TEST(ExperimentDirectory, ReadTakesTheLastOfSeveralMatches) {
    CeresDir d;
    d.fill({"01"});
    ExperimentRecord second = record("01");
    second.line2 = "second";
    AppendExperiment(d.path(), second);
    EXPECT_EQ(ReadExperiment(d.path(), "dadn9601").record.line2, "second");
}

TEST(ExperimentDirectory, ReplaceAndDeleteFirstMiddleLast) {
    const struct {
        const char *code;
        QStringList afterDelete;
    } cases[] = {
        {"dadn9601", {"dadn9602", "dadn9603"}},
        {"dadn9602", {"dadn9601", "dadn9603"}},
        {"dadn9603", {"dadn9601", "dadn9602"}},
    };
    for (const auto &c : cases) {
        CeresDir d;
        d.fill({"01", "02", "03"});
        ExperimentRecord changed = record(QString(c.code).right(2));
        changed.line1 =
            changed.line1.left(9) + QString("Changed").leftJustified(40) + changed.line1.mid(49);
        changed.line2 = "changed line 2";
        ReplaceExperiment(d.path(), changed);
        EXPECT_EQ(d.codes(), (QStringList{"dadn9601", "dadn9602", "dadn9603"}));
        const FoundExperiment e = ReadExperiment(d.path(), c.code);
        EXPECT_EQ(e.record.title().trimmed(), "Changed");
        EXPECT_EQ(e.record.line2, "changed line 2");
        EXPECT_EQ(readLinesAt(d.path() + "sgexp.dat"), readLinesAt(d.file()));

        DeleteExperiment(d.path(), c.code);
        EXPECT_EQ(d.codes(), c.afterDelete) << c.code;
        EXPECT_EQ(readLinesAt(d.path() + "sgexp.dat"), readLinesAt(d.file()));
    }
    CeresDir one;
    one.fill({"01"});
    DeleteExperiment(one.path(), "dadn9601");
    EXPECT_EQ(bytesOf(one.file()), QByteArray());
}

TEST(ExperimentDirectory, ACodeNotPresentGivesAnUnchangedCopy) {
    CeresDir d;
    d.fill({"01", "02"});
    const QByteArray before = bytesOf(d.file());
    ExperimentRecord other = record("07");
    ReplaceExperiment(d.path(), other);
    EXPECT_EQ(bytesOf(d.file()), before);
    DeleteExperiment(d.path(), "zzzz0000");
    DeleteExperiment(d.path(), "");
    EXPECT_EQ(bytesOf(d.file()), before);
    EXPECT_EQ(bytesOf(d.path() + "sgexp.dat"), before);
}

TEST(ExperimentDirectory, AFailedRewriteKeepsTheOldFile) {
    CeresDir d;
    d.fill({"01", "02"});
    const QByteArray before = bytesOf(d.file());
    // sgexp.dat cannot be deleted nor written: it is a directory.
    ASSERT_TRUE(QDir(d.path()).mkdir("sgexp.dat"));
    EXPECT_THROW(DeleteExperiment(d.path(), "dadn9601"), UserError);
    EXPECT_THROW(ReplaceExperiment(d.path(), record("01")), UserError);
    EXPECT_EQ(bytesOf(d.file()), before);
    // No SGEXP.DIR at all: reported, nothing created.
    CeresDir empty;
    EXPECT_THROW(DeleteExperiment(empty.path(), "dadn9601"), UserError);
    EXPECT_FALSE(QFile::exists(empty.file()));
}

TEST(ExperimentDirectory, EveryLineIsComparedWhileSearching) {
    // A line 2 that starts with the code matches as well: the record's rule.
    CeresDir d;
    ExperimentRecord odd = record("01");
    odd.line2 = "dadn9609 looks like a code";
    AppendExperiment(d.path(), odd);
    d.fill({"09"});
    DeleteExperiment(d.path(), "dadn9609");
    EXPECT_EQ(readLinesAt(d.file()),
              (QStringList{odd.line1, record("09").line2, record("09").line3}));
}

TEST(ExperimentDirectory, WeatherFileOfTheLastExperiment) {
    CeresDir d;
    EXPECT_THROW(WeatherFileName(d.path()), UserError);
    d.fill({"01"});
    ExperimentRecord last = record("02");
    last.line1 =
        last.line1.left(50) + QString("SITE0306.W96").leftJustified(12) + last.line1.mid(62);
    AppendExperiment(d.path(), last);
    EXPECT_EQ(WeatherFileName(d.path()), "SITE0306.W96");
    last.line1 = last.line1.left(50) + QString("../x.W96").leftJustified(12) + last.line1.mid(62);
    ReplaceExperiment(d.path(), last);
    EXPECT_THROW(WeatherFileName(d.path()), UserError);
}

// Blank lines at the end of SGEXP.DIR (an editor often leaves one) are not a
// record: the list, the last experiment's files and an append see the same
// experiments as without them.
TEST(ExperimentDirectory, BlankLinesAtTheEndAreNotARecord) {
    for (const QByteArray &tail :
         {QByteArray("\r\n"), QByteArray("\r\n   \r\n\r\n"), QByteArray("\n")}) {
        SCOPED_TRACE(tail.toStdString());
        CeresDir d;
        d.fill({"01", "02"});
        putBytes(d.file(), bytesOf(d.file()) + tail);

        EXPECT_EQ(d.codes(), (QStringList{"dadn9601", "dadn9602"}));
        EXPECT_EQ(ReadExperiments(d.path()).size(), 2u);
        EXPECT_EQ(WeatherFileName(d.path()), "DADN0306.W96");
        EXPECT_EQ(InitialConditionsFileName(d.path()), "DADN9601.SG5");

        AppendExperiment(d.path(), record("03"));
        EXPECT_EQ(d.codes(), (QStringList{"dadn9601", "dadn9602", "dadn9603"}));
        EXPECT_EQ(ReadExperiment(d.path(), "dadn9603").record.line3, record("03").line3);
    }
}
