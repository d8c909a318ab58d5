#include "processing/processenergy.h"

#include "data/lookup.h"

namespace zarn::processing {

MillRequirements millRequirements(const db::Database &db, const QString &crushingMethod,
                                  double previousCrushRate) {
    MillRequirements r;
    r.crushRate = previousCrushRate;
    if (const auto method =
            db::lastMatch(db, QStringLiteral("Crushing"), QStringLiteral("Method"), crushingMethod))
        r.crushRate = method->number(QStringLiteral("ProcessRate"));
    return r;
}

QString toggledCaption(const QString &caption) {
    if (caption.left(10) == QLatin1String("Combustion"))
        return QStringLiteral("Gasification before Combustion  (toggle)");
    return QStringLiteral("Combustion before Gasification  (Toggle)");
}

} // namespace zarn::processing
