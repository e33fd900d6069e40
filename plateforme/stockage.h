#ifndef PLATEFORME_STOCKAGE_H
#define PLATEFORME_STOCKAGE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where the program meets its files: a sheet appended whole, a printed PDF
// replaced whole, a sheet file read within bounds. Each system has its own
// implementation (plateforme/posix/, plateforme/windows/); the rest of the
// program sees only this header, and what went wrong as a Cause it can test
// and word in French (raisons.h), never a system's error number or text.

// Why an operation failed: what stood at the name, or what the system answered.
enum class Cause {
    // What stands at the name.
    ABSENT,                // nothing has that name
    DOSSIER_ABSENT,        // the directory that would hold it does not exist
    PAS_UN_DOSSIER,        // a component of the path is not a directory
    LIEN,                  // a symbolic link (or another system's reparse point): never followed
    DOSSIER,               // a directory
    PAS_ORDINAIRE,         // a FIFO, a device, a socket: not a file on disk
    UN_PDF,                // a save onto a file that begins with "%PDF-": no sheet does
    PAS_UN_PDF,            // a print over a file that does not begin with "%PDF-"
    NOM_INSTABLE,          // the name led to another file at every try
    IMPRESSIONS_EN_COURS,  // every temporary name of this PDF is held by a print under way
    // What the system answered.
    PLUS_DE_PLACE,
    QUOTA,
    TROP_GROS,      // past the file-size limit, or the system's largest file
    LECTURE_SEULE,  // a read-only file system
    PERMISSION,
    ENTREE_SORTIE,  // an input/output error of the device
    MEMOIRE,
    NOM_TROP_LONG,
    VERROU_IMPOSSIBLE,  // no lock can be had on this file system
    TROP_DE_FICHIERS,   // too many files open, in the process or the system
    OCCUPE,             // the file is busy: in use by the system or another program
    FERME,              // the stream or descriptor is closed or unusable
    AUTRE,              // any other code: the system's own text is kept
};

// A cause, and for AUTRE the system's own words for its code (in the user's language where it has one).
struct Raison {
    Cause cause = Cause::AUTRE;
    std::string texteSysteme;
};

// A failed operation: why, and when something failed after it, what and why.
struct Echec {
    enum class Suite {
        AUCUNE,
        DEBUT_NON_RETIRE,         // a sheet's start written could not be taken back
        TEMPORAIRE_RESTE,         // the temporary file could not be removed
        DOSSIER_NON_SYNCHRONISE,  // the file is in place, but its directory was not synced (`raison` says why)
    };
    Raison raison;
    Suite suite = Suite::AUCUNE;
    Raison raisonSuite;
    std::string temporaire;  // TEMPORAIRE_RESTE: its path
};

// The first bytes of every PDF, and of no sheet file.
constexpr std::string_view DEBUT_PDF = "%PDF-";

// Which file a name led to, as the system tells files apart (a device and an
// inode, a volume and a file index): equal for one file, whatever its names.
struct Identite {
    std::uint64_t volume = 0;
    std::uint64_t fichier = 0;
    bool operator==(const Identite& autre) const { return volume == autre.volume && fichier == autre.fichier; }
    bool operator!=(const Identite& autre) const { return !(*this == autre); }
};

class Stockage {
public:
    Stockage() = default;
    virtual ~Stockage() = default;
    Stockage(const Stockage&) = delete;
    Stockage& operator=(const Stockage&) = delete;

    // Appends `contenu` whole at the end of the sheet file `chemin`, creating it
    // if missing, or leaves the file as it was. The name is looked at before
    // anything is opened, never followed: a link, a directory or anything but a
    // file on disk is refused untouched, and so is a file that begins with
    // "%PDF-" (a sheet file begins with "Nom:"). One save at a time per file
    // (saves of several copies of the program take turns, the name checked to
    // still lead to the locked file); after any failure only this save's own
    // bytes are taken back. The file (and its directory when the save created
    // it) is synced. Termination requests wait until the save is over.
    // REQUIRES: the last component of `chemin` is a plain name.
    virtual std::optional<Echec> ajouterFiche(const std::string& chemin, const std::string& contenu) = 0;

    // Makes `contenu` the whole content of the PDF `chemin`: written to a
    // temporary file of the same directory, synced, then put in the name's place
    // at once, so that the name never shows a half-written file. Only a PDF (a
    // file that begins with "%PDF-") or nothing is replaced, keeping the
    // replaced file's permissions; anything else at the name is refused
    // untouched. After a failure the name is as it was and the temporary gone;
    // a temporary left by a print that was killed is removed by the next print
    // of the same name once its writer is gone.
    virtual std::optional<Echec> remplacerPdf(const std::string& chemin, const std::string& contenu) = 0;

    // The first `tailleMax` bytes at most of the file `chemin` in `contenu`, and
    // which file it is in `identite`. A directory, a FIFO or a device is refused
    // without waiting for a writer.
    virtual std::optional<Raison> lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                                       Identite& identite) = 0;

    // Whether the name `chemin`, not followed, leads to the file `identite`.
    virtual bool estLeFichier(const std::string& chemin, const Identite& identite) = 0;
};

// The real files of this system, one object for the whole program.
Stockage& stockageReel();

// The cause of this system's error code `code` (errno, or the value of a
// std::error_code of the system category); 0, no code at all, is AUTRE without
// a text of the system's.
Raison raisonSysteme(int code);

#endif
