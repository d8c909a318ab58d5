#include "cropmodel/windows/CeresWInForm.h"
#include "shell/defaults.h"

#include "cropmodel/textfiles.h"
#include "cropmodel/weather.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QDir>
#include <QFileInfo>

namespace zarn {

namespace {

const QString kYes = QStringLiteral("YES");
const QString kNo = QStringLiteral("NO");

QString databasePath() {
    return zarn::referenceDatabase(shared().gSystemPath);
}

// A number as the running fields show it.
QString shown(double value) {
    return QString::number(value, 'g', 7);
}

} // namespace

CeresWInForm::CeresWInForm() {
    ui.setupUi(this);
    // No drive letters on this platform: the drive list holds the root only.
    ui.CeresWInDriveList->addItem(QStringLiteral("/"));
}

void CeresWInForm::load() {
    // The days are stored under the institute and site of the current defaults.
    guarded([] {
        const cropmodel::WeatherSite site = cropmodel::ReadWeatherSite(databasePath());
        SharedState &s = shared();
        s.gInstitute = site.institute;
        s.gInst = site.inst;
        s.gSite = site.site;
        s.gShortSite = site.shortSite;
    });
    showDirectory(shared().gCeresPath);
}

void CeresWInForm::showDirectory(const QString &dir) {
    QString d = QDir::cleanPath(dir);
    if (!d.endsWith(u'/'))
        d += u'/';
    m_dir = d;
    ui.CeresWInDirList->clear();
    ui.CeresWInFileList->clear();
    const QDir listed(m_dir);
    if (!listed.exists())
        return;
    if (!listed.isRoot())
        ui.CeresWInDirList->addItem(QStringLiteral(".."));
    ui.CeresWInDirList->addItems(listed.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    // Name filters ignore case: "*.w??" finds .W96 and .w01 alike.
    ui.CeresWInFileList->addItems(
        listed.entryList(QStringList{cropmodel::kStationPattern}, QDir::Files, QDir::Name));
}

void CeresWInForm::on_CeresWInDirList_itemActivated(QListWidgetItem *item) {
    if (item)
        showDirectory(m_dir + item->text());
}

void CeresWInForm::on_CeresWInFileList_itemClicked(QListWidgetItem *item) {
    if (item)
        chooseFile(item->text());
}

void CeresWInForm::chooseFile(const QString &name) {
    // Another file: its year change is not known until it is previewed.
    m_file.clear();
    m_previewed = false;
    setYearChange(false);
    ui.CeresWInLoadList->clear();
    ui.CeresWInResult->clear();
    ui.CeresWInFileToLoad->clear();
    ui.CeresWInOutputName->clear();
    guarded([&] {
        const int year = cropmodel::StationFileYear(name);
        m_file = m_dir + name;
        shared().gWeatherYear = static_cast<std::int16_t>(year);
        ui.CeresWInFileToLoad->setText(m_file);
        ui.CeresWInOutputName->setText(cropmodel::StationOutputName(m_file));
    });
}

void CeresWInForm::setYearChange(bool change) {
    shared().gWeatherYearChange = change ? kYes : kNo;
    ui.CeresWInYearChangeBox->setText(change ? QStringLiteral("Change of Year") : QString());
}

void CeresWInForm::on_CeresWInLoadFileButton_clicked() {
    if (m_file.isEmpty()) {
        showMessage(QStringLiteral("Choose a station file in the file list first."), windowTitle(),
                    MsgIcon::Exclamation);
        return;
    }
    ui.CeresWInResult->setText(QStringLiteral(" Load working ..."));
    setYearChange(false);
    ui.CeresWInLoadList->clear();
    const bool done = guarded([&] {
        const cropmodel::StationPreview preview = cropmodel::PreviewStationFile(m_file);
        ui.CeresWInLoadList->addItems(preview.lines);
        setYearChange(preview.yearChange);
        m_previewed = true;
    });
    ui.CeresWInResult->setText(done ? QStringLiteral("End of Load")
                                    : QStringLiteral("The file could not be loaded"));
}

void CeresWInForm::on_CeresWInFileProcess_clicked() {
    if (m_file.isEmpty()) {
        showMessage(QStringLiteral("Choose a station file in the file list first."), windowTitle(),
                    MsgIcon::Exclamation);
        return;
    }
    ui.CeresWInResult->setText(QStringLiteral("Processing ..."));
    for (QLineEdit *field : {ui.CeresWInDay, ui.CeresWInHour, ui.CeresWInYear, ui.CeresWInMaxTemp,
                             ui.CeresWInMinTemp, ui.CeresWInRadiation, ui.CeresWInRainfall,
                             ui.CeresWInCountIn, ui.CeresWInCountOut, ui.CeresWInCountFind})
        field->clear();
    const bool done = guarded([&] {
        if (!m_previewed) {
            // The year change must be known before the first day is stored.
            setYearChange(cropmodel::PreviewStationFile(m_file).yearChange);
            m_previewed = true;
        }
        const SharedState &s = shared();
        const int year = cropmodel::StationFileYear(m_file);
        const cropmodel::WeatherImportResult r = cropmodel::ImportStationFile(
            m_file, databasePath(), s.gInst, s.gShortSite, year, s.gWeatherYearChange == kYes);
        shared().gWeatherYear = static_cast<std::int16_t>(r.year);
        ui.CeresWInDay->setText(QString::number(r.lastDay));
        ui.CeresWInHour->setText(QString::number(r.lastHour));
        ui.CeresWInYear->setText(QString::number(r.year));
        ui.CeresWInMaxTemp->setText(shown(r.maximum));
        ui.CeresWInMinTemp->setText(shown(r.minimum));
        ui.CeresWInRadiation->setText(shown(r.radiation));
        ui.CeresWInRainfall->setText(shown(r.rainfall));
        ui.CeresWInCountIn->setText(QString::number(r.daysComplete));
        ui.CeresWInCountOut->setText(QString::number(r.daysAdded));
        ui.CeresWInCountFind->setText(QString::number(r.daysPresent));
    });
    ui.CeresWInResult->setText(
        done ? QStringLiteral("End of Processing")
             : QStringLiteral("Nothing was stored from %1").arg(QFileInfo(m_file).fileName()));
}

void CeresWInForm::on_CeresWInInitialise_clicked() {
    WindowRegistry::show(QStringLiteral("CeresWInInitialForm"));
}

void CeresWInForm::on_CeresWInOKBtn_clicked() {
    close();
}

void CeresWInForm::on_CeresWInCancelBtn_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(CeresWInForm)

} // namespace zarn
