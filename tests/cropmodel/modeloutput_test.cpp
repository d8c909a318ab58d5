// Reading the yield, maturity and sowing dates from the model's outputs.
#include "cropmodel/modeloutput.h"
#include "shell/usererror.h"

#include "printing.h"
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;

namespace {
// A line with `text` starting at 1-based column `c` and `number` in the
// 9 columns that start `gap` columns after the text's start.
QString lineWith(const QString &text, int c, const QString &number, int gap) {
    QString line = QString("96 195").leftJustified(c - 1, ' ') + text;
    line = line.leftJustified(c - 1 + gap, ' ') + number.rightJustified(9, ' ');
    return line;
}
} // namespace

TEST(ScanModelOutput, FindsMaturityFromColumnTenToTwenty) {
    const struct {
        int column;
        bool found;
    } cases[] = {{9, false}, {10, true}, {15, true}, {20, true}, {21, false}};
    for (const auto &c : cases) {
        const auto out =
            ScanModelOutputLines({lineWith("PHYSIOLOGICAL MATURITY", c.column, "1234", 23)});
        EXPECT_EQ(out.maturityFound, c.found) << c.column;
        EXPECT_DOUBLE_EQ(out.yield, c.found ? 12.34 : 0) << c.column;
        if (c.found) {
            EXPECT_EQ(out.maturityDate, QString("96 195"));
        }
    }
}

TEST(ScanModelOutput, TheLastMatchGivesTheValuesAndSowingDateIsRead) {
    const QStringList lines = {
        "header",
        (QString(9, ' ') + "Planting date").leftJustified(9 + 18, ' ') + "96 1 MAY  rest",
        lineWith("PHYSIOLOGICAL MATURITY", 10, "1000", 23),
        "",
        lineWith("PHYSIOLOGICAL MATURITY", 12, "2500", 23),
        "short",
    };
    const auto out = ScanModelOutputLines(lines);
    EXPECT_EQ(out.lines, lines);
    EXPECT_DOUBLE_EQ(out.yield, 25.0);
    EXPECT_TRUE(out.sowingFound);
    EXPECT_EQ(out.sowingDate, QString("96 1 MAY  "));
    const auto none = ScanModelOutputLines({"", "x", QString(300, QChar(0xFF))});
    EXPECT_FALSE(none.maturityFound);
    EXPECT_FALSE(none.sowingFound);
}

TEST(CalculationYield, TakesTheFirstMatchAtCPlus24) {
    // Digits 12340 in columns 36-40 with the text at column 12: c + 24 = 36.
    QString first = QString(11, ' ') + "PHYSIOLOGICAL MATURITY";
    first = first.leftJustified(35, ' ') + "12340";
    const QStringList lines = {"x", first, lineWith("PHYSIOLOGICAL MATURITY", 10, "999", 24)};
    EXPECT_DOUBLE_EQ(CalculationYieldFromLines(lines), 12340);
    EXPECT_DOUBLE_EQ(CalculationYieldFromLines({"nothing here"}), 0);
    // The run-result rule reads one column earlier: a blank and the digits.
    EXPECT_DOUBLE_EQ(ScanModelOutputLines({first}).yield, 123.4);
}

TEST(ScanModelOutput, ReadsTheFileWhateverItsCaseAndReportsAMissingOne) {
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/";
    EXPECT_THROW(ScanModelOutput(dir, "OUT1.SG"), UserError);
    EXPECT_THROW(ReadCalculationYield(dir), UserError);
    QFile f(dir + "out1.sg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\xff\r\n", 4) +
            lineWith("PHYSIOLOGICAL MATURITY", 10, "1234", 23).toLatin1());
    f.close();
    EXPECT_DOUBLE_EQ(ScanModelOutput(dir, "OUT1.SG").yield, 12.34);
    EXPECT_DOUBLE_EQ(ReadCalculationYield(dir), 1234);
}
