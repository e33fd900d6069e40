#include "appels_windows.h"

#include <vector>

namespace {

// A user's disk quota exceeded; older MinGW-w64 headers do not name it.
constexpr DWORD QUOTA_DEPASSE = 1295;

class AppelsReels : public AppelsWindows {
public:
    DWORD attributs(const std::string& chemin) override { return GetFileAttributesW(cheminLarge(chemin).c_str()); }
    HANDLE ouvrir(const std::string& chemin, DWORD acces, DWORD partage, DWORD disposition, DWORD drapeaux) override
    {
        return CreateFileW(cheminLarge(chemin).c_str(), acces, partage, nullptr, disposition, drapeaux, nullptr);
    }
    DWORD type(HANDLE fichier) override { return GetFileType(fichier); }
    BOOL informations(HANDLE fichier, BY_HANDLE_FILE_INFORMATION& info) override
    {
        return GetFileInformationByHandle(fichier, &info);
    }
    BOOL informationsBase(HANDLE fichier, FILE_BASIC_INFO& info) override
    {
        return GetFileInformationByHandleEx(fichier, FileBasicInfo, &info, sizeof info);
    }
    BOOL taille(HANDLE fichier, LARGE_INTEGER& taille) override { return GetFileSizeEx(fichier, &taille); }
    BOOL verrouiller(HANDLE fichier) override
    {
        OVERLAPPED tout = {};
        return LockFileEx(fichier, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &tout);
    }
    BOOL deverrouiller(HANDLE fichier) override
    {
        OVERLAPPED tout = {};
        return UnlockFileEx(fichier, 0, MAXDWORD, MAXDWORD, &tout);
    }
    BOOL placer(HANDLE fichier, LARGE_INTEGER position) override
    {
        return SetFilePointerEx(fichier, position, nullptr, FILE_BEGIN);
    }
    BOOL lire(HANDLE fichier, char* octets, DWORD taille, DWORD& lus) override
    {
        return ReadFile(fichier, octets, taille, &lus, nullptr);
    }
    BOOL ecrire(HANDLE fichier, const char* octets, DWORD taille, DWORD& ecrits) override
    {
        return WriteFile(fichier, octets, taille, &ecrits, nullptr);
    }
    BOOL synchroniser(HANDLE fichier) override { return FlushFileBuffers(fichier); }
    BOOL tronquer(HANDLE fichier) override { return SetEndOfFile(fichier); }
    BOOL supprimerOuvert(HANDLE fichier) override
    {
        FILE_DISPOSITION_INFO supprimer = {TRUE};
        return SetFileInformationByHandle(fichier, FileDispositionInfo, &supprimer, sizeof supprimer);
    }
    BOOL fermer(HANDLE fichier) override { return CloseHandle(fichier); }
    BOOL supprimer(const std::string& chemin) override { return DeleteFileW(cheminLarge(chemin).c_str()); }
    BOOL changerAttributs(const std::string& chemin, DWORD attributs) override
    {
        return SetFileAttributesW(cheminLarge(chemin).c_str(), attributs);
    }
    BOOL renommer(const std::string& de, const std::string& vers) override
    {
        return MoveFileExW(cheminLarge(de).c_str(), cheminLarge(vers).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
};

}  // namespace

AppelsWindows& appelsWindowsReels()
{
    static AppelsReels appels;
    return appels;
}

std::string versUtf8(const std::wstring& texte)
{
    if (texte.empty()) {
        return {};
    }
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), nullptr, 0, nullptr, nullptr);
    std::string resultat(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), resultat.data(), n, nullptr, nullptr);
    return resultat;
}

std::wstring cheminLarge(const std::string& chemin)
{
    std::wstring large;
    if (!chemin.empty()) {
        const int taille = MultiByteToWideChar(CP_UTF8, 0, chemin.data(), static_cast<int>(chemin.size()), nullptr, 0);
        large.resize(static_cast<std::size_t>(taille > 0 ? taille : 0));
        if (taille > 0) {
            MultiByteToWideChar(CP_UTF8, 0, chemin.data(), static_cast<int>(chemin.size()), large.data(), taille);
        }
    }
    for (wchar_t& c : large) {
        c = c == L'/' ? L'\\' : c;
    }
    if (large.size() >= MAX_PATH - 12) {
        // A long name: absolute, with the prefix that lifts the 260-character limit.
        const DWORD besoin = GetFullPathNameW(large.c_str(), 0, nullptr, nullptr);
        std::vector<wchar_t> complet(besoin + 1);
        if (besoin > 0 && GetFullPathNameW(large.c_str(), besoin + 1, complet.data(), nullptr) > 0) {
            large = std::wstring(L"\\\\?\\") + complet.data();
        }
    }
    return large;
}

