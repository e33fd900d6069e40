// The storage of stockage.h on Windows, with the promises of the POSIX one:
//
// - a sheet appended whole or not at all, its lines ended by CR LF as the
//   game's text-mode stream ends them on Windows: the name is looked at without
//   following a reparse point (symbolic link, junction) and only a file on disk
//   (GetFileType) is written; the file is locked whole (LockFileEx, exclusive)
//   before its size is noted, the name checked to still lead to the locked file
//   (volume serial and file index), a PDF refused before anything is written,
//   the file flushed (FlushFileBuffers) and taken back to the noted size (or
//   removed, when this save made it) after any failure;
// - a PDF replaced whole: written to a temporary of the same directory, flushed,
//   then put in the name's place by MoveFileExW (replace, write-through); only a
//   PDF or nothing is replaced, and the temporary is removed after a failure;
// - console control (Ctrl+C, Ctrl+Break, closing the window) waits until a save
//   under way is over, as the termination signals do on POSIX systems.
//
// Windows has no directory sync: an entry made or renamed is as durable as the
// file system makes it (NTFS journals it).
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

// An open handle, closed at the end of its scope.
class Poignee {
public:
    explicit Poignee(HANDLE p) : h(p) {}
    ~Poignee()
    {
        if (ouverte()) {
            CloseHandle(h);
        }
    }
    Poignee(const Poignee&) = delete;
    Poignee& operator=(const Poignee&) = delete;
    bool ouverte() const { return h != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h; }

private:
    HANDLE h;
};

std::optional<Echec> echec(const Raison& raison) { return Echec{raison, Echec::Suite::AUCUNE, {}, {}}; }
std::optional<Echec> echecWindows(DWORD code) { return echec(raisonWindows(code)); }

