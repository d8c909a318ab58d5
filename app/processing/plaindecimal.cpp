#include "processing/plaindecimal.h"

#include <cmath>

namespace zarn::processing {

QString plainDecimal(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Round to 7 significant digits first, then write the rounded value out in
    // full so large and small values keep their plain form.
    const double rounded = QString::number(value, 'g', 7).toDouble();
    if (rounded == 0)
        return QStringLiteral("0");
    const int magnitude = int(std::floor(std::log10(std::fabs(rounded))));
    const int decimals = std::max(0, 6 - magnitude);
    QString text = QString::number(rounded, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace zarn::processing