Raison raisonWindows(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return {Cause::ABSENT, {}};
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return {Cause::DOSSIER_ABSENT, {}};
    case ERROR_DIRECTORY:
        return {Cause::PAS_UN_DOSSIER, {}};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return {Cause::PLUS_DE_PLACE, {}};
    case QUOTA_DEPASSE:
        return {Cause::QUOTA, {}};
    case ERROR_FILE_TOO_LARGE:
        return {Cause::TROP_GROS, {}};
    case ERROR_WRITE_PROTECT:
        return {Cause::LECTURE_SEULE, {}};
    case ERROR_ACCESS_DENIED:
        return {Cause::PERMISSION, {}};
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_IO_DEVICE:
        return {Cause::ENTREE_SORTIE, {}};
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return {Cause::MEMOIRE, {}};
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return {Cause::NOM_TROP_LONG, {}};
    case ERROR_NOT_SUPPORTED:
        return {Cause::VERROU_IMPOSSIBLE, {}};
    case ERROR_TOO_MANY_OPEN_FILES:
        return {Cause::TROP_DE_FICHIERS, {}};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return {Cause::OCCUPE, {}};
    case ERROR_INVALID_HANDLE:
        return {Cause::FERME, {}};
    default:
        break;
    }
    // The system's words, in the user's language; UTF-8 as the program's texts are.
    wchar_t* texte = nullptr;
    const DWORD longueur =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&texte), 0, nullptr);
    std::string utf8 = "code " + std::to_string(code);
    if (longueur > 0 && texte != nullptr) {
        std::wstring large(texte, longueur);
        while (!large.empty() && (large.back() == L'\n' || large.back() == L'\r' || large.back() == L'.')) {
            large.pop_back();
        }
        if (std::string mots = versUtf8(large); !mots.empty()) {
            utf8 = std::move(mots);
        }
    }
    LocalFree(texte);
    return {Cause::AUTRE, utf8};
}

Raison raisonSysteme(int code)
{
    return code == 0 ? Raison{Cause::AUTRE, {}} : raisonWindows(static_cast<DWORD>(code));
}

std::optional<Cause> causeAttributs(DWORD attributs)
{
    if ((attributs & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return Cause::LIEN;
    }
    if ((attributs & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Cause::DOSSIER;
    }
    return std::nullopt;
}

bool identiteDe(AppelsWindows& appels, HANDLE fichier, Identite& identite)
{
    BY_HANDLE_FILE_INFORMATION info = {};
    if (appels.informations(fichier, info) == 0) {
        return false;
    }
    identite.volume = info.dwVolumeSerialNumber;
    identite.fichier = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32U) | info.nFileIndexLow;
    return true;
}

DWORD ecrireTout(AppelsWindows& appels, HANDLE fichier, const std::string& contenu)
{
    std::size_t fait = 0;
    while (fait < contenu.size()) {
        const DWORD morceau = static_cast<DWORD>(std::min<std::size_t>(contenu.size() - fait, 1U << 24U));
        DWORD ecrit = 0;
        if (appels.ecrire(fichier, contenu.data() + fait, morceau, ecrit) == 0) {
            return GetLastError();
        }
        if (ecrit == 0) {
            return ERROR_WRITE_FAULT;
        }
        fait += ecrit;
    }
    return 0;
}

HANDLE ouvrirSansLien(AppelsWindows& appels, const std::string& chemin, DWORD acces, DWORD disposition)
{
    // While another program replaces the file, Windows refuses to open it for an instant.
    HANDLE h = INVALID_HANDLE_VALUE;
    reessayerSiOccupe([&] {
        h = appels.ouvrir(chemin, acces, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, disposition,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
        return h != INVALID_HANDLE_VALUE;
    });
    return h;
}

std::optional<Raison> verifierFichier(AppelsWindows& appels, HANDLE fichier)
{
    const DWORD type = appels.type(fichier);
    if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR) {
        return raisonWindows(GetLastError());
    }
    if (type != FILE_TYPE_DISK) {
        return Raison{Cause::PAS_ORDINAIRE, {}};
    }
    FILE_BASIC_INFO info = {};
    if (appels.informationsBase(fichier, info) == 0) {
        return raisonWindows(GetLastError());
    }
    if (const auto cause = causeAttributs(info.FileAttributes)) {
        return Raison{*cause, {}};
    }
    return std::nullopt;
}
