#include "log/ReadingText.h"

#include "values/Reading.h"

namespace trv630 {

void appendReadingText(std::string& out, float value, int decimals, char16_t separator)
{
    char16_t text[maxReadingLength];
    const int n = formatReadingTo(text, value, decimals, separator);
    // Digits, signs, "E", "INF", "NAN" are ASCII; only the separator may
    // not be (it is a BMP character, so one to three UTF-8 bytes).
    for (int i = 0; i < n; ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

} // namespace trv630
