// libFuzzer target: arbitrary bytes as the whole standard input of the creation
// dialogue. The dice never wait and show a fixed face; sheets are written in a
// directory of this process's own, emptied after each run. A run must end (the
// input does), with no crash and no sanitizer report, and may leave nothing but
// sheet files (*.pdf) directly in that directory: at most one, and none at all
// when the input ended before the dialogue did. Anything else aborts the run,
// which libFuzzer reports as a crash with its input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "createur.h"
#include "des.h"

namespace fs = std::filesystem;

namespace {

// `racine` holds nothing but `fiches`, the directory handed to the dialogue:
// a sheet that escaped `fiches` by a relative path would land in `racine`.
fs::path racine;
fs::path fiches;
fs::path courant;                    // the process's working directory
std::set<fs::path> fichesCourantes;  // the *.pdf already there when the process started

[[noreturn]] void echec(const std::string& message)
{
    std::fprintf(stderr, "\n[fuzz_dialogue] %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

bool estFiche(const fs::path& chemin)
{
    const std::string nom = chemin.filename().string();
    return nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".pdf") == 0;
}

// The entries of a directory, or an abort if it cannot be read.
std::vector<fs::directory_entry> contenu(const fs::path& dossier)
{
    std::error_code ec;
    std::vector<fs::directory_entry> entrees;
    for (fs::directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec)) {
        entrees.push_back(*it);
    }
    if (ec) {
        echec("lecture de " + dossier.string() + " impossible : " + ec.message());
    }
    return entrees;
}

std::set<fs::path> fichesDe(const fs::path& dossier)
{
    std::set<fs::path> trouvees;
    for (const fs::directory_entry& e : contenu(dossier)) {
        if (estFiche(e.path())) {
            trouvees.insert(e.path());
        }
    }
    return trouvees;
}

void supprimerRacine()
{
    std::error_code ignore;
    fs::remove_all(racine, ignore);
}

// Checks what the run left on disk, then empties `fiches` for the next one.
void verifierEtVider(int statut)
{
    for (const fs::directory_entry& e : contenu(racine)) {
        if (e.path() != fiches) {
            echec("fichier créé hors du dossier des fiches : " + e.path().string());
        }
    }
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(fiches, ec))) {
        echec("le dossier des fiches n'est plus un dossier : " + fiches.string());
    }

    std::size_t nombre = 0;
    for (const fs::directory_entry& e : contenu(fiches)) {
        if (!fs::is_regular_file(e.symlink_status(ec)) || !estFiche(e.path())) {
            echec("autre chose qu'une fiche *.pdf dans le dossier des fiches : " + e.path().string());
        }
        ++nombre;
        if (!fs::remove(e.path(), ec)) {
            echec("suppression de " + e.path().string() + " impossible : " + ec.message());
        }
    }
    if (nombre > 1) {
        echec(std::to_string(nombre) + " fiches écrites en une seule exécution");
    }
    if (statut == 1 && nombre != 0) {
        echec("fiche écrite alors que l'entrée a pris fin avant le dialogue");
    }

    if (fichesDe(courant) != fichesCourantes) {
        echec("fiche écrite dans le dossier de travail " + courant.string());
    }
}

}  // namespace

// The runtime's hook for its defaults: a report stops the run, with its stack.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::error_code ec;
    std::string modele = (fs::temp_directory_path(ec) / "vesperine-fuzz-XXXXXX").string();
    if (ec || mkdtemp(modele.data()) == nullptr) {
        echec("création du dossier temporaire impossible");
    }
    racine = fs::absolute(modele, ec);
    fiches = racine / "fiches";
    if (ec || !fs::create_directory(fiches, ec)) {
        echec("création de " + fiches.string() + " impossible");
    }
    courant = fs::current_path(ec);
    if (ec) {
        echec("dossier de travail illisible");
    }
    fichesCourantes = fichesDe(courant);
    // After a crash libFuzzer leaves without running this: the files stay for a look.
    std::atexit(supprimerRacine);
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
        // Between two runs the dice point back to the real source, never to one that is gone.
        const SourceDesTemporaire garde(des);
        std::istringstream entree(std::string(reinterpret_cast<const char*>(donnees), taille));
        std::ostringstream sortie;
        std::ostringstream erreurs;
        Createur createur(entree, sortie, erreurs, fiches.string());
        statut = createur.executer();
    }
    if (statut != 0 && statut != 1) {
        echec("statut de sortie inattendu : " + std::to_string(statut));
    }
    verifierEtVider(statut);
    return 0;
}
