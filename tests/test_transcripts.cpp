// The transcript runner: the whole dialogue of one case folder of
// tests/transcripts/, given as its only argument, checked byte for byte. What a
// folder holds and how each file is read is the README's "Transcript folders".
// With VESPERINE_REGENERER=1 in the environment the case's expected files are
// first written from what the program does, and a case so rewritten fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <sstream>

#include "console.h"
#include "createur.h"
#include "des_scriptes.h"
#include "encodage.h"
#include "outils.h"
#include "source_graine.h"
#include "systeme_fichiers_en_panne.h"

namespace fs = std::filesystem;

namespace {

fs::path CAS;  // the case folder
const std::set<std::string> FICHIERS = {"LISEZMOI.txt", "entree.txt", "arguments.txt", "des.txt",    "panne.txt",
                                        "existant",     "sortie.txt", "erreurs.txt",   "statut.txt", "fiches"};
const std::string FIN_ENTREE = "Fin de l'entrée standard : création interrompue, aucune fiche enregistrée.\n";

std::string lireSiPresent(const std::string& nom, const std::string& defaut = "")
{
    return fs::exists(CAS / nom) ? lireFichier(CAS / nom) : defaut;
}

// A directory as releverDossier gives it, its files' bytes converted by `conversion`.
using Arbre = std::map<std::string, std::string>;
Arbre converti(Arbre arbre, std::string (*conversion)(const std::string&))
{
    for (auto& [nom, contenu] : arbre) {
        contenu = contenu == DOSSIER ? contenu : conversion(contenu);
    }
    return arbre;
}

// The case's folder `nom` (sheets kept in UTF-8) as the program's directory holds it.
Arbre arbreDuCas(const std::string& nom)
{
    return fs::exists(CAS / nom) ? converti(releverDossier(CAS / nom), versWindows1252) : Arbre{};
}

// What the case gives the program.
struct Donnees {
    std::string arguments = lireSiPresent("arguments.txt");
    std::string reponses = lireSiPresent("entree.txt");
    std::vector<DesScriptes::Jet> des = DesScriptes::lire(lireSiPresent("des.txt"), (CAS / "des.txt").string());
    std::optional<std::string> panne;  // none: the real file system
    Arbre existant = arbreDuCas("existant");
};

// The case's other files: known names only, a description, faults the fake file system knows.
Donnees lireDonnees()
{
    if (!fs::exists(CAS / "LISEZMOI.txt")) {
        throw std::runtime_error(CAS.string() + ": not a case folder with its LISEZMOI.txt");
    }
    for (const auto& entree : fs::directory_iterator(CAS)) {
        if (FICHIERS.count(entree.path().filename().string()) == 0) {
            incompris(CAS, 0, entree.path().filename().string());
        }
    }
    Donnees d;
    if (fs::exists(CAS / "panne.txt")) {
        d.panne = lireFichier(CAS / "panne.txt");
        std::istringstream lignes(*d.panne);
        int numero = 1;
        for (std::string ligne; std::getline(lignes, ligne); ++numero) {
            try {
                SystemeFichiersEnPanne{ligne};
            } catch (const std::invalid_argument&) {
                incompris(CAS / "panne.txt", numero, ligne);
            }
        }
    }
    return d;
}

// What a run shows: the screen, the error stream, the exit status and the sheets' directory.
struct Resultat {
    std::string sortie;
    std::string erreurs;
    int statut;
    Arbre fiches;
};

Resultat lireAttendu()
{
    const std::string statut = lireSiPresent("statut.txt", "0\n");
    const std::string premiere = statut.substr(0, statut.find('\n'));
    const std::optional<int> n = nombreEntier(premiere);
    if (!n || statut != premiere + "\n") {
        incompris(CAS / "statut.txt", 1, statut);
    }
    return {lireFichier(CAS / "sortie.txt"), lireSiPresent("erreurs.txt"), *n, arbreDuCas("fiches")};
}

void ecrireAttendu(const Resultat& r)
{
    ecrireFichier(CAS / "sortie.txt", r.sortie);
    for (const auto& [nom, texte] : {std::pair<std::string, std::string>{"erreurs.txt", r.erreurs},
                                     {"statut.txt", r.statut == 0 ? "" : std::to_string(r.statut) + "\n"}}) {
        fs::remove(CAS / nom);
        if (!texte.empty()) {
            ecrireFichier(CAS / nom, texte);
        }
    }
    fs::remove_all(CAS / "fiches");
    ecrireArbre(CAS / "fiches", converti(r.fiches, versUtf8));
}

// One run of the program on the case's data and the given answers, in a
// directory of its own. It is the run's terminal: output shows once flushed, and
// the answers are handed out one byte at a time, so that every read is seen. It
// is its dice too: scripted faces, each throw noted with whether output waited.
struct Passage : std::streambuf, DesScriptes {
    std::string texte;
    std::vector<std::pair<std::size_t, std::size_t>> ecrans;  // shown on each stream when byte i was read
    std::vector<std::size_t> lecturesNonVides;                // offsets read while output waited
    int jetsNonVides = 0;
    std::string affiche;
    std::string enAttente;
    std::ostringstream erreurs;
    int statut = 0;
    DossierTemporaire travail;

