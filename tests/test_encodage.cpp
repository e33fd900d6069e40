// The two text conversions at the borders: UTF-8 to Windows-1252 and back.
#include <gtest/gtest.h>

#include "encodage.h"

TEST(Encodage, Utf8VersWindows1252)
{
    const std::pair<const char*, const char*> cas[] = {
        {"", ""},
        {"Acrobatie (Ag) 42!", "Acrobatie (Ag) 42!"},
        {"Véhicule", "V\xE9hicule"},
        {"à ç ï ô ê î â û", "\xE0 \xE7 \xEF \xF4 \xEA \xEE \xE2 \xFB"},
        {"ÉÀ©ÿ", "\xC9\xC0\xA9\xFF"},
        {"\xC2\xA0", "\xA0"},  // no-break space
        // The block 0x80 to 0x9F, where Windows-1252 departs from Latin-1.
        {"€‚…‰Š", "\x80\x82\x85\x89\x8A"},
        {"ŒŽ‘’“”", "\x8C\x8E\x91\x92\x93\x94"},
        {"–—™œŸ", "\x96\x97\x99\x9C\x9F"}};
    for (const auto& [utf8, cp1252] : cas) {
        EXPECT_EQ(versWindows1252(utf8), cp1252) << utf8;
    }
}

TEST(Encodage, CaractereHorsWindows1252DevientPointDInterrogation)
{
    EXPECT_EQ(versWindows1252("Ā"), "?");
    EXPECT_EQ(versWindows1252("a→b"), "a?b");
    EXPECT_EQ(versWindows1252("日本"), "??");
    EXPECT_EQ(versWindows1252("x😀y"), "x?y");
}

TEST(Encodage, Utf8InvalideGardeOctetPourOctet)
{
    const char* const cas[] = {
        "caf\xE9",   // a Windows-1252 byte already
        "\x80",      // lone continuation byte
        "fin\xC3",   // sequence cut at the end
        "\xC3(",     // lead byte without its continuation
        "\xE2\x82",  // three-byte sequence cut short
        "\xFF\xFE",  // bytes that never occur in UTF-8
        "\xC0\xAF",  // overlong form of '/'
    };
    for (const char* octets : cas) {
        EXPECT_EQ(versWindows1252(octets), octets);
    }
    EXPECT_EQ(versWindows1252("Zo\xC3\xA9 \xE9t\xE9"), "Zo\xE9 \xE9t\xE9");
}

TEST(Encodage, Windows1252VersUtf8)
{
    const std::pair<const char*, const char*> cas[] = {
        {"", ""},
        {"Acrobatie (Ag) 42!", "Acrobatie (Ag) 42!"},
        {"V\xE9hicule", "Véhicule"},
        {"Ma\xEEtre des b\xEAtes", "Maître des bêtes"},
        {"\x80\x85\x92\x9C\x9F", "€…’œŸ"},
        {"\xA0\xFF", "\xC2\xA0ÿ"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}};
    for (const auto& [cp1252, utf8] : cas) {
        EXPECT_EQ(versUtf8(cp1252), utf8) << utf8;
    }
    std::string texte = "caf";
    ajouterUtf8(texte, 0xE9);
    ajouterUtf8(texte, 'x');
    EXPECT_EQ(texte, "caféx");
}

// Every byte that Windows-1252 defines comes back unchanged through UTF-8.
TEST(Encodage, AllerRetourDeChaqueOctetDefini)
{
    std::string tous;
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            continue;
        }
        const std::string octet(1, static_cast<char>(b));
        EXPECT_EQ(versWindows1252(versUtf8(octet)), octet) << b;
        tous += octet;
    }
    EXPECT_EQ(versWindows1252(versUtf8(tous)), tous);
}
