// The creation dialogue's own CPU time: one whole pass, from the banner to the
// end menu's answer 3 (quit, no file), with fixed dice that never wait, the
// answers read from memory and the output written to memory.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "createur.h"
#include "des.h"

namespace {

// Homeworld 1 and confirm; keep the characteristics; career 1 (five option
// picks) and confirm; the five picks; keep wounds and fate; name, sex,
// stature, skin, hair, age, height, weight; confirm the profile; quit.
const char* const REPONSES = "1 1\n"
                             "1\n"
                             "1 1\n"
                             "1 1 1 1 1\n"
                             "1\n"
                             "1\n"
                             "Nom\n"
                             "1 1 1 1\n"
                             "25 180 80\n"
                             "1\n"
                             "3\n";

void passeComplete(benchmark::State& etat)
{
    SourceFixe des(16384);  // every die shows its middle face, at once
    utiliserSourceDes(des);
    // No file is written on answer 3; the directory only has to exist.
    const std::string dossier = std::filesystem::temp_directory_path().string();
    std::size_t octets = 0;
    for (auto _ : etat) {
        std::istringstream entree(REPONSES);
        std::ostringstream sortie;
        std::ostringstream erreurs;
        Createur createur(entree, sortie, erreurs, dossier);
        const int statut = createur.executer();
        if (statut != 0 || !erreurs.str().empty()) {
            etat.SkipWithError("the scripted pass did not end with answer 3");
            break;
        }
        octets = sortie.str().size();
        benchmark::DoNotOptimize(octets);
    }
    utiliserSourceDes(sourceReelle());
    etat.counters["octets_ecrits"] = static_cast<double>(octets);
}

}  // namespace

BENCHMARK(passeComplete)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
