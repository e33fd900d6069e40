#include "fiche.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "encodage.h"
#include "tableaux.h"

std::string texteFiche(const Fiche& f)
{
    std::ostringstream t;
    t << std::left;
    t << "Nom:" << std::setw(15) << f.nom << "Sexe:" << std::setw(10) << f.sexe << "Stature:" << f.stature << '\n';
    t << "Peau:" << std::setw(8) << f.peau << "Cheveux:" << f.cheveux << '\n';
    t << "Age:" << std::setw(5) << f.age << "Taille:" << std::setw(8) << f.taille << "Poid:" << std::setw(5) << f.poid
      << '\n';
    t << enTeteCaracteristiques() << '\n' << ligneCaracteristiques(f.caracteristiques) << '\n';
    t << "\nCOMPETENCES:\n\n" << lignesCompetences(f);
    t << "\n\nTALENTS:\n\n" << lignesTalents(f);
    t << "\nBlessures:" << f.blessuresActuelles << '/' << f.blessuresMaximum << '\n';
    t << "\nPoints de destins:" << f.destin << '\n';
    return t.str();
}

std::string texteFiche(const Joueur& joueur) { return texteFiche(ficheDuJoueur(joueur, "", "")); }

namespace {

// Whether Windows reserves the name `base` (the part before the first '.') for a device.
bool estUnPeripherique(std::string base)
{
    for (char& c : base) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$") {
        return true;
    }
    return base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

bool interditSousWindows(char c)
{
    const std::string INTERDITS = "\\:*?\"<>|";
    return static_cast<unsigned char>(c) < 0x20 || INTERDITS.find(c) != std::string::npos;
}

}  // namespace

std::string nomFichierFiche(const std::string& nomTape, RegleNoms regle)
{
    const std::string suffixe = ".pdf";
    std::string fichier = debutQuiTient(nomTape, NOM_FICHIER_MAX - suffixe.size());
    for (char& c : fichier) {
        if (c == '/' || c == '\0' || (regle == RegleNoms::WINDOWS && interditSousWindows(c))) {
            c = '_';
        }
    }
    // No hidden file ("." would give "..pdf").
    if (fichier.empty() || fichier[0] == '.') {
        fichier.replace(0, fichier.empty() ? 0 : 1, "_");
    }
    const std::size_t point = std::min(fichier.find('.'), fichier.size());
    if (regle == RegleNoms::WINDOWS && estUnPeripherique(fichier.substr(0, point))) {
        fichier.insert(point, "_");
    }
    return fichier + suffixe;
}

std::string debutQuiTient(const std::string& nom, std::size_t place)
{
    std::size_t fin = 0;
    while (fin < nom.size()) {
        const std::size_t n = std::max<std::size_t>(longueurCaractereUtf8(nom, fin), 1);
        if (fin + n > place) {
            break;
        }
        fin += n;
    }
    return nom.substr(0, fin);
}
