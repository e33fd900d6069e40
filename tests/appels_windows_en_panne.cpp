#include "appels_windows_en_panne.h"

#include <stdexcept>

#include "stockage_en_panne.h"

namespace {

// Each error name as the Win32 code that raisonWindows words alike; EINTR has none.
const std::map<std::string, DWORD> CODES = {
    {"ENOSPC", ERROR_DISK_FULL},     {"EIO", ERROR_IO_DEVICE},
    {"EFBIG", ERROR_FILE_TOO_LARGE}, {"EDQUOT", 1295},  // ERROR_DISK_QUOTA_EXCEEDED
    {"EACCES", ERROR_ACCESS_DENIED}, {"EROFS", ERROR_WRITE_PROTECT},
    {"ENOLCK", ERROR_NOT_SUPPORTED}, {"EMFILE", ERROR_TOO_MANY_OPEN_FILES},
    {"ENOENT", ERROR_FILE_NOT_FOUND}};

// The POSIX storage's calls that the Windows one has no counterpart of, and why.
const std::map<std::string, std::string> SANS_PAREIL = {
    {"duplication", "the Windows storage duplicates no handle: a close reports no failed write there"},
    {"ouverture_dossier", "Windows has no directory sync, so no directory is opened"},
    {"synchronisation_dossier", "Windows has no directory sync"},
    {"fermeture_dossier", "Windows has no directory sync, so no directory is closed"},
    {"changement_mode", "the Windows storage keeps no permission bits"}};

const std::set<std::string> OPERATIONS = {"examen",
                                          "ouverture",
                                          "etat",
                                          "verrouillage",
                                          "deverrouillage",
                                          "positionnement",
                                          "lecture",
                                          "ecriture",
                                          "synchronisation",
                                          "troncature",
                                          "fermeture",
                                          "suppression",
                                          "renommage",
                                          "attributs",
                                          "duplication",
                                          "ouverture_dossier",
                                          "synchronisation_dossier",
                                          "fermeture_dossier",
                                          "changement_mode"};

class StockageWindowsEnPanne : public StockageEnPanne {
public:
    StockageWindowsEnPanne(const std::string& description, const std::string& racine)
        : appels(description, racine), windows(appels)
    {
    }
    Stockage& stockage() override { return windows; }
    const std::string& journal() const override { return appels.journal(); }
    const std::string& horsDePortee() const override { return appels.horsDePortee(); }

private:
    AppelsWindowsEnPanne appels;
    StockageWindows windows;
};

}  // namespace

std::optional<std::string> nonExecutable(const std::string& description)
{
    for (const auto& [operation, parNumero] : lirePannes(description, OPERATIONS)) {
        for (const auto& [numero, panne] : parNumero) {
            const std::string ou = operation + " " + std::to_string(numero) + ": ";
            if (SANS_PAREIL.count(operation) != 0) {
                return ou + SANS_PAREIL.at(operation);
            }
            if (!panne.signaux.empty()) {
                return ou + "Windows has no signal such as " + panne.signaux.front();
            }
            if (panne.erreur == "EINTR") {
                return ou + "no Win32 call is interrupted and made again as an EINTR is";
            }
            if (operation == "fermeture" && !panne.erreur.empty()) {
                return ou + "the Windows storage does not ask CloseHandle, which reports no failed write "
                            "(FlushFileBuffers has)";
            }
        }
    }
    return std::nullopt;
}

std::unique_ptr<StockageEnPanne> stockageEnPanne(const std::string& description, const std::string& racine)
{
    return std::make_unique<StockageWindowsEnPanne>(description, racine);
}

AppelsWindowsEnPanne::AppelsWindowsEnPanne(const std::string& description, std::string dossier)
    : reel(appelsWindowsReels()), racine(std::move(dossier)), pannes(lirePannes(description, OPERATIONS))
{
    if (const auto pourquoi = nonExecutable(description)) {
        throw std::invalid_argument("not runnable on Windows: " + *pourquoi);
    }
}

bool AppelsWindowsEnPanne::passe(const std::string& operation, const std::string& cible, const std::string& chemin,
                                 bool* courte)
{
    lignes += operation + " " + cible + "\n";
    const int numero = ++appels[operation];
    const auto panne = pannes[operation].find(numero);
    if (panne == pannes[operation].end()) {
        return true;
    }
    autreProgramme(panne->second.autreProgramme, chemin);
    if (courte != nullptr) {
        *courte = panne->second.courte;
    }
    SetLastError(panne->second.erreur.empty() ? NO_ERROR : CODES.at(panne->second.erreur));
    return panne->second.erreur.empty();
}

