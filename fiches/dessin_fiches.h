#ifndef GENERATOR_DESSIN_FICHES_H
#define GENERATOR_DESSIN_FICHES_H

#include <cstdint>
#include <string>
#include <vector>

#include "vue_fiche.h"

// The printable sheet: a PDF of A4 pages drawn from sheets, made in memory.

// The most pages of one PDF: each takes some 35 KiB of memory until the whole is saved.
constexpr std::size_t PAGES_MAX = 1000;

// Draws each sheet of `fiches` from a new page, in order: the name large at the
// top, the profile (blank cells for what is not known, a blank "Joueur" cell),
// the nine characteristics in boxes, wounds with one box per wound and fate
// with one circle per point (as many as fit, the numbers always written), the
// skills and the talents in columns, then ruled lines for notes. What does not
// fit goes on to a next page; a text too wide for its place is set smaller,
// then cut and ended by "…"; nothing is drawn outside the margins. Texts are
// Windows-1252 and drawn as they are; a byte with no character (a control
// byte, one of the five bytes Windows-1252 leaves undefined) is drawn as '?'.
// The document is compressed and dated `date` (seconds since 1970, UTC), both
// created and modified; the same sheets and date give the same bytes.
// Answers true with the whole PDF in `pdf`, or false with the reason in French
// in `raison`: more than PAGES_MAX pages, or a failure of the library (each of
// its calls is checked, memory included).
// REQUIRES: `fiches` is not empty; 0 <= date <= 253402300799 (year 9999).
bool dessinerFiches(const std::vector<Fiche>& fiches, std::int64_t date, std::string& pdf, std::string& raison);

// The version of the PDF library that dessinerFiches draws with ("2.3.0").
const char* versionBibliothequePdf();

// dessinerFiches, or the same entry point of the module that the program loads to print.
using DessinFiches = bool (*)(const std::vector<Fiche>&, std::int64_t, std::string&, std::string&);

// The name of the module's entry point, a DessinFiches of C linkage.
constexpr const char* POINT_ENTREE_DESSIN = "vesperine_dessiner_fiches";

// What the program and the module must agree on before a Fiche crosses between
// them: the version both were built from and the size of a Fiche
// ("1.3.0-312"). The module answers it through its second entry point, a
// SignatureDessin of C linkage named POINT_SIGNATURE_DESSIN.
std::string signatureDessin();
using SignatureDessin = const char* (*)();
constexpr const char* POINT_SIGNATURE_DESSIN = "vesperine_signature_dessin";

#endif
