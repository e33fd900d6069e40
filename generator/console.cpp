#include "console.h"

#include <climits>

#include "encodage.h"

Console::Console(std::istream& in, std::ostream& sortie) : entree(in), tampon(sortie.rdbuf()), flux(&tampon) {}

std::optional<std::string> Console::motBrut()
{
    flux.flush();  // the prompt must be visible while the dialogue waits
    std::string mot;
    if (!(entree >> mot)) {
        return std::nullopt;
    }
    return mot;
}

std::optional<std::string> Console::lireMot()
{
    const std::optional<std::string> mot = motBrut();
    if (!mot) {
        return std::nullopt;
    }
    return versWindows1252(*mot);
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
