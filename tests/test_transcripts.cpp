// Whole dialogues: scripted answers and dice in, the complete output, the exit
// status and every sheet file compared byte for byte with what was worked out
// by hand for each case under tests/transcripts/. A case folder holds:
//   arguments.txt  the command line, when it has options
//   des.txt      the dice thrown, in order ("10:7 5:3 ...": faces, then the face shown),
//                each showing its face at once, unless the command line seeds them
//   entree.txt   the standard input; sortie.txt and erreurs.txt what is written
//   statut.txt   the exit status, when it is not 0
//   existant/    what the sheets' directory holds before the run (files and folders)
//   fiches/      what it must hold after the run, exactly
//   panne.txt    faults of the file system, one a line, as SystemeFichiersEnPanne
//                reads them ("ecriture 2 ENOSPC"); without it the real one is used
// Files of existant/ and fiches/ are kept in UTF-8 and stand for Windows-1252.
// Two rules are checked on every case besides: at every read and every die,
// all that was written has been flushed to the terminal; and input that
// ends before any one of the answers stops the dialogue cleanly, with the screen
// as it stood at that read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>

#include "createur.h"
#include "des_scriptes.h"
#include "encodage.h"
#include "options.h"
#include "outils.h"
#include "source_graine.h"
#include "systeme_fichiers_en_panne.h"

namespace fs = std::filesystem;

namespace {

const fs::path RACINE = VESPERINE_TRANSCRIPTS;
const std::string FIN_ENTREE = "Fin de l'entrée standard : création interrompue, aucune fiche enregistrée.\n";

// A terminal that shows only what has been flushed to it.
class TerminalRetenu : public std::streambuf {
public:
    std::string affiche;
    std::string enAttente;

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            enAttente += traits_type::to_char_type(c);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        enAttente.append(s, static_cast<std::size_t>(n));
        return n;
    }
    int sync() override
    {
        affiche += enAttente;
        enAttente.clear();
        return 0;
    }
};

// The answers, handed out one byte at a time so that every read is seen: it notes
// what the terminal and the error stream showed when each byte was asked for, and
// the places where output still waited for a flush.
class ClavierTemoin : public std::streambuf {
public:
    struct Ecrans {
        std::size_t sortie;
        std::size_t erreurs;
    };
    ClavierTemoin(std::string reponses, const TerminalRetenu& t, const std::ostringstream& e)
        : texte(std::move(reponses)), ecrans(texte.size() + 1), terminal(t), erreurs(e)
    {
    }
    std::string texte;
    std::vector<Ecrans> ecrans;
    std::vector<std::size_t> nonVides;  // offsets read while output waited

protected:
    int_type underflow() override
    {
        const auto i = static_cast<std::size_t>(gptr() == nullptr ? 0 : gptr() - texte.data());
        ecrans[i] = {terminal.affiche.size(), erreurs.str().size()};
        if (!terminal.enAttente.empty()) {
            nonVides.push_back(i);
        }
        if (i == texte.size()) {
            return traits_type::eof();
        }
        setg(texte.data(), texte.data() + i, texte.data() + i + 1);
        return traits_type::to_int_type(texte[i]);
    }

private:
    const TerminalRetenu& terminal;
    const std::ostringstream& erreurs;
};

// Scripted dice that also check, at each throw, that the terminal shows everything.
class DesTemoins : public DesScriptes {
public:
    DesTemoins(const std::string& script, const TerminalRetenu& t) : DesScriptes(lire(script)), terminal(t) {}
    int jeter(int faces) override
    {
        jetsNonVides += terminal.enAttente.empty() ? 0 : 1;
        return DesScriptes::jeter(faces);
    }
    int jetsNonVides = 0;

private:
    const TerminalRetenu& terminal;
};

std::string lireSiPresent(const fs::path& chemin, const std::string& defaut)
{
    return fs::exists(chemin) ? lireFichier(chemin) : defaut;
}

// What a folder of the case holds, its files turned from UTF-8 to Windows-1252.
std::map<std::string, std::string> arbreAttendu(const fs::path& racine)
{
    std::map<std::string, std::string> arbre;
    if (fs::exists(racine)) {
        arbre = releverDossier(racine);
    }
    for (auto& [nom, contenu] : arbre) {
        if (contenu != DOSSIER) {
            contenu = versWindows1252(contenu);
        }
    }
    return arbre;
}

// One run of the dialogue of a case on the given answers, in a directory of its own.
struct Passage {
    int statut = 0;
    TerminalRetenu terminal;
    std::ostringstream erreurs;
    ClavierTemoin clavier;
    DesTemoins des;
    DossierTemporaire travail;

