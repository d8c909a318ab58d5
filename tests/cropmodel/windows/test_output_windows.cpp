// The output windows CeresOut1Form ... CeresOut5Form and the output chooser.
#include "test_run_support.h"

#include "cropmodel/printing.h"

namespace zarn::test {
namespace {

using OutputWindows = RunFixture;

TEST_F(OutputWindows, ShowTheYieldTheRunResultWindowCharts) {
    const QStringList out1 = out1Lines("1876.4", "1997/04/30");
    modelOutputs("OUT1.SG", out1);
    modelOutputs("out4.sg", out1Lines("990", "1997/05/09"));
    modelOutputs("OUT5.SG", {"SUMMARY", maturityLine(10, "5555")});
    runModel();
    ASSERT_TRUE(isOpen("CERESRunForm"));
    const double chartedYield = charted().at(0);

    for (const char *button : {"CERESOut1Button", "CERESOut4Button", "CERESOut5Button"})
        click("CPMCERESOutputForm", button);

    ASSERT_TRUE(isOpen("CeresOut1Form"));
    EXPECT_EQ(WindowRegistry::find("CeresOut1Form")->windowTitle(),
              "Analyse Ceres Output File OUT1.SG");
    EXPECT_EQ(listed("CeresOut1Form", "CeresOut1List"), out1);
    EXPECT_EQ(text("CeresOut1Form", "CeresOut1Yield"), cropmodel::yieldText(chartedYield));
    EXPECT_EQ(text("CeresOut1Form", "CeresOut1Yield"), "18.764");
    EXPECT_EQ(text("CeresOut1Form", "CeresOut1Maturity"), "SEP 20");
    EXPECT_EQ(text("CeresOut1Form", "CeresOut1Sowing"), "1997/04/30");

    EXPECT_EQ(text("CeresOut4Form", "CeresOut4Yield"), "9.9");
    EXPECT_EQ(text("CeresOut4Form", "CeresOut4Sowing"), "1997/05/09");

    EXPECT_EQ(listed("CeresOut5Form", "CeresOut5List").size(), 2);
    EXPECT_TRUE(m_boxes.shown().size() == 1 && m_boxes.sawText(cropmodel::kRunEndedText));
}

TEST_F(OutputWindows, AMissingFileGivesAMessageAndAnEmptyWindow) {
    QFile::remove(ceres() + "OUT2.SG");
    QWidget *w = WindowRegistry::show("CeresOut2Form");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].text.contains("OUT2.SG"));
    EXPECT_TRUE(listed("CeresOut2Form", "CeresOut2List").isEmpty());
    for (const char *field : {"CeresOut2Yield", "CeresOut2Maturity", "CeresOut2Sowing"})
        EXPECT_EQ(text("CeresOut2Form", field), "") << field;
}

// One class serves the five windows; each keeps its name, its title, its
// controls' names and the buttons that close it.
TEST_F(OutputWindows, EachWindowKeepsItsNameControlsAndClosingButtons) {
    for (int n = 1; n <= 5; ++n)
        writeCrLf(ceres() + QString("OUT%1.SG").arg(n), {QString("output %1").arg(n)});
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const QString name = QString("CeresOut%1Form").arg(n);
        const QString stem = QString("CeresOut%1").arg(n);
        QStringList closers;
        if (n < 5)
            closers = QStringList{"OKButton", "CancelButton"};
        else
            closers = QStringList{"ExitButton"};
        for (const QString &closer : closers) {
            QWidget *w = WindowRegistry::show(name);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->objectName(), name);
            EXPECT_EQ(w->windowTitle(), QString("Analyse Ceres Output File OUT%1.SG").arg(n));
            EXPECT_EQ(listed(name, stem + "List"), QStringList{QString("output %1").arg(n)});
            const bool hasScan = n < 5;
            for (const char *part : {"Yield", "Maturity", "Sowing"})
                EXPECT_EQ(control<QLineEdit>(name, stem + part) != nullptr, hasScan) << part;
            click(name, stem + closer);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(isOpen(name)) << closer.toStdString();
        }
    }
    EXPECT_TRUE(m_boxes.shown().empty());
}

} // namespace
} // namespace zarn::test
