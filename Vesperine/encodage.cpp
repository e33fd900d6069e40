#include "encodage.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of Windows-1252 is Latin-1.
const std::uint16_t HAUTS[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t pointDeCode(unsigned char octet) { return (octet >= 0x80 && octet < 0xA0) ? HAUTS[octet - 0x80] : octet; }

char octetWindows1252(std::uint32_t point)
{
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) {
        return static_cast<char>(point);
    }
    for (int i = 0; i < 32; ++i) {
        if (HAUTS[i] == point) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool suite(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 character starting at s[i] and its code point, or 0.
std::size_t decoder(const std::string& s, std::size_t i, std::uint32_t& point)
{
    const auto c0 = static_cast<unsigned char>(s[i]);
    std::size_t longueur = 0;
    std::uint32_t minimum = 0;
    if (c0 < 0x80) {
        point = c0;
        return 1;
    }
    if (c0 >= 0xC2 && c0 <= 0xDF) {
        longueur = 2;
        point = c0 & 0x1Fu;
        minimum = 0x80;
    } else if (c0 >= 0xE0 && c0 <= 0xEF) {
        longueur = 3;
        point = c0 & 0x0Fu;
        minimum = 0x800;
    } else if (c0 >= 0xF0 && c0 <= 0xF4) {
        longueur = 4;
        point = c0 & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + longueur > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < longueur; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (!suite(c)) {
            return 0;
        }
        point = (point << 6) | (c & 0x3Fu);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    if (point < minimum || point > 0x10FFFF || surrogate) {
        return 0;
    }
    return longueur;
}

}  // namespace

std::size_t longueurCaractereUtf8(const std::string& s, std::size_t i)
{
    std::uint32_t point = 0;
    return decoder(s, i, point);
}

std::string versWindows1252(const std::string& utf8)
{
    std::string resultat;
    resultat.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::uint32_t point = 0;
        const std::size_t longueur = decoder(utf8, i, point);
        if (longueur == 0) {
            resultat += utf8[i];  // a byte that starts no valid character
            ++i;
        } else {
            resultat += octetWindows1252(point);
            i += longueur;
        }
    }
    return resultat;
}

void ajouterUtf8(std::string& resultat, unsigned char octet)
{
    const std::uint32_t point = pointDeCode(octet);
    if (point < 0x80) {
        resultat += static_cast<char>(point);
    } else if (point < 0x800) {
        resultat += static_cast<char>(0xC0 | (point >> 6));
        resultat += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        resultat += static_cast<char>(0xE0 | (point >> 12));
        resultat += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        resultat += static_cast<char>(0x80 | (point & 0x3F));
    }
}

std::string versUtf8(const std::string& cp1252)
{
    std::string resultat;
    resultat.reserve(cp1252.size() + (cp1252.size() / 4));
    for (const char c : cp1252) {
        ajouterUtf8(resultat, static_cast<unsigned char>(c));
    }
    return resultat;
}
