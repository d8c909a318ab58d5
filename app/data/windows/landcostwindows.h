#pragma once
// What the land cost windows share: storing a cost in the current
// calculation's land record and showing it in the land management summary.
#include <QString>

namespace zarn {

// Shows `cost` (as `shown`) in the summary window while it is open, then
// stores `stored` as SubTotCost of the current calculation's land record
// `processName`. When the calculation holds no such record, says so (nothing
// is written). False when the database refused the write (the message has
// been shown).
bool StoreLandCost(const QString &processName, double cost, const QString &shown, double stored,
                   const QString &windowTitle);

} // namespace zarn
