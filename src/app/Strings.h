// The string table: texts that code shows, looked up by identifier in the
// active interface language at the moment they are shown.
#pragma once

#include <QString>

namespace trv630 {

enum class StringId {
    IDS_2,   // "Zaktualizowane parametr: ["
    IDS_7,   // "Połączony"
    IDS_8,   // "Rozłączony"
    IDS_10,  // "Odświeżam listę urządzeń"
    IDS_42,  // "pomiary.csv"
    IDS_317, // "Zapis aktywny"
    IDS_319, // "Zapis: aktywny"
    IDS_320, // "Zapis nieaktywny"
    IDS_322, // "Zapis: niektywny"
};

/// The identifier's text in the active language (through the installed
/// translators; Polish is the source language).
QString lookupString(StringId id);

} // namespace trv630
