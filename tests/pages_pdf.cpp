#include "pages_pdf.h"

#include <cstdlib>
#include <sys/wait.h>

#include "outils.h"

namespace {

bool reussit(const std::string& commande)
{
    const int statut = std::system(commande.c_str());
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

}  // namespace

std::string texteDesPages(const std::string& pdf)
{
    const DossierTemporaire ici;
    const std::string fichier = (ici.chemin() / "document.pdf").string();
    ecrireFichier(fichier, pdf);
    if (!reussit("command -v qpdf pdftotext > /dev/null")) {
        return "qpdf and pdftotext are needed: apt-get install qpdf poppler-utils\n";
    }
    if (!reussit("qpdf --check '" + fichier + "' > /dev/null")) {
        return "qpdf --check refuses the PDF\n";
    }
    if (!reussit("pdftotext -layout '" + fichier + "' '" + fichier + ".txt'")) {
        return "pdftotext fails on the PDF\n";
    }
    return lireFichier(fichier + ".txt");
}
