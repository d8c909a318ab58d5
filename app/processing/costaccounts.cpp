#include "processing/costaccounts.h"

#include "cropmodel/numbers.h"
#include "data/lookup.h"

#include <QDateTime>

namespace zarn::processing {

namespace {

const QString kTable = QStringLiteral("Calculation");

// A stored sub-total: a number, or a shown money text whose currency symbol
// comes first ("$ 180" from the land-cost windows) and is skipped.
double storedAmount(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && !(text[i].isDigit() || text[i] == u'-' || text[i] == u'+' ||
                                text[i] == u'.' || text[i] == u' '))
        ++i;
    return cropmodel::LeadingNumber(text.mid(i));
}

ProcessRecord readRecord(const db::Cursor &c) {
    ProcessRecord r;
    r.name = c.text(QStringLiteral("Name"));
    r.number = static_cast<int>(c.integer(QStringLiteral("Number")));
    r.date = c.text(QStringLiteral("Date"));
    r.processName = c.text(QStringLiteral("ProcessName"));
    r.processRate = c.number(QStringLiteral("ProcessRate"));
    r.duration = c.number(QStringLiteral("Duration"));
    r.labourReqd = c.number(QStringLiteral("LabourReqd"));
    r.labourCost = c.number(QStringLiteral("LabourCost"));
    r.energy1 = c.text(QStringLiteral("Energy1"));
    r.energy2 = c.text(QStringLiteral("Energy2"));
    r.energy3 = c.text(QStringLiteral("Energy3"));
    r.energy1Cost = c.number(QStringLiteral("Energy1Cost"));
    r.energy2Cost = c.number(QStringLiteral("Energy2Cost"));
    r.energy3Cost = c.number(QStringLiteral("Energy3Cost"));
    r.subTotCost = storedAmount(c.text(QStringLiteral("SubTotCost")));
    return r;
}

// The fields a step's "Save" writes.
void writeStepFields(db::Cursor &c, const ProcessRecord &r) {
    c.setValue(QStringLiteral("Date"), r.date);
    c.setValue(QStringLiteral("ProcessName"), r.processName);
    c.setValue(QStringLiteral("ProcessRate"), r.processRate);
    c.setValue(QStringLiteral("Duration"), r.duration);
    c.setValue(QStringLiteral("LabourReqd"), r.labourReqd);
    c.setValue(QStringLiteral("LabourCost"), r.labourCost);
    c.setValue(QStringLiteral("Energy1"), r.energy1);
    c.setValue(QStringLiteral("Energy2"), r.energy2);
    c.setValue(QStringLiteral("Energy3"), r.energy3);
    c.setValue(QStringLiteral("Energy1Cost"), r.energy1Cost);
    c.setValue(QStringLiteral("Energy2Cost"), r.energy2Cost);
    c.setValue(QStringLiteral("Energy3Cost"), r.energy3Cost);
    c.setValue(QStringLiteral("SubTotCost"), r.subTotCost);
}

} // namespace

const QStringList &standardSteps() {
    static const QStringList steps = {kLandRentStep,
                                      kCropManagementStep,
                                      QStringLiteral("Land Preparation"),
                                      QStringLiteral("Harvest"),
                                      QStringLiteral("Loading"),
                                      QStringLiteral("Transport"),
                                      QStringLiteral("Unloading"),
                                      QStringLiteral("Mill / Diffusion"),
                                      QStringLiteral("Juice Extraction"),
                                      QStringLiteral("Fibre Handling"),
                                      QStringLiteral("Storage"),
                                      QStringLiteral("Fermentation"),
                                      QStringLiteral("Steam Production"),
                                      kElectricityProductionStep};
    return steps;
}

QString newCalculationName(int number) {
    return QStringLiteral("New Calc ") + cropmodel::SignedText(number);
}

QString calculationTimestamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

int recordCount(const db::Database &db) {
    return db.openTableCursor(kTable).recordCount();
}

std::optional<ProcessRecord> recordAt(const db::Database &db, int position) {
    db::Cursor c = db.openTableCursor(kTable);
    if (position < 0 || position >= c.recordCount())
        return std::nullopt;
    c.moveTo(position);
    return readRecord(c);
}

std::optional<int> findStep(const db::Database &db, int number, const QString &processName) {
    db::Cursor c = db.openTableCursor(kTable);
    for (; !c.eof(); c.moveNext())
        if (c.integer(QStringLiteral("Number")) == number &&
            c.text(QStringLiteral("ProcessName")) == processName)
            return c.position();
    return std::nullopt;
}

int createCalculation(const db::Database &db, int number, const QString &name,
                      const QString &date) {
    db::Transaction transaction(db);
    db::Cursor c = db.openTableCursor(kTable);
    int landRent = -1;
    for (const QString &step : standardSteps()) {
        c.addNew();
        ProcessRecord r;
        r.date = date;
        r.processName = step;
        r.energy1 = r.energy2 = r.energy3 = QStringLiteral(" ");
        c.setValue(QStringLiteral("Name"), name);
        c.setValue(QStringLiteral("Number"), number);
        writeStepFields(c, r);
        c.update();
        if (step == kLandRentStep)
            landRent = c.position();
    }
    db::Cursor defaults = db::openLastDefaults(db);
    defaults.edit();
    defaults.setValue(QStringLiteral("CalculationsStored"), number);
    defaults.update();
    transaction.commit();
    return landRent;
}

void updateStep(const db::Database &db, int position, const ProcessRecord &values) {
    db::Cursor c = db.openTableCursor(kTable);
    c.moveTo(position);
    c.edit();
    writeStepFields(c, values);
    c.update();
}

int appendStep(const db::Database &db, const ProcessRecord &values) {
    db::Cursor c = db.openTableCursor(kTable);
    c.addNew();
    c.setValue(QStringLiteral("Name"), values.name);
    c.setValue(QStringLiteral("Number"), values.number);
    writeStepFields(c, values);
    c.update();
    return c.position();
}

CostTotals costTotals(const db::Database &db, int number) {
    CostTotals t;
    for (const db::Record &r : db::allMatches(db, kTable, QStringLiteral("Number"), number)) {
        const double duration = r.number(QStringLiteral("Duration"));
        t.labour += duration * r.number(QStringLiteral("LabourReqd")) *
                    r.number(QStringLiteral("LabourCost"));
        t.energy += duration * (r.number(QStringLiteral("Energy1Cost")) +
                                r.number(QStringLiteral("Energy2Cost")) +
                                r.number(QStringLiteral("Energy3Cost")));
    }
    return t;
}

double amountOfMoneyText(const QString &text, const QString &currency) {
    const QString trimmed = text.trimmed();
    if (!currency.isEmpty() && trimmed.startsWith(currency))
        return cropmodel::LeadingNumber(trimmed.mid(currency.size()));
    return cropmodel::LeadingNumber(trimmed);
}

} // namespace zarn::processing
