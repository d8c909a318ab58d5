// The energy-conversion units: filling, choosing and exchanging slots, the two
// saves with their totals, and the bundled gasifier data.
#include "cropmodel/numbers.h"
#include "data/lookup.h"
#include "processing/conversionunits.h"
#include "shell/usererror.h"
#include "support/fixtures.h"

#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace zarn;
using namespace zarn::processing;

namespace {

const QString kSlots = QStringLiteral("SteamConfiguration");

class ConversionUnits : public ::testing::Test {
public:
    std::unique_ptr<test::TempBundle> bundle = std::make_unique<test::TempBundle>();
    db::Database open() const { return db::Database::open(bundle->file("Sorghum.mdb")); }

    // Sets fields of record `record` (1-based) of table.
    void put(const QString &table, int record, const QVariantMap &values) {
        auto d = open();
        auto c = d.openDynaset(table);
        c.moveTo(record - 1);
        c.edit();
        for (auto it = values.begin(); it != values.end(); ++it)
            c.setValue(it.key(), it.value());
        c.update();
    }
    QString text(const QString &table, int record, const QString &field) const {
        auto d = open();
        auto c = d.openDynaset(table);
        c.moveTo(record - 1);
        return c.text(field);
    }
    double number(const QString &table, int record, const QString &field) const {
        return text(table, record, field).toDouble();
    }
    // Every record of a table, field by field, to prove nothing was written.
    QStringList dump(const QString &table) const {
        auto d = open();
        auto c = d.openDynaset(table);
        QStringList rows;
        for (; !c.eof(); c.moveNext()) {
            QStringList row;
            for (const QString &f : c.fieldNames())
                row << c.text(f);
            rows << row.join('|');
        }
        return rows;
    }
    void removeLast(const QString &table) {
        auto d = open();
        auto c = d.openDynaset(table);
        c.moveLast();
        c.deleteCurrent();
    }
    void addUnit(const QString &description, const QString &type, double inRate) {
        auto d = open();
        auto c = d.openDynaset("EnergyConversion");
        c.addNew();
        c.setValue("Description", description);
        c.setValue("EnergyTypes", type);
        c.setValue("EnergyInput1", "Bagasse");
        c.setValue("EnergyInput1Rate", inRate);
        c.setValue("MaintenanceCostRate", 7);
        c.update();
    }
    // A boiler slot fed by `input` at inRate raising outRate of steam.
    void boiler(int slot, const QString &input, double inRate, double outRate) {
        put(kSlots, slot,
            {{"Description", QString("Boiler %1").arg(slot)},
             {"EnergyTypes", "Combustion"},
             {"EnergyInput1", input},
             {"EnergyInput1Rate", inRate},
             {"EnergyOutput1Rate", outRate}});
    }
};

TEST_F(ConversionUnits, CombustionSaveGivesTotalsRatioAndUnusedRecords) {
    boiler(1, "Bagasse", 10, 22);
    boiler(2, "Bagasse", 12, 26.4);
    boiler(3, "Bagasse", 99, 99); // beyond the quantity: not counted
    const CombustionTotals t = saveCombustionConfiguration(open(), 2);
    EXPECT_DOUBLE_EQ(t.bagasse, 22);
    EXPECT_NEAR(t.steam, 48.4, 1e-9);
    EXPECT_NEAR(t.potentialElectricity(), 15.972, 1e-9);
    EXPECT_NEAR(t.processSteam(), 32.428, 1e-9);
    EXPECT_NEAR(t.steamBagasseRatio(), 2.2, 1e-9);

    const QString saved = "SteamElectricConfiguration";
    EXPECT_EQ(text(saved, 2, "Description"), "Boiler 2");
    EXPECT_DOUBLE_EQ(number(saved, 2, "EnergyOutput1Rate"), 26.4);
    for (int k = 3; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(text(saved, k, "Description"), "Unused");
        for (const char *field : {"EnergyTypes", "EnergyInput1", "EnergyInput1Units",
                                  "EnergyInput1CostUnits", "EnergyOutput1", "EnergyOutput1Units"})
            EXPECT_EQ(text(saved, k, field), " ") << field;
        for (const char *field : {"Efficiency1", "EnergyInput1Rate", "EnergyInput1Cost",
                                  "EnergyOutput1Rate", "EnergyOutput1Cost"})
            EXPECT_EQ(text(saved, k, field), "0") << field;
    }
}

TEST_F(ConversionUnits, RatioIsPointFourWithoutBagasse) {
    boiler(1, "Coal", 10, 22);
    boiler(2, "bagasse", 12, 26.4); // the fuel name compares exactly
    const CombustionTotals t = saveCombustionConfiguration(open(), 2);
    EXPECT_EQ(t.bagasse, 0);
    EXPECT_EQ(t.steam, 0);
    EXPECT_DOUBLE_EQ(t.steamBagasseRatio(), 0.4);
    EXPECT_EQ(text("SteamElectricConfiguration", 1, "EnergyInput1"), "Coal");
}

TEST_F(ConversionUnits, GasifierSaveAddsSteamOfTheThirdOutputAndBothElectricities) {
    for (int k = 1; k <= 3; ++k)
        put(kSlots, 10 + k,
            {{"Description", QString("Gasifier %1").arg(k)},
             {"EnergyInput1", k == 2 ? "Coal" : "Bagasse"},
             {"EnergyInput1Rate", 5.0 * k},
             {"EnergyOutput1Rate", 1.0 * k},
             {"EnergyOutput2Rate", 0.5 * k},
             {"EnergyOutput3Rate", 3.0 * k},
             {"FuelMix", QString("Mix %1").arg(k)}});
    put(kSlots, 1, {{"EnergyInput1", "Bagasse"}, {"EnergyInput1Rate", 1000}}); // a boiler slot
    const GasifierTotals t = saveGasifierConfiguration(open(), 3);
    EXPECT_DOUBLE_EQ(t.bagasse, 5 + 15);
    EXPECT_DOUBLE_EQ(t.steam, 3 + 9);
    EXPECT_DOUBLE_EQ(t.electricity, 1.5 + 4.5);
    EXPECT_DOUBLE_EQ(t.totalEnergy(), 18);

    const QString saved = "GasifierElectricConfiguration";
    EXPECT_EQ(text(saved, 3, "Description"), "Gasifier 3");
    EXPECT_EQ(text(saved, 3, "FuelMix"), "Mix 3");
    EXPECT_EQ(text(saved, 4, "Description"), "Unused");
    EXPECT_EQ(text(saved, 4, "FuelMix"), " ");
    EXPECT_EQ(text(saved, 4, "EnergyOutput3Rate"), "0");
    EXPECT_EQ(text(saved, 4, "MaintenanceCostUnits"), "");
    EXPECT_EQ(text(saved, 4, "CapitalCostCurrency"), "");
}

TEST_F(ConversionUnits, GasificationFillsFromTheLastGasifierEvenWhenACombustionUnitIsLast) {
    addUnit("Late Gasifier", "Gasifier", 8);
    addUnit("Late Boiler", "Combustion", 9);
    const QStringList boilersBefore = dump(kSlots).mid(0, 10);
    fillSlots(open(), UnitKind::Gasifier);
    for (int k = 11; k <= 20; ++k) {
        EXPECT_EQ(text(kSlots, k, "Description"), "Late Gasifier");
        EXPECT_EQ(text(kSlots, k, "UpdatedRecord"), "No");
        EXPECT_EQ(text(kSlots, k, "MaintenanceCostRateType"), "7");
    }
    EXPECT_EQ(dump(kSlots).mid(0, 10), boilersBefore);

    fillSlots(open(), UnitKind::Combustion);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(text(kSlots, k, "Description"), "Late Boiler");
    EXPECT_EQ(text(kSlots, 11, "Description"), "Late Gasifier");
}

TEST_F(ConversionUnits, ChoosingAGasifierInSlotFourChangesRecordFourteenOnly) {
    const QStringList before = dump(kSlots);
    const auto shown = chooseUnit(open(), UnitKind::Gasifier, 4, "Fluidised Bed Gasifier 10 t/h");
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ((*shown)[0].efficiency, "25");
    EXPECT_EQ((*shown)[2].output, "HP Steam");
    const QStringList after = dump(kSlots);
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (i != 13) {
            EXPECT_EQ(after[i], before[i]) << "record " << i + 1;
        }
    }
    EXPECT_EQ(text(kSlots, 14, "Description"), "Fluidised Bed Gasifier 10 t/h");
    EXPECT_EQ(text(kSlots, 14, "MaintenanceCostRateType"), "12");
    EXPECT_EQ(slotColumns(open(), UnitKind::Gasifier, 4), *shown);

