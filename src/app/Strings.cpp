#include "app/Strings.h"

#include <QCoreApplication>

namespace trv630 {

namespace {
// Source texts in the design language; the English texts come from the
// translation file (context "Strings").
constexpr const char* sourceText(StringId id)
{
    switch (id) {
    case StringId::IDS_2: return QT_TRANSLATE_NOOP("Strings", "Zaktualizowane parametr: [");
    case StringId::IDS_7: return QT_TRANSLATE_NOOP("Strings", "Połączony");
    case StringId::IDS_8: return QT_TRANSLATE_NOOP("Strings", "Rozłączony");
    case StringId::IDS_10: return QT_TRANSLATE_NOOP("Strings", "Odświeżam listę urządzeń");
    case StringId::IDS_42: return QT_TRANSLATE_NOOP("Strings", "pomiary.csv");
    case StringId::IDS_317: return QT_TRANSLATE_NOOP("Strings", "Zapis aktywny");
    case StringId::IDS_319: return QT_TRANSLATE_NOOP("Strings", "Zapis: aktywny");
    case StringId::IDS_320: return QT_TRANSLATE_NOOP("Strings", "Zapis nieaktywny");
    case StringId::IDS_322: return QT_TRANSLATE_NOOP("Strings", "Zapis: niektywny");
    }
    return "";
}
} // namespace

QString lookupString(StringId id)
{
    return QCoreApplication::translate("Strings", sourceText(id));
}

} // namespace trv630
