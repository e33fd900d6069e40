#include "lecture_fiches.h"

#include <algorithm>
#include <climits>

#include "fiche.h"
#include "tableaux.h"

namespace {

// A decimal number at l[i], a '-' first when `signe`, within [min, max]; `i`
// moves past it and the blanks after it. Whether it is written as the sheet
// writes it (no '+', no leading 0) is left to the check of the whole sheet.
bool nombre(const std::string& l, std::size_t& i, long long min, long long max, long long& v, bool signe = false)
{
    const bool negatif = signe && i < l.size() && l[i] == '-';
    std::size_t j = i + (negatif ? 1 : 0);
    const std::size_t debut = j;
    long long valeur = 0;
    for (; j < l.size() && l[j] >= '0' && l[j] <= '9'; ++j) {
        valeur = valeur * 10 + (l[j] - '0');
        if (valeur > (negatif ? -min : max)) {
            return false;
        }
    }
    valeur = negatif ? -valeur : valeur;
    if (j == debut || valeur < min) {
        return false;
    }
    v = valeur;
    i = std::min(l.find_first_not_of(' ', j), l.size());
    return true;
}

bool nombre(const std::string& l, std::size_t& i, unsigned int& v)
{
    long long valeur = 0;
    const bool lu = nombre(l, i, 0, UINT_MAX, valeur);
    v = static_cast<unsigned int>(valeur);
    return lu;
}

// `i` moves past `m` when l holds it there.
bool mot(const std::string& l, std::size_t& i, const std::string& m)
{
    if (l.compare(i, m.size(), m) != 0) {
        return false;
    }
    i += m.size();
    return true;
}

// A field padded with blanks: l from `debut` to `fin`, without the blanks at its end.
std::string champ(const std::string& l, std::size_t debut, std::size_t fin)
{
    const std::size_t dernier = l.find_last_not_of(' ', fin - 1);
    return dernier == std::string::npos || dernier < debut ? std::string() : l.substr(debut, dernier + 1 - debut);
}

// Each reads one line of a sheet into `f`, or answers false.

bool ligneNom(const std::string& l, Fiche& f)
{
    // The name is one word but may hold any other byte, "Sexe:" included: the
    // labels are looked for from the end, where only the menus' texts stand.
    const std::size_t stature = l.rfind("Stature:");
    if (l.compare(0, 4, "Nom:") != 0 || stature == std::string::npos || stature < 9) {
        return false;
    }
    const std::size_t sexe = l.rfind("Sexe:", stature - 5);
    if (sexe == std::string::npos || sexe < 4) {
        return false;
    }
    f.nom = champ(l, 4, sexe);
    f.sexe = champ(l, sexe + 5, stature);
    f.stature = l.substr(stature + 8);
    return true;
}

bool lignePeau(const std::string& l, Fiche& f)
{
    const std::size_t cheveux = l.find("Cheveux:", 5);
    if (l.compare(0, 5, "Peau:") != 0 || cheveux == std::string::npos) {
        return false;
    }
    f.peau = champ(l, 5, cheveux);
    f.cheveux = l.substr(cheveux + 8);
    return true;
}

bool ligneAge(const std::string& l, Fiche& f)
{
    std::size_t i = 0;
    return mot(l, i, "Age:") && nombre(l, i, f.age) && mot(l, i, "Taille:") && nombre(l, i, f.taille) &&
           mot(l, i, "Poid:") && nombre(l, i, f.poid) && i == l.size();
}

bool ligneValeurs(const std::string& l, Fiche& f)
{
    std::size_t i = std::min(l.find_first_not_of(' '), l.size());
    for (int& valeur : f.caracteristiques) {
        long long v = 0;
        if (!nombre(l, i, INT_MIN, INT_MAX, v, true)) {
            return false;
        }
        valeur = static_cast<int>(v);
    }
    return i == l.size();
}

bool ligneCompetence(const std::string& l, Fiche& f)
{
    const std::size_t deuxPoints = l.rfind(':');
    std::size_t i = deuxPoints + 1;
    long long valeur = 0;
    if (deuxPoints == std::string::npos || !nombre(l, i, 1, INT_MAX, valeur) || i != l.size()) {
        return false;
    }
    f.competences.push_back({l.substr(0, deuxPoints), static_cast<int>(valeur)});
    return true;
}

bool ligneTalent(const std::string& l, Fiche& f)
{
    f.talents.push_back(l);
    return true;
}

bool ligneBlessures(const std::string& l, Fiche& f)
{
    std::size_t i = 0;
    return mot(l, i, "Blessures:") && nombre(l, i, f.blessuresActuelles) && mot(l, i, "/") &&
           nombre(l, i, f.blessuresMaximum) && i == l.size();
}

bool ligneDestin(const std::string& l, Fiche& f)
{
    std::size_t i = 0;
    return mot(l, i, "Points de destins:") && nombre(l, i, f.destin) && i == l.size();
}

using LectureLigne = bool (*)(const std::string&, Fiche&);

const char* const VIDE = "une ligne vide";

// The lines of a file of sheets, one at a time, within the bounds, with their numbers.
class Lecteur {
public:
    explicit Lecteur(std::istream& f) : flux(*f.rdbuf()) {}