void AppelsWindowsEnPanne::autreProgramme(const std::string& acte, const std::string& chemin)
{
    const std::wstring large = cheminLarge(chemin);
    if (acte == "remplace") {
        MoveFileExW(large.c_str(), cheminLarge(chemin + ".ancien").c_str(), 0);
        CloseHandle(CreateFileW(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    } else if (acte == "supprime") {
        DeleteFileW(large.c_str());
        // A removed file that another program holds open keeps its name until
        // it is closed; Windows then refuses to open it, but not every system.
        const HANDLE encore = CreateFileW(large.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (encore != INVALID_HANDLE_VALUE) {
            CloseHandle(encore);
            impossible = "a file removed while open still opens by its name here (wine)";
        }
    } else if (acte == "lien") {
        DeleteFileW(large.c_str());
        CreateSymbolicLinkW(large.c_str(), L"ailleurs", SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
        const DWORD a = GetFileAttributesW(large.c_str());
        if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
            impossible = "no symbolic link could be made here (wine's CreateSymbolicLinkW makes none; Windows "
                         "wants developer mode or the privilege)";
        }
    }
}

std::string AppelsWindowsEnPanne::relatif(const std::string& chemin) const
{
    if (racine.empty()) {
        return chemin;
    }
    if (chemin == racine) {
        return ".";
    }
    return chemin.compare(0, racine.size() + 1, racine + "/") == 0 ? chemin.substr(racine.size() + 1) : chemin;
}

std::string AppelsWindowsEnPanne::nom(HANDLE fichier) const
{
    const auto trouve = ouverts.find(fichier);
    return trouve == ouverts.end() ? "poignee" : relatif(trouve->second);
}

DWORD AppelsWindowsEnPanne::attributs(const std::string& chemin)
{
    return passe("examen", relatif(chemin)) ? reel.attributs(chemin) : INVALID_FILE_ATTRIBUTES;
}

HANDLE AppelsWindowsEnPanne::ouvrir(const std::string& chemin, DWORD acces, DWORD partage, DWORD disposition,
                                    DWORD drapeaux)
{
    const bool creation = disposition == CREATE_NEW || disposition == CREATE_ALWAYS;
    if (!passe("ouverture", relatif(chemin) + (creation ? " creation" : ""), chemin)) {
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE fichier = reel.ouvrir(chemin, acces, partage, disposition, drapeaux);
    if (fichier != INVALID_HANDLE_VALUE) {
        ouverts[fichier] = chemin;
    }
    return fichier;
}

DWORD AppelsWindowsEnPanne::type(HANDLE fichier)
{
    return passe("etat", nom(fichier)) ? reel.type(fichier) : FILE_TYPE_UNKNOWN;
}

BOOL AppelsWindowsEnPanne::informations(HANDLE fichier, BY_HANDLE_FILE_INFORMATION& info)
{
    return passe("etat", nom(fichier)) && reel.informations(fichier, info);
}

BOOL AppelsWindowsEnPanne::informationsBase(HANDLE fichier, FILE_BASIC_INFO& info)
{
    return passe("etat", nom(fichier)) && reel.informationsBase(fichier, info);
}

BOOL AppelsWindowsEnPanne::taille(HANDLE fichier, LARGE_INTEGER& taille)
{
    return passe("etat", nom(fichier)) && reel.taille(fichier, taille);
}

BOOL AppelsWindowsEnPanne::verrouiller(HANDLE fichier)
{
    const auto chemin = ouverts.find(fichier);
    return passe("verrouillage", nom(fichier), chemin == ouverts.end() ? "" : chemin->second) &&
           reel.verrouiller(fichier);
}

BOOL AppelsWindowsEnPanne::deverrouiller(HANDLE fichier)
{
    return passe("deverrouillage", nom(fichier)) && reel.deverrouiller(fichier);
}

BOOL AppelsWindowsEnPanne::placer(HANDLE fichier, LARGE_INTEGER position)
{
    return passe("positionnement", nom(fichier) + " " + std::to_string(position.QuadPart)) &&
           reel.placer(fichier, position);
}

BOOL AppelsWindowsEnPanne::lire(HANDLE fichier, char* octets, DWORD taille, DWORD& lus)
{
    return passe("lecture", nom(fichier)) && reel.lire(fichier, octets, taille, lus);
}

BOOL AppelsWindowsEnPanne::ecrire(HANDLE fichier, const char* octets, DWORD taille, DWORD& ecrits)
{
    bool courte = false;
    return passe("ecriture", nom(fichier) + " " + std::to_string(taille), {}, &courte) &&
           reel.ecrire(fichier, octets, courte && taille > 1 ? taille / 2 : taille, ecrits);
}

BOOL AppelsWindowsEnPanne::synchroniser(HANDLE fichier)
{
    return passe("synchronisation", nom(fichier)) && reel.synchroniser(fichier);
}

BOOL AppelsWindowsEnPanne::tronquer(HANDLE fichier)
{
    return passe("troncature", nom(fichier)) && reel.tronquer(fichier);
}

BOOL AppelsWindowsEnPanne::supprimerOuvert(HANDLE fichier)
{
    return passe("suppression", nom(fichier)) && reel.supprimerOuvert(fichier);
}

BOOL AppelsWindowsEnPanne::fermer(HANDLE fichier)
{
    passe("fermeture", nom(fichier));  // counted only: a failing close means nothing here (nonExecutable)
    ouverts.erase(fichier);
    return reel.fermer(fichier);
}

BOOL AppelsWindowsEnPanne::supprimer(const std::string& chemin)
{
    return passe("suppression", relatif(chemin)) && reel.supprimer(chemin);
}

BOOL AppelsWindowsEnPanne::changerAttributs(const std::string& chemin, DWORD attributs)
{
    return passe("attributs", relatif(chemin)) && reel.changerAttributs(chemin, attributs);
}

BOOL AppelsWindowsEnPanne::renommer(const std::string& de, const std::string& vers)
{
    return passe("renommage", relatif(de) + " " + relatif(vers)) && reel.renommer(de, vers);
}
