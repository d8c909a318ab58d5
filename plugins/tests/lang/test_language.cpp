// A language library for the start-up tests: the texts of fmtplain
// (LANGUAGE_SET_pln), fmtdelimited (LANGUAGE_SET_dlm), fmtinterchange
// (LANGUAGE_SET_xch), fmtcolumns (LANGUAGE_SET_col) or destfile
// (LANGUAGE_SET_dst) in a made-up language,
// with the faults the variant names.
#include "core/resources.h"

namespace {

const UXStringResource kStrings[] = {
#if defined(LANGUAGE_SET_pln)
    {1000, "Klartext"},
    {1001, "Tabulatortext"},
    {1002, "Exportdatei w\xe4hlen"},
#if !defined(LANGUAGE_MISSING_TEXT)
    {1003, "Klartext (*.txt)"},
#endif
    {1004, "Tabulatortext (*.ttx)"},
#elif defined(LANGUAGE_SET_dlm)
    {1000, "Kommagetrennte Werte"},
    {1001, "Tabulatorgetrennte Werte"},
    {1002, "Zeichengetrennte Werte"},
    {1003, "Exportdatei w\xe4hlen"},
    {1004, "Kommagetrennt (*.csv)"},
    {1005, "Tabulatorgetrennt (*.tsv)"},
#if !defined(LANGUAGE_MISSING_TEXT)
    {1006, "Zeichengetrennt (*.chr)"},
#endif
    {1007, "> "},
    {1008, ";"},
    {1009, "\t"},
    {1010, "'"},
// No dialogs: the plug-in shows its own.
#elif defined(LANGUAGE_SET_xch)
    {1000, "Datenaustauschformat (DIF)"},
    {1001, "Exportdatei w\xe4hlen"},
    {1002, "Datenaustauschformat (*.dif)"},
#elif defined(LANGUAGE_SET_col)
    {1000, "Satzformat (Wertespalten)"}, {1001, "Exportdatei w\xe4hlen"},
    {1002, "Satzformat (*.rec)"},        {1003, "Fehler"},
    {1004, "Fehler im Satzformat."},     {1005, "Mittlere Zeichenbreite unbekannt"},
// 1006 is left out: the plug-in shows its own text instead.
#elif defined(LANGUAGE_SET_dst)
#if !defined(LANGUAGE_MISSING_TEXT)
    {1000, "Datei auf Platte"},
#endif
    {1001, "Datei existiert bereits"},
    {1002, "Diese Datei kann nicht \xfc"
           "berschrieben werden."},
// 1003 is left out: the plug-in shows its own text instead.
#endif
};

const UXResourceTables kTables = {kStrings, sizeof kStrings / sizeof kStrings[0], nullptr, 0};

} // namespace

extern "C" {

#if !defined(LANGUAGE_NO_VERSION)
__attribute__((visibility("default"))) uint32_t GetResDllVersion(void) {
#if defined(LANGUAGE_WRONG_VERSION)
    return 0x02000000u;
#else
    return UX_RESDLL_VERSION;
#endif
}
#endif

__attribute__((visibility("default"))) const UXResourceTables *UXGetResourceTables(void) {
    return &kTables;
}

} // extern "C"
