#include "shell/windows/zarnDefm.h"

#include "cropmodel/numbers.h"
#include "data/database.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QCloseEvent>
#include <QDir>
#include <cmath>

namespace zarn {

namespace {

// The list's entry equal to text, or text itself when no entry is (a method
// deleted since it was saved still shows, and is saved, as stored).
void setListText(QComboBox *list, const QString &text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
    else
        list->setEditText(text);
}

void fillList(QComboBox *list, const QStringList &entries, const QString &text) {
    list->clear();
    list->addItems(entries);
    setListText(list, text);
}

} // namespace

zarnDefm::zarnDefm() {
    ui.setupUi(this);
    // "Current Directory" is offered by the window's context menu.
    addAction(ui.zarnDefmCurrentDirectoryEntry);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

zarnDefm::~zarnDefm() {
    stopSupplyingLists();
}

void zarnDefm::load() {
    const bool loaded = guarded([this] {
        SharedState &g = shared();
        db::Database database = db::Database::open(referenceDatabase(g.gSystemPath));
        const DefaultsChoices choices = readDefaultsChoices(database);
        const DefaultsRecord last = readLastDefaults(database);
        database.close();

        fillList(ui.zarnDefSorghum, choices.varieties, last.sorghumVariety);
        fillList(ui.zarnDefHarvest, choices.harvestMethods, last.harvestMethod);
        fillList(ui.zarnDefLoad, choices.loadingMethods, last.loadingMethod);
        fillList(ui.zarnDefTransport, choices.transports, last.transportation);
        fillList(ui.zarnDefUnload, choices.unloadingMethods, last.unloadingMethod);
        fillList(ui.zarnDefCrushing, choices.crushingMethods, last.crushingMethod);
        fillList(ui.zarnDefJuiceExtraction, choices.juiceExtractions, last.juiceExtraction);
        fillList(ui.zarnDefEnergy, choices.energyTypes, last.energyType);
        fillList(ui.ZARNDefCurrency, choices.currencies, last.currencyName);

        g.gInstitute = last.institute;
        g.gInst = last.inst;
        g.gSite = last.site;
        g.gShortSite = last.shortSite;
        g.gMoistBagasseEnergy = last.moistBagasseEnergy;
        ui.zarnDefMoistBagasseEnergy->setText(cropmodel::PlainDecimal(g.gMoistBagasseEnergy));
        ui.zarnDefSoil->setText(QString::number(g.gSoil));
    });
    if (!loaded) {
        // Empty lists must never reach a save: the window does not open.
        close();
        return;
    }
    setDefaultsListsSource([this] { return lists(); });
    m_supplying = true;
}

DefaultsLists zarnDefm::lists() const {
    DefaultsLists l;
    l.sorghumVariety = ui.zarnDefSorghum->currentText();
    l.harvestMethod = ui.zarnDefHarvest->currentText();
    l.loadingMethod = ui.zarnDefLoad->currentText();
    l.transportation = ui.zarnDefTransport->currentText();
    l.unloadingMethod = ui.zarnDefUnload->currentText();
    l.crushingMethod = ui.zarnDefCrushing->currentText();
    l.juiceExtraction = ui.zarnDefJuiceExtraction->currentText();
    l.energyType = ui.zarnDefEnergy->currentText();
    l.currencyName = ui.ZARNDefCurrency->currentText();
    return l;
}

void zarnDefm::closeEvent(QCloseEvent *event) {
    ZarnWindow::closeEvent(event);
    if (event->isAccepted())
        stopSupplyingLists();
}

void zarnDefm::stopSupplyingLists() {
    if (m_supplying) {
        setDefaultsListsSource({});
        m_supplying = false;
    }
}

void zarnDefm::on_zarnDefMoistBagasseEnergy_textEdited(const QString &text) {
    shared().gMoistBagasseEnergy = cropmodel::LeadingNumber(text);
}

// Both buttons close the window; only the system default window saves.
void zarnDefm::on_zarnDefmOKButton_clicked() {
    close();
}

void zarnDefm::on_zarnDefmCancelButton_clicked() {
    close();
}

void zarnDefm::on_zarnDefmCurrentDirectoryEntry_triggered() {
    showMessage(QStringLiteral("The current directory is: ") + QLatin1Char('\n') +
                    QDir::currentPath(),
                QStringLiteral("Tarnwick (ZARN)"), MsgIcon::Information);
}

ZARN_REGISTER_WINDOW(zarnDefm)

} // namespace zarn
