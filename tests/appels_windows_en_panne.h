#ifndef TESTS_APPELS_WINDOWS_EN_PANNE_H
#define TESTS_APPELS_WINDOWS_EN_PANNE_H

#include <map>
#include <string>

#include "appels_windows.h"
#include "pannes.h"

// The real files, but chosen Win32 calls go wrong as a description says, in the
// lines of the POSIX fake (appels_en_panne.h). The operations where Windows
// has the same call: examen (GetFileAttributesW), ouverture (CreateFileW), etat
// (GetFileType, GetFileInformationByHandle(Ex), GetFileSizeEx), verrouillage
// (LockFileEx), ecriture (WriteFile; "courte" writes half), lecture,
// synchronisation (FlushFileBuffers), troncature (SetEndOfFile), fermeture,
// suppression (DeleteFileW, and a delete disposition set on a handle),
// renommage (MoveFileExW); and Windows' own: deverrouillage, positionnement
// (SetFilePointerEx), attributs (SetFileAttributesW). An error name becomes the
// Win32 code that raisonWindows words as the POSIX storage words the errno.
// "lien", "supprime" and "remplace" act on the name before the call as
// another program would, with CreateSymbolicLinkW, DeleteFileW and MoveFileExW.
// What has no meaning here (nonExecutable) throws std::invalid_argument.
class AppelsWindowsEnPanne : public AppelsWindows {
public:
    explicit AppelsWindowsEnPanne(const std::string& description, std::string racine = std::string());

    DWORD attributs(const std::string& chemin) override;
    HANDLE ouvrir(const std::string& chemin, DWORD acces, DWORD partage, DWORD disposition, DWORD drapeaux) override;
    DWORD type(HANDLE fichier) override;
    BOOL informations(HANDLE fichier, BY_HANDLE_FILE_INFORMATION& info) override;
    BOOL informationsBase(HANDLE fichier, FILE_BASIC_INFO& info) override;
    BOOL taille(HANDLE fichier, LARGE_INTEGER& taille) override;
    BOOL verrouiller(HANDLE fichier) override;
    BOOL deverrouiller(HANDLE fichier) override;
    BOOL placer(HANDLE fichier, LARGE_INTEGER position) override;
    BOOL lire(HANDLE fichier, char* octets, DWORD taille, DWORD& lus) override;
    BOOL ecrire(HANDLE fichier, const char* octets, DWORD taille, DWORD& ecrits) override;
    BOOL synchroniser(HANDLE fichier) override;
    BOOL tronquer(HANDLE fichier) override;
    BOOL supprimerOuvert(HANDLE fichier) override;
    BOOL fermer(HANDLE fichier) override;
    BOOL supprimer(const std::string& chemin) override;
    BOOL changerAttributs(const std::string& chemin, DWORD attributs) override;
    BOOL renommer(const std::string& de, const std::string& vers) override;

    const std::string& journal() const { return lignes; }
    // Empty, or why another program's act could not be done here (StockageEnPanne::horsDePortee).
    const std::string& horsDePortee() const { return impossible; }

private:
    // Records a call, counts it, lets another program act on `chemin`; false,
    // with the last error set, when it must fail. `courte`: a write must be short.
    bool passe(const std::string& operation, const std::string& cible, const std::string& chemin = {},
               bool* courte = nullptr);
    void autreProgramme(const std::string& acte, const std::string& chemin);
    std::string relatif(const std::string& chemin) const;
    std::string nom(HANDLE fichier) const;

    AppelsWindows& reel;
    std::string racine;
    Pannes pannes;
    std::map<std::string, int> appels;
    std::map<HANDLE, std::string> ouverts;  // handle -> path it was opened with
    std::string lignes;
    std::string impossible;
};

#endif
