// What the rules file cannot say: texts. Profil::Afficher's defaults, the
// Windows-1252 conversions, and the names answered for values outside their
// enumerations. Whole characters are checked by the transcripts, the rules by
// tests/regles.txt, every name of the game by tests/catalogues.txt.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "encodage.h"
#include "joueur.h"

// Afficher left-aligns every value, on standard output by default and on a
// stream set to right alignment, and leaves each stream's flags as it found them.
TEST(Profil, AfficherAuxLargeursExactes)
{
    Profil p;
    std::ostringstream capture;
    std::streambuf* ancien = std::cout.rdbuf(capture.rdbuf());
    const std::ios_base::fmtflags drapeaux = std::cout.flags();
    p.Afficher();
    std::cout.rdbuf(ancien);
    EXPECT_EQ(std::cout.flags(), drapeaux);
    EXPECT_EQ(capture.str(), "Nom:     Sexe:          Stature:\nPeau:                   Cheveux:\n"
                             "Age:18   Taille:150     Poid:40   \n\n\n");
    p.setNom("Zo\351");  // three bytes, filled to five
    p.setSexe("Femme");
    p.setPeau("Tres tres sombre et burinee");  // wider than its field: printed whole
    p.setCheveux("Noirs");
    p.setTaille(123456789);
    std::ostringstream aDroite;
    aDroite << std::right;
    p.Afficher(aDroite);
    EXPECT_EQ(aDroite.str(), "Nom:Zo\351  Sexe:Femme     Stature:\nPeau:Tres tres sombre et burineeCheveux:Noirs\n"
                             "Age:18   Taille:123456789Poid:40   \n\n\n");
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
}

// Below the first value and past the last, names are empty or the enumeration's
// fallback, whatever the player holds; a power's full form renames it and moves
// it to another discipline, whose flag then guards it.
TEST(Joueur, NomsHorsEnumerationEtPouvoirRemplace)
{
    Joueur j;
    j.setMonde(MONDE_RUCHE);
    j.setCarriere(ASSASSIN);
    j.setAssermentation(TRAQUE);
    j.setDivination(GUERRE);
    for (const int dessous : {1, 0}) {
        const auto hors = [&](int n) { return dessous != 0 ? -1 : n; };
        EXPECT_EQ(getCaracteristiqueLabel(caracteristique(hors(NB_CARACTERISTIQUES))) +
                      getDomaineNom(domaine(hors(NB_DOMAINES))) + j.getCompetenceNom(skill(hors(NB_COMPETENCES))) +
                      j.getTalentNom(talent(hors(NB_TALENTS))) + j.getPouvoirNom(pouvoir(hors(NB_POUVOIRS))) +
                      j.getPouvoirNomDomaine(pouvoir(hors(NB_POUVOIRS))),
                  "");
        EXPECT_EQ(j.getMonde(monde(hors(AUCUN_MONDE + 1))) + "|" + j.getCarriere(carriere(hors(AUCUNE_CARRIERE + 1))) +
                      "|" + j.getAssermentation(assermentation(hors(AUCUNE_ASSERMENTATION + 1))) + "|" +
                      j.getDivination(divination(hors(AUCUNE_DIVINATION + 1))),
                  "Aucun monde s\351l\351ctionn\351|Aucune carriere|Aucune assermentation|Erreur");
    }
    j.setPouvoir("Essai", RUSE, 5, DEMI_ACTION, domaine(7), INAPTE, 0);
    EXPECT_EQ(j.getPouvoirNom(RUSE) + j.getPouvoirNomDomaine(RUSE), "Essai");
    EXPECT_EQ(j.setPouvoir(RUSE, ACQUISE), 0);
    j.setPsyker(domaine(7), true);  // flags 6 to 9 exist, without a discipline
    EXPECT_EQ(j.setPouvoir(RUSE, ACQUISE), 1);
}
