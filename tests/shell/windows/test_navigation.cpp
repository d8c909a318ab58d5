// Every entry of the main working window, the model-setup window and the setup
// window reaches its window by name (or, for windows still to be built, says so).
#include "shell_fixture.h"

#include "shell/windows/widgets3d.h"

#include <QApplication>
#include <QTimer>

using namespace zarn;
using namespace zarn::test;

namespace {

struct Route {
    const char *control; // button or menu entry of the main working window
    const char *target;  // window it opens
};

// The navigation table of the main working window.
const Route kMainRoutes[] = {
    {"ZarnDefaultButton", "ZarnDefaultForm"},
    {"mnuDefaults", "ZarnDefaultForm"},
    {"ZarnProcessModButton", "ZARNProcessModulesButtonsForm"},
    {"mnuCropInputs", "zarnModCropForm"},
    {"mnuHarvestModule", "zarnHarv"},
    {"mnuLoadingModule", "zarnModLoad"},
    {"mnuTransportModule", "zarnModTransportForm"},
    {"mnuUnloadingModule", "zarnModUnloadForm"},
    {"mnuStorageModule", "zarnModStorageForm"},
    {"mnuJuiceExtractionModule", "zarnModJuiceExtractForm"},
    {"mnuProcessEnergyModule", "zarnModProcessEnergyForm"},
    {"mnuFermentationModule", "zarnModFermentationForm"},
    {"mnuElectricityModule", "zarnModElecProdForm"},
    {"mnuBiogasModule", "zarnModBioGasForm"},
    {"ZarnCalculateButton", "zarnCalculationForm"},
    {"mnuCalculate", "zarnCalculationForm"},
    {"ZarnReportButton", "zarnReportOfYields"},
    {"mnuReports", "zarnReportOfYields"},
    {"ResVarietyButton", "resVarietyForm"},
    {"mnuVariety", "resVarietyForm"},
    {"ResCropManageButton", "ResCropManagementForm"},
    {"mnuCropManagement", "ResCropManagementForm"},
    {"ResHarvestResButton", "Harv"},
    {"mnuHarvestResource", "Harv"},
    {"ResLoadingButton", "ResLoad"},
    {"mnuLoading", "ResLoad"},
    {"ResTransportButton", "ResTransForm"},
    {"mnuTransport", "ResTransForm"},
    {"ResUnloadingButton", "ResUnlod"},
    {"mnuUnloading", "ResUnlod"},
    {"ResMillCrushingOpr", "ResCrushing"},
    {"mnuMillCrushing", "ResCrushing"},
    {"ResJuiceButton", "ResJuiceExtForm"},
    {"mnuJuiceEnergy", "ResJuiceExtForm"},
    {"ResEnergyButton", "ResEnergyForm"},
    {"mnuEnergy", "ResEnergyForm"},
    {"ResEnergyConvButton", "ResEnergyConversionForm"},
    {"mnuEnergyConversions", "ResEnergyConversionForm"},
    {"ResJobButton", "ResJob"},
    {"mnuOccupations", "ResJob"},
    {"ResInstituteButton", "ResInstituteForm"},
    {"mnuInstitute", "ResInstituteForm"},
    {"ResSiteButton", "ResSiteForm"},
    {"mnuSite", "ResSiteForm"},
    {"Option3D16", "ceresoil"},
    {"mnuSoilProfiles", "ceresoil"},
    {"mnuSoilInitial", "ceresinit"},
    {"mnuSoilLoad", "LoadSoils"},
    {"ResWeatherButton", "CeresWInInitialForm"},
    {"mnuWeatherImport", "CeresWInInitialForm"},
    {"mnuWeatherInput", "CeresWInForm"},
    {"mnuWeatherSelect", "CeresWInSelect"},
    {"CPMCERESButton", "CPMCERESForm"},
    {"mnuModifyCropManagement", "CERESInCropManageForm"},
    {"mnuModifyInitialSoil", "ceresinit"},
    {"mnuModifyWeather", "CeresWInSelect"},
    {"mnuModifyLeafData", "CeresInLeafForm"},
    {"mnuModifySGEXP", "CeresInSGEXPForm"},
    {"mnuAnalyseOut1", "CeresOut1Form"},
    {"mnuAnalyseOut2", "CeresOut2Form"},
    {"mnuAnalyseOut3", "CeresOut3Form"},
    {"mnuAnalyseOut4", "CeresOut4Form"},
    {"mnuAnalyseOut5", "CeresOut5Form"},
    {"mnuRun", "CERESRunForm"},
    {"mnutest", "ResEquipment"},
};

// The model-setup window's buttons.
const Route kSetupRoutes[] = {
    {"zarnPMCropInputsButton", "zarnModCropForm"},
    {"zarnPMHarvestButton", "zarnHarv"},
    {"ZARNPMLoadingButton", "zarnModLoad"},
    {"ZARNPMTransportButton", "zarnModTransportForm"},
    {"ZARNPMUnloadingButton", "zarnModUnloadForm"},
    {"ZARNPMStorageButton", "zarnModStorageForm"},
    {"ZARNPMJuiceButton", "zarnModJuiceExtractForm"},
    {"ZARNPMProcessEnergyButton", "zarnModProcessEnergyForm"},
    {"ZARNPMFermentationButton", "zarnModFermentationForm"},
    {"ZARNPMElectricityButton", "zarnModElecProdForm"},
    {"ZARNPMBiogasButton", "zarnModBioGasForm"},
    {"ZARNPMCalcButton", "zarnCalcValues"},
};

// The legacy frame's menu entries.
const Route kFrameRoutes[] = {
    {"mdiCalculate", "zarnCalculationForm"},
    {"mdiReports", "zarnReportOfYields"},
    {"mdiDefaults", "ZarnDefaultForm"},
    {"mdiCropInputs", "zarnModCropForm"},
    {"mdiHarvestModule", "zarnHarv"},
    {"mdiLoadingModule", "zarnModLoad"},
    {"mdiTransportModule", "zarnModTransportForm"},
    {"mdiUnloadingModule", "zarnModUnloadForm"},
    {"mdiStorageModule", "zarnModStorageForm"},
    {"mdiJuiceExtractionModule", "zarnModJuiceExtractForm"},
    {"mdiProcessEnergyModule", "zarnModProcessEnergyForm"},
    {"mdiFermentationModule", "zarnModFermentationForm"},
    {"mdiElectricityModule", "zarnModElecProdForm"},
    {"mdiBiogasModule", "zarnModBioGasForm"},
    {"mdiVariety", "resVarietyForm"},
    {"mdiCropManagement", "ResCropManagementForm"},
    {"mdiHarvestResource", "Harv"},
    {"mdiLoading", "ResLoad"},
    {"mdiTransport", "ResTransForm"},
    {"mdiUnloading", "ResUnlod"},
    {"mdiMillCrushing", "ResCrushing"},
    {"mdiJuiceEnergy", "ResJuiceExtForm"},
    {"mdiEnergy", "ResEnergyForm"},
    {"mdiEnergyConversions", "ResEnergyConversionForm"},
    {"mdiOccupations", "ResJob"},
    {"mdiInstitute", "ResInstituteForm"},
    {"mdiSite", "ResSiteForm"},
    {"mdiWeatherInput", "CeresWInForm"},
    {"mdiModifyCropManagement", "CERESInCropManageForm"},
    {"mdiModifyInitialSoil", "ceresinit"},
    {"mdiModifyWeather", "CeresWInSelect"},
    {"mdiModifyLeafData", "CeresInLeafForm"},
    {"mdiModifySGEXP", "CeresInSGEXPForm"},
    {"mdiRun", "CERESRunForm"},
    {"mdiTest", "ResEquipment"},
    {"mdiAnalyseOut1", "CeresOut1Form"},
    {"mdiAnalyseOut2", "CeresOut2Form"},
    {"mdiAnalyseOut3", "CeresOut3Form"},
    {"mdiAnalyseOut4", "CeresOut4Form"},
    {"mdiAnalyseOut5", "CeresOut5Form"},
};

// Buttons of the main menu, the model window and the output chooser.
const std::pair<const char *, Route> kOtherRoutes[] = {
    {"ZARNMainMenu", {"zarnMainMenuHelpButton", "zarnMainMenuHelpForm"}},
    {"ZARNMainMenu", {"zarnMainMenuContactButton", "zarnMainMenuContactsForm"}},
    {"CPMCERESForm", {"CPMCERESModifyBtn", "CERESModifyForm"}},
    {"CPMCERESForm", {"CPMCERESOutputbtn", "CPMCERESOutputForm"}},
    {"CPMCERESOutputForm", {"CERESOut1Button", "CeresOut1Form"}},
    {"CPMCERESOutputForm", {"CERESOut2Button", "CeresOut2Form"}},
    {"CPMCERESOutputForm", {"CERESOut3Button", "CeresOut3Form"}},
    {"CPMCERESOutputForm", {"CERESOut4Button", "CeresOut4Form"}},
    {"CPMCERESOutputForm", {"CERESOut5Button", "CeresOut5Form"}},
};

class NavigationTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        loadStartupDefaults(bundle->path(), 2026);
    }
    // Opens `from`, presses `control` and checks that `target` opened or that
    // the not-yet-available message named it.
    void expectRoute(const QString &from, const Route &r) {
        SCOPED_TRACE(r.control);
        WindowRegistry::show(from);
        messages->clear();
        press(from, r.control);
        if (WindowRegistry::isRegistered(r.target)) {
            // A window may refuse to stay open on load (the run-result window
            // without model output says why in a box); it still was reached.
            EXPECT_TRUE(WindowRegistry::find(r.target) || !messages->shown().empty()) << r.target;
            WindowRegistry::closeAll();
            flush();
        } else {
            ASSERT_EQ(messages->shown().size(), 1u);
            EXPECT_EQ(messages->shown()[0].text, notYetAvailableText(r.target));
        }
    }
};

} // namespace

