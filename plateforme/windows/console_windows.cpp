#include "console_windows.h"

#include <cstring>
#include <ios>
#include <iostream>
#include <iterator>
#include <streambuf>
#include <system_error>

#include <windows.h>

#include "appels_windows.h"

namespace {

bool estConsole(HANDLE h)
{
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &mode) != 0;
}

// The number of bytes at the end of `octets[0, taille)` that begin a UTF-8
// character not yet whole: they wait for the next write.
std::size_t debutIncomplet(const char* octets, std::size_t taille)
{
    for (std::size_t recul = 1; recul <= 3 && recul <= taille; ++recul) {
        const auto c = static_cast<unsigned char>(octets[taille - recul]);
        if ((c & 0xC0) != 0x80) {
            const std::size_t longueur = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            return longueur > recul ? recul : 0;
        }
    }
    return 0;
}

// UTF-8 written to a console, as UTF-16 (WriteConsoleW).
class SortieConsole : public std::streambuf {
public:
    explicit SortieConsole(HANDLE console) : console(console) { setp(tampon, tampon + sizeof tampon); }

protected:
    int_type overflow(int_type c) override
    {
        if (!vider()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return vider() ? 0 : -1; }

private:
    // Writes every whole character held; keeps the start of one cut by the buffer.
    bool vider()
    {
        const auto taille = static_cast<std::size_t>(pptr() - pbase());
        const std::size_t reste = debutIncomplet(pbase(), taille);
        const std::size_t complet = taille - reste;
        bool reussi = true;
        if (complet > 0) {
            wchar_t large[sizeof tampon];
            const int n = MultiByteToWideChar(CP_UTF8, 0, pbase(), static_cast<int>(complet), large,
                                              static_cast<int>(sizeof tampon));
            for (int fait = 0; reussi && fait < n;) {
                DWORD ecrits = 0;
                reussi = WriteConsoleW(console, large + fait, static_cast<DWORD>(n - fait), &ecrits, nullptr) != 0 &&
                         ecrits > 0;
                fait += static_cast<int>(ecrits);
            }
        }
        std::memmove(tampon, pbase() + complet, reste);
        setp(tampon, tampon + sizeof tampon);
        pbump(static_cast<int>(reste));
        return reussi;
    }

    HANDLE console;
    char tampon[4096];
};

// A console read as UTF-16 (ReadConsoleW), handed on as UTF-8, a line at a time.
class EntreeConsole : public std::streambuf {
public:
    explicit EntreeConsole(HANDLE console) : console(console) {}

protected:
    int_type underflow() override
    {
        while (gptr() == egptr() && !fini) {
            lireLigne();
        }
        return gptr() == egptr() ? traits_type::eof() : traits_type::to_int_type(*gptr());
    }

private:
    void lireLigne()
    {
        wchar_t large[1024];
        DWORD lus = 0;
        if (ReadConsoleW(console, large, static_cast<DWORD>(std::size(large)), &lus, nullptr) == 0) {
            fini = true;
            throw std::ios_base::failure("ReadConsoleW",
                                         std::error_code(static_cast<int>(GetLastError()), std::system_category()));
        }
        if (lus == 0) {
            fini = true;
        }
        std::wstring texte = enAttente;
        enAttente.clear();
        for (DWORD i = 0; i < lus && !fini; ++i) {
            if (large[i] == L'\x1A') {
                fini = true;  // Ctrl+Z: the end of the input, the rest of its line dropped
            } else if (large[i] != L'\r') {
                texte += large[i];
            }
        }
        // A surrogate pair cut between two reads waits for its second half.
        if (!fini && !texte.empty() && texte.back() >= 0xD800 && texte.back() <= 0xDBFF) {
            enAttente = texte.back();
            texte.pop_back();
        }
        octets = versUtf8(texte);
        setg(octets.data(), octets.data(), octets.data() + octets.size());
    }

    HANDLE console;
    std::string octets;
    std::wstring enAttente;
    bool fini = false;
};

}  // namespace

void brancherConsoles()
{
    // The buffers live as long as the process: the streams use them until exit.
    const HANDLE entree = GetStdHandle(STD_INPUT_HANDLE);
    if (estConsole(entree)) {
        static EntreeConsole tampon(entree);
        std::cin.rdbuf(&tampon);
    }
    const HANDLE sortie = GetStdHandle(STD_OUTPUT_HANDLE);
    if (estConsole(sortie)) {
        static SortieConsole tampon(sortie);
        std::cout.rdbuf(&tampon);
    }
    const HANDLE erreurs = GetStdHandle(STD_ERROR_HANDLE);
    if (estConsole(erreurs)) {
        static SortieConsole tampon(erreurs);
        std::cerr.rdbuf(&tampon);
    }
}
