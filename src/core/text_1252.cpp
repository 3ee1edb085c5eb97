#include "core/text_1252.h"

#include <array>

namespace orbela {

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> hoch = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void utf8_anhaengen(std::string& aus, char32_t cp)
{
    if (cp < 0x80) {
        aus += static_cast<char>(cp);
    } else if (cp < 0x800) {
        aus += static_cast<char>(0xC0 | (cp >> 6));
        aus += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        aus += static_cast<char>(0xE0 | (cp >> 12));
        aus += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (cp >> 18));
        aus += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t unicode_aus_1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t cp = hoch[byte - 0x80];
        return cp != 0 ? cp : byte;
    }
    return byte;
}

unsigned char byte_1252_aus_unicode(char32_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<unsigned char>(zeichen);
    for (std::size_t i = 0; i < hoch.size(); ++i) {
        if (hoch[i] == zeichen && zeichen != 0)
            return static_cast<unsigned char>(0x80 + i);
    }
    // The unassigned bytes come back as the C1 controls they were read as.
    if (zeichen >= 0x80 && zeichen <= 0x9F && hoch[zeichen - 0x80] == 0)
        return static_cast<unsigned char>(zeichen);
    return '?';
}

std::string utf8_aus_1252(std::string_view text)
{
    std::string aus;
    aus.reserve(text.size() * 2);
    for (char ch : text)
        utf8_anhaengen(aus, unicode_aus_1252(static_cast<unsigned char>(ch)));
    return aus;
}

std::string text_1252_aus_utf8(std::string_view utf8)
{
    std::string aus;
    aus.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int folge = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            folge = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            folge = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            folge = 3;
            cp = b & 0x07;
        } else {
            aus += '?';
            ++i;
            continue;
        }
        bool gut = i + static_cast<std::size_t>(folge) < utf8.size();
        for (int k = 1; gut && k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(utf8[i + k]);
            if ((f & 0xC0) != 0x80)
                gut = false;
            else
                cp = (cp << 6) | (f & 0x3F);
        }
        if (!gut) {
            aus += '?';
            ++i;
            continue;
        }
        aus += static_cast<char>(byte_1252_aus_unicode(cp));
        i += static_cast<std::size_t>(folge) + 1;
    }
    return aus;
}

namespace {
unsigned char gross_1252(unsigned char b)
{
    if (b >= 'a' && b <= 'z')
        return static_cast<unsigned char>(b - 0x20);
    // à..þ except ÷ have their capitals 0x20 below; š, œ, ž, ÿ live in 0x80..0x9F.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<unsigned char>(b - 0x20);
    switch (b) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return b;
    }
}
} // namespace

std::string grossbuchstaben_1252(std::string_view text)
{
    std::string gross(text);
    for (char& ch : gross)
        ch = static_cast<char>(gross_1252(static_cast<unsigned char>(ch)));
    return gross;
}

bool gleich_ohne_gross_klein(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (gross_1252(static_cast<unsigned char>(a[i])) != gross_1252(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace orbela
