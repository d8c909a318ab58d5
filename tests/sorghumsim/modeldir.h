#pragma once
// Running the stand-in crop model WINCERES/sorghum.exe as the application
// runs it: in a private directory holding copies of its input files, read
// back with the application's own readers of OUT1.SG.
#include "cropmodel/modeloutput.h"
#include "cropmodel/textfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace sorghumsim_test {

inline const QString kProgram = QStringLiteral(ZARN_BUNDLE_DIR "/WINCERES/sorghum.exe");
// A season of the crop-model directory's layout (Frau weather, 1996).
inline const QString kSeason = QStringLiteral(ZARN_TEST_DATA_DIR "/sorghumsim/season/");
inline const QString kSeasonWeather = QStringLiteral("frau0407.W96");
inline const QString kBundleInputs = QStringLiteral(ZARN_BUNDLE_DIR "/WINCERES/");

struct ModelRun {
    int exitCode = -1;
    bool crashed = false;
    bool timedOut = false;
    qint64 milliseconds = 0;
    QString errors; // standard error
};

// A private model directory holding a copy of the input files of `from`
// (not the program, not earlier outputs).
class ModelDir {
public:
    explicit ModelDir(const QString &from) {
        const auto files = QDir(from).entryInfoList(QDir::Files);
        for (const QFileInfo &fi : files) {
            const QString name = fi.fileName();
            if (name.compare("sorghum.exe", Qt::CaseInsensitive) == 0 ||
                QDir::match("out?.sg", name))
                continue;
            QFile::copy(fi.absoluteFilePath(), path() + name);
            QFile::setPermissions(path() + name, fi.permissions() | QFileDevice::WriteOwner);
        }
    }
    QString path() const { return m_dir.path() + "/"; }
    bool has(const QString &name) const { return zarn::cropmodel::fileExists(path(), name); }

    QStringList lines(const QString &name) const {
        return zarn::cropmodel::readLines(path(), name);
    }
    void write(const QString &name, const QStringList &lines) const {
        zarn::cropmodel::writeLines(path(), name, lines);
    }
    // Changes line `lineNo` (1-based) of `name`.
    void edit(const QString &name, int lineNo, const std::function<void(QString &)> &change) const {
        QStringList l = lines(name);
        change(l[lineNo - 1]);
        write(name, l);
    }
    // Puts `value` (right-aligned, zeros in front) into columns start..start+width-1
    // of line 2 of CROPMAN.sg8.
    void setManagement(int start, int width, const QString &value) const {
        edit("CROPMAN.sg8", 2,
             [&](QString &l) { l.replace(start - 1, width, value.rightJustified(width, '0')); });
    }
    // Puts `option` (1-4) into the irrigation columns 30-31 of CROPMAN.sg8.
    void setIrrigation(int option) const { setManagement(30, 2, QString::number(option)); }

    ModelRun run(int timeoutMs = 60000) const {
        QProcess p;
        p.setWorkingDirectory(path());
        QElapsedTimer clock;
        clock.start();
        p.start(kProgram, {});
        ModelRun r;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            r.timedOut = true;
            r.errors = "the model did not end in time";
            return r;
        }
        r.milliseconds = clock.elapsed();
        r.crashed = p.exitStatus() != QProcess::NormalExit;
        r.exitCode = p.exitCode();
        r.errors = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    QByteArray bytes(const QString &name) const {
        QFile f(zarn::cropmodel::findFile(path(), name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeBytes(const QString &name, const QByteArray &content) const {
        QFile f(zarn::cropmodel::findFile(path(), name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    // No output of any run, whole or partial.
    bool hasNoOutputs() const {
        return QDir(path())
            .entryList({"out?.sg*", ".out?.sg*"}, QDir::Files | QDir::Hidden)
            .isEmpty();
    }

private:
    QTemporaryDir m_dir;
};

// The yield in t/ha as the run-result window reads it (ScanModelOutput), after
// checking that the calculation window's rule reads the same number.
inline double yieldOf(const ModelDir &dir) {
    const zarn::cropmodel::ModelOutput out =
        zarn::cropmodel::ScanModelOutput(dir.path(), "OUT1.SG");
    EXPECT_TRUE(out.maturityFound);
    EXPECT_DOUBLE_EQ(zarn::cropmodel::ReadCalculationYield(dir.path()) / 100.0, out.yield);
    return out.yield;
}

inline double runYield(const ModelDir &dir) {
    const ModelRun r = dir.run();
    EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
    return r.exitCode == 0 ? yieldOf(dir) : -1;
}

} // namespace sorghumsim_test
