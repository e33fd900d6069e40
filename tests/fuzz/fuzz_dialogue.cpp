// libFuzzer target: arbitrary bytes as the whole standard input of the creation
// dialogue. The dice never wait and show a fixed face; sheets are written in a
// directory of this process's own, emptied after each run. A run must end (the
// input does), with no crash and no sanitizer report, with status 0 or 1, and may
// leave nothing but regular *.pdf files directly in that directory: at most one,
// and none at all when the input ended before the dialogue did; nothing beside
// that directory nor in the working directory. Anything else aborts the run,
// which libFuzzer reports as a crash with its input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "createur.h"
#include "des.h"

namespace fs = std::filesystem;

namespace {

// `racine` holds nothing but `fiches`, the directory handed to the dialogue: a
// sheet that escaped `fiches` would land in `racine`, or in the working directory.
fs::path racine;
fs::path fiches;
std::size_t entreesDuDossierCourant = 0;

[[noreturn]] void echec(const std::string& message)
{
    std::fprintf(stderr, "\n[fuzz_dialogue] %s\n", message.c_str());
    std::abort();
}

std::size_t entrees(const fs::path& dossier)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()));
}

}  // namespace

// The runtime's hook for its defaults: a report stops the run, with its stack.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string modele = (fs::temp_directory_path() / "vesperine-fuzz-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        echec("création du dossier temporaire impossible");
    }
    racine = modele;
    fiches = racine / "fiches";
    fs::create_directory(fiches);
    entreesDuDossierCourant = entrees(".");
    // After a crash libFuzzer leaves without running this: the files stay for a look.
    std::atexit([] { fs::remove_all(racine); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    // The first byte stays part of the input and also picks the draw: 0 to 32640
    // by steps of 128, so that every face of the d5, the d10 and the d100 shows
    // for some byte.
    SourceFixe des(taille > 0 ? donnees[0] * 128 : 0);
    int statut = 0;
    {
        const SourceDesTemporaire garde(des);
        std::istringstream entree(std::string(reinterpret_cast<const char*>(donnees), taille));
        std::ostringstream sortie;
        std::ostringstream erreurs;
        statut = Createur(entree, sortie, erreurs, fiches.string()).executer();
    }
    if (statut != 0 && statut != 1) {
        echec("statut de sortie inattendu : " + std::to_string(statut));
    }
    if (entrees(racine) != 1 || entrees(".") != entreesDuDossierCourant) {
        echec("fichier créé hors du dossier des fiches");
    }
    for (const fs::directory_entry& e : fs::directory_iterator(fiches)) {
        const std::string nom = e.path().filename().string();
        if (statut != 0 || nom.size() <= 4 || nom.compare(nom.size() - 4, 4, ".pdf") != 0 ||
            !fs::is_regular_file(e.symlink_status()) || entrees(fiches) > 1) {
            echec("fiche inattendue, statut " + std::to_string(statut) + " : " + e.path().string());
        }
        fs::remove(e.path());
    }
    return 0;
}
