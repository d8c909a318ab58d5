#pragma once
// What loading the main menu does before the window shows: paths from the
// program's own directory, the current defaults from the last Defaults record,
// the wizard flag, the default variety's number, and the crop model's
// initial-conditions file for the default soil.

#include <QString>

namespace zarn {

// The program directory with a trailing "/": the directory of the running
// executable, unless a test has set another one.
QString programDirectory();
void setProgramDirectory(const QString &directory); // empty restores the executable's

// Caption of the wizard button: names the action the next press takes.
QString wizardButtonCaption(const QString &wizardOn);

// Steps 1 to 6: fills the paths, clears the yields, copies the last Defaults
// record into the shared values and looks up gVarietyNumber. Throws UserError
// when Sorghum.mdb is missing or unreadable, a table or field is missing,
// Defaults holds no record, or Soil, CalculationsStored or the variety's
// VarietyNumber is a text or does not fit 16 bits; the shared values are then
// left as they were.
void loadStartupDefaults(const QString &programDir, int currentYear);

// Step 7: rewrites the crop model's initial-conditions file (named by the last
// experiment of gCeresPath's SGEXP.DIR) for the default soil gSoil. Throws
// UserError when a file or the soil database cannot be used; the file on disk
// is then left as it was.
void writeStartupInitialConditions();

// Wizard button: toggles WizardOn of the last Defaults record in place and
// gWizardOn with it. Returns the new gWizardOn ("YES" or "NO").
QString toggleWizard();

} // namespace zarn
