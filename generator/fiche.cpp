#include "fiche.h"

#include <iomanip>
#include <sstream>

#include "createur.h"
#include "tableaux.h"

std::string texteFiche(const Joueur& joueur, const Passe& p)
{
    std::ostringstream f;
    f << std::left;
    f << "Nom:" << std::setw(15) << p.nom << "Sexe:" << std::setw(10) << p.sexe << "Stature:" << p.stature << '\n';
    f << "Peau:" << std::setw(8) << p.peau << "Cheveux:" << p.cheveux << '\n';
    f << "Age:" << std::setw(5) << p.age << "Taille:" << std::setw(8) << p.taille << "Poid:" << std::setw(5) << p.poid
      << '\n';
    f << enTeteCaracteristiques() << '\n' << ligneCaracteristiques(joueur) << '\n';
    f << "\nCOMPETENCES:\n\n" << lignesCompetences(joueur);
    f << "\n\nTALENTS:\n\n" << lignesTalents(joueur);
    f << "\nBlessures:" << joueur.etat.getBlessureActuelle() << '/' << joueur.etat.getBlessureMaximum() << '\n';
    f << "\nPoints de destins:" << joueur.etat.getDestin() << '\n';
    return f.str();
}

namespace {

// The number of bytes of the character that starts at s[i]: a whole UTF-8
// sequence, or one byte where none starts.
std::size_t longueurCaractere(const std::string& s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t longueur = 1;
    if (c >= 0xF0 && c <= 0xF4) {
        longueur = 4;
    } else if (c >= 0xE0) {
        longueur = 3;
    } else if (c >= 0xC2) {
        longueur = 2;
    }
    if (longueur == 1 || i + longueur > s.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < longueur; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return longueur;
}

}  // namespace

std::string nomFichierFiche(const std::string& nomTape)
{
    const std::string suffixe = ".pdf";
    constexpr std::size_t NOM_FICHIER_MAX = 255;  // bytes, on the usual file systems
    std::string fichier;
    for (std::size_t i = 0; i < nomTape.size();) {
        const std::size_t n = longueurCaractere(nomTape, i);
        if (fichier.size() + n + suffixe.size() > NOM_FICHIER_MAX) {
            break;
        }
        fichier.append(nomTape, i, n);
        i += n;
    }
    for (char& c : fichier) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    // No hidden file ("." would give "..pdf").
    if (fichier.empty() || fichier[0] == '.') {
        fichier.replace(0, fichier.empty() ? 0 : 1, "_");
    }
    return fichier + suffixe;
}
