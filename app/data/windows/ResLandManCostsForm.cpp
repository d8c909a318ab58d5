#include "data/windows/ResLandManCostsForm.h"

#include "cropmodel/numbers.h"
#include "data/sites.h"
#include "data/windows/ResCropManagementForm.h"
#include "data/windows/landcostwindows.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

namespace zarn {

using cropmodel::LeadingNumber;

namespace {
db::Database openDatabase() {
    return db::Database::open(shared().gSystemPath + QStringLiteral("Sorghum.mdb"));
}
} // namespace

ResLandManCostsForm::ResLandManCostsForm() {
    ui.setupUi(this);
    bind(QStringLiteral("Land"), ui.ResLandManCostsRecordsData,
         {
             {"ResLandManCostsName", "Name"},
             {"ResLandManCostsSite", "Site"},
             {"ResLandManCostsShortSite", "ShortSite"},
             {"ResLandManCostsArea", "Area"},
             {"ResLandManCostsAreaUnits", "Area Unit"},
             {"ResLandManCostsRemarks", "Remarks"},
             {"ResLandManCostsPurchase", "Purchase Cost"},
             {"ResLandManCostsPurchaseUnit", "Purchase Cost Units"},
             {"ResLandManCostsRental", "Rental Costs"},
             {"ResLandManCostsRentalUnit", "Rental Cost Units"},
             {"ResLandManCostsOpp", "Opportunity Cost"},
             {"ResLandManCostsOppUnit", "Opportunity Cost Units"},
             {"ResLandManCostsTotalTxt", "Rental Costs"},
         });
}

void ResLandManCostsForm::load() {
    BoundForm::load();
    if (!model().isOpen())
        return; // the window has said why and closed
    m_mode = QStringLiteral(" ");
    const QString firstSite = ui.ResLandManCostsSite->text();
    guarded([&] { ui.ResLandManCostsSiteList->addItems(db::SiteNames(openDatabase())); });
    ui.ResLandManCostsSiteList->setCurrentText(firstSite);
}

void ResLandManCostsForm::on_ResLandManCostsRental_textChanged(const QString &text) {
    if (ui.ResLandManCostsTotalTxt->text() != text)
        ui.ResLandManCostsTotalTxt->setText(text);
}

void ResLandManCostsForm::on_ResLandManCostsTotalTxt_textChanged(const QString &text) {
    if (ui.ResLandManCostsRental->text() != text)
        ui.ResLandManCostsRental->setText(text);
}

void ResLandManCostsForm::on_ResLandManCostsSite_textChanged(const QString &text) {
    ui.ResLandManCostsSiteList->setCurrentText(text);
}

void ResLandManCostsForm::on_ResLandManCostsSiteList_activated(int) {
    const QString site = ui.ResLandManCostsSiteList->currentText();
    ui.ResLandManCostsSite->setText(site);
    guarded([&] {
        if (auto shortSite = db::ShortSiteOf(openDatabase(), site))
            ui.ResLandManCostsShortSite->setText(*shortSite);
    });
}

db::LandEntry ResLandManCostsForm::entry() const {
    db::LandEntry l;
    l.name = ui.ResLandManCostsName->text();
    l.site = ui.ResLandManCostsSiteList->currentText();
    l.shortSite = ui.ResLandManCostsShortSite->text();
    l.area = ui.ResLandManCostsArea->text();
    l.areaUnit = ui.ResLandManCostsAreaUnits->text();
    l.remarks = ui.ResLandManCostsRemarks->text();
    l.purchase = ui.ResLandManCostsPurchase->text();
    l.purchaseUnit = ui.ResLandManCostsPurchaseUnit->text();
    l.rental = ui.ResLandManCostsRental->text();
    l.rentalUnit = ui.ResLandManCostsRentalUnit->text();
    l.opportunity = ui.ResLandManCostsOpp->text();
    l.opportunityUnit = ui.ResLandManCostsOppUnit->text();
    return l;
}

// The record shown is left as it is: the entry is not bound to it.
void ResLandManCostsForm::on_ResLandManCostsNewButton_clicked() {
    if (!unboundEntry() && !saveShown())
        return;
    m_mode = QStringLiteral("NEW");
    setUnboundEntry(true);
    for (QLineEdit *text :
         {ui.ResLandManCostsName, ui.ResLandManCostsShortSite, ui.ResLandManCostsRemarks})
        text->clear();
    for (QLineEdit *number : {ui.ResLandManCostsArea, ui.ResLandManCostsPurchase,
                              ui.ResLandManCostsRental, ui.ResLandManCostsOpp})
        number->setText(QStringLiteral("0"));
    ui.ResLandManCostsAreaUnits->setText(QStringLiteral("ha"));
    for (QLineEdit *unit :
         {ui.ResLandManCostsPurchaseUnit, ui.ResLandManCostsRentalUnit, ui.ResLandManCostsOppUnit})
        unit->setText(shared().gCurrencyType);
    ui.ResLandManCostsName->setFocus();
}

void ResLandManCostsForm::on_ResLandManCostsSaveButton_clicked() {
    const bool newEntry = m_mode == QLatin1String("NEW");
    if (!newEntry && shownRow() < 0) {
        saveRecord(); // says that no record is shown
        return;
    }
    const QString subTotal = ui.ResLandManCostsTotalTxt->text();
    shared().gLandRentCost = LeadingNumber(subTotal);
    // Texts left empty are stored as a blank.
    for (QLineEdit *text : {ui.ResLandManCostsName, ui.ResLandManCostsShortSite,
                            ui.ResLandManCostsRemarks, ui.ResLandManCostsSiteList->lineEdit()})
        if (text->text().isEmpty())
            text->setText(QStringLiteral(" "));
    const db::LandEntry land = entry();

    if (newEntry) {
        qint64 added = 0;
        const bool stored = guarded([&] {
            const db::Database db = openDatabase();
            db::Transaction t(db);
            added = db::AppendLand(db, land);
            db::StoreDefaultLandName(db, land.name);
            t.commit();
        });
        if (!stored)
            return; // the entry stays for the user to correct or drop
        m_mode = QStringLiteral(" ");
        setUnboundEntry(false);
        showStored(added);
        return;
    }

    // The edits of the record shown are stored first, as moving off it does;
    // then the land of that name takes the whole entry.
    if (!saveShown())
        return;
    const qint64 shown = model().rowid(shownRow());
    if (!guarded([&] { db::UpdateLandByName(openDatabase(), land); }))
        return;
    showStored(shown);
    StoreLandCost(db::kLandRentRecord, LeadingNumber(subTotal), subTotal, LeadingNumber(subTotal),
                  windowTitle());
    m_mode = QStringLiteral(" ");
}

void ResLandManCostsForm::on_ResLandManCostsDeleteButton_clicked() {
    const int row = shownRow();
    if (!unboundEntry() && row >= 0) {
        const QString name = model().storedValue(row, model().fieldIndex("Name")).toString();
        if (name == shared().gLandName) {
            showMessage(QStringLiteral("\"%1\" is the current land; choose another land with "
                                       "\"OK\" before deleting it.")
                            .arg(name),
                        windowTitle(), MsgIcon::Exclamation);
            return;
        }
    }
    deleteRecord();
}

void ResLandManCostsForm::on_ResLandManCostsOKButton_clicked() {
    const QString name = ui.ResLandManCostsName->text();
    const QString subTotal = ui.ResLandManCostsTotalTxt->text();
    const double cost = LeadingNumber(subTotal);
    if (!guarded([&] { db::StoreDefaultLandName(openDatabase(), name); }))
        return;
    shared().gLandName = name;
    shared().gLandRentCost = cost;
    if (auto *summary =
            WindowRegistry::find<ResCropManagementForm>(QStringLiteral("ResCropManagementForm")))
        summary->showCost(db::kLandRentRecord, cost, subTotal);
    close();
}

ZARN_REGISTER_WINDOW(ResLandManCostsForm)

} // namespace zarn
