// The storage of stockage.h on Windows, with the promises of the POSIX one:
//
// - a sheet appended whole or not at all, its lines ended by CR LF as the
//   game's text-mode stream ends them on Windows: the name is looked at without
//   following a reparse point (symbolic link, junction) and only a file on disk
//   (GetFileType) is written; the file is locked whole (LockFileEx, exclusive)
//   before its size is noted, the name checked to still lead to the locked file
//   (volume serial and file index), a PDF refused before anything is written,
//   the file flushed (FlushFileBuffers) and taken back to the noted size (or
//   removed, when this save made it) after any failure, and a file this save
//   made is removed too when the save stops before writing;
// - a PDF replaced whole: written to a temporary of the same directory, flushed,
//   then put in the name's place by MoveFileExW (replace, write-through); only a
//   PDF or nothing is replaced, the temporary is removed after a failure, and one
//   left by a killed print is removed by the next print of the same name;
// - console control (Ctrl+C, Ctrl+Break, closing the window) waits until a save
//   under way is over, as the termination signals do on POSIX systems.
//
// Windows has no directory sync: an entry made or renamed is as durable as the
// file system makes it (NTFS journals it). Every call on a file goes through
// AppelsWindows, so that tests can make any of them fail.
#include <atomic>

#include "appels_windows.h"