TEST_F(NavigationTest, MainWorkingWindowEntriesOpenTheirWindows) {
    for (const Route &r : kMainRoutes)
        expectRoute("ZARNMainProcessingMenuForm", r);
}

TEST_F(NavigationTest, ModelSetupButtonsOpenTheirWindows) {
    for (const Route &r : kSetupRoutes)
        expectRoute("ZARNProcessModulesButtonsForm", r);
}

TEST_F(NavigationTest, LegacyFrameEntriesOpenTheirWindows) {
    for (const Route &r : kFrameRoutes)
        expectRoute("MDIForm1", r);
}

TEST_F(NavigationTest, OtherWindowsButtonsOpenTheirWindows) {
    for (const auto &[from, r] : kOtherRoutes)
        expectRoute(from, r);
}

TEST_F(NavigationTest, OtherCropModelsAreNotAvailable) {
    WindowRegistry::show("ZARNMainProcessingMenuForm");
    const QString before = WindowRegistry::openWindows().join(',');
    for (const char *control : {"CPMICASAButton", "CPMKSUButton", "CPMCaneButton",
                                "mnuSorghumIcasa", "mnuSorkamKsu", "mnuSugarcaneIcasa"}) {
        SCOPED_TRACE(control);
        messages->clear();
        press("ZARNMainProcessingMenuForm", control);
        ASSERT_EQ(messages->shown().size(), 1u);
        const MessageRequest &m = messages->shown()[0];
        EXPECT_EQ(m.text, "Not Currently Available");
        EXPECT_EQ(m.title, "Crop Model Information");
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(WindowRegistry::openWindows().join(','), before);
}

TEST_F(NavigationTest, MainWorkingWindowShowsOneGroupAtATime) {
    WindowRegistry::show("ZARNMainProcessingMenuForm");
    QWidget *w = WindowRegistry::find("ZARNMainProcessingMenuForm");
    auto shown = [w] {
        QString s;
        for (const char *f : {"ZARNFrame", "ResourcesFrame", "CERESFrame"})
            s += w->findChild<QWidget *>(f)->isVisible() ? '1' : '0';
        return s;
    };
    EXPECT_EQ(shown(), "000");
    EXPECT_EQ(w->findChild<QLabel *>("ZARNMMSiteUsed")->text(), shared().gSite);
    EXPECT_EQ(w->findChild<QLabel *>("ZARNMMInstitute")->text(), shared().gInstitute);
    press("ZARNMainProcessingMenuForm", "ResourcesButton");
    EXPECT_EQ(shown(), "010");
    press("ZARNMainProcessingMenuForm", "CERESButton");
    EXPECT_EQ(shown(), "001");
    press("ZARNMainProcessingMenuForm", "ZARNButton");
    EXPECT_EQ(shown(), "100");
}

TEST_F(NavigationTest, ExitReturnsToFreshlyLoadedMainMenu) {
    WindowRegistry::show("ZARNMainProcessingMenuForm");
    shared().gSite = "changed since startup";
    press("ZARNMainProcessingMenuForm", "ExitButton");
    EXPECT_FALSE(isOpen("ZARNMainProcessingMenuForm"));
    EXPECT_TRUE(isOpen("ZARNMainMenu"));
    EXPECT_NE(shared().gSite, "changed since startup") << "the main menu re-read the defaults";

    // The menu's "E&xit" only closes the working window.
    press("ZARNMainMenu", "zarnMainMenuOKButton");
    ASSERT_TRUE(isOpen("ZARNMainProcessingMenuForm"));
    press("ZARNMainProcessingMenuForm", "mnuExit");
    EXPECT_FALSE(isOpen("ZARNMainProcessingMenuForm"));
    EXPECT_FALSE(isOpen("ZARNMainMenu"));
}

TEST_F(NavigationTest, ModelSetupOkClearsTheSetupChoice) {
    WindowRegistry::show("ZARNMainProcessingMenuForm");
    press("ZARNMainProcessingMenuForm", "ZARNButton");
    press("ZARNMainProcessingMenuForm", "ZarnProcessModButton");
    auto *setup = WindowRegistry::find("ZARNMainProcessingMenuForm")
                      ->findChild<OptionButton3D *>("ZarnProcessModButton");
    ASSERT_TRUE(setup->isChecked());
    ASSERT_TRUE(isOpen("ZARNProcessModulesButtonsForm"));
    press("ZARNProcessModulesButtonsForm", "APMExitButton");
    EXPECT_FALSE(isOpen("ZARNProcessModulesButtonsForm"));
    EXPECT_FALSE(setup->isChecked());
}

TEST_F(NavigationTest, SetupWindowConstraintsAndCancel) {
    messages->answer(MsgResult::No);
    WindowRegistry::show("ZarnSetupSystemForm");
    QWidget *w = WindowRegistry::find("ZarnSetupSystemForm");
    EXPECT_FALSE(w->findChild<QWidget *>("ZarnSetupSystemLocationFrame")->isVisible());
    const std::pair<const char *, const char *> constraints[] = {
        {"ZarnSetSysEthanolButton", "ETOH"},
        {"ZarnSetSysElectricButton", "ELEC"},
        {"ZarnSetSysLandButton", "LAND"},
        {"ZarnSetSysTotalButton", "TOTAL"}};
    for (const auto &[button, value] : constraints) {
        press("ZarnSetupSystemForm", button);
        EXPECT_EQ(shared().gSystemConstraint, value);
    }
    shared().gSite = "changed";
    press("ZarnSetupSystemForm", "ZarnSetSysCancelButton");
    EXPECT_FALSE(isOpen("ZarnSetupSystemForm"));
    EXPECT_TRUE(isOpen("ZARNMainMenu"));
    EXPECT_NE(shared().gSite, "changed") << "startup ran again";
}

TEST_F(NavigationTest, SetupWindowOkOpensMainWorkingWindow) {
    WindowRegistry::show("ZarnSetupSystemForm");
    press("ZarnSetupSystemForm", "ZarnSetSysOKButton");
    EXPECT_FALSE(isOpen("ZarnSetupSystemForm"));
    EXPECT_TRUE(isOpen("ZARNMainProcessingMenuForm"));
}

TEST_F(NavigationTest, LegacyFrameExitOpensMainMenu) {
    WindowRegistry::show("MDIForm1");
    press("MDIForm1", "mdiExit");
    EXPECT_FALSE(isOpen("MDIForm1"));
    EXPECT_TRUE(isOpen("ZARNMainMenu"));
}

// The program ends by Qt's last-window rule: a window that closes while
// another opens in the same handler does not end it; closing the last one does.
TEST_F(NavigationTest, ClosingTheLastWindowEndsTheProgram) {
    QApplication::setQuitOnLastWindowClosed(true);
    bool mainMenuOpenAfterExit = false;
    QTimer::singleShot(0, [&] {
        WindowRegistry::show("ZARNMainProcessingMenuForm");
        press("ZARNMainProcessingMenuForm", "ExitButton");
        QTimer::singleShot(200, [&] {
            mainMenuOpenAfterExit = isOpen("ZARNMainMenu") && !isOpen("ZARNMainProcessingMenuForm");
            WindowRegistry::close("ZARNMainMenu");
        });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(20000);
    const int status = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);
    EXPECT_TRUE(mainMenuOpenAfterExit);
    EXPECT_EQ(status, 0) << "the program did not end with its last window";
}