    Passage(const Donnees& d, std::string reponses)
        : DesScriptes(d.des), texte(std::move(reponses)), ecrans(texte.size() + 1)
    {
        ecrireArbre(travail.chemin(), d.existant);
        std::ostream sortie(this);
        const LigneDeCommande ligne = lireArguments(d.arguments, sortie, erreurs);
        sortie.flush();
        if (ligne.terminer) {
            statut = ligne.statut;
            return;
        }
        std::optional<SystemeFichiersEnPanne> enPanne;
        if (d.panne) {
            enPanne.emplace(*d.panne);
        }
        SourceGraine graine(ligne.graine);
        SourceDesTemporaire source(ligne.avecGraine ? static_cast<SourceDes&>(graine) : *this);
        std::istream entree(this);
        statut =
            Createur(entree, sortie, erreurs, travail.chemin().string(), enPanne ? *enPanne : systemeFichiersReel())
                .executer();
    }

    Resultat resultat() const { return {affiche + enAttente, erreurs.str(), statut, releverDossier(travail.chemin())}; }

    int_type overflow(int_type c) override
    {
        enAttente += traits_type::eq_int_type(c, traits_type::eof()) ? "" : std::string(1, char(c));
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        affiche += enAttente;
        enAttente.clear();
        return 0;
    }
    int_type underflow() override
    {
        const auto i = static_cast<std::size_t>(gptr() == nullptr ? 0 : gptr() - texte.data());
        ecrans[i] = {affiche.size(), erreurs.str().size()};
        if (!enAttente.empty()) {
            lecturesNonVides.push_back(i);
        }
        if (i == texte.size()) {
            return traits_type::eof();
        }
        setg(texte.data(), texte.data() + i, texte.data() + i + 1);
        return traits_type::to_int_type(texte[i]);
    }
    int jeter(int faces) override
    {
        jetsNonVides += enAttente.empty() ? 0 : 1;
        return DesScriptes::jeter(faces);
    }
};

TEST(Transcript, SortieStatutEtFiches)
{
    const Donnees d = lireDonnees();
    const Passage p(d, d.reponses);
    const Resultat obtenu = p.resultat();
    const char* regenerer = std::getenv("VESPERINE_REGENERER");
    if (regenerer != nullptr && std::string(regenerer) == "1") {
        const Arbre avant = releverDossier(CAS);
        ecrireAttendu(obtenu);
        if (releverDossier(CAS) != avant) {
            ADD_FAILURE() << "VESPERINE_REGENERER rewrote " << CAS.string() << ": review it with git diff";
        }
    }
    const Resultat attendu = lireAttendu();
    EXPECT_EQ(obtenu.sortie, attendu.sortie);
    EXPECT_EQ(obtenu.erreurs, attendu.erreurs);
    EXPECT_EQ(obtenu.statut, attendu.statut);
    EXPECT_EQ(obtenu.fiches, attendu.fiches);
    EXPECT_EQ(p.jetes, p.prevus()) << "the faces of each die thrown, against des.txt";

    // Nothing left unflushed: at every read, at every die, and at the end.
    EXPECT_EQ(p.lecturesNonVides, std::vector<std::size_t>{}) << "offsets of the input read with output unflushed";
    EXPECT_EQ(p.jetsNonVides, 0) << "dice thrown with output unflushed";
    EXPECT_EQ(p.enAttente, "");

    // The input ending before any one of the answers (where a word starts): status
    // 1, the notice, the screen as it stood at that read followed by a line end,
    // and, before any save was tried (a failed one reports itself), the directory as it was.
    for (std::size_t debut = 0; debut < d.reponses.size() && !HasFailure(); ++debut) {
        if (std::isspace(static_cast<unsigned char>(d.reponses[debut])) != 0 ||
            (debut > 0 && std::isspace(static_cast<unsigned char>(d.reponses[debut - 1])) == 0)) {
            continue;
        }
        const Passage coupe(d, d.reponses.substr(0, debut));
        const auto [ecran, erreurs] = p.ecrans[debut];
        EXPECT_EQ(coupe.statut, 1) << "input cut at byte " << debut;
        EXPECT_EQ(coupe.affiche, obtenu.sortie.substr(0, ecran) + "\n") << "cut at " << debut;
        EXPECT_EQ(coupe.erreurs.str(), obtenu.erreurs.substr(0, erreurs) + FIN_ENTREE) << "cut at " << debut;
        if (erreurs == 0) {
            EXPECT_EQ(releverDossier(coupe.travail.chemin()), d.existant) << "cut at " << debut;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " tests/transcripts/<case>\n";
        return 2;
    }
    CAS = argv[1];
    return RUN_ALL_TESTS();
}