namespace {

constexpr int ESSAIS = 8;

std::atomic<bool> sauvegardeEnCours{false};

// Console control during a save: wait for its end, then let the default end the program.
BOOL WINAPI controleConsole(DWORD /*evenement*/)
{
    while (sauvegardeEnCours.load()) {
        Sleep(10);
    }
    return FALSE;
}

// Holds console control for its lifetime.
class ControleRetenu {
public:
    ControleRetenu()
    {
        SetConsoleCtrlHandler(controleConsole, TRUE);
        sauvegardeEnCours = true;
    }
    ~ControleRetenu()
    {
        sauvegardeEnCours = false;
        SetConsoleCtrlHandler(controleConsole, FALSE);
    }
    ControleRetenu(const ControleRetenu&) = delete;
    ControleRetenu& operator=(const ControleRetenu&) = delete;
};

// An open handle, closed at the end of its scope. The storage does not ask
// CloseHandle how it went: on Windows a close reports no write that failed,
// FlushFileBuffers has.
class Poignee {
public:
    Poignee(AppelsWindows& a, HANDLE p) : appels(a), h(p) {}
    ~Poignee() { fermer(); }
    Poignee(const Poignee&) = delete;
    Poignee& operator=(const Poignee&) = delete;
    bool ouverte() const { return h != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h; }
    void fermer()
    {
        if (ouverte()) {
            appels.fermer(h);
            h = INVALID_HANDLE_VALUE;
        }
    }

private:
    AppelsWindows& appels;
    HANDLE h;
};

std::optional<Echec> echec(const Raison& raison) { return Echec{raison, Echec::Suite::AUCUNE, {}, {}}; }
std::optional<Echec> echecWindows(DWORD code) { return echec(raisonWindows(code)); }

// What the name `chemin` itself is, not followed: nullopt when nothing is there.
std::optional<DWORD> attributsDe(AppelsWindows& appels, const std::string& chemin, DWORD& erreur)
{
    const DWORD a = appels.attributs(chemin);
    erreur = a == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
    if (a == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return a;
}

bool absent(DWORD erreur) { return erreur == ERROR_FILE_NOT_FOUND; }

// What stands at `chemin` before anything is written there: its attributes in
// `attributs` (nullopt when nothing has that name), or why it may not be written.
std::optional<Echec> examinerCible(AppelsWindows& appels, const std::string& chemin, std::optional<DWORD>& attributs)
{
    DWORD erreur = 0;
    attributs = attributsDe(appels, chemin, erreur);
    if (!attributs && !absent(erreur)) {
        return echecWindows(erreur);
    }
    if (attributs) {
        if (const auto cause = causeAttributs(*attributs)) {
            return echec({*cause, {}});
        }
    }
    return std::nullopt;
}

// The sheet as a text-mode stream writes it on Windows: each line ended by CR LF.
std::string enTexteWindows(const std::string& contenu)
{
    std::string texte;
    texte.reserve(contenu.size() + contenu.size() / 16);
    for (const char c : contenu) {
        if (c == '\n') {
            texte += '\r';
        }
        texte += c;
    }
    return texte;
}

// The first bytes of the open file, at most `taille`; 0 or the error code.
DWORD lireDebut(AppelsWindows& appels, HANDLE fichier, std::size_t taille, std::string& octets)
{
    octets.assign(taille, '\0');
    std::size_t lu = 0;
    while (lu < taille) {
        DWORD n = 0;
        const DWORD morceau = static_cast<DWORD>(std::min<std::size_t>(taille - lu, 1U << 24U));
        if (appels.lire(fichier, octets.data() + lu, morceau, n) == 0) {
            octets.resize(lu);
            return GetLastError();
        }
        if (n == 0) {
            break;
        }
        lu += n;
    }
    octets.resize(lu);
    return 0;
}

// The temporary removed after the replacement failed with `erreur`: the failure, and the temporary's fate.
Echec sansTemporaire(AppelsWindows& appels, DWORD erreur, const std::string& temporaire)
{
    if (appels.supprimer(temporaire) == 0) {
        return {raisonWindows(erreur), Echec::Suite::TEMPORAIRE_RESTE, raisonWindows(GetLastError()), temporaire};
    }
    return {raisonWindows(erreur), Echec::Suite::AUCUNE, {}, {}};
}

}  // namespace

std::optional<Echec> StockageWindows::ajouterFiche(const std::string& chemin, const std::string& contenu)
{
    const ControleRetenu retenu;
    for (int essai = 0; essai < ESSAIS; ++essai) {
        std::optional<DWORD> attributs;
        if (auto refus = examinerCible(appels, chemin, attributs)) {
            return refus;
        }
        const bool cree = !attributs;
        const Poignee f(appels, ouvrirSansLien(appels, chemin, GENERIC_READ | GENERIC_WRITE | DELETE,
                                               cree ? CREATE_NEW : OPEN_EXISTING));
        if (!f.ouverte()) {
            const DWORD e = GetLastError();
            if (e == (cree ? ERROR_FILE_EXISTS : ERROR_FILE_NOT_FOUND)) {
                continue;  // made, or removed, since it was looked at
            }
            return echecWindows(e);
        }
        // Before anything is written: a file this try made goes again with its handle.
        const auto abandon = [&](const Raison& raison) {
            if (cree) {
                appels.supprimerOuvert(f.get());
            }
            return echec(raison);
        };
        if (const auto r = verifierFichier(appels, f.get())) {
            return abandon(*r);
        }
        if (appels.verrouiller(f.get()) == 0) {
            return abandon(raisonWindows(GetLastError()));
        }
        Identite ouvert;
        if (!identiteDe(appels, f.get(), ouvert)) {
            return abandon(raisonWindows(GetLastError()));
        }
        if (!estLeFichier(chemin, ouvert)) {
            continue;  // renamed, replaced or removed while this copy waited for the lock
        }
        LARGE_INTEGER avant = {};
        if (appels.taille(f.get(), avant) == 0) {
            return abandon(raisonWindows(GetLastError()));
        }
        std::string debut;
        if (avant.QuadPart >= static_cast<LONGLONG>(DEBUT_PDF.size())) {
            if (const DWORD e = lireDebut(appels, f.get(), DEBUT_PDF.size(), debut)) {
                return echecWindows(e);
            }
        }
        if (debut == DEBUT_PDF) {
            return echec({Cause::UN_PDF, {}});
        }
        DWORD e = appels.placer(f.get(), avant) == 0 ? GetLastError() : 0;
        e = e != 0 ? e : ecrireTout(appels, f.get(), enTexteWindows(contenu));
        e = e != 0 ? e : (appels.synchroniser(f.get()) == 0 ? GetLastError() : 0);
        if (e == 0) {
            appels.deverrouiller(f.get());
            return std::nullopt;
        }
        // Take this save's bytes back: the file to its noted size, or gone when it is new.
        Echec resultat{raisonWindows(e), Echec::Suite::AUCUNE, {}, {}};
        const bool repris = cree ? appels.supprimerOuvert(f.get()) != 0
                                 : appels.placer(f.get(), avant) != 0 && appels.tronquer(f.get()) != 0 &&
                                       appels.synchroniser(f.get()) != 0;
        if (!repris) {
            resultat.suite = Echec::Suite::DEBUT_NON_RETIRE;
            resultat.raisonSuite = raisonWindows(GetLastError());
        }
        appels.deverrouiller(f.get());
        return resultat;
    }
    return echec({Cause::NOM_INSTABLE, {}});
}

namespace {

// Temporaries of one PDF, ".<name>.<n>.provisoire" beside it as on POSIX
// systems: enough for several prints at once. A writer holds its own open for
// writing from its creation until it is renamed; a print killed before
// removing its own leaves one that nobody holds, which the next print of the
// same name removes.
constexpr int TEMPORAIRES = 16;
constexpr std::size_t NOM_MAX = 200;  // bytes of the PDF's name kept, so that the whole fits in 255

std::string nomTemporaire(const std::string& chemin, int rang)
{
    const std::size_t debut = chemin.find_last_of("/\\") + 1;  // npos + 1 is 0
    return chemin.substr(0, debut) + "." + chemin.substr(debut, NOM_MAX) + "." + std::to_string(rang) + ".provisoire";
}

void retirerAbandonnes(AppelsWindows& appels, const std::string& chemin)
{
    for (int rang = 0; rang < TEMPORAIRES; ++rang) {
        const std::string temporaire = nomTemporaire(chemin, rang);
        // Shared for reading alone: the open fails while a writer holds it.
        const Poignee t(appels, appels.ouvrir(temporaire, GENERIC_READ | DELETE, FILE_SHARE_READ, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
        if (t.ouverte() && !verifierFichier(appels, t.get())) {
            appels.supprimerOuvert(t.get());  // its writer is gone
        }
    }
}

// A new temporary for the PDF `chemin`, open for writing, its name in
// `temporaire`; INVALID_HANDLE_VALUE with the error in `erreur` (0: all taken).
HANDLE creerTemporaire(AppelsWindows& appels, const std::string& chemin, std::string& temporaire, DWORD& erreur)
{
    for (int rang = 0; rang < TEMPORAIRES; ++rang) {
        temporaire = nomTemporaire(chemin, rang);
        // Shared for deletion, so that it can be renamed while open.
        const HANDLE t = appels.ouvrir(temporaire, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, CREATE_NEW,
                                       FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN);
        erreur = t == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        if (erreur == ERROR_FILE_EXISTS || erreur == ERROR_ALREADY_EXISTS) {
            continue;  // another print's
        }
        return t;
    }
    erreur = 0;
    return INVALID_HANDLE_VALUE;
}

// Puts `temporaire` in the place of `chemin`: 0 or the error. While another
// print has the PDF open, if only to look at its start, Windows refuses the
// replacement for an instant (access denied, sharing violation).
DWORD remplacer(AppelsWindows& appels, const std::string& temporaire, const std::string& chemin)
{
    const bool fait = reessayerSiOccupe([&] { return appels.renommer(temporaire, chemin) != 0; }, ERROR_ACCESS_DENIED);
    return fait ? 0 : GetLastError();
}

}  // namespace

std::optional<Echec> StockageWindows::remplacerPdf(const std::string& chemin, const std::string& contenu)
{
    std::optional<DWORD> attributs;
    if (auto refus = examinerCible(appels, chemin, attributs)) {
        return refus;
    }
    if (attributs) {
        const Poignee existant(appels, ouvrirSansLien(appels, chemin, GENERIC_READ, OPEN_EXISTING));
        if (!existant.ouverte()) {
            return echecWindows(GetLastError());
        }
        if (const auto r = verifierFichier(appels, existant.get())) {
            return echec(*r);
        }
        std::string debut;
        if (const DWORD e = lireDebut(appels, existant.get(), DEBUT_PDF.size(), debut)) {
            return echecWindows(e);
        }
        if (debut != DEBUT_PDF) {
            return echec({Cause::PAS_UN_PDF, {}});
        }
    }
    retirerAbandonnes(appels, chemin);
    std::string temporaire;
    DWORD e = 0;
    Poignee t(appels, creerTemporaire(appels, chemin, temporaire, e));
    if (!t.ouverte()) {
        return e == 0 ? echec({Cause::IMPRESSIONS_EN_COURS, {}}) : echecWindows(e);
    }
    e = ecrireTout(appels, t.get(), contenu);
    e = e != 0 ? e : (appels.synchroniser(t.get()) == 0 ? GetLastError() : 0);
    // Shown, then renamed while still open: no other print can take it for abandoned.
    e = e != 0 ? e : (appels.changerAttributs(temporaire, FILE_ATTRIBUTE_NORMAL) == 0 ? GetLastError() : 0);
    e = e != 0 ? e : remplacer(appels, temporaire, chemin);
    t.fermer();
    return e == 0 ? std::nullopt : std::optional<Echec>(sansTemporaire(appels, e, temporaire));
}

std::optional<Raison> StockageWindows::lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                                            Identite& identite)
{
    DWORD erreur = 0;
    const auto attributs = attributsDe(appels, chemin, erreur);
    if (!attributs) {
        return raisonWindows(erreur);
    }
    if ((*attributs & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Raison{Cause::DOSSIER, {}};
    }
    const Poignee f(appels, appels.ouvrir(chemin, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
    if (!f.ouverte()) {
        return raisonWindows(GetLastError());
    }
    const DWORD type = appels.type(f.get());
    if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR) {
        return raisonWindows(GetLastError());
    }
    if (type != FILE_TYPE_DISK) {
        return Raison{Cause::PAS_ORDINAIRE, {}};
    }
    if (!identiteDe(appels, f.get(), identite)) {
        return raisonWindows(GetLastError());
    }
    if (const DWORD e = lireDebut(appels, f.get(), tailleMax, contenu)) {
        return raisonWindows(e);
    }
    return std::nullopt;
}

bool StockageWindows::estLeFichier(const std::string& chemin, const Identite& identite)
{
    const Poignee f(appels, ouvrirSansLien(appels, chemin, 0, OPEN_EXISTING));
    Identite vue;
    return f.ouverte() && identiteDe(appels, f.get(), vue) && vue == identite;
}

Stockage& stockageReel()
{
    static StockageWindows stockage(appelsWindowsReels());
    return stockage;
}
