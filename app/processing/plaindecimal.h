#pragma once
// Numbers shown in a window without a pattern: plain decimal form, at most 7
// significant digits, no trailing zeros and no exponent (966.0000000000001
// shows "966", 0.1 + 0.2 shows "0.3", 12345678 shows "12345680").

#include <QString>

namespace zarn::processing {

QString plainDecimal(double value);

} // namespace zarn::processing
