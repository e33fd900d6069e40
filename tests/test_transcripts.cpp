// Whole dialogues: scripted answers and dice in, the complete output, the exit
// status and every sheet file compared byte for byte with what was worked out
// by hand for each case under tests/transcripts/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "createur.h"
#include "des_scriptes.h"
#include "encodage.h"
#include "outils.h"

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

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, SortieStatutEtFiches)
{
    const fs::path dossierCas = RACINE / GetParam();
    DossierTemporaire travail;
    // Sheets already there before the run (kept in UTF-8 like every expected file).
    if (fs::exists(dossierCas / "existant")) {
        for (const auto& f : fs::directory_iterator(dossierCas / "existant")) {
            ecrireFichier(travail.chemin() / f.path().filename(), versWindows1252(lireFichier(f.path())));
        }
    }

    DesScriptes des(DesScriptes::lire(lireFichier(dossierCas / "des.txt")));
    SourceDesTemporaire source(des);
    std::istringstream entree(lireFichier(dossierCas / "entree.txt"));
    std::ostringstream sortie;
    std::ostringstream erreurs;
    Createur createur(entree, sortie, erreurs, travail.chemin().string());
    const int statut = createur.executer();

    EXPECT_EQ(sortie.str(), lireFichier(dossierCas / "sortie.txt"));
    EXPECT_EQ(erreurs.str(), lireSiPresent(dossierCas / "erreurs.txt", ""));
    EXPECT_EQ(statut, std::stoi(lireSiPresent(dossierCas / "statut.txt", "0")));
    EXPECT_FALSE(des.epuise()) << "more dice thrown than scripted";
    EXPECT_EQ(des.jetsFaits(), DesScriptes::lire(lireFichier(dossierCas / "des.txt")).size());

    std::vector<std::string> attendus;
    if (fs::exists(dossierCas / "fiches")) {
        for (const auto& f : fs::directory_iterator(dossierCas / "fiches")) {
            const std::string nom = f.path().filename().string();
            attendus.push_back(nom);
            EXPECT_EQ(lireFichier(travail.chemin() / nom), versWindows1252(lireFichier(f.path()))) << nom;
        }
    }
    std::vector<std::string> trouves;
    for (const auto& f : fs::directory_iterator(travail.chemin())) {
        trouves.push_back(f.path().filename().string());
    }
    std::sort(attendus.begin(), attendus.end());
    std::sort(trouves.begin(), trouves.end());
    EXPECT_EQ(trouves, attendus);
}

INSTANTIATE_TEST_SUITE_P(Dialogues, Transcript, testing::ValuesIn(cas()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