    LectureFiches lire();

private:
    // The next line, without its end, in `l`; false at the end of the input or
    // on failure (then `raison` is set).
    bool ligne(std::string& l);
    // The next line, read into `f` by `lecture`; `quoi` says what it should be.
    bool suivante(LectureLigne lecture, const char* quoi, Fiche& f);
    // The next line, which must be `texte`.
    bool exactement(const std::string& texte, const char* quoi);
    // Lines read by `lecture` up to an empty one, at most `max`.
    bool liste(LectureLigne lecture, std::size_t max, const char* quoi, const char* pluriel, Fiche& f);
    bool fiche(const std::string& premiere, Fiche& f);
    // Sets the reason, unless one is set already; false.
    bool echec(const std::string& quoi);
    bool attendu(const char* quoi) { return echec(std::string("on attendait ") + quoi); }

    std::streambuf& flux;
    std::size_t numero = 0;  // of the last line read
    std::size_t octets = 0;
    std::string lu;  // the current sheet as read, each line ended by '\n'
    std::string raison;
};

bool Lecteur::echec(const std::string& quoi)
{
    if (raison.empty()) {
        raison = "ligne " + std::to_string(numero) + " : " + quoi;
    }
    return false;
}

bool Lecteur::ligne(std::string& l)
{
    l.clear();
    ++numero;
    for (;;) {
        const int c = flux.sbumpc();
        if (c == std::char_traits<char>::eof()) {
            return l.empty() ? false : echec("la dernière ligne n'a pas de fin de ligne");
        }
        if (++octets > TAILLE_MAX) {
            return echec("le fichier dépasse " + std::to_string(TAILLE_MAX / 1024 / 1024) + " Mio");
        }
        if (c == '\n') {
            break;
        }
        if (l.size() == LIGNE_MAX) {
            return echec("ligne de plus de " + std::to_string(LIGNE_MAX) + " octets");
        }
        l += static_cast<char>(c);
    }
    if (!l.empty() && l.back() == '\r') {
        l.pop_back();
    }
    lu += l;
    lu += '\n';
    return true;
}

bool Lecteur::suivante(LectureLigne lecture, const char* quoi, Fiche& f)
{
    std::string l;
    if (!ligne(l)) {
        return echec(std::string("la fiche s'arrête ; on attendait ") + quoi);
    }
    return lecture(l, f) || attendu(quoi);
}

bool Lecteur::exactement(const std::string& texte, const char* quoi)
{
    std::string l;
    if (!ligne(l)) {
        return echec(std::string("la fiche s'arrête ; on attendait ") + quoi);
    }
    return l == texte || attendu(quoi);
}

bool Lecteur::liste(LectureLigne lecture, std::size_t max, const char* quoi, const char* pluriel, Fiche& f)
{
    for (std::size_t n = 0;; ++n) {
        std::string l;
        if (!ligne(l)) {
            return echec(std::string("la fiche s'arrête ; on attendait ") + quoi);
        }
        if (l.empty()) {
            return true;
        }
        if (n == max) {
            return echec("plus de " + std::to_string(max) + " " + pluriel);
        }
        if (!lecture(l, f)) {
            return attendu(quoi);
        }
    }
}

bool Lecteur::fiche(const std::string& premiere, Fiche& f)
{
    return (ligneNom(premiere, f) || attendu("la ligne du nom (« Nom:... Sexe:... Stature:... »)")) &&
           suivante(lignePeau, "la ligne de la peau (« Peau:... Cheveux:... »)", f) &&
           suivante(ligneAge, "la ligne de l'âge (« Age:... Taille:... Poid:... »)", f) &&
           exactement(enTeteCaracteristiques(), "l'en-tête des caractéristiques (« CC    CT ... »)") &&
           suivante(ligneValeurs, "les valeurs des neuf caractéristiques", f) && exactement("", VIDE) &&
           exactement("COMPETENCES:", "« COMPETENCES: »") && exactement("", VIDE) &&
           liste(ligneCompetence, NB_COMPETENCES, "une compétence (« Nom:valeur ») ou une ligne vide", "compétences",
                 f) &&
           exactement("", VIDE) && exactement("TALENTS:", "« TALENTS: »") && exactement("", VIDE) &&
           liste(ligneTalent, NB_TALENTS, "un talent ou une ligne vide", "talents", f) &&
           suivante(ligneBlessures, "les blessures (« Blessures:actuelles/maximum »)", f) && exactement("", VIDE) &&
           suivante(ligneDestin, "les points de destin (« Points de destins:... »)", f);
}

LectureFiches Lecteur::lire()
{
    LectureFiches resultat;
    std::string l;
    if (!ligne(l)) {
        echec("le fichier est vide");
    }
    while (raison.empty()) {
        if (resultat.fiches.size() == FICHES_MAX) {
            echec("plus de " + std::to_string(FICHES_MAX) + " fiches dans un même fichier");
            break;
        }
        const std::size_t debut = numero;
        lu = l + '\n';
        Fiche f;
        if (!fiche(l, f)) {
            break;
        }
        // Accepted only as the program writes it; the first line that differs is named.
        const std::string ecrit = texteFiche(f);
        if (ecrit != lu) {
            const auto ecart = std::mismatch(lu.begin(), lu.end(), ecrit.begin(), ecrit.end()).first;
            numero = debut + static_cast<std::size_t>(std::count(lu.begin(), ecart, '\n'));
            echec("la mise en page n'est pas celle d'une fiche (blancs, zéros ou signes en trop ou en moins)");
            break;
        }
        resultat.fiches.push_back(std::move(f));
        if (!ligne(l)) {
            break;
        }
    }
    if (!raison.empty()) {
        resultat.fiches.clear();
        resultat.raison = raison;
    }
    return resultat;
}

}  // namespace

LectureFiches lireFiches(std::istream& flux) { return Lecteur(flux).lire(); }
