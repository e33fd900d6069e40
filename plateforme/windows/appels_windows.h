#ifndef PLATEFORME_WINDOWS_APPELS_WINDOWS_H
#define PLATEFORME_WINDOWS_APPELS_WINDOWS_H

#include <string>

#include <windows.h>

#include "stockage.h"

// What the pieces of the Windows storage share. Only files of plateforme/windows/
// and tests that include no model header include this header, and so <windows.h>.

// The Win32 calls that the Windows storage makes on files. Each does what its
// namesake does and answers the same way: FALSE (INVALID_HANDLE_VALUE,
// INVALID_FILE_ATTRIBUTES, FILE_TYPE_UNKNOWN) with GetLastError set on failure.
// A write may write fewer bytes than asked, which is no failure by itself.
// Names are UTF-8 as the rest of the program has them. Tests put in their own,
// which fails chosen calls and records every call.
class AppelsWindows {
public:
    AppelsWindows() = default;
    virtual ~AppelsWindows() = default;
    AppelsWindows(const AppelsWindows&) = delete;
    AppelsWindows& operator=(const AppelsWindows&) = delete;

    virtual DWORD attributs(const std::string& chemin) = 0;  // GetFileAttributesW
    virtual HANDLE ouvrir(const std::string& chemin, DWORD acces, DWORD partage, DWORD disposition,
                          DWORD drapeaux) = 0;                                        // CreateFileW
    virtual DWORD type(HANDLE fichier) = 0;                                           // GetFileType
    virtual BOOL informations(HANDLE fichier, BY_HANDLE_FILE_INFORMATION& info) = 0;  // GetFileInformationByHandle
    virtual BOOL informationsBase(HANDLE fichier, FILE_BASIC_INFO& info) = 0;         // GetFileInformationByHandleEx
    virtual BOOL taille(HANDLE fichier, LARGE_INTEGER& taille) = 0;                   // GetFileSizeEx
    // LockFileEx and UnlockFileEx on the whole file; the lock is exclusive and waited for.
    virtual BOOL verrouiller(HANDLE fichier) = 0;
    virtual BOOL deverrouiller(HANDLE fichier) = 0;
    virtual BOOL placer(HANDLE fichier, LARGE_INTEGER position) = 0;                // SetFilePointerEx from the start
    virtual BOOL lire(HANDLE fichier, char* octets, DWORD taille, DWORD& lus) = 0;  // ReadFile
    virtual BOOL ecrire(HANDLE fichier, const char* octets, DWORD taille, DWORD& ecrits) = 0;  // WriteFile
    virtual BOOL synchroniser(HANDLE fichier) = 0;                                             // FlushFileBuffers
    virtual BOOL tronquer(HANDLE fichier) = 0;                                                 // SetEndOfFile
    // SetFileInformationByHandle(FileDispositionInfo): the open file goes when its last handle is closed.
    virtual BOOL supprimerOuvert(HANDLE fichier) = 0;
    virtual BOOL fermer(HANDLE fichier) = 0;                                        // CloseHandle
    virtual BOOL supprimer(const std::string& chemin) = 0;                          // DeleteFileW
    virtual BOOL changerAttributs(const std::string& chemin, DWORD attributs) = 0;  // SetFileAttributesW
    // MoveFileExW, replacing what stands at `vers`, written through.
    virtual BOOL renommer(const std::string& de, const std::string& vers) = 0;
};

// The real calls, one object for the whole program.
AppelsWindows& appelsWindowsReels();

// The storage of stockage.h made of `appels`.
class StockageWindows : public Stockage {
public:
    explicit StockageWindows(AppelsWindows& a) : appels(a) {}
    std::optional<Echec> ajouterFiche(const std::string& chemin, const std::string& contenu) override;
    std::optional<Echec> remplacerPdf(const std::string& chemin, const std::string& contenu) override;
    std::optional<Raison> lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                               Identite& identite) override;
    bool estLeFichier(const std::string& chemin, const Identite& identite) override;

private:
    AppelsWindows& appels;
};

// The name `chemin` (UTF-8, '/' or '\\' between components) as the wide API
// takes it, with the "\\?\" prefix of an absolute path past 260 characters so
// that the system never cuts it.
std::wstring cheminLarge(const std::string& chemin);

// `texte` (UTF-16) as UTF-8; a lone surrogate becomes U+FFFD.
std::string versUtf8(const std::wstring& texte);

// Runs `essai` (true when it succeeded) again while it fails because another
// program holds the file for an instant (ERROR_SHARING_VIOLATION, or `aussi`):
// at most 50 times, 10 ms apart. GetLastError is then the last try's.
template <typename Essai> bool reessayerSiOccupe(Essai essai, DWORD aussi = ERROR_SHARING_VIOLATION)
{
    for (int fois = 1;; ++fois) {
        if (essai()) {
            return true;
        }
        const DWORD erreur = GetLastError();
        if ((erreur != ERROR_SHARING_VIOLATION && erreur != aussi) || fois == 50) {
            return false;
        }
        Sleep(10);
    }
}

// The cause of the Windows error code `code` (GetLastError).
Raison raisonWindows(DWORD code);

// Why the file at `attributs` (GetFileAttributesW) cannot be written, or
// nullopt for a plain file: LIEN for any reparse point, DOSSIER.
std::optional<Cause> causeAttributs(DWORD attributs);

// The identity of the open file `fichier` (volume serial and file index);
// false with GetLastError set when it cannot be had.
bool identiteDe(AppelsWindows& appels, HANDLE fichier, Identite& identite);

// Writes all of `contenu` to `fichier`, going on after short writes; 0 or the error code.
DWORD ecrireTout(AppelsWindows& appels, HANDLE fichier, const std::string& contenu);

// Opens `chemin` without following a reparse point, for `acces`, shared for
// reading and writing (and removal), with `disposition` (CreateFileW's);
// INVALID_HANDLE_VALUE with GetLastError set.
HANDLE ouvrirSansLien(AppelsWindows& appels, const std::string& chemin, DWORD acces, DWORD disposition);

// Whether the open handle is a file on disk that is no reparse point; the
// cause otherwise (PAS_ORDINAIRE, LIEN, DOSSIER), or the system's reason.
std::optional<Raison> verifierFichier(AppelsWindows& appels, HANDLE fichier);

#endif
