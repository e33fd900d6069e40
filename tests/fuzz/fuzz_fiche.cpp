// libFuzzer target: arbitrary bytes as a file of sheets. Reading must end, with
// no crash and no sanitizer report; a file it accepts holds at least one sheet,
// every sheet writes back to the bytes read (CR LF taken as LF), and the sheets
// draw as a PDF whose layout stays within its margins. A refusal names its line
// and keeps no sheet. Anything else aborts the run, which libFuzzer reports as a
// crash with its input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "dessin_fiches.h"
#include "fiche.h"
#include "lecture_fiches.h"

namespace {

[[noreturn]] void echec(const std::string& message)
{
    std::fprintf(stderr, "\n[fuzz_fiche] %s\n", message.c_str());
    std::abort();
}

}  // namespace

// The runtime's hook for its defaults: a report stops the run, with its stack.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    std::istringstream flux(octets);
    const LectureFiches lecture = lireFiches(flux);
    if (!lecture.raison.empty()) {
        if (!lecture.fiches.empty() || lecture.raison.rfind("ligne ", 0) != 0) {
            echec("refus sans numéro de ligne ou avec des fiches : " + lecture.raison);
        }
        return 0;
    }
    std::string lu;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (!(octets[i] == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n')) {
            lu += octets[i];
        }
    }
    std::string ecrit;
    for (const Fiche& f : lecture.fiches) {
        ecrit += texteFiche(f);
    }
    if (lecture.fiches.empty() || ecrit != lu) {
        echec("fichier accepté qui ne se réécrit pas à l'identique");
    }
    std::string pdf;
    std::string raison;
    if (!dessinerFiches(lecture.fiches, 0, pdf, raison) && raison != "plus de 1000 pages à imprimer") {
        echec("dessin refusé : " + raison);
    }
    return 0;
}