    EXPECT_FALSE(chooseUnit(open(), UnitKind::Gasifier, 4, "No such unit").has_value());
    EXPECT_EQ(dump(kSlots), after);
}

TEST_F(ConversionUnits, CurrentStoresColumnsAndSelectKeepsTheExchange) {
    put(kSlots, 3,
        {{"EnergyInput1", "Bagasse"},
         {"EnergyInput1Rate", 18},
         {"EnergyInput2", "Coal"},
         {"EnergyInput2Rate", 1.5},
         {"EnergyOutput2", "HP Steam"},
         {"Efficiency2", 6.9}});
    storeColumns(open(), UnitKind::Combustion, 3, {2.5, 7, 0}, {45, 10.5, 0});
    EXPECT_DOUBLE_EQ(number(kSlots, 3, "Efficiency1"), 2.5);
    EXPECT_DOUBLE_EQ(number(kSlots, 3, "EnergyOutput2Rate"), 10.5);

    const UnitColumns shown =
        selectColumn(open(), UnitKind::Combustion, 3, 2, {2.2, 6.9, 0}, {39.6, 10.35, 0});
    EXPECT_EQ(shown[0].input, "Coal");
    EXPECT_EQ(shown[0].inputRate, "1.5");
    EXPECT_EQ(shown[0].efficiency, "6.9");
    EXPECT_EQ(shown[0].outputRate, "10.35");
    EXPECT_EQ(shown[1].input, "Bagasse");
    EXPECT_EQ(shown[1].efficiency, "2.2");
    EXPECT_EQ(shown[1].outputRate, "39.6");
    EXPECT_EQ(slotColumns(open(), UnitKind::Combustion, 3), shown) << "the exchange is stored";
}

