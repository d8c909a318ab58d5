// The weather windows on a private copy of the program directory: importing a
// bundled station file, generating a weather file and checking a year, the
// weather-file viewer and the initialise window.
#include "cropmodel/experiments.h"
#include "cropmodel/printing.h"
#include "cropmodel/textfiles.h"
#include "cropmodel/weather.h"
#include "data/database.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

namespace zarn::test {
namespace {

// A control of a window, by name (a test failure when there is none).
template <class T> T *ctl(QWidget *window, const char *name) {
    T *c = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class WeatherWindows : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        m_bundle = std::make_unique<TempBundle>();
        m_cwd = QDir::currentPath();
        SharedState &s = shared();
        s.gSystemPath = m_bundle->path();
        s.gDatabasePath = m_bundle->file("Sorghum.mdb");
        s.gCeresPath = m_bundle->ceresPath();
        s.gInst = "HC";
        s.gShortSite = "HF";
        QDir::setCurrent(m_bundle->path());
    }
    void TearDown() override {
        WindowRegistry::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(m_cwd);
        resetSharedState();
    }

    QWidget *importWindow() { return WindowRegistry::show("CeresWInForm"); }
    static QStringList items(QListWidget *list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    // Chooses a file of the import window's file list as the user does.
    static void choose(QWidget *w, const QString &name) {
        const auto found =
            ctl<QListWidget>(w, "CeresWInFileList")->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        emit ctl<QListWidget>(w, "CeresWInFileList")->itemClicked(found.first());
    }
    // Goes to the program directory, where the station files are.
    static void goUp(QWidget *w) {
        const auto up = ctl<QListWidget>(w, "CeresWInDirList")->findItems("..", Qt::MatchExactly);
        ASSERT_EQ(up.size(), 1);
        emit ctl<QListWidget>(w, "CeresWInDirList")->itemActivated(up.first());
    }
    int weatherRows(int year = -1) const {
        db::Database d = db::Database::open(m_bundle->file("Sorghum.mdb"));
        int n = 0;
        for (db::Cursor c = d.openTable("CeresWeather"); !c.eof(); c.moveNext())
            n += year < 0 || c.integer("Year") == year;
        return n;
    }

    std::unique_ptr<TempBundle> m_bundle;
    QString m_cwd;
    ScriptedMessages m_boxes;
};

TEST_F(WeatherWindows, ImportWindowImportsABundledStationFile) {
    QWidget *w = importWindow();
    ASSERT_NE(w, nullptr);
    // Opens on the crop-model directory; the defaults give the institute and site.
    EXPECT_EQ(shared().gInst, "HC");
    EXPECT_EQ(shared().gInstitute, "Highfield Crop Research Institute");
    EXPECT_TRUE(items(ctl<QListWidget>(w, "CeresWInFileList")).contains("HCHF0408.W96"));
    goUp(w);
    EXPECT_EQ(items(ctl<QListWidget>(w, "CeresWInFileList")),
              (QStringList{"HCHFWS96.W01", "HCHFWS97.W02", "HCHFWS97.W03"}));

    // Over the year end, processed without "Load File": the window finds the
    // change of year itself.
    choose(w, "HCHFWS97.W02");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInFileToLoad")->text(), m_bundle->path() + "HCHFWS97.W02");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInOutputName")->text(), m_bundle->path() + "HCHFWS97.met");
    EXPECT_EQ(shared().gWeatherYear, 97);
    ctl<QAbstractButton>(w, "CeresWInFileProcess")->click();
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInResult")->text(), "End of Processing");
    EXPECT_EQ(ctl<QLabel>(w, "CeresWInYearChangeBox")->text(), "Change of Year");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountIn")->text(), "90");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountOut")->text(), "90");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountFind")->text(), "0");
    EXPECT_EQ(weatherRows(96), 31); // December 1996
    EXPECT_EQ(weatherRows(97), 59);

    // The same file previewed first, then processed again: nothing new.
    choose(w, "HCHFWS97.W02");
    EXPECT_EQ(ctl<QLabel>(w, "CeresWInYearChangeBox")->text(), ""); // another choice resets it
    ctl<QAbstractButton>(w, "CeresWInLoadFileButton")->click();
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInResult")->text(), "End of Load");
    EXPECT_EQ(ctl<QLabel>(w, "CeresWInYearChangeBox")->text(), "Change of Year");
    EXPECT_EQ(shared().gWeatherYearChange, "YES");
    EXPECT_LE(ctl<QListWidget>(w, "CeresWInLoadList")->count(), 100);
    ctl<QAbstractButton>(w, "CeresWInFileProcess")->click();
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountOut")->text(), "0");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountFind")->text(), "90");

    // The file with an hour missing: that day is not stored.
    choose(w, "HCHFWS97.W03");
    ctl<QAbstractButton>(w, "CeresWInLoadFileButton")->click();
    EXPECT_EQ(shared().gWeatherYearChange, "NO");
    EXPECT_EQ(ctl<QListWidget>(w, "CeresWInLoadList")->count(), 100);
    ctl<QAbstractButton>(w, "CeresWInFileProcess")->click();
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountIn")->text(), "60");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInCountOut")->text(), "60");
    EXPECT_EQ(weatherRows(97), 59 + 60);
}

