#pragma once
// Fixture of the run and output-window tests: a private program directory
// whose crop model is the scriptable test model (tests/support/fakemodel), the
// shared paths pointed at it, and boxes answered by a script.
#include "cropmodel/modelrun.h"
#include "reports/windows/yieldgraph.h"
#include "shell/sharedstate.h"
#include "shell/windows/windowregistry.h"
#include "support/fixtures.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace zarn::test {

// An OUT1.SG line holding "PHYSIOLOGICAL MATURITY" from column `c`, with
// `number` in the 9 columns from c + 23 and `date` in columns 1-6.
inline QString maturityLine(int c, const QString &number, const QString &date = "MAY 12") {
    QString line = date.leftJustified(c - 1, ' ');
    line += "PHYSIOLOGICAL MATURITY ";
    line += number.rightJustified(9, ' ');
    return line + "  12  4.00";
}

// An OUT1.SG with "Planting date" at column 12 (the date at column 30) and the
// maturity row at column 12.
inline QStringList out1Lines(const QString &number, const QString &planting = "1997/05/02") {
    return {"*SIMULATION OVERVIEW",
            QString("  SORGHUM").leftJustified(11) + "Planting date   : " + planting + " day 122",
            "",
            "DATE  CROP GROWTH STAGE     BIOMASS   LAI",
            "APR 30  Sowing                   0   .00",
            maturityLine(12, number, "SEP 20"),
            "END OF RUN"};
}

inline void writeCrLf(const QString &path, const QStringList &lines) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    for (const QString &l : lines)
        f.write(l.toLatin1() + "\r\n");
}

class RunFixture : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedState();
        m_bundle = std::make_unique<TempBundle>();
        m_cwd = QDir::currentPath();
        shared().gSystemPath = m_bundle->path();
        shared().gCeresPath = m_bundle->ceresPath();
        QDir::setCurrent(m_bundle->path());
        installProgram(true);
    }

    void TearDown() override {
        WindowRegistry::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        cropmodel::takePendingRunReport();
        QDir::setCurrent(m_cwd);
        resetSharedState();
    }

    QString ceres() const { return m_bundle->ceresPath(); }

    // Puts the test model in place of sorghum.exe (whatever the case of the
    // shipped one), executable or not.
    void installProgram(bool executable) {
        removeProgram();
        const QString target = ceres() + "sorghum.exe";
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZARN_FAKE_MODEL), target));
        QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            p |= QFile::ExeOwner;
        QFile::setPermissions(target, p);
    }

    void removeProgram() {
        for (const QString &name : QDir(ceres()).entryList(QDir::Files))
            if (name.compare("sorghum.exe", Qt::CaseInsensitive) == 0)
                QFile::remove(ceres() + name);
    }

    // What the test model writes on its next starts.
    void modelOutputs(const QString &name, const QStringList &lines) {
        QDir().mkpath(ceres() + "fakemodel-out");
        writeCrLf(ceres() + "fakemodel-out/" + name, lines);
    }
    void noModelOutputs() { QDir(ceres() + "fakemodel-out").removeRecursively(); }
    void modelConfig(const QStringList &lines) { writeCrLf(ceres() + "fakemodel.cfg", lines); }

    // The working directories of the test model's starts so far.
    QStringList modelStarts() const {
        QFile f(ceres() + "fakemodel-runs.txt");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // Clicks a button of a window, both reached by name; the window is opened
    // when it is not open yet.
    static void click(const QString &window, const QString &button) {
        QWidget *w = WindowRegistry::find(window);
        if (!w)
            w = WindowRegistry::show(window);
        ASSERT_NE(w, nullptr) << window.toStdString();
        auto *b = w->findChild<QAbstractButton *>(button);
        ASSERT_NE(b, nullptr) << button.toStdString();
        b->click();
    }
    static void runModel() { click("CPMCERESForm", "CERESRunBtn"); }

    // A control of an open window, or nullptr.
    template <class T> static T *control(const QString &window, const QString &name) {
        QWidget *w = WindowRegistry::find(window);
        return w ? w->findChild<T *>(name) : nullptr;
    }
    static QString text(const QString &window, const QString &field) {
        auto *f = control<QLineEdit>(window, field);
        return f ? f->text() : QStringLiteral("<no field>");
    }
    static QStringList listed(const QString &window, const QString &list) {
        QStringList lines;
        if (auto *l = control<QListWidget>(window, list))
            for (int i = 0; i < l->count(); ++i)
                lines << l->item(i)->text();
        return lines;
    }
    static bool isOpen(const QString &window) { return WindowRegistry::find(window) != nullptr; }
    // The points the run-result window's chart shows.
    static std::vector<double> charted() {
        auto *g = control<YieldGraph>("CERESRunForm", "RepYieldGraph");
        return g ? g->shownValues() : std::vector<double>();
    }

    std::unique_ptr<TempBundle> m_bundle;
    ScriptedMessages m_boxes;
    QString m_cwd;
};

} // namespace zarn::test
