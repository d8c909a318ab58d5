// plain_number.h - the number a DIF number cell carries.
#ifndef FMTINTERCHANGE_PLAIN_NUMBER_H
#define FMTINTERCHANGE_PLAIN_NUMBER_H

#include <cstddef>
#include <string>

namespace fmtinterchange {

// The plain decimal number `text` shows, into `number`: the thousands
// separator (0: none) and blanks removed, the decimal separator made ".",
// "(x)" and "x-" made "-x". False when what is left is not digits with at
// most one point (at least one digit), after an optional minus.
inline bool plainNumber(const std::string &text, char thousands, char decimal,
                        std::string &number) {
    std::string s;
    for (const char c : text) {
        if (c == ' ' || (thousands != 0 && c == thousands))
            continue;
        s += (decimal != 0 && c == decimal) ? '.' : c;
    }
    bool negative = false;
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
        negative = true;
        s = s.substr(1, s.size() - 2);
    } else if (s.size() >= 2 && s.back() == '-') {
        negative = true;
        s.pop_back();
    } else if (!s.empty() && s.front() == '-') {
        negative = true;
        s.erase(0, 1);
    }
    std::size_t digits = 0, points = 0;
    for (const char c : s) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    if (digits == 0 || points > 1)
        return false;
    number = negative ? "-" + s : s;
    return true;
}

} // namespace fmtinterchange

#endif // FMTINTERCHANGE_PLAIN_NUMBER_H
