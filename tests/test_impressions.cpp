// The print command on whole cases: each folder of tests/impressions/ is one
// run of `vesperine --imprimer ...` in an empty directory of its own, with the
// PDF library linked in (no module) and every PDF dated 1700000000. A folder
// holds:
//   LISEZMOI.txt   what the case is, in French, for the reader
//   arguments.txt  the arguments after --imprimer, one a line ("-o", "Kael.pdf")
//   existant/      what the directory holds before the run: files kept in UTF-8
//                  and standing for Windows-1252, folders, symbolic links
//   fifos.txt      names of FIFOs made in the directory before the run, one a line
//   panne.txt      faults of the file system, as SystemeFichiersEnPanne reads them
//   sortie.txt, erreurs.txt, statut.txt   the expected standard output (unless it
//                  is a PDF), standard error and exit status; empty, empty, 0 when absent
//   pages/X.txt    for each PDF the run writes, X (its path in the directory),
//                  the text of its pages as `pdftotext -layout` gives it (pages
//                  end in a form feed); "-.txt" for a PDF on standard output
//   octets/X       the PDF X byte for byte, with octets/libharu.txt naming the
//                  library version it was made with; under another version, two
//                  runs must give the same bytes instead
// Every PDF written must pass `qpdf --check`, and afterwards the directory must
// hold exactly what existant/ held (a PDF of pages/ replaced or added), nothing
// else: no temporary file. VESPERINE_REGENERER=1 rewrites the expected files
// from what the run does, to be read with git diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <sys/stat.h>

#include "dessin_fiches.h"
#include "encodage.h"
#include "impression.h"
#include "outils.h"
#include "pages_pdf.h"
#include "systeme_fichiers_en_panne.h"

namespace fs = std::filesystem;

namespace {

fs::path cas;  // the case's folder, the one argument
const bool REGENERER =
    std::getenv("VESPERINE_REGENERER") != nullptr && std::string(std::getenv("VESPERINE_REGENERER")) == "1";
const std::set<std::string> FICHIERS_DU_CAS = {"LISEZMOI.txt", "arguments.txt", "existant",   "fifos.txt", "panne.txt",
                                               "sortie.txt",   "erreurs.txt",   "statut.txt", "pages",     "octets"};
const std::string SORTIE_PDF = "-";

std::string lireSiPresent(const fs::path& chemin, const std::string& defaut = "")
{
    return fs::exists(chemin) ? lireFichier(chemin) : defaut;
}

std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> resultat;
    std::istringstream flux(texte);
    for (std::string l; std::getline(flux, l);) {
        resultat.push_back(l);
    }
    return resultat;
}

// One run of the case in a fresh directory.
struct Passage {
    int statut = 0;
    std::string sortie;
    std::string erreurs;
    std::map<std::string, std::string> avant;  // what existant/ and fifos.txt make, in Windows-1252
    DossierTemporaire travail;

    Passage()
    {
        if (fs::exists(cas / "existant")) {
            for (const auto& e : fs::recursive_directory_iterator(cas / "existant")) {
                const fs::path ici = travail.chemin() / e.path().lexically_relative(cas / "existant");
                if (e.is_symlink()) {
                    fs::copy_symlink(e.path(), ici);
                } else if (e.is_directory()) {
                    fs::create_directory(ici);
                } else {
                    ecrireFichier(ici, versWindows1252(lireFichier(e.path())));
                }
            }
        }
        for (const std::string& fifo : lignes(lireSiPresent(cas / "fifos.txt"))) {
            mkfifo((travail.chemin() / fifo).c_str(), 0600);
        }
        avant = releverDossier(travail.chemin());
        std::vector<std::string> fiches = lignes(lireFichier(cas / "arguments.txt"));
        std::optional<std::string> destination;
        if (fiches.size() >= 2 && fiches[0] == "-o") {
            destination = fiches[1];
            fiches.erase(fiches.begin(), fiches.begin() + 2);
        }
        std::unique_ptr<SystemeFichiers> enPanne;
        if (fs::exists(cas / "panne.txt")) {
            enPanne = std::make_unique<SystemeFichiersEnPanne>(lireFichier(cas / "panne.txt"));
        }
        std::ostringstream out;
        std::ostringstream err;
        const fs::path ici = fs::current_path();
        fs::current_path(travail.chemin());
        statut = imprimer(fiches, destination, out, err, enPanne ? *enPanne : systemeFichiersReel(),
                          {dessinerFiches, 1700000000});
        fs::current_path(ici);
        sortie = out.str();
        erreurs = err.str();
    }

