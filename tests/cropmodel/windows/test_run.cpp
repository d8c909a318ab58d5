// "Run Model" of the crop-model window with the test model in place of
// sorghum.exe, and the reading of a run's yield by the run-result window.
#include "test_run_support.h"

#include "cropmodel/printing.h"
#include "shell/windows/program.h"

#include <QElapsedTimer>
#include <QTimer>

namespace zarn::test {
namespace {

using cropmodel::kRunEndedText;
using cropmodel::kRunErrorText;
using cropmodel::kRunErrorTitle;

// A message box of the run error, or nullptr.
const MessageRequest *runErrorBox(const ScriptedMessages &boxes) {
    for (const auto &r : boxes.shown())
        if (r.title == kRunErrorTitle && r.text.startsWith(kRunErrorText))
            return &r;
    return nullptr;
}

int countText(const ScriptedMessages &boxes, const QString &text) {
    int n = 0;
    for (const auto &r : boxes.shown())
        n += r.text == text;
    return n;
}

// After a failed run the crop-management window is opened (or, while that
// window is not built, its not-available message is shown).
bool cropManagementOpened(const ScriptedMessages &boxes) {
    return WindowRegistry::find("CERESInCropManageForm") != nullptr ||
           boxes.sawText(notYetAvailableText("CERESInCropManageForm"));
}

using ModelRun = RunFixture;

TEST_F(ModelRun, TwoRunsAreCountedReadAndCharted) {
    modelOutputs("OUT1.SG", out1Lines("1523.0"));
    modelOutputs("OUT2.SG", {"daily growth"});
    // Outputs of an earlier run, in any case, are gone before the model starts.
    writeCrLf(ceres() + "out3.Sg", {"stale"});
    writeCrLf(ceres() + "OUT5.SG", {"stale"});

    runModel();

    EXPECT_EQ(countText(m_boxes, kRunEndedText), 1);
    EXPECT_FALSE(QFile::exists(ceres() + "out3.Sg"));
    EXPECT_FALSE(QFile::exists(ceres() + "OUT5.SG"));
    EXPECT_EQ(QDir::currentPath() + "/", m_bundle->path()); // back in the program directory
    ASSERT_TRUE(isOpen("CERESRunForm"));
    EXPECT_EQ(text("CERESRunForm", "CERESRunQty"), "1");

    // "OK" brings the hub back with "Run Model" still usable.
    click("CERESRunForm", "CERESRunOKButtom");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(isOpen("CERESRunForm"));
    auto *runButton = control<QAbstractButton>("CPMCERESForm", "CERESRunBtn");
    ASSERT_NE(runButton, nullptr);
    EXPECT_TRUE(runButton->isEnabled());
    EXPECT_TRUE(runButton->isVisible());

    modelOutputs("OUT1.SG", out1Lines("2040.5"));
    runModel();

    EXPECT_EQ(countText(m_boxes, kRunEndedText), 2);
    EXPECT_EQ(runErrorBox(m_boxes), nullptr);
    EXPECT_EQ(shared().gCeresRunCount, 2);
    EXPECT_EQ(shared().gYieldCount, 2);
    EXPECT_FLOAT_EQ(shared().gYieldList[0], 15.23f);
    EXPECT_FLOAT_EQ(shared().gYieldList[1], 20.405f);
    EXPECT_FLOAT_EQ(shared().gCropYield, 20.405f);
    EXPECT_EQ(text("CERESRunForm", "CERESRunQty"), "2");

    const std::vector<double> points = charted();
    ASSERT_EQ(points.size(), 15u);
    EXPECT_FLOAT_EQ(float(points[0]), 15.23f);
    EXPECT_FLOAT_EQ(float(points[1]), 20.405f);
    for (std::size_t i = 2; i < points.size(); ++i)
        EXPECT_EQ(points[i], 0.0) << "point " << i + 1;

    // The model ran in the crop-model directory, both times.
    const QString dir = QDir(ceres()).canonicalPath();
    EXPECT_EQ(modelStarts(), QStringList({dir, dir}));

    // The crop-model window counts afresh each time it is opened.
    WindowRegistry::close("CPMCERESForm");
    WindowRegistry::show("CPMCERESForm");
    EXPECT_EQ(shared().gCeresRunCount, 0);
}

TEST_F(ModelRun, ASecondRunWhileTheModelRunsIsRefusedAndTheButtonStaysUsable) {
    modelOutputs("OUT1.SG", out1Lines("1000"));
    modelConfig({"sleep_ms=1500"});

    WindowRegistry::show("CPMCERESForm");
    int refusals = 0;
    bool outputsRead = true;
    QTimer::singleShot(300, [&] {
        // The windows stay usable while the model runs: this timer fires.
        const std::size_t before = m_boxes.shown().size();
        runModel();
        for (std::size_t i = before; i < m_boxes.shown().size(); ++i)
            refusals += m_boxes.shown()[i].text == cropmodel::modelStillRunningText();
        // Nothing reads the outputs before the model has ended.
        WindowRegistry::show("CeresOut1Form");
        outputsRead = !listed("CeresOut1Form", "CeresOut1List").isEmpty();
    });
    runModel();

    EXPECT_EQ(refusals, 1);
    EXPECT_FALSE(outputsRead);
    EXPECT_EQ(modelStarts().size(), 1);
    EXPECT_EQ(shared().gCeresRunCount, 1);
    EXPECT_EQ(shared().gYieldCount, 1);

    modelConfig({});
    runModel();
    EXPECT_EQ(modelStarts().size(), 2);
    EXPECT_EQ(shared().gYieldCount, 2);
    EXPECT_EQ(runErrorBox(m_boxes), nullptr);
}

TEST_F(ModelRun, AModelThatLeavesNoOutputsEndsInTheRunError) {
    noModelOutputs();
    modelConfig({"exit=3", "stderr=sorghum: weather file SAMP9701.WTH line 4: bad day"});
    writeCrLf(ceres() + "OUT1.SG", {maturityLine(10, "1234")}); // the earlier run's

    runModel();

    EXPECT_TRUE(m_boxes.sawText(kRunEndedText));
    const MessageRequest *error = runErrorBox(m_boxes);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->icon, MsgIcon::Exclamation);
    EXPECT_TRUE(error->text.contains("OUT1.SG"));
    EXPECT_TRUE(error->text.contains("exit status 3"));
    EXPECT_TRUE(error->text.contains("SAMP9701.WTH line 4: bad day"));
    EXPECT_TRUE(cropManagementOpened(m_boxes));
    EXPECT_FALSE(isOpen("CERESRunForm"));
    EXPECT_EQ(shared().gYieldCount, 0);
    EXPECT_EQ(shared().gYieldList[0], 0.0f);
}

TEST_F(ModelRun, AMissingOrNotExecutableProgramEndsInTheRunErrorNamingIt) {
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "not executable" : "missing");
        m_boxes.clear();
        modelOutputs("OUT1.SG", out1Lines("1000"));
        if (present)
            installProgram(false);
        else
            removeProgram();

