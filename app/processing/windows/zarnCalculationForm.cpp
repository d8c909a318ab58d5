#include "processing/windows/zarnCalculationForm.h"
#include "shell/defaults.h"

#include "cropmodel/modeloutput.h"
#include "cropmodel/numbers.h"
#include "data/database.h"
#include "shell/messages.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>

namespace zarn {

using cropmodel::FormatNumber;
using cropmodel::LeadingNumber;

namespace {

QString databasePath() {
    return zarn::referenceDatabase(shared().gSystemPath);
}

// The constraint panel's text for a constraint code.
QString constraintText(const QString &code) {
    if (code == QLatin1String("LAND"))
        return QStringLiteral("Land");
    if (code == QLatin1String("ETOH"))
        return QStringLiteral("Ethanol");
    if (code == QLatin1String("ELEC"))
        return QStringLiteral("Electricity");
    if (code == QLatin1String("TOTAL"))
        return QStringLiteral("Total Energy");
    return QString();
}

} // namespace

zarnCalculationForm::zarnCalculationForm() {
    ui.setupUi(this);
    ui.zarnCalcLandUsed->installEventFilter(this);
}

void zarnCalculationForm::load() {
    SharedState &s = shared();
    s.gDailyBagasseOut = 0;
    s.gDailyFibre = 0;

    // The crop model's yield: without OUT1.SG the user is sent to run the model.
    try {
        s.gCeresYield = cropmodel::ReadCalculationYield(s.gCeresPath);
    } catch (const UserError &) {
        leadToCropModel();
        return;
    }
    s.gYieldPerHectare = s.gCeresYield / processing::kYieldScaling;
    ui.zarnCalcYieldTonnes->setText(FormatNumber(s.gYieldPerHectare, QStringLiteral("###.#")));

    // Every other failure names its file, table or field; the load stops there
    // and the window keeps what it has shown so far.
    guarded([this] { loadSteps(); });
}

void zarnCalculationForm::loadSteps() {
    SharedState &s = shared();
    db::Database db = db::Database::open(databasePath());

    if (const auto c = processing::findCrushing(db, s.gCrushingMethod)) {
        s.gCrushRate = c->processRate;
        m_crushing = *c;
    }
    if (const auto h = processing::findHarvest(db, s.gHarvestMethod))
        m_harvest = *h;
    if (const auto v = processing::findVariety(db, s.gSorghumVariety)) {
        const processing::DailyBalance d =
            processing::dailyBalance(s.gCrushRate, v->sugarPercent, v->fibrePercent);
        s.gDailySugar = d.sugar;
        s.gDailyFibre = d.fibre;
        s.gFibrePercent = static_cast<std::int16_t>(qRound(v->fibrePercent));
        s.gDailyBagasseOut = d.bagasseOut;
        s.gMoisturePercent = static_cast<std::int16_t>(qRound(v->moisturePercent));
        s.gSugarPercent = static_cast<std::int16_t>(qRound(v->sugarPercent));
        if (s.gMoisturePercent >= 100)
            showMessage(processing::noFreshWeightText(s.gSorghumVariety, v->moisturePercent),
                        QStringLiteral("Variety Data Error"), MsgIcon::Exclamation);
    }
    const processing::MillRequirements mill = processing::millRequirements(s.gCrushRate);
    s.gDailyHPSteam = mill.dailyHPSteam;
    s.gDailySteamBagasse = mill.dailySteamBagasse;

    setLandText(QStringLiteral("0"));
    // The bagasse panels show daily amounts, the HP-steam panel the hourly one.
    ui.zarnCalcHPSteam->setText(cropmodel::PlainDecimal(mill.hourlyHPSteam));
    ui.zarnCalcBagasseGJ->setText(FormatNumber(mill.dailyBagasseGJ, QStringLiteral("####.#")));
    ui.zarnCalcBagasse->setText(FormatNumber(mill.dailySteamBagasse, QStringLiteral("####.#")));
    ui.zarnCalcCrushRate->setText(cropmodel::PlainDecimal(s.gCrushRate));

    if (s.gSteamBagasseRatio == 0)
        s.gSteamBagasseRatio = processing::steamBagasseRatioFromSlots(db);

    if (const auto land = processing::findLand(db, s.gLandName)) {
        setLandText(cropmodel::PlainDecimal(land->area));
        ui.zarnCalcAreaPlantedLabel->setText(QStringLiteral("Area: ") + land->name);
    }
    db.close();

    ui.zarnCalcHeadType->setText(constraintText(s.gSystemConstraint));
    ui.zarnCalcManpower->setText(
        QString::number(m_harvest.personnelRequirements + m_crushing.labourRequirements));
    ui.zarnCalcManpowerCost->setText(processing::currencyAmountText(
        s.gCurrencyType, m_crushing.labourCost + m_harvest.personnelCost));
    ui.zarnCalcEnergy->setText(s.gCurrencyType + u' ');
    CalculateRevenue();
}

// Putting a text into the land field runs the recalculation (errors go to
// the caller, which is the load and its error trap).
void zarnCalculationForm::setLandText(const QString &text) {
    {
        const QSignalBlocker block(ui.zarnCalcLandUsed);
        ui.zarnCalcLandUsed->setText(text);
    }
    RecalculateProducts();
}

void zarnCalculationForm::on_zarnCalcLandUsed_textChanged(const QString &) {
    guarded([this] { RecalculateProducts(); });
}

void zarnCalculationForm::RecalculateProducts() {
    SharedState &s = shared();
    if (s.gMoistBagasseEnergy == 0)
        s.gMoistBagasseEnergy = processing::kDefaultMoistBagasseEnergy;

    // Only a text that does not begin like a number becomes "0"; "0." and a
    // lone sign stay as typed so that "0.5" can be entered.
    if (processing::landTextNeedsZero(ui.zarnCalcLandUsed->text())) {
        const QSignalBlocker block(ui.zarnCalcLandUsed);
        ui.zarnCalcLandUsed->setText(QStringLiteral("0"));
    }

    processing::ProductInputs in;
    in.yieldPerHectare = s.gYieldPerHectare;
    in.landArea = LeadingNumber(ui.zarnCalcLandUsed->text());
    in.sugarPercent = s.gSugarPercent;
    in.fibrePercent = s.gFibrePercent;
    in.moisturePercent = s.gMoisturePercent;
    in.steamBagasseRatio = s.gSteamBagasseRatio;
    in.moistBagasseEnergy = s.gMoistBagasseEnergy;
    const processing::Products p = processing::products(in);

    ui.zarnCalcLandYield->setText(cropmodel::PlainDecimal(p.landYield));
    ui.zarnCalcTotBag->setText(cropmodel::PlainDecimal(p.bagasse));
    ui.zarnCalcEtOH->setText(cropmodel::PlainDecimal(p.ethanolLitres));
    ui.zarnCalcOutElecSteam->setText(cropmodel::PlainDecimal(p.electricitySteam));
    ui.zarnCalcOutElecBagasse->setText(cropmodel::PlainDecimal(p.electricityBagasse));
    ui.zarnCalcElectricity->setText(cropmodel::PlainDecimal(p.electricityGJ));
    ui.zarnCalcMWatt->setText(cropmodel::PlainDecimal(p.electricityMWh));
    ui.zarnCalcEtOHSteam->setText(cropmodel::PlainDecimal(p.ethanolSteam));
    ui.zarnCalcOutEtOHBagasse->setText(cropmodel::PlainDecimal(p.ethanolBagasse));
    CalculateRevenue();
}

void zarnCalculationForm::CalculateRevenue() {
    SharedState &s = shared();
    m_revenue = processing::Revenue{};
    {
        const db::Database db = db::Database::open(databasePath());
        if (const auto price = processing::findEnergyCost(db, processing::kEthanolDescription))
            m_ethanolPrice = *price;
        if (const auto price = processing::findEnergyCost(db, processing::kElectricityDescription))
            m_electricityPrice = *price;
    }
    processing::RevenueInputs in;
    in.ethanolPrice = m_ethanolPrice;
    in.electricityPrice = m_electricityPrice;
    in.ethanolLitres = LeadingNumber(ui.zarnCalcEtOH->text());
    in.electricityMWh = LeadingNumber(ui.zarnCalcMWatt->text());
    in.labourCostTotal = s.gLabourCostTotal;
    in.energyCostTotal = s.gEnergyCostTotal;
    m_revenue = processing::revenue(in);
    ui.zarnCalcEtOHVal->setText(processing::moneyText(s.gCurrencyType, m_revenue.ethanol));
    ui.zarnCalcElecVal->setText(processing::moneyText(s.gCurrencyType, m_revenue.electricity));
    ui.zarnCalcGrossRevLbl->setText(processing::moneyText(s.gCurrencyType, m_revenue.gross));
    ui.zarnCalcBalanceLbl->setText(processing::moneyText(s.gCurrencyType, m_revenue.balance));
}

bool zarnCalculationForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ui.zarnCalcLandUsed &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Switching windows or opening a menu is not leaving or entering the field.
        const bool withinWindow =
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (event->type() == QEvent::FocusIn && withinWindow) {
            showEthanolPerHectare();
        } else if (event->type() == QEvent::FocusOut && withinWindow) {
            // Leaving for "Cancel" or "Economics" is never held up by the check.
            QWidget *next = QApplication::focusWidget();
            if (next != ui.zarnCalcExit && next != ui.zarnCalcValueButton) {
                QPointer<zarnCalculationForm> self(this);
                QTimer::singleShot(0, this, [self] {
                    if (self)
                        self->checkLandArea();
                });
            }
        }
    }
    return ZarnWindow::eventFilter(watched, event);
}

