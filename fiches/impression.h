#ifndef GENERATOR_IMPRESSION_H
#define GENERATOR_IMPRESSION_H

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dessin_fiches.h"
#include "lecture_fiches.h"
#include "stockage.h"
#include "vue_fiche.h"

// Printing character sheets: each sheet file read, drawn as a PDF, and the PDF
// written beside it. Texts written are French, in UTF-8; file names are written
// as they were given.

// The printable sheet's file name for the sheet file `fiche`: ".pdf" at its end
// becomes "-imprimable.pdf", any other name gets "-imprimable.pdf" added
// ("Kael.pdf" gives "Kael-imprimable.pdf", "dos/Kael" "dos/Kael-imprimable.pdf").
// A last component too long for a file name is cut before a whole UTF-8
// character, as a sheet's name is, so that it fits in 255 bytes.
std::string nomImprimable(const std::string& fiche);

// The date of the PDFs, in seconds since 1970: SOURCE_DATE_EPOCH's value
// `sourceDateEpoch` when it is set and not empty, else now. The value must be
// decimal digits only, at most 253402300799 (the end of year 9999); any other
// answers nothing, with the reason in `raison`.
std::optional<std::int64_t> dateImpression(const char* sourceDateEpoch, std::string& raison);

// How PDFs are made: who draws them, and their date (seconds since 1970).
struct Imprimeur {
    DessinFiches dessiner = nullptr;
    std::int64_t date = 0;
};

// The program's: the drawing module (chargerDessin) and the date of
// SOURCE_DATE_EPOCH or now; nothing, with the reason, when either fails.
std::optional<Imprimeur> imprimeurDuProgramme(std::string& raison);

// The print command: for each file of `fiches`, in order, its sheets read and
// drawn as one PDF (a page or more per sheet), written whole to
// nomImprimable(file) through `stockage` (see Stockage::remplacerPdf), or to
// `sortie` when given: "-" for `sortieStandard`. Each PDF written to a file is
// named on `sortieStandard` ("Fiche à imprimer : « X-imprimable.pdf »"). Each
// failure, that line's own included, is one line on `erreurs` naming the file
// and the reason, and the other files are still printed. Nothing is written for
// a file that holds no sheet, nor over the sheet file itself, nor over anything
// but a PDF. Answers 0 when every file was printed and named, else 1.
// REQUIRES: `fiches` not empty; with `sortie`, exactly one file.
int imprimer(const std::vector<std::string>& fiches, const std::optional<std::string>& sortie,
             std::ostream& sortieStandard, std::ostream& erreurs, Stockage& stockage, const Imprimeur& imprimeur);

// The same with `imprimeur` or, when it is null, the program's; when the
// program has none, one line on `erreurs` says why, and 1.
int commandeImprimer(const std::vector<std::string>& fiches, const std::optional<std::string>& sortie,
                     std::ostream& sortieStandard, std::ostream& erreurs, Stockage& stockage,
                     const Imprimeur* imprimeur = nullptr);

// After the text sheet `fichier` was saved in `dossier`: the printable sheet of
// `fiche` written beside it as nomImprimable(fichier), by `imprimeur` or, when
// it is null, the program's. On success one line on `sortie` names it; on
// failure `erreurs` says why, that the text sheet is saved, and how to print it
// later. Answers whether the PDF was written and named.
bool imprimerApresEnregistrement(const Fiche& fiche, const std::string& dossier, const std::string& fichier,
                                 std::ostream& sortie, std::ostream& erreurs, Stockage& stockage,
                                 const Imprimeur* imprimeur = nullptr);

#endif