        runModel();

        EXPECT_TRUE(m_boxes.sawText(kRunEndedText)); // the run goes on to its end
        const MessageRequest *error = runErrorBox(m_boxes);
        ASSERT_NE(error, nullptr);
        EXPECT_TRUE(error->text.contains(ceres() + "sorghum.exe"));
        EXPECT_TRUE(cropManagementOpened(m_boxes));
        EXPECT_TRUE(modelStarts().isEmpty());
        EXPECT_EQ(shared().gYieldCount, 0);
        EXPECT_EQ(QDir::currentPath() + "/", m_bundle->path());
    }
}

TEST_F(ModelRun, TheHundredAndFirstYieldIsRefusedUntilTheListIsReset) {
    for (int i = 0; i < 100; ++i)
        shared().gYieldList[std::size_t(i)] = float(i + 1);
    shared().gYieldCount = 100;
    const auto before = shared().gYieldList;
    modelOutputs("OUT1.SG", out1Lines("1500"));

    runModel();

    const MessageRequest *error = runErrorBox(m_boxes);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(error->text.contains("\"Reset\""));
    EXPECT_TRUE(cropManagementOpened(m_boxes));
    EXPECT_EQ(shared().gYieldCount, 100);
    EXPECT_EQ(shared().gYieldList, before);

    // "Reset" of the yields report makes room again.
    click("zarnReportOfYields", "RepYieldResetButton");
    m_boxes.clear();
    runModel();
    EXPECT_EQ(runErrorBox(m_boxes), nullptr);
    EXPECT_EQ(shared().gYieldCount, 1);
    EXPECT_FLOAT_EQ(shared().gYieldList[0], 15.0f);
}

