// number_date.cpp - number and date options and the locale-based format
// records (see number_date.h).
#include "core/number_date.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace ux {

namespace {

constexpr const char *kSection = "Intl";
// Profile texts are read into buffers of this many characters.
constexpr std::size_t kLocaleText = 100;
// More decimals than this are no setting anyone means; negative ones neither.
constexpr int kMaxDecimals = 99;

const char kNoCurrencySymbol[] = "";

LocaleFormats gFormats{};

std::uint16_t decimalsSetting(const char *key, int fallback) {
    return static_cast<std::uint16_t>(
        std::clamp(platform::profileInt(kSection, key, fallback), 0, kMaxDecimals));
}

void readNumberFormat(NumberFormatRecord &f, std::uint32_t constant) {
    f = NumberFormatRecord{};
    f.size = sizeof(NumberFormatRecord);
    f.constant = constant;
    f.leading_zero = platform::profileInt(kSection, "iLZero", 1) == 1 ? 1 : 0;
    const int negative = platform::profileInt(kSection, "iNegCurr", 0);
    switch (negative) {
    case 1:
    case 2:
    case 5:
    case 8:
    case 9:
        f.negative_style = 1; // minus sign before the number
        break;
    case 3:
    case 6:
    case 7:
    case 10:
        f.negative_style = 2; // minus sign after it
        break;
    default:
        f.negative_style = 3; // parentheses
        break;
    }
    f.symbol_spacing = negative >= 0 && negative <= 7 ? 2 : 1;
    f.symbol_first =
        (negative == 0 || negative == 1 || negative == 2 || negative == 3 || negative == 9) ? 1 : 0;
    f.minus_between = (negative == 2 || negative == 6) ? 1 : 0;
    char text[kLocaleText];
    platform::profileString(kSection, "sThousand", ",", text, sizeof text);
    f.thousands_separator = text[0];
    platform::profileString(kSection, "sDecimal", ".", text, sizeof text);
    f.decimal_separator = text[0];
    f.currency_symbol = kNoCurrencySymbol;
}

void readDateFormat(DateFormatRecord &f, char separator[2]) {
    f = DateFormatRecord{};
    f.size = sizeof(DateFormatRecord);
    char pattern[kLocaleText];
    platform::profileString(kSection, "sShortDate", "yy-MM-dd", pattern, sizeof pattern);
    f.order = pattern[0] == 'd' ? 1 : pattern[0] == 'M' ? 2 : 0;
    if (const char *d = std::strchr(pattern, 'd'))
        f.day_leading_zero = d[1] == 'd' ? 1 : 0;
    if (const char *m = std::strchr(pattern, 'M'))
        f.month_leading_zero = m[1] == 'M' ? 1 : 0;
    if (const char *y = std::strchr(pattern, 'y'))
        f.four_digit_year = (y[1] == 'y' && y[2] == 'y' && y[3] == 'y') ? 1 : 0;
    const char *lastM = std::strrchr(pattern, 'M');
    separator[0] = lastM && lastM[1] ? lastM[1] : '-';
    separator[1] = 0;
    f.separator1 = separator;
    f.separator2 = separator;
}

} // namespace

LocaleFormats &localeFormats() {
    return gFormats;
}

void readLocaleFormats(std::uint32_t constant) {
    readNumberFormat(gFormats.number, constant);
    readDateFormat(gFormats.date, gFormats.dateSeparator);
    gFormats.currencyDigits = decimalsSetting("iCurrDigits", 2);
    gFormats.numberDigits = decimalsSetting("iDigits", 2);
}

std::uint16_t roundingCode(int decimals) {
    static const std::uint16_t codes[] = {6, 5, 4, 3, 2, 1, 13, 14, 15, 16, 17};
    if (decimals < 0 || decimals > 10)
        return 6;
    return codes[decimals];
}

const NumberFormatRecord *numberRecordFor(std::uint16_t kind) {
    NumberFormatRecord &f = gFormats.number;
    if (kind == UX_KIND_NUMBER || kind == UX_KIND_CURRENCY) {
        const std::uint16_t decimals =
            kind == UX_KIND_NUMBER ? gFormats.numberDigits : gFormats.currencyDigits;
        f.decimals = decimals;
        f.rounding = roundingCode(decimals);
    } else {
        f.decimals = 0;
        f.rounding = 0;
    }
    return &f;
}

