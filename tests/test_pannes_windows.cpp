// The fault cases of tests/transcripts/ (those with a panne.txt) against this
// system's storage through StockageEnPanne: the program run in-process as the
// case runner runs it, then its screen, its errors, its status and the files
// left compared with the case's. Built for Windows and run under wine, where a
// sheet's lines end with CR LF: a sheet is compared as a text-mode read gives
// it back, and the run says so. A PDF printed must be the one a run without
// the fault prints. A case whose fault means nothing here is skipped, with why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "des.h"
#include "dessin_fiches.h"
#include "encodage.h"
#include "programme.h"
#include "stockage_en_panne.h"

namespace fs = std::filesystem;

namespace {

using Arbre = std::map<std::string, std::string>;

std::string lire(const fs::path& chemin, const std::string& defaut = "")
{
    std::ifstream in(chemin, std::ios::binary);
    return in ? std::string{std::istreambuf_iterator<char>(in), {}} : defaut;
}

// The files under `racine` by relative path, their bytes (in Windows-1252 for a
// case's sheets, kept in UTF-8).
Arbre releve(const fs::path& racine, bool duCas)
{
    Arbre arbre;
    std::error_code absent;  // no folder, no file
    for (const auto& e : fs::recursive_directory_iterator(racine, absent)) {
        if (e.is_regular_file()) {
            const std::string octets = lire(e.path());
            arbre[fs::relative(e.path(), racine).generic_string()] = duCas ? versWindows1252(octets) : octets;
        }
    }
    return arbre;
}

// The dice of des.txt, a die past them or not the one scripted showing 1.
struct Des : SourceDes {
    std::vector<std::pair<int, int>> faces;
    std::size_t rang = 0;
    int jeter(int n) override
    {
        const std::size_t i = rang++;
        return i < faces.size() && faces[i].first == n ? faces[i].second : 1;
    }
    int tirer() override { return 0; }
};

struct Passage {
    std::string sortie, erreurs, statut, horsDePortee;
    Arbre apres;
};

Passage executer(const fs::path& cas, const std::string& panne)
{
    const fs::path ici = fs::current_path();
    const fs::path travail = fs::temp_directory_path() / ("vesperine-panne-" + cas.filename().string());
    fs::remove_all(travail);
    fs::create_directories(travail);
    for (const auto& [nom, octets] : releve(cas / "existant", true)) {
        fs::create_directories((travail / nom).parent_path());
        std::ofstream(travail / nom, std::ios::binary) << octets;
    }
    Des des;
    std::istringstream mots(lire(cas / "des.txt"));
    for (std::string mot; mots >> mot;) {
        des.faces.emplace_back(std::stoi(mot), std::stoi(mot.substr(mot.find(':') + 1)));
    }
    std::vector<std::string> arguments = {"vesperine"};
    std::istringstream lignes(lire(cas / "arguments.txt"));
    for (std::string ligne; std::getline(lignes, ligne);) {
        arguments.push_back(ligne);
    }
    std::vector<const char*> argv;
    for (const std::string& a : arguments) {
        argv.push_back(a.c_str());
    }
    const Imprimeur imprimeur = {dessinerFiches, 1700000000};
    const auto systeme = stockageEnPanne(panne, ".");
    std::istringstream entree(lire(cas / "entree.txt"));
    std::ostringstream sortie;
    std::ostringstream erreurs;
    const SourceDesTemporaire source(des);
    fs::current_path(travail);
    const int statut =
        programme(static_cast<int>(argv.size()), argv.data(), entree, sortie, erreurs, systeme->stockage(), &imprimeur);
    fs::current_path(ici);
    Passage p{sortie.str(), erreurs.str(), std::to_string(statut) + "\n", systeme->horsDePortee(),
              releve(travail, false)};
    fs::remove_all(travail);
    return p;
}

std::vector<std::string> casEnPanne()
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(VESPERINE_TRANSCRIPTS)) {
        if (fs::exists(e.path() / "panne.txt")) {
            noms.push_back(e.path().filename().string());
        }
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

class Panne : public testing::TestWithParam<std::string> {};

TEST_P(Panne, CommeLeCasLeDit)
{
    const fs::path cas = fs::path(VESPERINE_TRANSCRIPTS) / GetParam();
    const std::string panne = lire(cas / "panne.txt");
    if (const auto pourquoi = nonExecutable(panne)) {
        GTEST_SKIP() << *pourquoi;
    }
    Passage p = executer(cas, panne);
    if (!p.horsDePortee.empty()) {
        GTEST_SKIP() << p.horsDePortee;
    }
    EXPECT_EQ(p.sortie, lire(cas / "sortie.txt"));
    EXPECT_EQ(p.erreurs, lire(cas / "erreurs.txt"));
    EXPECT_EQ(p.statut, lire(cas / "statut.txt", "0\n"));
    Arbre attendu = releve(cas / (fs::exists(cas / "fiches") ? "fiches" : "existant"), true);
    // The PDFs printed, as a run without the fault prints them; pages/ names them.
    const Arbre pages = releve(cas / "pages", false);
    const Arbre sansPanne = pages.empty() ? Arbre{} : executer(cas, "").apres;
    for (const auto& [page, texte] : pages) {
        const std::string pdf = fs::path(page).replace_extension().generic_string();
        EXPECT_TRUE(p.apres[pdf] == sansPanne.at(pdf)) << pdf << " differs from the faultless print";
        p.apres.erase(pdf);
    }
    // Sheets are compared as a text-mode read gives them back. The start of a
    // sheet that stays is half of its CR LF bytes here, of its LF bytes in the
    // case: such files are compared up to the shorter.
    const bool memesOctets = p.apres == attendu;
    const bool debutReste = p.erreurs.find("n'a pas pu être retiré") != std::string::npos;
    for (auto& [nom, octets] : p.apres) {
        octets.erase(std::remove(octets.begin(), octets.end(), '\r'), octets.end());
        if (debutReste && attendu.count(nom) != 0) {
            octets.resize(std::min(octets.size(), attendu[nom].size()));
            attendu[nom].resize(octets.size());
        }
    }
    EXPECT_EQ(p.apres, attendu) << "the files left";
    std::cout << "[" << GetParam() << "] " << (HasFailure() ? "DIFFERS" : "matches") << ", the files left "
              << (memesOctets ? "byte for byte" : "once CR LF is read as LF")
              << (debutReste ? ", up to the shorter start of sheet left" : "") << "\n";
}

INSTANTIATE_TEST_SUITE_P(Cas, Panne, testing::ValuesIn(casEnPanne()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
