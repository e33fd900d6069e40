#include "appels_windows_en_panne.h"

#include <stdexcept>

namespace {

// Each error name as the Win32 code that raisonWindows words alike; EINTR has none.
const std::map<std::string, DWORD> CODES = {
    {"ENOSPC", ERROR_DISK_FULL},     {"EIO", ERROR_IO_DEVICE},
    {"EFBIG", ERROR_FILE_TOO_LARGE}, {"EDQUOT", 1295 /* ERROR_DISK_QUOTA_EXCEEDED */},
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

const char* const OPERATIONS =
    "examen ouverture etat verrouillage deverrouillage positionnement lecture ecriture synchronisation troncature "
    "fermeture suppression renommage attributs duplication ouverture_dossier synchronisation_dossier "
    "fermeture_dossier changement_mode";

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
                return ou + "CloseHandle reports no failed write (FlushFileBuffers does): the storage does not ask";
            }
        }
    }
    return std::nullopt;
}

std::unique_ptr<StockageEnPanne> stockageEnPanne(const std::string& description, const std::string& racine)
{
    return std::make_unique<AppelsWindowsEnPanne>(description, racine);
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

HANDLE AppelsWindowsEnPanne::ouvrir(const std::string& chemin, DWORD acces, DWORD partage, DWORD disposition,
                                    DWORD drapeaux)
{
    const bool creation = disposition == CREATE_NEW || disposition == CREATE_ALWAYS;
    if (!passe("ouverture", relatif(chemin) + (creation ? " creation" : ""), chemin)) {
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE fichier = reel.ouvrir(chemin, acces, partage, disposition, drapeaux);
    ouverts[fichier] = chemin;
    return fichier;
}

BOOL AppelsWindowsEnPanne::ecrire(HANDLE fichier, const char* octets, DWORD taille, DWORD& ecrits)
{
    bool courte = false;
    return passe("ecriture", nom(fichier) + " " + std::to_string(taille), {}, &courte) &&
           reel.ecrire(fichier, octets, courte && taille > 1 ? taille / 2 : taille, ecrits);
}
