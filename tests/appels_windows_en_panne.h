#ifndef TESTS_APPELS_WINDOWS_EN_PANNE_H
#define TESTS_APPELS_WINDOWS_EN_PANNE_H

#include <map>
#include <string>

#include "appels_windows.h"
#include "pannes.h"
#include "stockage_en_panne.h"

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
class AppelsWindowsEnPanne : public AppelsWindows, public StockageEnPanne {
public:
    explicit AppelsWindowsEnPanne(const std::string& description, std::string racine = std::string());

    DWORD attributs(const std::string& chemin) override
    {
        return passe("examen", relatif(chemin)) ? reel.attributs(chemin) : INVALID_FILE_ATTRIBUTES;
    }
    HANDLE ouvrir(const std::string& chemin, DWORD acces, DWORD partage, DWORD disposition, DWORD drapeaux) override;
    DWORD type(HANDLE f) override { return sur("etat", f) ? reel.type(f) : FILE_TYPE_UNKNOWN; }
    BOOL informations(HANDLE f, BY_HANDLE_FILE_INFORMATION& i) override
    {
        return sur("etat", f) && reel.informations(f, i);
    }
    BOOL informationsBase(HANDLE f, FILE_BASIC_INFO& i) override
    {
        return sur("etat", f) && reel.informationsBase(f, i);
    }
    BOOL taille(HANDLE f, LARGE_INTEGER& t) override { return sur("etat", f) && reel.taille(f, t); }
    BOOL verrouiller(HANDLE f) override { return passe("verrouillage", nom(f), chemin(f)) && reel.verrouiller(f); }
    BOOL deverrouiller(HANDLE f) override { return sur("deverrouillage", f) && reel.deverrouiller(f); }
    BOOL placer(HANDLE f, LARGE_INTEGER p) override { return sur("positionnement", f) && reel.placer(f, p); }
    BOOL lire(HANDLE f, char* o, DWORD t, DWORD& lus) override { return sur("lecture", f) && reel.lire(f, o, t, lus); }
    BOOL ecrire(HANDLE f, const char* octets, DWORD t, DWORD& ecrits) override;
    BOOL synchroniser(HANDLE f) override { return sur("synchronisation", f) && reel.synchroniser(f); }
    BOOL tronquer(HANDLE f) override { return sur("troncature", f) && reel.tronquer(f); }
    BOOL supprimerOuvert(HANDLE f) override { return sur("suppression", f) && reel.supprimerOuvert(f); }
    // Counted only: a failing close means nothing here (nonExecutable).
    BOOL fermer(HANDLE f) override { return (sur("fermeture", f), ouverts.erase(f), reel.fermer(f)); }
    BOOL supprimer(const std::string& c) override { return passe("suppression", relatif(c)) && reel.supprimer(c); }
    BOOL changerAttributs(const std::string& c, DWORD a) override
    {
        return passe("attributs", relatif(c)) && reel.changerAttributs(c, a);
    }
    BOOL renommer(const std::string& de, const std::string& vers) override
    {
        return passe("renommage", relatif(de) + " " + relatif(vers)) && reel.renommer(de, vers);
    }

    // The storage of this system on these calls (stockage_en_panne.h).
    Stockage& stockage() override { return windows; }
    const std::string& journal() const override { return lignes; }
    const std::string& horsDePortee() const override { return impossible; }

private:
    // Records a call, counts it, lets another program act on `chemin`; false,
    // with the last error set, when it must fail. `courte`: a write must be short.
    bool passe(const std::string& operation, const std::string& cible, const std::string& chemin = {},
               bool* courte = nullptr);
    bool sur(const char* operation, HANDLE f) { return passe(operation, nom(f)); }
    void autreProgramme(const std::string& acte, const std::string& chemin);
    std::string relatif(const std::string& c) const
    {
        return !racine.empty() && c.rfind(racine + "/", 0) == 0 ? c.substr(racine.size() + 1) : c;
    }
    std::string chemin(HANDLE f) const { return ouverts.count(f) != 0 ? ouverts.at(f) : std::string(); }
    std::string nom(HANDLE f) const { return relatif(chemin(f)); }

    AppelsWindows& reel;
    StockageWindows windows{*this};
    std::string racine;
    Pannes pannes;
    std::map<std::string, int> appels;
    std::map<HANDLE, std::string> ouverts;  // handle -> path it was opened with
    std::string lignes;
    std::string impossible;
};

#endif
