#include "Cp1252.h"

#include <array>
#include <iterator>

namespace quillora {

namespace {

// 0x80..0x9F; the five bytes Windows leaves unassigned map to the control character of
// the same value, as ICU does.
constexpr std::array<char32_t, 32> Plage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Small letters of 0x80..0x9F and their capitals: š, œ, ž, ÿ.
constexpr unsigned char Petites80[] = {0x9A, 0x9C, 0x9E, 0xFF};
constexpr unsigned char Grandes80[] = {0x8A, 0x8C, 0x8E, 0x9F};

} // namespace

char OctetCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < Plage80.size(); ++i)
        if (Plage80[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

bool DansCp1252(char32_t u) {
    // The control characters standing for the five unassigned bytes are no text to keep.
    return u == '?' || ((u < 0x80 || u >= 0xA0) && OctetCp1252(u) != '?');
}

char MajusculeCp1252(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
        return static_cast<char>(u - 0x20);
    for (std::size_t i = 0; i < std::size(Petites80); ++i)
        if (u == Petites80[i]) return static_cast<char>(Grandes80[i]);
    return c;
}

char MinusculeCp1252(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    for (std::size_t i = 0; i < std::size(Grandes80); ++i)
        if (u == Grandes80[i]) return static_cast<char>(Petites80[i]);
    return c;
}

namespace {

// The code points of Windows-1252 all lie below U+10000.
void ajouterUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

char32_t UnicodeDeCp1252(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return Plage80[c - 0x80];
    return c;
}

std::string Utf8DepuisCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (unsigned char c : s) ajouterUtf8(out, UnicodeDeCp1252(c));
    return out;
}

std::string Cp1252DepuisUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int suite = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : 0;
        if (c < 0x80 || suite == 0 || i + suite >= s.size()) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        char32_t u = c & (0x3F >> suite);
        bool bon = true;
        for (int k = 1; k <= suite; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) {
                bon = false;
                break;
            }
            u = (u << 6) | (d & 0x3F);
        }
        if (!bon) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        out += OctetCp1252(u);
        i += suite + 1;
    }
    return out;
}

} // namespace quillora
