// Whole dialogues: scripted answers and dice in, the complete output, the exit
// status and every sheet file compared byte for byte with what was worked out
// by hand for each case under tests/transcripts/. A case folder holds:
//   des.txt      the dice thrown, in order ("10:7 5:3 ...": faces, then the face shown)
//   entree.txt   the standard input; sortie.txt and erreurs.txt what is written
//   statut.txt   the exit status, when it is not 0
//   existant/    what the sheets' directory holds before the run (files and folders)
//   fiches/      what it must hold after the run, exactly
//   panne.txt    faults of the file system, one a line, as SystemeFichiersEnPanne
//                reads them ("ecriture 2 ENOSPC"); without it the real one is used
// Files of existant/ and fiches/ are kept in UTF-8 and stand for Windows-1252.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "createur.h"
#include "des_scriptes.h"
#include "encodage.h"
#include "outils.h"
#include "systeme_fichiers_en_panne.h"

namespace fs = std::filesystem;

namespace {

const fs::path RACINE = VESPERINE_TRANSCRIPTS;

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

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, SortieStatutEtFiches)
{
    const fs::path dossierCas = RACINE / GetParam();
    DossierTemporaire travail;
    for (const auto& [nom, octets] : arbreAttendu(dossierCas / "existant")) {
        if (octets == DOSSIER) {
            fs::create_directories(travail.chemin() / nom);
        } else {
            ecrireFichier(travail.chemin() / nom, octets);
        }
    }
    std::unique_ptr<SystemeFichiers> enPanne;
    if (fs::exists(dossierCas / "panne.txt")) {
        enPanne = std::make_unique<SystemeFichiersEnPanne>(lireFichier(dossierCas / "panne.txt"));
    }

    DesScriptes des(DesScriptes::lire(lireFichier(dossierCas / "des.txt")));
    SourceDesTemporaire source(des);
    std::istringstream entree(lireFichier(dossierCas / "entree.txt"));
    std::ostringstream sortie;
    std::ostringstream erreurs;
    Createur createur(entree, sortie, erreurs, travail.chemin().string(), enPanne ? *enPanne : systemeFichiersReel());
    const int statut = createur.executer();

    EXPECT_EQ(sortie.str(), lireFichier(dossierCas / "sortie.txt"));
    EXPECT_EQ(erreurs.str(), lireSiPresent(dossierCas / "erreurs.txt", ""));
    EXPECT_EQ(statut, std::stoi(lireSiPresent(dossierCas / "statut.txt", "0")));
    EXPECT_FALSE(des.epuise()) << "more dice thrown than scripted";
    EXPECT_EQ(des.jetsFaits(), DesScriptes::lire(lireFichier(dossierCas / "des.txt")).size());

    EXPECT_EQ(releverDossier(travail.chemin()), arbreAttendu(dossierCas / "fiches"));
}

INSTANTIATE_TEST_SUITE_P(Dialogues, Transcript, testing::ValuesIn(cas()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
