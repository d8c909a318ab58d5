#include "cropmodel/modelrun.h"

#include "cropmodel/modeloutput.h"
#include "cropmodel/textfiles.h"
#include "shell/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace zarn::cropmodel {

namespace {

bool g_running = false;
std::optional<ModelRunReport> g_pending;

// How much of the model's standard error a report keeps (its end).
constexpr qsizetype kErrorOutputKept = 2000;

void keepTail(QByteArray &buffer, const QByteArray &more) {
    buffer += more;
    if (buffer.size() > kErrorOutputKept)
        buffer = buffer.right(kErrorOutputKept);
}

// The model process while it runs (stopCropModel ends it).
QProcess *g_process = nullptr;
bool g_stopRequested = false;

// Marks a model process as running for as long as it lives.
struct RunningFlag {
    explicit RunningFlag(QProcess *process) {
        g_running = true;
        g_process = process;
        g_stopRequested = false;
    }
    ~RunningFlag() {
        g_running = false;
        g_process = nullptr;
    }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;
};

// Starts the program and waits for its end in an event loop, so the user
// interface keeps processing its events. Nothing of the crop-model directory
// is read here.
void startAndWait(ModelRunReport &report, const QString &workingDirectory) {
    QByteArray errorOutput; // outlives the process, whose end may still deliver output
    QProcess process;
    process.setProgram(report.program);
    process.setWorkingDirectory(workingDirectory);
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.setStandardInputFile(QProcess::nullDevice());

    RunningFlag running(&process);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        report.startProblem = process.errorString();
        return;
    }
    report.started = true;

    QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                     [&] { keepTail(errorOutput, process.readAllStandardError()); });
    if (process.state() != QProcess::NotRunning) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    keepTail(errorOutput, process.readAllStandardError());

    report.stopped = g_stopRequested;
    report.crashed = process.exitStatus() == QProcess::CrashExit;
    report.exitCode = report.crashed ? 0 : process.exitCode();
    report.errorOutput = QString::fromLocal8Bit(errorOutput).trimmed();
}

QString describeEnd(const ModelRunReport &run) {
    if (run.stopped)
        return QStringLiteral("The crop model %1 was stopped before it ended.").arg(run.program);
    if (run.crashed)
        return QStringLiteral("The crop model %1 ended abnormally.").arg(run.program);
    if (run.exitCode != 0)
        return QStringLiteral("The crop model %1 ended with exit status %2.")
            .arg(run.program)
            .arg(run.exitCode);
    return QString();
}

} // namespace

bool modelIsRunning() {
    return g_running;
}

void stopCropModel() {
    if (!g_process)
        return;
    g_stopRequested = true;
    g_process->kill();
    g_process->waitForFinished(-1);
}

QString modelStillRunningText() {
    return QStringLiteral("The crop model is still running. Wait until \"%1\" is shown "
                          "before starting another run or reading its outputs.")
        .arg(kRunEndedText);
}

QString withoutTrailingSlash(const QString &dir) {
    QString d = dir;
    while (d.size() > 1 && d.endsWith(QLatin1Char('/')))
        d.chop(1);
    return d;
}

ModelRunReport runCropModel(SharedState &state) {
    if (g_running)
        throw UserError(kRunRefusedTitle, modelStillRunningText());

    // Drives are always empty here, so changing the drive leaves it as it is.
    const QString ceresDir = withoutTrailingSlash(state.gCeresPath);

    // Outputs of an earlier run that stay behind would be read as this run's:
    // the run does not start then.
    try {
        deleteMatching(state.gCeresPath, kModelOutputPattern);
    } catch (const UserError &e) {
        throw UserError(kRunErrorTitle,
                        e.text() + QStringLiteral(" The crop model was not started, so the "
                                                  "output of an earlier run is not read as "
                                                  "this run's."));
    }

    state.gCeresRunCount = static_cast<std::int16_t>(state.gCeresRunCount + 1);
    QDir::setCurrent(ceresDir);

    ModelRunReport report;
    const QString dir =
        state.gCeresPath.isEmpty() ? QDir::currentPath() + QLatin1Char('/') : state.gCeresPath;
    report.program = QFileInfo(findFile(dir, kModelProgramName)).absoluteFilePath();
    startAndWait(report, ceresDir.isEmpty() ? QDir::currentPath() : ceresDir);

    if (!report.stopped)
        showMessage(kRunEndedText, QStringLiteral("Tarnwick (ZARN)"), MsgIcon::Information,
                    MsgButtons::Ok);

    QDir::setCurrent(withoutTrailingSlash(state.gSystemPath));
    return report;
}

void setPendingRunReport(const ModelRunReport &report) {
    g_pending = report;
}

std::optional<ModelRunReport> takePendingRunReport() {
    std::optional<ModelRunReport> r = std::move(g_pending);
    g_pending.reset();
    return r;
}

QString yieldText(double yield) {
    return QString::number(static_cast<float>(yield), 'g', 7);
}

UserError runError(const QString &detail) {
    QString text = kRunErrorText;
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    return UserError(kRunErrorTitle, text);
}

float readRunYield(SharedState &state, const std::optional<ModelRunReport> &lastRun) {
    QDir::setCurrent(withoutTrailingSlash(state.gSystemPath));

    if (g_running)
        throw UserError(kRunRefusedTitle, modelStillRunningText());

    if (lastRun && !lastRun->started)
        throw runError(QStringLiteral("The crop model program %1 could not be started: %2")
                           .arg(lastRun->program, lastRun->startProblem));

    if (state.gYieldCount >= SharedState::kYieldPositions)
        throw runError(QStringLiteral("The list of yields is full (%1 yields), so the yield of "
                                      "this run cannot be kept. Use \"Reset\" of the yields "
                                      "report to clear the list.")
                           .arg(SharedState::kYieldPositions));

    // A model that did not end well leaves no yield to count, even when it
    // wrote an OUT1.SG; the earlier run's outputs were deleted before it started.
    const QString out1 = findFile(state.gCeresPath, QStringLiteral("OUT1.SG"));
    QStringList detail;
    if (!QFileInfo(out1).isFile())
        detail << QStringLiteral("The crop model output file %1 does not exist.").arg(out1);
    if (lastRun && !describeEnd(*lastRun).isEmpty()) {
        detail << describeEnd(*lastRun);
        if (!lastRun->errorOutput.isEmpty())
            detail << QStringLiteral("It reported:\n%1").arg(lastRun->errorOutput);
    }
    if (!detail.isEmpty())
        throw runError(detail.join(QLatin1Char('\n')));

    ModelOutput scan;
    try {
        scan = ScanModelOutput(state.gCeresPath, QStringLiteral("OUT1.SG"));
    } catch (const UserError &e) {
        throw runError(e.text());
    }

    if (state.gYieldCount < 0)
        state.gYieldCount = 0;
    state.gYieldCount = static_cast<std::int16_t>(state.gYieldCount + 1);
    float &entry = state.gYieldList[static_cast<std::size_t>(state.gYieldCount - 1)];
    if (scan.maturityFound) {
        entry = static_cast<float>(scan.yield);
        state.gCropYield = entry;
    }
    return entry;
}

} // namespace zarn::cropmodel