TEST_F(WeatherWindows, ImportWindowRefusesBadFilesAndStoresNothing) {
    putBytes(m_bundle->file("HCHFWS96.W09"), "HCHF01   A       1 1996   150      0.0\r\nB\r\n");
    putBytes(m_bundle->file("HCHFWSx6.W01"), "");
    QWidget *w = importWindow();
    goUp(w);
    choose(w, "HCHFWSx6.W01");
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].text.contains("HCHFWSx6.W01"));
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInFileToLoad")->text(), "");
    ctl<QAbstractButton>(w, "CeresWInFileProcess")
        ->click(); // no file chosen: said so, nothing done
    EXPECT_EQ(m_boxes.shown().size(), 2u);

    m_boxes.clear();
    choose(w, "HCHFWS96.W09");
    ctl<QAbstractButton>(w, "CeresWInFileProcess")->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].text.contains("line 1", Qt::CaseInsensitive));
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInResult")->text(), "Nothing was stored from HCHFWS96.W09");
    EXPECT_EQ(weatherRows(), 0);
}

TEST_F(WeatherWindows, WeatherWindowGeneratesAFileAndChecksAYear) {
    // Fill the table from the bundled full year, through the import window.
    QWidget *in = importWindow();
    goUp(in);
    choose(in, "HCHFWS96.W01");
    ctl<QAbstractButton>(in, "CeresWInFileProcess")->click();
    ASSERT_EQ(ctl<QLineEdit>(in, "CeresWInCountOut")->text(), "366");

    QWidget *w = WindowRegistry::show("CeresWInSelect");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "CERES Weather ");
    const auto pick = [&](int day, int month, int year) {
        ctl<QComboBox>(w, "CeresWInSelectDayList")->setCurrentIndex(day - 1);
        ctl<QComboBox>(w, "CeresWInSelectMonthList")->setCurrentIndex(month - 1);
        ctl<QComboBox>(w, "CeresWInSelectYearList")->setCurrentText(QString::number(year));
    };
    pick(1, 4, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectStartDateButton")->click();
    pick(31, 12, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectEndDateButton")->click();
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInSelectStartDate")->text(), "1 April 1996");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInSelectEndDate")->text(), "31 December 1996");
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInSelectFileName")->text(), "HCHF0408.W96");
    ctl<QLineEdit>(w, "CeresWInSelectFileName")->setText("TEST0408.W96");
    ctl<QAbstractButton>(w, "CeresWInSelectGenerateFileButton")->click();
    const QString generated = m_bundle->ceresPath() + "TEST0408.W96";
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInSelectResult")->text(),
              "File Generation Finish: " + generated);
    const QStringList lines = cropmodel::readLinesAt(generated);
    ASSERT_EQ(lines.size(), 1 + 275); // 1 April (day 92) to day 366
    EXPECT_EQ(lines[0], "HCHF 51.55 -0.78");
    EXPECT_TRUE(lines[1].startsWith("HCHF 96 92")) << lines[1].toStdString();
    // What the bundle ships as the Highfield weather file is exactly this.
    EXPECT_EQ(bytesOf(generated), bytesOf(m_bundle->ceresPath() + "HCHF0408.W96"));

    // A name with a directory is refused; nothing is written there.
    m_boxes.clear();
    ctl<QLineEdit>(w, "CeresWInSelectFileName")->setText("../HCHF0408.W96");
    ctl<QAbstractButton>(w, "CeresWInSelectGenerateFileButton")->click();
    EXPECT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_FALSE(QFile::exists(m_bundle->file("HCHF0408.W96")));
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInSelectResult")->text(), "No weather file was written");

    // An end before the start: the name is not built, the message says why.
    m_boxes.clear();
    pick(1, 3, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectEndDateButton")->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].text.contains("after the end date"));

    // The year check: 1996 is complete, 1997 has no days.
    pick(1, 1, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectCheckYearButton")->click();
    const QString report = m_bundle->path() + "MetMiss.dat";
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInSelectResult")->text(), "Year Check Finish: " + report);
    EXPECT_EQ(cropmodel::readLinesAt(report), QStringList{"Records Missing from the year 1996"});
    pick(1, 1, 1997);
    ctl<QAbstractButton>(w, "CeresWInSelectCheckYearButton")->click();
    EXPECT_EQ(cropmodel::readLinesAt(report).size(), 1 + 365);
}

TEST_F(WeatherWindows, ViewerShowsTheLastExperimentsWeatherFile) {
    QWidget *v = WindowRegistry::show("crswthfileviewform");
    ASSERT_NE(v, nullptr);
    const QStringList experiments = cropmodel::ReadExperimentList(m_bundle->ceresPath());
    EXPECT_EQ(items(ctl<QListWidget>(v, "crswthfileviewExperimentList")), experiments);
    const QString name = cropmodel::WeatherFileName(m_bundle->ceresPath());
    EXPECT_EQ(ctl<QLineEdit>(v, "crswthfileviewCurrentWeatherFile")->text(), name);
    EXPECT_EQ(items(ctl<QListWidget>(v, "crswthfileviewWeatherList")),
              cropmodel::readLines(m_bundle->ceresPath(), name).mid(1));
    ctl<QAbstractButton>(v, "crswthfileviewNewButton")->click();
    EXPECT_NE(WindowRegistry::find("CeresWInForm"), nullptr);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(WeatherWindows, InitialiseWindowListsInstitutesAndSites) {
    QWidget *w = WindowRegistry::show("CeresWInInitialForm");
    ASSERT_NE(w, nullptr);
    const auto institutes = cropmodel::ReadInstituteCodes(m_bundle->file("Sorghum.mdb"));
    const auto sites = cropmodel::ReadSiteCodes(m_bundle->file("Sorghum.mdb"));
    ASSERT_FALSE(institutes.isEmpty());
    ASSERT_FALSE(sites.isEmpty());
    EXPECT_EQ(ctl<QComboBox>(w, "CeresWInInitialInstituteList")->count(), institutes.size());
    EXPECT_EQ(ctl<QComboBox>(w, "CeresWInInitialInstituteList")->currentText(),
              institutes.last().name);
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInInitialInstCode")->text(), institutes.last().code);
    EXPECT_EQ(ctl<QComboBox>(w, "CeresWInInitialSiteList")->currentText(), sites.last().name);
    EXPECT_EQ(ctl<QLineEdit>(w, "CeresWInInitialSiteCode")->text(), sites.last().code);
    ctl<QAbstractButton>(w, "CeresWInInitialOKButton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(WindowRegistry::find("CeresWInInitialForm"), nullptr);
}

} // namespace
} // namespace zarn::test

namespace zarn::test {
namespace {

// As a new user would: import a bundled station file, check its year,
// generate the weather file of the Highfield season and run the crop model on
// the experiment that uses it.
TEST_F(WeatherWindows, ImportCheckGenerateAndRunTheHighfieldExperiment) {
    QFile::remove(m_bundle->ceresPath() + "HCHF0408.W96");
    QWidget *in = importWindow();
    goUp(in);
    choose(in, "HCHFWS96.W01");
    ctl<QAbstractButton>(in, "CeresWInLoadFileButton")->click();
    ctl<QAbstractButton>(in, "CeresWInFileProcess")->click();
    EXPECT_EQ(ctl<QLineEdit>(in, "CeresWInCountOut")->text(), "366");

    QWidget *w = WindowRegistry::show("CeresWInSelect");
    const auto pick = [&](int day, int month, int year) {
        ctl<QComboBox>(w, "CeresWInSelectDayList")->setCurrentIndex(day - 1);
        ctl<QComboBox>(w, "CeresWInSelectMonthList")->setCurrentIndex(month - 1);
        ctl<QComboBox>(w, "CeresWInSelectYearList")->setCurrentText(QString::number(year));
    };
    pick(1, 1, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectCheckYearButton")->click();
    EXPECT_EQ(cropmodel::readLinesAt(m_bundle->path() + "MetMiss.dat"),
              QStringList{"Records Missing from the year 1996"});
    pick(1, 4, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectStartDateButton")->click();
    pick(31, 12, 1996);
    ctl<QAbstractButton>(w, "CeresWInSelectEndDateButton")->click();
    ctl<QAbstractButton>(w, "CeresWInSelectGenerateFileButton")->click();
    ASSERT_TRUE(QFile::exists(m_bundle->ceresPath() + "HCHF0408.W96"));
    EXPECT_EQ(cropmodel::WeatherFileName(m_bundle->ceresPath()), "HCHF0408.W96");

    // The bundle's own crop model.
    WindowRegistry::show("CPMCERESForm");
    ctl<QAbstractButton>(WindowRegistry::find("CPMCERESForm"), "CERESRunBtn")->click();
    EXPECT_TRUE(m_boxes.sawText("CERES has ended"));
    for (const auto &box : m_boxes.shown())
        EXPECT_NE(box.title, "CROP Model Runtime Error!") << box.text.toStdString();
    EXPECT_EQ(shared().gYieldCount, 1);
    EXPECT_GT(shared().gCropYield, 1.0f);
}

} // namespace
} // namespace zarn::test