    Passage(const fs::path& cas, std::string reponses)
        : clavier(std::move(reponses), terminal, erreurs), des(lireSiPresent(cas / "des.txt", ""), terminal)
    {
        for (const auto& [nom, octets] : arbreAttendu(cas / "existant")) {
            if (octets == DOSSIER) {
                fs::create_directories(travail.chemin() / nom);
            } else {
                ecrireFichier(travail.chemin() / nom, octets);
            }
        }
        std::ostream sortie(&terminal);
        // The command line, as main reads it: it may end the run, or seed the dice.
        std::istringstream mots("vesperine " + lireSiPresent(cas / "arguments.txt", ""));
        const std::vector<std::string> arguments{std::istream_iterator<std::string>(mots), {}};
        std::vector<const char*> argv;
        for (const std::string& a : arguments) {
            argv.push_back(a.c_str());
        }
        const LigneDeCommande ligne = lireLigneDeCommande(static_cast<int>(argv.size()), argv.data(), sortie, erreurs);
        sortie.flush();
        if (ligne.terminer) {
            statut = ligne.statut;
            return;
        }
        std::unique_ptr<SystemeFichiers> enPanne;
        if (fs::exists(cas / "panne.txt")) {
            enPanne = std::make_unique<SystemeFichiersEnPanne>(lireFichier(cas / "panne.txt"));
        }
        SourceGraine graine(ligne.graine);
        SourceDesTemporaire source(ligne.avecGraine ? static_cast<SourceDes&>(graine) : des);
        std::istream entree(&clavier);
        Createur createur(entree, sortie, erreurs, travail.chemin().string(),
                          enPanne ? *enPanne : systemeFichiersReel());
        statut = createur.executer();
    }
};

std::vector<std::string> cas()
{
    std::vector<std::string> noms;
    for (const auto& entree : fs::directory_iterator(RACINE)) {
        if (entree.is_directory()) {
            noms.push_back(entree.path().filename().string());
        }
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

// Where each answer starts in the input.
std::vector<std::size_t> debutsDesReponses(const std::string& texte)
{
    std::vector<std::size_t> debuts;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const bool blanc = std::isspace(static_cast<unsigned char>(texte[i])) != 0;
        if (!blanc && (i == 0 || std::isspace(static_cast<unsigned char>(texte[i - 1])) != 0)) {
            debuts.push_back(i);
        }
    }
    return debuts;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, SortieStatutEtFiches)
{
    const fs::path dossierCas = RACINE / GetParam();
    const std::string reponses = lireSiPresent(dossierCas / "entree.txt", "");
    const Passage p(dossierCas, reponses);

    EXPECT_EQ(p.terminal.affiche + p.terminal.enAttente, lireFichier(dossierCas / "sortie.txt"));
    EXPECT_EQ(p.erreurs.str(), lireSiPresent(dossierCas / "erreurs.txt", ""));
    EXPECT_EQ(p.statut, std::stoi(lireSiPresent(dossierCas / "statut.txt", "0")));
    EXPECT_EQ(p.des.jetes, p.des.prevus()) << "the faces of each die thrown, against des.txt";
    EXPECT_EQ(releverDossier(p.travail.chemin()), arbreAttendu(dossierCas / "fiches"));

    // Nothing left unflushed: at every read, at every die, and at the end.
    EXPECT_EQ(p.clavier.nonVides, std::vector<std::size_t>{}) << "offsets of the input read with output unflushed";
    EXPECT_EQ(p.des.jetsNonVides, 0) << "dice thrown with output unflushed";
    EXPECT_EQ(p.terminal.enAttente, "");

    // The input ending before any one of the answers: status 1, the notice, the
    // screen as it stood at that read followed by a line end, and, before any
    // save was tried (a failed one reports itself), the directory as it was.
    for (const std::size_t debut : debutsDesReponses(reponses)) {
        const Passage coupe(dossierCas, reponses.substr(0, debut));
        const ClavierTemoin::Ecrans alors = p.clavier.ecrans[debut];
        EXPECT_EQ(coupe.statut, 1) << "input cut at byte " << debut;
        EXPECT_EQ(coupe.terminal.affiche, p.terminal.affiche.substr(0, alors.sortie) + "\n") << "cut at " << debut;
        EXPECT_EQ(coupe.erreurs.str(), p.erreurs.str().substr(0, alors.erreurs) + FIN_ENTREE) << "cut at " << debut;
        if (alors.erreurs == 0) {
            EXPECT_EQ(releverDossier(coupe.travail.chemin()), arbreAttendu(dossierCas / "existant"))
                << "cut at " << debut;
        }
        if (testing::Test::HasFailure()) {
            break;  // one cut is enough to show the fault
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogues, Transcript, testing::ValuesIn(cas()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