// What the name `chemin` itself is, not followed: nullopt when nothing is there.
std::optional<DWORD> attributsDe(const std::string& chemin, DWORD& erreur)
{
    const DWORD a = GetFileAttributesW(cheminLarge(chemin).c_str());
    erreur = a == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
    if (a == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return a;
}

bool absent(DWORD erreur) { return erreur == ERROR_FILE_NOT_FOUND; }

// What stands at `chemin` before anything is written there: its attributes in
// `attributs` (nullopt when nothing has that name), or why it may not be written.
std::optional<Echec> examinerCible(const std::string& chemin, std::optional<DWORD>& attributs)
{
    DWORD erreur = 0;
    attributs = attributsDe(chemin, erreur);
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
DWORD lireDebut(HANDLE fichier, std::size_t taille, std::string& octets)
{
    octets.assign(taille, '\0');
    std::size_t lu = 0;
    while (lu < taille) {
        DWORD n = 0;
        const DWORD morceau = static_cast<DWORD>(std::min<std::size_t>(taille - lu, 1U << 24U));
        if (ReadFile(fichier, octets.data() + lu, morceau, &n, nullptr) == 0) {
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

class StockageWindows : public Stockage {
public:
    std::optional<Echec> ajouterFiche(const std::string& chemin, const std::string& contenu) override;
    std::optional<Echec> remplacerPdf(const std::string& chemin, const std::string& contenu) override;
    std::optional<Raison> lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                               Identite& identite) override;
    bool estLeFichier(const std::string& chemin, const Identite& identite) override;
};

std::optional<Echec> StockageWindows::ajouterFiche(const std::string& chemin, const std::string& contenu)
{
    const ControleRetenu retenu;
    for (int essai = 0; essai < ESSAIS; ++essai) {
        std::optional<DWORD> attributs;
        if (auto refus = examinerCible(chemin, attributs)) {
            return refus;
        }
        const bool cree = !attributs;
        const Poignee f(
            ouvrirSansLien(chemin, GENERIC_READ | GENERIC_WRITE | DELETE, cree ? CREATE_NEW : OPEN_EXISTING));
        if (!f.ouverte()) {
            const DWORD e = GetLastError();
            if (e == (cree ? ERROR_FILE_EXISTS : ERROR_FILE_NOT_FOUND)) {
                continue;  // made, or removed, since it was looked at
            }
            return echecWindows(e);
        }
        if (const auto r = verifierFichier(f.get())) {
            return echec(*r);
        }
        OVERLAPPED tout = {};
        if (LockFileEx(f.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &tout) == 0) {
            return echecWindows(GetLastError());
        }
        Identite ouvert;
        if (!identiteDe(f.get(), ouvert)) {
            return echecWindows(GetLastError());
        }
        if (!estLeFichier(chemin, ouvert)) {
            continue;  // renamed or replaced while this copy waited for the lock
        }
        LARGE_INTEGER avant = {};
        if (GetFileSizeEx(f.get(), &avant) == 0) {
            return echecWindows(GetLastError());
        }
        std::string debut;
        if (const DWORD e = lireDebut(f.get(), DEBUT_PDF.size(), debut)) {
            return echecWindows(e);
        }
        if (debut == DEBUT_PDF) {
            return echec({Cause::UN_PDF, {}});
        }
        LARGE_INTEGER fin = {};
        DWORD e = SetFilePointerEx(f.get(), avant, nullptr, FILE_BEGIN) == 0 ? GetLastError() : 0;
        e = e != 0 ? e : ecrireTout(f.get(), enTexteWindows(contenu));
        e = e != 0 ? e : (FlushFileBuffers(f.get()) == 0 ? GetLastError() : 0);
        if (e == 0) {
            UnlockFileEx(f.get(), 0, MAXDWORD, MAXDWORD, &tout);
            return std::nullopt;
        }
        // Take this save's bytes back: the file to its noted size, or gone when it is new.
        Echec resultat{raisonWindows(e), Echec::Suite::AUCUNE, {}, {}};
        bool repris = false;
        if (cree) {
            FILE_DISPOSITION_INFO supprimer = {TRUE};
            repris = SetFileInformationByHandle(f.get(), FileDispositionInfo, &supprimer, sizeof supprimer) != 0;
        } else {
            repris = SetFilePointerEx(f.get(), avant, &fin, FILE_BEGIN) != 0 && SetEndOfFile(f.get()) != 0 &&
                     FlushFileBuffers(f.get()) != 0;
        }
        if (!repris) {
            resultat.suite = Echec::Suite::DEBUT_NON_RETIRE;
            resultat.raisonSuite = raisonWindows(GetLastError());
        }
        UnlockFileEx(f.get(), 0, MAXDWORD, MAXDWORD, &tout);
        return resultat;
    }
    return echec({Cause::NOM_INSTABLE, {}});
}

std::optional<Echec> StockageWindows::remplacerPdf(const std::string& chemin, const std::string& contenu)
{
    std::optional<DWORD> attributs;
    if (auto refus = examinerCible(chemin, attributs)) {
        return refus;
    }
    if (attributs) {
        const Poignee existant(ouvrirSansLien(chemin, GENERIC_READ, OPEN_EXISTING));
        if (!existant.ouverte()) {
            return echecWindows(GetLastError());
        }
        if (const auto r = verifierFichier(existant.get())) {
            return echec(*r);
        }
        std::string debut;
        if (const DWORD e = lireDebut(existant.get(), DEBUT_PDF.size(), debut)) {
            return echecWindows(e);
        }
        if (debut != DEBUT_PDF) {
            return echec({Cause::PAS_UN_PDF, {}});
        }
    }
    // The temporary beside it, named by this process: another print's is never taken.
    const std::string temporaire = chemin + ".vesperine-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    {
        const Poignee t(CreateFileW(cheminLarge(temporaire).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN, nullptr));
        if (!t.ouverte()) {
            return echecWindows(GetLastError());
        }
        DWORD e = ecrireTout(t.get(), contenu);
        e = e != 0 ? e : (FlushFileBuffers(t.get()) == 0 ? GetLastError() : 0);
        if (e != 0) {
            CloseHandle(t.get());
            Echec resultat{raisonWindows(e), Echec::Suite::AUCUNE, {}, {}};
            if (DeleteFileW(cheminLarge(temporaire).c_str()) == 0) {
                resultat = {raisonWindows(e), Echec::Suite::TEMPORAIRE_RESTE, raisonWindows(GetLastError()),
                            temporaire};
            }
            return resultat;
        }
    }
    SetFileAttributesW(cheminLarge(temporaire).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (MoveFileExW(cheminLarge(temporaire).c_str(), cheminLarge(chemin).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        const DWORD e = GetLastError();
        Echec resultat{raisonWindows(e), Echec::Suite::AUCUNE, {}, {}};
        if (DeleteFileW(cheminLarge(temporaire).c_str()) == 0) {
            resultat = {raisonWindows(e), Echec::Suite::TEMPORAIRE_RESTE, raisonWindows(GetLastError()), temporaire};
        }
        return resultat;
    }
    return std::nullopt;
}

std::optional<Raison> StockageWindows::lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                                            Identite& identite)
{
    DWORD erreur = 0;
    const auto attributs = attributsDe(chemin, erreur);
    if (!attributs) {
        return raisonWindows(erreur);
    }
    if ((*attributs & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Raison{Cause::DOSSIER, {}};
    }
    const Poignee f(CreateFileW(cheminLarge(chemin).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.ouverte()) {
        return raisonWindows(GetLastError());
    }
    if (GetFileType(f.get()) != FILE_TYPE_DISK) {
        return Raison{Cause::PAS_ORDINAIRE, {}};
    }
    if (!identiteDe(f.get(), identite)) {
        return raisonWindows(GetLastError());
    }
    if (const DWORD e = lireDebut(f.get(), tailleMax, contenu)) {
        return raisonWindows(e);
    }
    return std::nullopt;
}

bool StockageWindows::estLeFichier(const std::string& chemin, const Identite& identite)
{
    const Poignee f(ouvrirSansLien(chemin, 0, OPEN_EXISTING));
    Identite vue;
    return f.ouverte() && identiteDe(f.get(), vue) && vue == identite;
}

}  // namespace

Stockage& stockageReel()
{
    static StockageWindows stockage;
    return stockage;
}