// ---------------------------------------------------------------------------
// OptionsFormatter
// ---------------------------------------------------------------------------

OptionsFormatter::OptionsFormatter(void *parent, ReportLayout *layout, std::uint32_t formatIndex,
                                   const PluginStartup &startup, std::uint32_t constant)
    : Formatter(parent, layout, formatIndex), startup_(startup), constant_(constant) {
    hasOptions_ = true;
}

std::uint32_t OptionsFormatter::numberDateDialog() {
    const std::intptr_t result =
        platform::dialogBox(startup_.dialogModule("FmtOptDlg"), "FmtOptDlg", parent_,
                            &FmtOptionsDlgProc, reinterpret_cast<platform::LParam>(this));
    return result == UXHOST_IDOK ? UX_OK : UX_ECANCELLED;
}

std::uint32_t OptionsFormatter::applyNumberDateBlob(const void *blob) {
    NumberDateOptions options;
    std::memcpy(&options.size, blob, sizeof options.size);
    if (options.size != sizeof(NumberDateOptions))
        return UX_EINVALID;
    std::memcpy(&options, blob, sizeof options);
    setSameNumberFormats(options.same_number_formats != 0);
    setSameDateFormats(options.same_date_formats != 0);
    return UX_OK;
}

std::uint32_t OptionsFormatter::encodeNumberDate(const void **blob, std::uint16_t *size) {
    encoded_.size = sizeof(NumberDateOptions);
    encoded_.same_number_formats = sameNumberFormats() ? 1 : 0;
    encoded_.same_date_formats = sameDateFormats() ? 1 : 0;
    if (blob)
        *blob = &encoded_;
    if (size)
        *size = sizeof(NumberDateOptions);
    return UX_OK;
}

std::uint32_t OptionsFormatter::decodeNumberDate(void **blob) {
    if (!blob)
        return UX_EINVALID;
    *blob = nullptr;
    auto *options = static_cast<NumberDateOptions *>(std::malloc(sizeof(NumberDateOptions)));
    if (!options)
        return UX_ENOMEM;
    options->size = sizeof(NumberDateOptions);
    options->same_number_formats = sameNumberFormats() ? 1 : 0;
    options->same_date_formats = sameDateFormats() ? 1 : 0;
    *blob = options;
    return UX_OK;
}

std::uint32_t OptionsFormatter::readLocale() {
    readLocaleFormats(constant_);
    return UX_OK;
}

const void *OptionsFormatter::formatRecordFor(FieldItem *, std::uint16_t kind) {
    if (kind == UX_KIND_DATE)
        return &gFormats.date;
    if (isNumberKind(kind))
        return numberRecordFor(kind);
    return nullptr;
}

} // namespace ux

extern "C" std::intptr_t FmtOptionsDlgProc(ux::platform::Hwnd dialog, std::uint32_t message,
                                           ux::platform::WParam wparam,
                                           ux::platform::LParam lparam) {
    namespace p = ux::platform;
    if (message == p::WM_INITDIALOG) {
        p::setWindowLong(dialog, p::DWL_USER, lparam);
        auto *formatter = reinterpret_cast<ux::OptionsFormatter *>(lparam);
        if (formatter) {
            p::checkDlgButton(dialog, ux::kSameNumbersBox, formatter->sameNumberFormats());
            p::checkDlgButton(dialog, ux::kSameDatesBox, formatter->sameDateFormats());
        }
        return 1;
    }
    if (message != p::WM_COMMAND)
        return 0;
    const int id = static_cast<int>(wparam & 0xFFFF);
    if (id == UXHOST_IDOK) {
        auto *formatter =
            reinterpret_cast<ux::OptionsFormatter *>(p::getWindowLong(dialog, p::DWL_USER));
        if (formatter) {
            formatter->setSameNumberFormats(p::isDlgButtonChecked(dialog, ux::kSameNumbersBox) !=
                                            0);
            formatter->setSameDateFormats(p::isDlgButtonChecked(dialog, ux::kSameDatesBox) != 0);
        }
        p::endDialog(dialog, UXHOST_IDOK);
        return 1;
    }
    if (id == UXHOST_IDCANCEL) {
        p::endDialog(dialog, UXHOST_IDCANCEL);
        return 1;
    }
    return 0;
}
