#pragma once
// The process-energy window's figures: what the mill requires per hour for the
// default crushing method, and its combustion/gasification toggle.

#include "data/database.h"

#include <QString>

namespace zarn::processing {

// The mill's hourly requirements: 0.33 t of HP steam per tonne crushed, 0.4732 t
// of bagasse per tonne of HP steam, 7 GJ per tonne of bagasse.
struct MillRequirements {
    double crushRate = 0; // t/h crushed
    double hpSteam() const { return crushRate * 0.33; }
    double bagasse() const { return hpSteam() * 0.4732; }
    double bagasseEnergy() const { return bagasse() * 7; }
};

// The requirements for crushingMethod: the ProcessRate of the last Crushing
// record whose Method equals it; with none, previousCrushRate stays.
MillRequirements millRequirements(const db::Database &db, const QString &crushingMethod,
                                  double previousCrushRate);

// The toggle button's next caption: a caption beginning with "Combustion"
// becomes the gasification-first text, any other the combustion-first text.
QString toggledCaption(const QString &caption);

} // namespace zarn::processing
