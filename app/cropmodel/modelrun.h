#pragma once
// Running the crop model ("Run Model" of the crop-model window) and reading
// the yield of a run (the run-result window), without any window code.
//
// A run changes the process's current directory to the crop-model directory,
// deletes the old outputs ("out?.sg", any case), starts the program
// "sorghum.exe" of that directory as a separate process (directly, no shell)
// with that directory as its working directory, and waits until the process
// has ended while the user interface keeps processing its events. It then
// says "CERES has ended" and returns to the program directory. Failures on
// the way (no outputs to delete, a model that cannot be started or ends with
// an error) do not stop the run; they are kept in the run's report, and the
// reading of the yield that follows turns them into the run error message.
//
// Only one model process runs at a time: a run asked for while one is going
// on is refused with a message and changes nothing.

#include "shell/sharedstate.h"
#include "shell/usererror.h"

#include <QString>
#include <optional>

namespace zarn::cropmodel {

inline const QString kModelProgramName = QStringLiteral("sorghum.exe");
inline const QString kModelOutputPattern = QStringLiteral("out?.sg");
inline const QString kRunEndedText = QStringLiteral("CERES has ended");
inline const QString kRunErrorTitle = QStringLiteral("CROP Model Runtime Error!");
inline const QString kRunErrorText =
    QStringLiteral("CERES Could Not Run Properly- Check Input Parameters!");
inline const QString kRunRefusedTitle = QStringLiteral("Sorg-INRA");

// What one start of the model left to know.
struct ModelRunReport {
    QString program;      // full path of the program looked for
    bool started = false; // the process was started
    QString startProblem; // why it was not started
    bool crashed = false; // it ended abnormally (killed by a signal)
    int exitCode = 0;     // its exit status when it ended normally
    QString errorOutput;  // the end of what it wrote to standard error
};

// True while a model process started by runCropModel has not ended.
bool modelIsRunning();

// The message that refuses a run, or the reading of the outputs, while the
// model is still running.
QString modelStillRunningText();

// The run, up to "CERES has ended" and the return to the program directory:
// counts the run in gCeresRunCount, deletes the outputs, starts the model,
// waits for it (processing events), shows "CERES has ended" and changes back
// to gSystemPath. While another run is going on it throws UserError
// (kRunRefusedTitle) before doing anything.
ModelRunReport runCropModel(SharedState &state);

// The report of the last run, left for the run-result window that the run
// opens next; taking it clears it.
void setPendingRunReport(const ModelRunReport &report);
std::optional<ModelRunReport> takePendingRunReport();

// The run error: title kRunErrorTitle, text kRunErrorText, then `detail` (when
// not empty) after a blank line.
UserError runError(const QString &detail);

// Reading the yield of a run (the run-result window opening): changes to the
// program directory, scans gCeresPath + "OUT1.SG", counts one more yield in
// gYieldCount and stores the yield found at physiological maturity (0 stays
// when the file has none) in that position of gYieldList and in gCropYield.
// While the model is still running nothing is read: UserError
// (kRunRefusedTitle, modelStillRunningText()). Throws the run error, with the
// list and yields unchanged, when
//  - `lastRun` says the model program could not be started,
//  - the list already holds its 100 yields (the message points to "Reset" of
//    the yields report),
//  - OUT1.SG cannot be read.
// Returns the yield stored (0 when none was found).
float readRunYield(SharedState &state, const std::optional<ModelRunReport> &lastRun);

// A yield as the windows show it in text: single precision, at most 7
// significant digits ("12.34").
QString yieldText(double yield);

// A directory value without its trailing "/" (the root stays "/").
QString withoutTrailingSlash(const QString &dir);

} // namespace zarn::cropmodel
