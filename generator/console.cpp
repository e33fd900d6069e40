#include "console.h"

#include <algorithm>
#include <climits>
#include <system_error>

#include "encodage.h"
#include "raisons.h"

Console::Console(std::istream& in, std::ostream& sortie) : entree(in), tampon(sortie.rdbuf()), flux(&tampon) {}

namespace {

// The blanks of formatted input in the classic locale.
bool blanc(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::optional<std::string> Console::motBrut()
{
    flux.flush();  // the prompt must be visible while the dialogue waits
    if (erreur) {
        return std::nullopt;
    }
    try {
        return lireMotBrut();
    } catch (const std::ios_base::failure& echec) {
        const std::error_code& code = echec.code();
        const bool systeme = code.category() == std::system_category() || code.category() == std::generic_category();
        erreur = systeme && code.value() != 0 ? enFrancais(raisonSysteme(code.value())) : "erreur de lecture";
        return std::nullopt;
    }
}

std::optional<std::string> Console::lireMotBrut()
{
    using Traits = std::char_traits<char>;
    std::streambuf* source = entree.rdbuf();
    if (source == nullptr) {
        return std::nullopt;
    }
    if (!debutVu) {
        debutVu = true;
        // Some editors start a UTF-8 file with EF BB BF. Bytes taken that turn
        // out not to be one begin the first word.
        for (const char octet : {'\xEF', '\xBB', '\xBF'}) {
            if (!Traits::eq_int_type(source->sgetc(), Traits::to_int_type(octet))) {
                break;
            }
            entame += octet;
            source->sbumpc();
        }
        if (entame.size() == 3) {
            entame.clear();
        }
    }
    std::string mot = std::move(entame);
    entame.clear();
    Traits::int_type c = source->sbumpc();
    if (mot.empty()) {
        while (!Traits::eq_int_type(c, Traits::eof()) && blanc(c)) {
            c = source->sbumpc();
        }
        if (Traits::eq_int_type(c, Traits::eof())) {
            return std::nullopt;
        }
    }
    // The blank that ends the word is taken too: the next read would skip it.
    while (!Traits::eq_int_type(c, Traits::eof()) && !blanc(c)) {
        if (mot.size() < MOT_MAX) {
            mot += Traits::to_char_type(c);
        }
        c = source->sbumpc();
    }
    return mot;
}

std::optional<std::string> Console::lireMot()
{
    std::optional<std::string> mot = motBrut();
    if (!mot) {
        return std::nullopt;
    }
    motTape = std::move(*mot);
    return versWindows1252(motTape);
}

std::optional<int> Console::lireChoix(int min, int max, const std::string& relance)
{
    for (;;) {
        const std::optional<std::string> mot = motBrut();
        if (!mot) {
            return std::nullopt;
        }
        const std::optional<int> n = nombreEntier(*mot);
        if (n && *n >= min && *n <= max) {
            return n;
        }
        flux << relance;
    }
}

std::optional<int> nombreEntier(const std::string& mot)
{
    std::size_t i = 0;
    bool negatif = false;
    if (!mot.empty() && (mot[0] == '+' || mot[0] == '-')) {
        negatif = mot[0] == '-';
        i = 1;
    }
    if (i == mot.size()) {
        return std::nullopt;
    }
    const long long limite = negatif ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long valeur = 0;
    for (; i < mot.size(); ++i) {
        const char c = mot[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        valeur = valeur * 10 + (c - '0');
        if (valeur > limite) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

bool estUnMot(const std::string& texte)
{
    return !texte.empty() && texte.size() <= Console::MOT_MAX && std::none_of(texte.begin(), texte.end(), blanc);
}
