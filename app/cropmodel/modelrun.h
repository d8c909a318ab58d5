#pragma once
// Running the crop model ("Run Model" of the crop-model window) and reading
// the yield of a run (the run-result window), without any window code.
//
// A run changes the process's current directory to the crop-model directory,
// deletes the old outputs ("out?.sg", any case), starts the program
// "sorghum.exe" of that directory as a separate process (directly, no shell)
// with that directory as its working directory, and waits until the process
// has ended (an event loop that ends on the process's end, so the user
// interface keeps processing its events). It then says "CERES has ended" and
// returns to the program directory. Old outputs that cannot be deleted stop
// the run before the model starts. Later failures (a model that cannot be
// started, ends with an error or is stopped) are kept in the run's report, and
// the reading of the yield that follows turns them into the run error message.
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
    bool stopped = false; // stopCropModel() ended it
    bool crashed = false; // it ended abnormally (killed by a signal)
    int exitCode = 0;     // its exit status when it ended normally
    QString errorOutput;  // the end of what it wrote to standard error
};

// True while a model process started by runCropModel has not ended.
bool modelIsRunning();

// Ends the running model process (when the user closes the program during a
// run) and waits for it; the run then ends as a run error and no yield is
// counted. Does nothing when no model runs.
void stopCropModel();

// The message that refuses a run, or the reading of the outputs, while the
// model is still running.
QString modelStillRunningText();

// The run, up to "CERES has ended" and the return to the program directory:
// counts the run in gCeresRunCount, deletes the outputs, starts the model,
// waits for it (processing events), shows "CERES has ended" (not when the
// model was stopped) and changes back to gSystemPath. While another run is
// going on it throws UserError (kRunRefusedTitle) before doing anything; an
// old output that cannot be deleted throws the run error naming it, with
// nothing counted and the model not started.
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
//  - `lastRun` says the model program could not be started, ended with a
//    non-zero status, crashed or was stopped (even when an OUT1.SG exists),
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