    // The PDFs written, by name ("-" for standard output): what is new or changed.
    std::map<std::string, std::string> pdfs() const
    {
        std::map<std::string, std::string> ecrits;
        for (const auto& [nom, octets] : releverDossier(travail.chemin())) {
            if (octets.rfind("%PDF-", 0) == 0 && (avant.count(nom) == 0 || avant.at(nom) != octets)) {
                ecrits[nom] = octets;
            }
        }
        if (sortie.rfind("%PDF-", 0) == 0) {
            ecrits[SORTIE_PDF] = sortie;
        }
        return ecrits;
    }
};

void regenerer(const Passage& p)
{
    const auto ecrireOuRetirer = [](const fs::path& chemin, const std::string& texte, const std::string& defaut) {
        if (texte == defaut) {
            fs::remove(chemin);
        } else {
            ecrireFichier(chemin, texte);
        }
    };
    ecrireOuRetirer(cas / "sortie.txt", p.sortie.rfind("%PDF-", 0) == 0 ? "" : p.sortie, "");
    ecrireOuRetirer(cas / "erreurs.txt", p.erreurs, "");
    ecrireOuRetirer(cas / "statut.txt", std::to_string(p.statut) + "\n", "0\n");
    fs::remove_all(cas / "pages");
    for (const auto& [nom, pdf] : p.pdfs()) {
        fs::create_directories((cas / "pages" / nom).parent_path());
        ecrireFichier(cas / "pages" / (nom + ".txt"), texteDesPages(pdf));
        if (fs::exists(cas / "octets" / nom)) {
            ecrireFichier(cas / "octets" / nom, pdf);
            ecrireFichier(cas / "octets" / "libharu.txt", std::string(versionBibliothequePdf()) + "\n");
        }
    }
    std::cout << "[regenerated] " << cas.filename().string() << '\n';
}

TEST(Impression, Cas)
{
    ASSERT_TRUE(fs::exists(cas / "LISEZMOI.txt") && fs::exists(cas / "arguments.txt"))
        << cas << ": a case needs LISEZMOI.txt and arguments.txt";
    for (const auto& e : fs::directory_iterator(cas)) {
        ASSERT_EQ(FICHIERS_DU_CAS.count(e.path().filename().string()), 1U) << "unknown file in the case: " << e.path();
    }
    const Passage p;
    if (REGENERER) {
        regenerer(p);
    }
    EXPECT_EQ(p.statut, std::stoi(lireSiPresent(cas / "statut.txt", "0")));
    EXPECT_EQ(p.erreurs, lireSiPresent(cas / "erreurs.txt"));
    if (p.sortie.rfind("%PDF-", 0) != 0) {
        EXPECT_EQ(p.sortie, lireSiPresent(cas / "sortie.txt"));
    }

    // Every PDF written is valid and shows its pages; nothing else changed.
    const std::map<std::string, std::string> pdfs = p.pdfs();
    std::map<std::string, std::string> apres = releverDossier(p.travail.chemin());
    std::map<std::string, std::string> attendu = p.avant;
    std::set<std::string> pages;
    if (fs::exists(cas / "pages")) {
        for (const auto& e : fs::recursive_directory_iterator(cas / "pages")) {
            if (e.is_regular_file()) {
                pages.insert(e.path().lexically_relative(cas / "pages").replace_extension().string());
            }
        }
    }
    for (const std::string& nom : pages) {
        ASSERT_EQ(pdfs.count(nom), 1U) << "no PDF written as " << nom;
        EXPECT_EQ(texteDesPages(pdfs.at(nom)), lireFichier(cas / "pages" / (nom + ".txt"))) << nom;
        apres.erase(nom);
        attendu.erase(nom);
    }
    EXPECT_EQ(pdfs.size(), pages.size()) << "PDFs written that pages/ does not list";
    EXPECT_EQ(apres, attendu) << "the directory changed besides the PDFs of pages/";

    // Byte for byte under the library version that made them, else the same bytes twice.
    if (fs::exists(cas / "octets")) {
        const bool memeVersion =
            lireSiPresent(cas / "octets" / "libharu.txt") == std::string(versionBibliothequePdf()) + "\n";
        const std::map<std::string, std::string> encore = memeVersion ? pdfs : Passage().pdfs();
        for (const auto& e : fs::directory_iterator(cas / "octets")) {
            const std::string nom = e.path().filename().string();
            if (nom != "libharu.txt") {
                ASSERT_EQ(pdfs.count(nom), 1U) << nom;
                EXPECT_TRUE(pdfs.at(nom) == (memeVersion ? lireFichier(e.path()) : encore.at(nom)))
                    << nom << (memeVersion ? " differs from octets/" : " differs between two runs");
            }
        }
        if (!memeVersion) {
            std::cout << "libharu " << versionBibliothequePdf() << " is not the version of octets/: "
                      << "checked that two runs give the same bytes\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <case folder of tests/impressions>\n";
        return 2;
    }
    cas = argv[1];
    return RUN_ALL_TESTS();
}
