#include "hasard.h"

#include <sstream>

#include "catalogue.h"
#include "createur.h"
#include "encodage.h"
#include "questions.h"
#include "source_graine.h"

namespace {

// Where the dialogue's screen goes when nobody reads it.
class Neant : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// An answer to a number question, from its smallest to its largest.
int tirerDans(std::mt19937& generateur, Bornes bornes) { return tirerEntre(generateur, bornes.min, bornes.max); }

}  // namespace

int tirerEntre(std::mt19937& generateur, int min, int max)
{
    // Outputs at or past the last whole multiple of the span are drawn again, so
    // that every remainder is as likely: at most half of them, far fewer for a menu.
    const std::uint64_t etendue = static_cast<std::uint64_t>(static_cast<std::int64_t>(max) - min) + 1;
    const std::uint64_t sorties = std::uint64_t{1} << 32U;  // mt19937 gives exactly 32 bits
    const std::uint64_t limite = sorties - sorties % etendue;
    std::uint64_t sortie = generateur();
    while (sortie >= limite) {
        sortie = generateur();
    }
    return static_cast<int>(static_cast<std::int64_t>(min) + static_cast<std::int64_t>(sortie % etendue));
}

ReponsesTirees tirerReponses(std::mt19937& generateur, int mondeFixe, int carriereFixe)
{
    ReponsesTirees r;
    r.monde = mondeFixe != 0 ? mondeFixe : tirerEntre(generateur, 1, NB_MONDES);
    r.carriere = carriereFixe != 0 ? carriereFixe : tirerEntre(generateur, 1, NB_CARRIERES);
    const std::size_t options = nombreOptionsCarriere(static_cast<carriere>(r.carriere - 1));
    for (std::size_t i = 0; i < options; ++i) {
        r.options.push_back(tirerEntre(generateur, Createur::PREMIERE_ALTERNATIVE, Createur::SECONDE_ALTERNATIVE));
    }
    r.sexe = tirerEntre(generateur, 1, NB_SEXES);
    r.stature = tirerEntre(generateur, 1, NB_APPARENCES);
    r.peau = tirerEntre(generateur, 1, NB_APPARENCES);
    r.cheveux = tirerEntre(generateur, 1, NB_APPARENCES);
    r.age = tirerDans(generateur, BORNES_AGE);
    r.taille = tirerDans(generateur, BORNES_TAILLE);
    r.poids = tirerDans(generateur, BORNES_POIDS);
    return r;
}

std::string texteReponses(const ReponsesTirees& r, const std::string& nom)
{
    const int oui = Createur::CONFIRMER;
    std::ostringstream texte;
    texte << r.monde << ' ' << oui << '\n' << oui << '\n' << r.carriere << ' ' << oui << '\n';
    for (const int option : r.options) {
        texte << option << ' ';
    }
    texte << '\n' << oui << '\n' << oui << '\n' << nom << '\n';  // wounds, fate, then the profile
    texte << r.sexe << ' ' << r.stature << ' ' << r.peau << ' ' << r.cheveux << '\n';
    texte << r.age << ' ' << r.taille << ' ' << r.poids << '\n' << oui << '\n';
    texte << Createur::ENREGISTRER << '\n' << Createur::QUITTER << '\n';
    return texte.str();
}

std::mt19937 generateurReponses(std::uint32_t graine)
{
    std::seed_seq suite{graine};
    return std::mt19937(suite);
}

int creerAuHasard(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs, Stockage& stockage,
                  const Imprimeur* imprimeur)
{
    std::uint32_t graine = ligne.graine;
    if (!ligne.avecGraine) {
        graine = std::random_device()();
        sortie << "Graine : " << graine << std::endl;
    }
    std::mt19937 generateur = generateurReponses(graine);
    SourceGraine des(graine);
    const SourceDesTemporaire garde(des);
    Neant neant;
    std::ostream ecran(&neant);
    int statut = 0;
    for (const char* nom : ligne.noms) {
        std::istringstream entree(texteReponses(tirerReponses(generateur, ligne.monde, ligne.carriere), nom));
        Createur createur(entree, ecran, erreurs, ".", stockage);
        bool enregistre = false;
        createur.apresEnregistrement([&](const Fiche& fiche, const std::string& fichier) {
            enregistre = true;
            sortie << nom << " : " << versUtf8(fiche.monde) << ", " << versUtf8(fiche.carriere) << ", fiche « "
                   << fichier << " »" << std::endl;
            return !ligne.imprimable ||
                   imprimerApresEnregistrement(fiche, ".", fichier, sortie, erreurs, stockage, imprimeur);
        });
        // A failed save has said why and quit at the menu's second offer: status 0, nothing saved.
        if (createur.executer() != 0 || !enregistre) {
            statut = 1;
        }
    }
    return statut;
}
