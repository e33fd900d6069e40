// The creation dialogue's own CPU time: one whole pass, from the banner to the
// saved sheet, with the answers of one transcript (entree.txt), fixed dice that
// never wait, the answers read from memory and the screen written to memory.
// The sheet is appended to a file of a temporary directory, removed between two
// passes with the clock stopped.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "createur.h"
#include "des.h"

namespace fs = std::filesystem;

namespace {

std::string lireReponses()
{
    std::ifstream fichier(VESPERINE_REPONSES, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

void passeComplete(benchmark::State& etat)
{
    const std::string reponses = lireReponses();
    if (reponses.empty()) {
        etat.SkipWithError("no answers in " VESPERINE_REPONSES);
        return;
    }
    SourceFixe des(16384);  // every die shows its middle face, at once
    const SourceDesTemporaire garde(des);
    std::error_code ec;
    std::string modele = (fs::temp_directory_path(ec) / "vesperine-bench-XXXXXX").string();
    if (ec || mkdtemp(modele.data()) == nullptr) {
        etat.SkipWithError("no temporary directory for the sheet");
        return;
    }
    const fs::path dossier = modele;
    std::size_t octets = 0;
    for (auto _ : etat) {
        std::istringstream entree(reponses);
        std::ostringstream sortie;
        std::ostringstream erreurs;
        Createur createur(entree, sortie, erreurs, dossier.string());
        const int statut = createur.executer();
        etat.PauseTiming();
        const bool fiche = fs::remove_all(dossier, ec) == 2 && fs::create_directory(dossier, ec);
        etat.ResumeTiming();
        if (statut != 0 || !erreurs.str().empty() || !fiche) {
            etat.SkipWithError("the transcript's answers did not end with one saved sheet");
            break;
        }
        octets = sortie.str().size();
        benchmark::DoNotOptimize(octets);
    }
    fs::remove_all(dossier, ec);
    etat.counters["octets_ecrits"] = static_cast<double>(octets);
}

}  // namespace

BENCHMARK(passeComplete)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
