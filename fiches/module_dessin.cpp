// The entry points of the module vesperine-pdf, which the program loads only to
// print: the rest of the program never links the PDF library. Nothing may
// leave them by an exception. module_dessin.map keeps every other symbol local.
#include <new>
#include <type_traits>

#include "dessin_fiches.h"

namespace {

// `texte` in `raison`; when even that fails for want of memory, an empty reason.
void dire(std::string& raison, const char* texte) noexcept
{
    try {
        raison = texte;
    } catch (...) {
        raison.clear();
    }
}

}  // namespace

extern "C" bool vesperine_dessiner_fiches(const std::vector<Fiche>& fiches, std::int64_t date, std::string& pdf,
                                          std::string& raison)
{
    try {
        return dessinerFiches(fiches, date, pdf, raison);
    } catch (const std::bad_alloc&) {
        dire(raison, "mémoire insuffisante");
    } catch (...) {
        dire(raison, "erreur inattendue du module d'impression");
    }
    pdf.clear();
    return false;
}

extern "C" const char* vesperine_signature_dessin()
{
    try {
        static const std::string signature = signatureDessin();
        return signature.c_str();
    } catch (...) {
        return "";  // no memory even for that: the loader refuses the module
    }
}

// The loader checks that these are the declared types of the entry points.
static_assert(std::is_same_v<decltype(&vesperine_signature_dessin), SignatureDessin>,
              "the signature's entry point is a SignatureDessin");
static_assert(std::is_same_v<decltype(&vesperine_dessiner_fiches), DessinFiches>, "the entry point is a DessinFiches");