TEST_F(ConversionUnits, ShortTablesAndMissingUnitsAreRefusedWithoutWriting) {
    struct Case {
        const char *name;
        std::function<void(ConversionUnits &)> damage;
        std::function<void(const db::Database &)> action;
        const char *named; // what the message names
    };
    const Case cases[] = {
        {"no gasifier in the catalogue",
         [](ConversionUnits &t) {
             auto d = t.open();
             auto c = d.openDynaset("EnergyConversion");
             while (!c.eof()) {
                 if (c.text("EnergyTypes") == "Gasifier")
                     c.deleteCurrent();
                 c.moveNext();
             }
         },
         [](const db::Database &d) { fillSlots(d, UnitKind::Gasifier); }, "\"Gasifier\""},
        {"19 slots", [](ConversionUnits &t) { t.removeLast(kSlots); },
         [](const db::Database &d) { fillSlots(d, UnitKind::Combustion); }, "SteamConfiguration"},
        {"19 slots on save", [](ConversionUnits &t) { t.removeLast(kSlots); },
         [](const db::Database &d) { saveGasifierConfiguration(d, 2); }, "SteamConfiguration"},
        {"9 saved boilers", [](ConversionUnits &t) { t.removeLast("SteamElectricConfiguration"); },
         [](const db::Database &d) { saveCombustionConfiguration(d, 10); },
         "SteamElectricConfiguration"},
        {"9 saved gasifiers",
         [](ConversionUnits &t) { t.removeLast("GasifierElectricConfiguration"); },
         [](const db::Database &d) { saveGasifierConfiguration(d, 1); },
         "GasifierElectricConfiguration"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bundle = std::make_unique<test::TempBundle>(); // each case on its own copy
        c.damage(*this);
        const QStringList before = dump(kSlots) + dump("SteamElectricConfiguration") +
                                   dump("GasifierElectricConfiguration");
        try {
            c.action(open());
            ADD_FAILURE() << "no message";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().contains(c.named)) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains("Sorghum.mdb")) << e.text().toStdString();
        }
        EXPECT_EQ(dump(kSlots) + dump("SteamElectricConfiguration") +
                      dump("GasifierElectricConfiguration"),
                  before);
    }
}

