#include "cropmodel/numbers.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <string>

namespace zarn::cropmodel {

double LeadingNumber(const QString &text) {
    std::string s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        s += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f';
    }
    std::size_t i = 0;
    std::string run;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        run += s[i++];
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        run += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        run += s[i++];
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            run += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp += s[j++];
        bool expDigits = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            exp += s[j++];
            expDigits = true;
        }
        if (expDigits)
            run += exp;
    }
    if (run.back() == '.')
        run.pop_back();
    const double v = std::strtod(run.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

namespace {

// Decimal digits of |value| rounded half away from zero to `places` decimals,
// taken from its 15 significant digits (so 2.675 rounds to 2.68, as a person
// reading the number expects). intDigits has no leading zeros ("" for 0).
struct Digits {
    std::string intDigits;
    std::string fracDigits; // exactly `places` digits
};

Digits roundedDigits(double value, int places) {
    Digits d;
    const double a = std::fabs(value);
    if (!std::isfinite(a) || a == 0) {
        d.fracDigits.assign(static_cast<std::size_t>(places), '0');
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", a);
    // buf: d.dddddddddddddde[+-]XX
    std::string mant;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            mant += *p;
    const int exp = std::atoi(p + 1);
    // value = 0.mant * 10^(exp+1); digits before the point: exp+1
    int pointPos = exp + 1; // position of the decimal point within mant
    std::string all = mant;
    if (pointPos < 0) {
        all.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    const std::size_t keep = static_cast<std::size_t>(pointPos + places);
    if (all.size() < keep + 1)
        all.append(keep + 1 - all.size(), '0');
    const bool roundUp = all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        int k = static_cast<int>(keep) - 1;
        while (k >= 0 && all[static_cast<std::size_t>(k)] == '9') {
            all[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k < 0) {
            all.insert(all.begin(), '1');
            ++pointPos;
        } else {
            ++all[static_cast<std::size_t>(k)];
        }
    }
    d.intDigits = all.substr(0, static_cast<std::size_t>(pointPos));
    d.fracDigits = all.substr(static_cast<std::size_t>(pointPos));
    const auto nz = d.intDigits.find_first_not_of('0');
    d.intDigits = nz == std::string::npos ? std::string() : d.intDigits.substr(nz);
    return d;
}

bool isDigitPlace(QChar c) {
    return c == u'0' || c == u'#';
}

// Writes the integer section of a pattern with the given digits.
QString fillInteger(const QString &section, const std::string &digits) {
    int places = 0;
    for (QChar c : section)
        if (isDigitPlace(c))
            ++places;
    // Digits beyond the places go in front of the first place.
    const int extra = std::max(0, static_cast<int>(digits.size()) - places);
    QString out;
    int digitIndex = 0; // next digit of `digits` to write
    int placeIndex = 0;
    const int lead = places - static_cast<int>(digits.size()); // places without a digit
    for (QChar c : section) {
        if (!isDigitPlace(c)) {
            out += c;
            continue;
        }
        if (placeIndex == 0 && extra > 0) {
            for (int k = 0; k < extra; ++k)
                out += QChar(digits[static_cast<std::size_t>(digitIndex++)]);
        }
        if (placeIndex < lead) {
            if (c == u'0')
                out += u'0';
        } else {
            out += QChar(digits[static_cast<std::size_t>(digitIndex++)]);
        }
        ++placeIndex;
    }
    return out;
}

QString fillFraction(const QString &section, const std::string &digits) {
    // The last significant digit: "#" places after it are left out.
    int lastSignificant = -1;
    for (int k = 0; k < static_cast<int>(digits.size()); ++k)
        if (digits[static_cast<std::size_t>(k)] != '0')
            lastSignificant = k;
    QString out;
    int k = 0;
    for (QChar c : section) {
        if (!isDigitPlace(c)) {
            out += c;
            continue;
        }
        const char digit = digits[static_cast<std::size_t>(k)];
        if (c == u'0' || k <= lastSignificant)
            out += QChar(digit);
        ++k;
    }
    return out;
}

QString formatFixed(double value, const QString &pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    const QString intSection = point < 0 ? pattern : pattern.left(point);
    const QString fracSection = point < 0 ? QString() : pattern.mid(point + 1);
    int places = 0;
    for (QChar c : fracSection)
        if (isDigitPlace(c))
            ++places;
    const Digits d = roundedDigits(value, places);
    QString out = fillInteger(intSection, d.intDigits);
    if (point >= 0) {
        out += u'.';
        out += fillFraction(fracSection, d.fracDigits);
    }
    const bool zero =
        d.intDigits.empty() && d.fracDigits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero)
        out.prepend(u'-');
    return out;
}

QString formatScientific(double value, const QString &pattern, qsizetype ePos) {
    const QString mantPattern = pattern.left(ePos);
    const QChar signMode = ePos + 1 < pattern.size() ? pattern[ePos + 1] : QChar(u'-');
    const QString expPattern = pattern.mid(ePos + 2);
    int expPlaces = 0;
    for (QChar c : expPattern)
        if (isDigitPlace(c))
            ++expPlaces;
    const qsizetype point = mantPattern.indexOf(u'.');
    const QString intSection = point < 0 ? mantPattern : mantPattern.left(point);
    int intPlaces = 0;
    for (QChar c : intSection)
        if (isDigitPlace(c))
            ++intPlaces;
    int fracPlaces = 0;
    if (point >= 0)
        for (QChar c : mantPattern.mid(point + 1))
            if (isDigitPlace(c))
                ++fracPlaces;

    double a = std::fabs(value);
    int exponent = 0;
    double mant = 0;
    if (std::isfinite(a) && a > 0) {
        exponent = static_cast<int>(std::floor(std::log10(a))) + 1 - intPlaces;
        mant = a / std::pow(10.0, exponent);
        // Rounding may carry the mantissa to the next power of ten.
        Digits d = roundedDigits(mant, fracPlaces);
        if (static_cast<int>(d.intDigits.size()) > std::max(intPlaces, 0) ||
            (intPlaces == 0 && !d.intDigits.empty())) {
            ++exponent;
            mant = a / std::pow(10.0, exponent);
        }
    }
    QString out = formatFixed(mant, mantPattern);
    out += pattern[ePos];
    if (exponent < 0)
        out += u'-';
    else if (signMode == u'+')
        out += u'+';
    std::string expDigits = std::to_string(std::abs(exponent));
    if (static_cast<int>(expDigits.size()) < expPlaces)
        expDigits.insert(0, static_cast<std::size_t>(expPlaces) - expDigits.size(), '0');
    out += QString::fromStdString(expDigits);
    if (value < 0 && a > 0)
        out.prepend(u'-');
    return out;
}

} // namespace

QString FormatNumber(double value, const QString &pattern) {
    if (!std::isfinite(value))
        value = 0;
    for (qsizetype k = 0; k + 1 < pattern.size(); ++k) {
        if ((pattern[k] == u'E' || pattern[k] == u'e') &&
            (pattern[k + 1] == u'+' || pattern[k + 1] == u'-'))
            return formatScientific(value, pattern, k);
    }
    return formatFixed(value, pattern);
}

QString SignedText(double value) {
    if (!std::isfinite(value))
        value = 0;
    if (value == 0)
        return QStringLiteral(" 0");
    QString text = QString::number(std::fabs(value), 'g', QLocale::FloatingPointShortest);
    text.replace(u'e', u'E');
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    // Exponents are written with a sign and at least two digits ("1E+20").
    const qsizetype e = text.indexOf(u'E');
    if (e >= 0) {
        QString mant = text.left(e);
        QString exp = text.mid(e + 1);
        QChar sign = u'+';
        if (exp.startsWith(u'-') || exp.startsWith(u'+')) {
            sign = exp[0];
            exp.remove(0, 1);
        }
        while (exp.size() < 2)
            exp.prepend(u'0');
        text = mant + u'E' + sign + exp;
    }
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + text;
}

QString PlainDecimal(double value) {
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

} // namespace zarn::cropmodel