void zarnCalculationForm::checkLandArea() {
    if (!isVisible())
        return;
    if (LeadingNumber(ui.zarnCalcLandUsed->text()) > 0)
        return;
    showMessage(QStringLiteral("Land Use must be greater than zero"),
                QStringLiteral("Land Used ERROR"), MsgIcon::Critical, MsgButtons::Ok);
    ui.zarnCalcLandUsed->setFocus(Qt::OtherFocusReason);
}

void zarnCalculationForm::showEthanolPerHectare() {
    const SharedState &s = shared();
    ui.zarnCalcEtOH->setText(cropmodel::PlainDecimal(processing::ethanolPerHectare(
        s.gSugarPercent, LeadingNumber(ui.zarnCalcYieldTonnes->text()))));
}

// Shown when the crop model's results cannot be read: the main working window
// with its crop models, so that the user runs the model first.
void zarnCalculationForm::leadToCropModel() {
    showMessage(processing::kNoYieldDataText, QStringLiteral("Error"), MsgIcon::None,
                MsgButtons::Ok);
    QWidget *main = WindowRegistry::show(QStringLiteral("ZARNMainProcessingMenuForm"));
    if (!main)
        return;
    if (auto *frame = main->findChild<QWidget *>(QStringLiteral("CERESFrame")))
        frame->show();
    if (auto *frame = main->findChild<QWidget *>(QStringLiteral("ZARNFrame")))
        frame->hide();
    if (auto *frame = main->findChild<QWidget *>(QStringLiteral("ResourcesFrame")))
        frame->hide();
}

void zarnCalculationForm::on_zarnCalcValueButton_clicked() {
    close();
    WindowRegistry::show(QStringLiteral("zarnCalcValues"));
}

void zarnCalculationForm::on_ZarnCalcProcessVariablesButton_clicked() {
    WindowRegistry::show(QStringLiteral("ZARNCalcProcessVariablesForm"));
}

void zarnCalculationForm::on_zarnCalcExit_clicked() {
    close();
}

ZARN_REGISTER_WINDOW(zarnCalculationForm)

} // namespace zarn
