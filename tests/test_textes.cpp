// What the rules file cannot say: texts. Profil::Afficher's alignment and the
// Windows-1252 conversions. Whole characters are checked by the transcripts, the
// rules by tests/regles.txt, every name of the game by tests/catalogues.txt.
#include <gtest/gtest.h>

#include <sstream>

#include "encodage.h"
#include "profil.h"

// Afficher left-aligns every value, even on a stream set to right alignment,
// and leaves the stream's flags as it found them; a value wider than its field
// is printed whole. Its usual lines are the transcripts'.
TEST(Profil, AfficherAlignementPropreEtRendu)
{
    Profil p;
    p.setNom("Zo\351");  // three bytes, filled to five
    p.setPeau("Tres tres sombre et burinee");
    std::ostringstream aDroite;
    aDroite << std::right;
    p.Afficher(aDroite);
    EXPECT_EQ(aDroite.str(), "Nom:Zo\351  Sexe:          Stature:\nPeau:Tres tres sombre et burineeCheveux:\n"
                             "Age:18   Taille:150     Poid:40   \n\n\n");
    EXPECT_EQ(aDroite.flags() & std::ios_base::adjustfield, std::ios_base::right);
}

// UTF-8 to Windows-1252 and back: Latin-1 accents and every character of the block 0x80
// to 0x9F, where Windows-1252 departs from Latin-1. A character it lacks becomes '?';
// invalid UTF-8 (here an overlong form) stays as it is.
TEST(Encodage, Windows1252DesNoms)
{
    const std::string utf8 = "Véhicule àçïÿ €‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    const std::string octets = "V\351hicule \340\347\357\377 \x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                               "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F";
    EXPECT_EQ(versWindows1252(utf8), octets);
    EXPECT_EQ(versUtf8(octets), utf8);
    EXPECT_EQ(versWindows1252("a→b\xC0\xAF"), "a?b\xC0\xAF");
    // The five bytes Windows-1252 leaves undefined become the control characters of the same number.
    EXPECT_EQ(versUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(versWindows1252("\xC2\x81\xC2\x9D"), "\x81\x9D");
    // The last code point is a character; one past it and a surrogate are none.
    EXPECT_EQ(longueurCaractereUtf8("\xF4\x8F\xBF\xBF", 0), 4U);
    EXPECT_EQ(longueurCaractereUtf8("\xF4\x90\x80\x80", 0), 0U);
    EXPECT_EQ(longueurCaractereUtf8("\xED\xA0\x80", 0), 0U);
}