TEST_F(ModelRun, TheBundledModelRunsOnTheBundledInputsAndTheOutputWindowAgrees) {
    const QString shipped = QStringLiteral(ZARN_BUNDLE_DIR "/WINCERES/sorghum.exe");
    if (!QFile::exists(shipped))
        GTEST_SKIP() << "no crop model in the bundle";
    removeProgram();
    ASSERT_TRUE(QFile::copy(shipped, ceres() + "sorghum.exe"));
    QFile::setPermissions(ceres() + "sorghum.exe",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    runModel();

    EXPECT_TRUE(m_boxes.sawText(kRunEndedText));
    ASSERT_EQ(runErrorBox(m_boxes), nullptr);
    ASSERT_EQ(shared().gYieldCount, 1);
    EXPECT_GT(shared().gYieldList[0], 0.0f);
    EXPECT_FLOAT_EQ(float(charted().at(0)), shared().gYieldList[0]);
    WindowRegistry::show("CeresOut1Form");
    EXPECT_EQ(text("CeresOut1Form", "CeresOut1Yield"),
              cropmodel::yieldText(shared().gYieldList[0]));
}

// The yield rule of the run-result window on OUT1.SG as the model left it.
struct MaturityCase {
    const char *name;
    QStringList lines;
    bool found;
    float yield;
};

TEST_F(ModelRun, TheYieldIsReadOnlyFromAMaturityRowStartingInColumnsTenToTwenty) {
    const std::vector<MaturityCase> cases = {
        {"column 10", {maturityLine(10, " 1234.")}, true, 12.34f},
        {"column 20", {maturityLine(20, "2500")}, true, 25.0f},
        {"column 9", {maturityLine(9, "1234")}, false, 0},
        {"column 21", {maturityLine(21, "1234")}, false, 0},
        {"no maturity row", {"*SIMULATION OVERVIEW", "END OF RUN"}, false, 0},
        {"last row wins", {maturityLine(10, "1000"), maturityLine(15, "3000")}, true, 30.0f},
    };
    for (const MaturityCase &c : cases) {
        SCOPED_TRACE(c.name);
        resetSharedState();
        shared().gSystemPath = m_bundle->path();
        shared().gCeresPath = ceres();
        shared().gCropYield = 7.5f;
        writeCrLf(ceres() + "OUT1.SG", c.lines);

        const float yield = cropmodel::readRunYield(shared(), std::nullopt);

        EXPECT_EQ(shared().gYieldCount, 1); // a run without a yield adds a zero
        EXPECT_FLOAT_EQ(yield, c.yield);
        EXPECT_FLOAT_EQ(shared().gYieldList[0], c.yield);
        EXPECT_FLOAT_EQ(shared().gCropYield, c.found ? c.yield : 7.5f);
    }
}

// A yield is counted only from an OUT1.SG this run wrote, and only when the
// model ended well.
TEST_F(ModelRun, AModelThatEndsWithAnErrorCountsNoYieldEvenWithAnOutput) {
    modelOutputs("OUT1.SG", out1Lines("1523.0"));
    modelConfig({"exit=3", "stderr=sorghum: cannot remove the output of an earlier run"});

    runModel();

    const MessageRequest *error = runErrorBox(m_boxes);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(error->text.contains("exit status 3")) << error->text.toStdString();
    EXPECT_TRUE(error->text.contains("cannot remove the output")) << error->text.toStdString();
    EXPECT_TRUE(cropManagementOpened(m_boxes));
    EXPECT_EQ(shared().gYieldCount, 0);
    EXPECT_EQ(shared().gYieldList[0], 0.0f);
}

TEST_F(ModelRun, AnOldOutputThatCannotBeDeletedStopsTheRunBeforeTheModelStarts) {
    modelOutputs("OUT1.SG", out1Lines("1523.0"));
    writeCrLf(ceres() + "OUT1.SG", out1Lines("999.0")); // the earlier run's
    ASSERT_TRUE(QDir(ceres()).mkdir("OUT2.SG"));        // cannot be deleted

    runModel();

    ASSERT_EQ(m_boxes.shown().size(), 1u);
    const MessageRequest &box = m_boxes.shown()[0];
    EXPECT_EQ(box.title, kRunErrorTitle);
    EXPECT_TRUE(box.text.contains(ceres() + "OUT2.SG")) << box.text.toStdString();
    EXPECT_TRUE(modelStarts().isEmpty()) << "the model was started";
    EXPECT_FALSE(isOpen("CERESRunForm"));
    EXPECT_EQ(shared().gCeresRunCount, 0);
    EXPECT_EQ(shared().gYieldCount, 0);
    EXPECT_EQ(QDir::currentPath() + "/", m_bundle->path());
}

// Leaving the program while the model runs asks whether to stop it: "No"
// keeps both, "Yes" ends the model (no yield) and lets the program end.
TEST_F(ModelRun, LeavingDuringARunAsksWhetherToStopTheModel) {
    modelOutputs("OUT1.SG", out1Lines("1000"));
    modelConfig({"sleep_ms=60000"});
    WindowRegistry::show("CPMCERESForm");
    const int endsBefore = programEndRequests();

    bool stillRunningAfterNo = false, windowKeptAfterNo = false, exitRefused = false;
    QTimer::singleShot(300, [&] {
        // "Exit" of the main menu, answered "No".
        m_boxes.answer(MsgResult::No);
        exitRefused = !endProgram(0);
        // Closing the last window, answered "No".
        m_boxes.answer(MsgResult::No);
        WindowRegistry::find("CPMCERESForm")->close();
        stillRunningAfterNo = cropmodel::modelIsRunning();
        windowKeptAfterNo = isOpen("CPMCERESForm");
        // Closing it again, answered "Yes".
        m_boxes.answer(MsgResult::Yes);
        WindowRegistry::find("CPMCERESForm")->close();
    });
    QElapsedTimer clock;
    clock.start();
    runModel();

    EXPECT_LT(clock.elapsed(), 30000) << "the model was not stopped";
    EXPECT_TRUE(exitRefused);
    EXPECT_TRUE(stillRunningAfterNo);
    EXPECT_TRUE(windowKeptAfterNo);
    EXPECT_FALSE(cropmodel::modelIsRunning());
    EXPECT_FALSE(isOpen("CPMCERESForm"));
    EXPECT_FALSE(isOpen("CERESRunForm"));
    EXPECT_EQ(programEndRequests(), endsBefore);
    int questions = 0;
    for (const auto &r : m_boxes.shown())
        questions +=
            r.text == QString::fromUtf8(kStopModelQuestion) && r.buttons == MsgButtons::YesNo;
    EXPECT_EQ(questions, 3);
    EXPECT_FALSE(m_boxes.sawText(kRunEndedText));
    EXPECT_EQ(shared().gYieldCount, 0);
    EXPECT_FALSE(QFile::exists(ceres() + "OUT1.SG")) << "the model wrote its outputs";
}

} // namespace
} // namespace zarn::test
