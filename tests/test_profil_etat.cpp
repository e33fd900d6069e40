// The condition and profile records, and the exact layout of Profil::Afficher.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "encodage.h"
#include "etat.h"
#include "profil.h"

namespace {

// A string buffer that counts the flushes it receives.
class TamponCompteur : public std::stringbuf {
public:
    int vidages = 0;

protected:
    int sync() override
    {
        ++vidages;
        return std::stringbuf::sync();
    }
};

std::string afficherAGauche(const Profil& p)
{
    std::ostringstream out;
    out << std::left;
    p.Afficher(out);
    return out.str();
}

}  // namespace

TEST(Etat, ValeursDeDepart)
{
    const Etat e;
    EXPECT_EQ(e.getBlessureActuelle(), 1u);
    EXPECT_EQ(e.getBlessureMaximum(), 1u);
    EXPECT_EQ(e.getDestin(), 0u);
    EXPECT_EQ(e.getFortune(), 0u);
    EXPECT_EQ(e.getDegatCritique(), 0u);
    EXPECT_EQ(e.getArgent(), 0u);
}

TEST(Etat, ChaqueSetterSonChampSansBorne)
{
    Etat e;
    e.setBlessureMaximum(10);
    e.setBlessureActuelle(12);
    e.setDestin(3);
    e.setFortune(4);
    e.setDegatCritique(5);
    e.setArgent(4000000000u);
    EXPECT_EQ(e.getBlessureActuelle(), 12u);
    EXPECT_EQ(e.getBlessureMaximum(), 10u);
    EXPECT_EQ(e.getDestin(), 3u);
    EXPECT_EQ(e.getFortune(), 4u);
    EXPECT_EQ(e.getDegatCritique(), 5u);
    EXPECT_EQ(e.getArgent(), 4000000000u);
}

TEST(Profil, ValeursDeDepartEtAccesseurs)
{
    Profil p;
    EXPECT_EQ(p.getNom(), "");
    EXPECT_EQ(p.getSexe(), "");
    EXPECT_EQ(p.getStature(), "");
    EXPECT_EQ(p.getPeau(), "");
    EXPECT_EQ(p.getCheveux(), "");
    EXPECT_EQ(p.getAge(), 18u);
    EXPECT_EQ(p.getTaille(), 150u);
    EXPECT_EQ(p.getPoid(), 40u);

    p.setNom("Thorn");
    p.setSexe("Homme");
    p.setStature("Costaud");
    p.setPeau("Claire");
    p.setCheveux("Roux");
    p.setAge(0);
    p.setTaille(212);
    p.setPoid(130);
    Profil copie = p;
    copie.setNom("Autre");
    EXPECT_EQ(p.getNom(), "Thorn");
    EXPECT_EQ(p.getSexe(), "Homme");
    EXPECT_EQ(p.getStature(), "Costaud");
    EXPECT_EQ(p.getPeau(), "Claire");
    EXPECT_EQ(p.getCheveux(), "Roux");
    EXPECT_EQ(p.getAge(), 0u);
    EXPECT_EQ(p.getTaille(), 212u);
    EXPECT_EQ(p.getPoid(), 130u);
}

TEST(Profil, AfficherUnProfilNeufAligneAGauche)
{
    TamponCompteur tampon;
    std::ostream out(&tampon);
    out << std::left;
    Profil().Afficher(out);
    EXPECT_EQ(tampon.str(), "Nom:     Sexe:          Stature:\n"
                            "Peau:                   Cheveux:\n"
                            "Age:18   Taille:150     Poid:40   \n"
                            "\n"
                            "\n");
    EXPECT_GE(tampon.vidages, 5);  // every end of line is flushed
}

TEST(Profil, AfficherSurLeFluxParDefautAligneADroite)
{
    std::ostringstream capture;
    std::streambuf* ancien = std::cout.rdbuf(capture.rdbuf());
    Profil().Afficher();
    std::cout.rdbuf(ancien);
    EXPECT_EQ(capture.str(), "Nom:     Sexe:          Stature:\n"
                             "Peau:                   Cheveux:\n"
                             "Age:   18Taille:     150Poid:   40\n"
                             "\n"
                             "\n");
}

TEST(Profil, AfficherUnProfilRempli)
{
    Profil p;
    p.setNom(versWindows1252("Zoé"));  // three bytes, filled to five
    p.setSexe("Femme");
    p.setStature("Svelte");
    p.setPeau("Mate");
    p.setCheveux("Noirs");
    p.setAge(27);
    p.setTaille(168);
    p.setPoid(55);
    EXPECT_EQ(afficherAGauche(p), "Nom:Zo\xE9  Sexe:Femme     Stature:Svelte\n"
                                  "Peau:Mate               Cheveux:Noirs\n"
                                  "Age:27   Taille:168     Poid:55   \n"
                                  "\n"
                                  "\n");

    p.setNom("Bartholomew");  // longer than its width: printed whole
    p.setSexe("Indetermine");
    p.setPeau("Tres tres sombre et burinee");
    p.setAge(123456);
    p.setTaille(123456789);
    p.setPoid(100000);
    EXPECT_EQ(afficherAGauche(p), "Nom:BartholomewSexe:IndetermineStature:Svelte\n"
                                  "Peau:Tres tres sombre et burineeCheveux:Noirs\n"
                                  "Age:123456Taille:123456789Poid:100000\n"
                                  "\n"
                                  "\n");
}
