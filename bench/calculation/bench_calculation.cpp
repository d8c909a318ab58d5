// bench_calculation - the calculation window's load and one land-area
// keystroke on grown reference tables.
//
//   bench_calculation [repeats]
//
// Copies the built bundle to a temporary directory and grows Crushing,
// Harvest, Variety, Land, Energy and SteamConfiguration to 10,000 records
// each; the records the defaults name are moved to the end, so every lookup
// finds its record last. Then, `repeats` times (default 20): creates and loads
// zarnCalculationForm (OUT1.SG read, six tables looked up, mill balance,
// products and revenue twice), and types one digit into zarnCalcLandUsed (the
// products and the revenue are worked out again, with the Energy lookups).
// Prints the median and the best time of each, in milliseconds.
#include "shell/sharedstate.h"
#include "shell/startup.h"
#include "shell/windows/windowregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 10000;

bool copyTree(const QString &from, const QString &to) {
    QDir().mkpath(to);
    for (const QFileInfo &fi : QDir(from).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
        const QString target = to + "/" + fi.fileName();
        if (fi.isDir() ? !copyTree(fi.filePath(), target) : !QFile::copy(fi.filePath(), target))
            return false;
    }
    return true;
}

bool exec(QSqlQuery &q, const QString &sql) {
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

int count(QSqlQuery &q, const QString &table) {
    if (!exec(q, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

// Appends `n` copies of the record chosen by `pick` (a SELECT of one record),
// with `columns` taken as `values`.
bool appendCopies(QSqlQuery &q, const QString &table, int n, const QString &columns,
                  const QString &values, const QString &pick) {
    if (n <= 0)
        return true;
    return exec(q, QStringLiteral("WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k "
                                  "WHERE n < %1) INSERT INTO \"%2\" (%3) SELECT %4 FROM k, (%5)")
                       .arg(n)
                       .arg(table, columns, values, pick));
}

// Grows `table` to kRecords records with copies of its first record under
// other keys, then moves the records whose `key` is `value` to the end.
bool grow(QSqlQuery &q, const QString &table, const QString &key, const QString &value) {
    QStringList columns;
    if (!exec(q, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
        return false;
    while (q.next())
        columns << "\"" + q.value(0).toString() + "\"";
    const QString keyColumn = "\"" + key + "\"";
    QStringList values = columns;
    values[columns.indexOf(keyColumn)] = QStringLiteral("'Filler ' || n");
    const QString list = columns.join(", ");
    if (!exec(q, QStringLiteral("CREATE TEMP TABLE matching AS SELECT %1 FROM \"%2\" WHERE %3 = "
                                "'%4' ORDER BY rowid")
                     .arg(list, table, keyColumn, value)) ||
        !exec(q, QStringLiteral("DELETE FROM \"%1\" WHERE %2 = '%3'").arg(table, keyColumn, value)))
        return false;
    const int fillers = kRecords - count(q, table) - count(q, "matching");
    return appendCopies(q, table, fillers, list, values.join(", "),
                        QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid LIMIT 1").arg(table)) &&
           exec(q, QStringLiteral("INSERT INTO \"%1\" (%2) SELECT %2 FROM matching")
                       .arg(table, list)) &&
           exec(q, QStringLiteral("DROP TABLE matching"));
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QTemporaryDir dir;
    const QString program = dir.path() + "/";
    if (!copyTree(QStringLiteral(ZARN_BUNDLE_DIR), dir.path()))
        return 1;
    zarn::setProgramDirectory(program);
    QDir::setCurrent(program);
    zarn::loadStartupDefaults(program, 2026);
    const zarn::SharedState &s = zarn::shared();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "grow");
        db.setDatabaseName(program + "Sorghum.mdb");
        if (!db.open())
            return 1;
        QSqlQuery q(db);
        // The slots are read by position: the first ten stay where they are.
        const bool grown =
            grow(q, "Crushing", "Method", s.gCrushingMethod) &&
            grow(q, "Harvest", "Method", s.gHarvestMethod) &&
            grow(q, "Variety", "VarietyName", s.gSorghumVariety) &&
            grow(q, "Land", "Name", s.gLandName) &&
            grow(q, "Energy", "Description", "Ethanol (anhydrous C2H5-OH)") &&
            grow(q, "Energy", "Description", "Electricity") &&
            appendCopies(q, "SteamConfiguration", kRecords - count(q, "SteamConfiguration"),
                         "\"Description\"", "'Unused slot ' || n", "SELECT 1 AS unused");
        if (!grown)
            return 1;
        for (const char *table :
             {"Crushing", "Harvest", "Variety", "Land", "Energy", "SteamConfiguration"})
            if (count(q, table) != kRecords) {
                std::fprintf(stderr, "%s holds %d records\n", table, count(q, table));
                return 1;
            }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("grow");
    {
        QFile out1(s.gCeresPath + "OUT1.SG");
        if (!out1.open(QIODevice::WriteOnly))
            return 1;
        out1.write("*SIMULATION OVERVIEW\r\n\r\n    30 APR  Sowing\r\n"
                   "    19 JUN  171  PHYSIOLOGICAL MATURITY      1859   1.67    96      1738\r\n");
    }

    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    std::vector<double> loads, keys;
    const QString name = QStringLiteral("zarnCalculationForm");
    for (int i = 0; i < repeats; ++i) {
        zarn::shared().gSteamBagasseRatio = 0; // estimated from the slots on every load
        const auto t0 = Clock::now();
        QWidget *w = zarn::WindowRegistry::get(name);
        const auto t1 = Clock::now();
        auto *land = w ? w->findChild<QLineEdit *>("zarnCalcLandUsed") : nullptr;
        if (!land || land->text() != "73") {
            std::fprintf(stderr, "the calculation window did not load the default plot\n");
            return 1;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, "1");
        const auto t2 = Clock::now();
        QApplication::sendEvent(land, &press);
        QApplication::sendEvent(land, &release);
        const auto t3 = Clock::now();
        if (land->text() != "731") {
            std::fprintf(stderr, "the keystroke did not reach the land field\n");
            return 1;
        }
        loads.push_back(ms(t1 - t0));
        keys.push_back(ms(t3 - t2));
        zarn::WindowRegistry::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("calculation window, reference tables of %d records, %d runs\n", kRecords, repeats);
    std::printf("  load:      median %.2f ms, best %.2f ms\n", median(loads),
                *std::min_element(loads.begin(), loads.end()));
    std::printf("  keystroke: median %.2f ms, best %.2f ms\n", median(keys),
                *std::min_element(keys.begin(), keys.end()));
    return 0;
}
