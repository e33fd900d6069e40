#include "des_scriptes.h"

#include <cstdio>
#include <sstream>

#include "outils.h"

std::vector<DesScriptes::Jet> DesScriptes::lire(const std::string& texte, const std::string& fichier)
{
    std::vector<Jet> jets;
    std::istringstream lignes(texte);
    int numero = 1;
    for (std::string ligne; std::getline(lignes, ligne); ++numero) {
        std::istringstream mots(ligne);
        for (std::string mot; mots >> mot;) {
            Jet j{};
            char reste = 0;
            if (std::sscanf(mot.c_str(), "%d:%d%c", &j.faces, &j.face, &reste) != 2 || j.face < 1 || j.face > j.faces) {
                incompris(fichier, numero, mot);
            }
            jets.push_back(j);
        }
    }
    return jets;
}

std::vector<int> DesScriptes::prevus() const
{
    std::vector<int> faces;
    for (const Jet& j : script) {
        faces.push_back(j.faces);
    }
    return faces;
}

int DesScriptes::jeter(int faces)
{
    const std::size_t rang = jetes.size();
    jetes.push_back(faces);
    return rang < script.size() && script[rang].faces == faces ? script[rang].face : 1;
}
