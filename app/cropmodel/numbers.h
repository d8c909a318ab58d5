#pragma once
// The number conversions every window and every fixed-column file uses.

#include <QString>

namespace zarn::cropmodel {

// The value of the longest leading run of `text` that reads as a number:
// optional sign, digits, one decimal point, optional exponent (e or E, optional
// sign, digits). Blanks (and tabs) anywhere are skipped; any other character
// ends the run; no digits gives 0. " -001." gives -1, " 1234." gives 1234,
// "12ab" gives 12. A value too large for a double gives 0.
double LeadingNumber(const QString &text);

// `value` written by `pattern`:
//   "0" a digit always written, "#" a digit written only when significant,
//   "." the decimal point (always written when the pattern has one);
//   the value is rounded (half away from zero) to the number of digit places
//   after the point; an integer part longer than the pattern is written in
//   full; any other character is copied where it stands ("    00").
//   An "E+" or "E-" in the pattern gives scientific form: ".0000E+00" writes
//   a mantissa of four decimals with no integer digit, "E", the exponent's
//   sign ("+" always, "-" only when negative) and as many exponent digits as
//   the pattern has zeros after the sign.
// Examples: 12.6 with "0000." gives "0013."; 0.5 with "####.0" gives ".5";
// 0.00123 with ".0000E+00" gives ".1230E-02". A negative value gets "-" in
// front unless every written digit is 0.
QString FormatNumber(double value, const QString &pattern);

// The shortest decimal text of `value`, with one leading blank when the value
// is not negative: 5 gives " 5", -5 gives "-5", 1.25 gives " 1.25". A zero
// integer part is left out (0.5 gives " .5"), very large or small values use
// an exponent (" 1E+20").
QString SignedText(double value);

// A number shown in a window without a pattern: plain decimal form, at most 7
// significant digits, no trailing zeros and no exponent (966.0000000000001
// shows "966", 0.1 + 0.2 shows "0.3", 12345678 shows "12345680"). A value
// that is not finite shows "0".
QString PlainDecimal(double value);

} // namespace zarn::cropmodel
