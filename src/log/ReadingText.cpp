#include "log/ReadingText.h"

#include "values/Reading.h"

namespace trv630 {

static_assert(maxReadingTextBytes >= 3 * maxReadingLength);

char* writeReadingText(char* out, float value, int decimals, char16_t separator)
{
    char16_t text[maxReadingLength];
    const int n = formatReadingTo(text, value, decimals, separator);
    // Digits, signs, "E", "INF", "NAN" are ASCII; only the separator may
    // not be (a BMP character, so two or three UTF-8 bytes).
    for (int i = 0; i < n; ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *out++ = static_cast<char>(0xC0 | (c >> 6));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *out++ = static_cast<char>(0xE0 | (c >> 12));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace trv630
