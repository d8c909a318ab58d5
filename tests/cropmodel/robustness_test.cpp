// Every reader fed empty files, short lines and binary garbage: it returns
// or reports a UserError, and never reads outside its data (run under the
// sanitizer build too).
#include "cropmodel/catalogues.h"
#include "cropmodel/experiments.h"
#include "cropmodel/inputfiles.h"
#include "cropmodel/modeloutput.h"
#include "cropmodel/numbers.h"
#include "cropmodel/soils.h"
#include "cropmodel/textfiles.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <exception>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::cropmodel;
using zarn::test::bytesOf;
using zarn::test::putBytes;

namespace {

QByteArray garbage(int size, unsigned seed) {
    QByteArray b;
    unsigned x = seed;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        b += static_cast<char>((x >> 16) & 0xFF);
    }
    return b;
}

// True when `f` returned or ended with a UserError.
template <class F> bool survives(F f) {
    try {
        f();
        return true;
    } catch (const UserError &) {
        return true;
    } catch (const std::exception &e) {
        ADD_FAILURE() << "unexpected exception: " << e.what();
        return false;
    }
}

} // namespace

TEST(Robustness, ReadersSurviveEmptyShortAndGarbageFiles) {
    const QByteArray contents[] = {
        QByteArray(),
        QByteArray("\r\n\n\r\n"),
        QByteArray("a\r\nbc\nd"),
        QByteArray("-1\n -001.\nx\n"),
        QByteArray(" -001.\n -001.\n -001.\n"),
        garbage(3000, 1),
        garbage(20000, 7) + "\n" + garbage(500, 3),
        QByteArray(4000, '\0'),
    };
    test::TempBundle bundle;
    const QString prog = bundle.path();
    const QString ceres = bundle.ceresPath();
    for (const QByteArray &content : contents) {
        for (const char *name : {"SGEXP.DIR", "CROPMAN.sg8", "OUT1.SG", "sprofile.tot", "LEAF.TOT",
                                 "NITROGEN.TOT", "soilinit.tot"}) {
            const bool inProgram = QString(name).endsWith(".TOT", Qt::CaseInsensitive);
            putBytes((inProgram ? prog : ceres) + name, content);
        }
        const QStringList lines = splitLines(content);
        // Blank lines at the end of SGEXP.DIR are not records.
        qsizetype recordLines = lines.size();
        while (recordLines > 0 && lines[recordLines - 1].trimmed().isEmpty())
            --recordLines;
        EXPECT_TRUE(
            survives([&] { EXPECT_EQ(ReadExperimentList(ceres).size(), (recordLines + 2) / 3); }));
        EXPECT_TRUE(survives([&] { ReadExperiment(ceres, "dadn9601"); }));
        EXPECT_TRUE(survives([&] { WriteInitialConditions(prog, ceres, 1); }));
        EXPECT_TRUE(survives([&] { DeleteExperiment(ceres, "zzzz9999"); }));
        EXPECT_TRUE(survives([&] { ReadCropManagement(ceres); }));
        EXPECT_TRUE(survives(
            [&] { EXPECT_EQ(ScanModelOutput(ceres, "OUT1.SG").lines.size(), lines.size()); }));
        EXPECT_TRUE(survives([&] { ReadCalculationYield(ceres); }));
        EXPECT_TRUE(survives([&] { FindCatalogueSoil(prog, 1); }));
        EXPECT_TRUE(survives([&] { ReadInitialSoilCatalogue(prog); }));
        EXPECT_TRUE(survives([&] { ReadLeafCatalogue(prog); }));
        EXPECT_TRUE(survives([&] { CopyLeafGroup(prog, ceres, 1); }));
        EXPECT_TRUE(survives([&] { ReadNitrogenCatalogue(prog); }));
        EXPECT_TRUE(survives([&] { LoadSoilCatalogue(prog); }));
        EXPECT_TRUE(survives([&] { WriteSoilProfile(prog, ceres, 1); }));
    }
}

TEST(Robustness, ConversionsSurviveGarbageText) {
    for (unsigned seed = 1; seed < 50; ++seed) {
        const QString text = fromWindows1252(garbage(int(seed) * 7, seed));
        const double v = LeadingNumber(text);
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_FALSE(FormatNumber(v, text.left(12)).isNull() && !text.left(12).isEmpty());
        EXPECT_FALSE(SignedText(v).isEmpty());
    }
}