TEST_F(ConversionUnits, AValueTheSavedTableRefusesLeavesItWhole) {
    boiler(1, "Bagasse", 10, 22);
    {
        // A rate stored as text by another program: the saved table refuses it.
        auto d = open();
        QSqlQuery q(d.connection());
        ASSERT_TRUE(
            q.exec("UPDATE SteamConfiguration SET EnergyOutput1Rate = 'lots' "
                   "WHERE rowid = (SELECT rowid FROM SteamConfiguration LIMIT 1 OFFSET 1)"));
    }
    const QStringList before = dump("SteamElectricConfiguration");
    try {
        saveCombustionConfiguration(open(), 2);
        ADD_FAILURE() << "no message";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().contains("EnergyOutput1Rate")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("lots")) << e.text().toStdString();
    }
    EXPECT_EQ(dump("SteamElectricConfiguration"), before) << "record 1 was not written alone";
}

TEST_F(ConversionUnits, QuantityShowsThatManyUnitLists) {
    const std::pair<const char *, int> cases[] = {{"12", 10}, {"3", 3},   {"0", 0}, {"x", 0},
                                                  {"", 0},    {"2.5", 3}, {"-1", 0}};
    for (const auto &[quantity, shown] : cases)
        EXPECT_EQ(shownUnitLists(cropmodel::LeadingNumber(quantity)), shown) << quantity;
}

// Each electric output of a gasifier delivers its efficiency's share of the
// fuel's energy: MW x GJ per MWh = t/h x GJ/t x efficiency / 100.
TEST_F(ConversionUnits, BundledGasifiersDeliverTheirEfficiencyOfTheFuelsEnergy) {
    test::TempBundle shipped;
    auto d = db::Database::open(shipped.file("Sorghum.mdb"));
    auto energyContent = [&](const QString &fuel) {
        const auto r = db::lastMatch(d, "Energy", "Description", fuel);
        EXPECT_TRUE(r.has_value()) << fuel.toStdString();
        return r ? cropmodel::LeadingNumber(r->text("EnergyUnit")) : 0.0;
    };
    const double gjPerMWh = energyContent("Electricity");
    ASSERT_DOUBLE_EQ(gjPerMWh, 3.6);
    for (const char *table :
         {"EnergyConversion", "SteamConfiguration", "GasifierElectricConfiguration"}) {
        int checked = 0;
        for (const db::Record &r : db::allMatches(d, table, "EnergyTypes", "Gasifier")) {
            const double fuelEnergy =
                r.number("EnergyInput1Rate") * energyContent(r.text("EnergyInput1"));
            for (int n = 1; n <= 3; ++n) {
                if (r.text(QString("EnergyOutput%1").arg(n)) != "Electricity")
                    continue;
                SCOPED_TRACE(
                    QString("%1 row %2 output %3").arg(table).arg(r.rowid()).arg(n).toStdString());
                EXPECT_EQ(r.text(QString("EnergyOutput%1Units").arg(n)), "MW");
                const double expected =
                    fuelEnergy * r.number(QString("Efficiency%1").arg(n)) / 100 / gjPerMWh;
                EXPECT_NEAR(r.number(QString("EnergyOutput%1Rate").arg(n)), expected,
                            expected * 1e-3);
                ++checked;
            }
        }
        EXPECT_GT(checked, 0) << table;
    }
}

} // namespace
