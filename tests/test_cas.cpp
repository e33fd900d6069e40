// The case runner: one folder of tests/transcripts/, given as its only argument,
// is one run of the whole program (programme.h) in a fresh directory of its own,
// checked byte for byte. What a folder holds and how each file is read is the
// README's "Transcript folders". With VESPERINE_REGENERER=1 in the environment
// the case's expected files are first written from what the program does, and a
// case so rewritten fails.
//
// On Windows the run goes through the real storage (stockageReel()), sheets end
// their lines with CR LF, and a case that needs what Windows lacks is skipped,
// saying why (pourquoiPasIci).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <system_error>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "appels_en_panne.h"
#endif
#include "stockage_en_panne.h"

#include "des.h"
#include "dessin_fiches.h"
#include "encodage.h"
#include "fiche.h"
#include "outils.h"
#include "programme.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr bool WINDOWS = true;
#else
constexpr bool WINDOWS = false;
#endif

fs::path CAS;  // the case folder
const std::set<std::string> FICHIERS = {"LISEZMOI.txt", "arguments.txt", "entree.txt", "entree_panne.txt",
                                        "des.txt",      "panne.txt",     "existant",   "fifos.txt",
                                        "sortie.txt",   "erreurs.txt",   "statut.txt", "fiches",
                                        "appels.txt",   "pages",         "octets",     "plateforme.txt"};
const std::string FIN_ENTREE = "Fin de l'entrée standard : création interrompue, aucune fiche enregistrée.\n";
const Imprimeur IMPRIMEUR = {dessinerFiches, 1700000000};  // the PDF library linked in, a fixed date
const std::string SORTIE_PDF = "-";                        // pages/-.txt: a PDF on standard output

using Arbre = std::map<std::string, std::string>;

// The name under which pages/ keeps the text of the PDF `nom`: its name itself,
// cut so that the file, "<name>.txt", still fits in a file name.
std::string clePage(const std::string& nom) { return debutQuiTient(nom, NOM_FICHIER_MAX - 4); }

std::string lireSiPresent(const fs::path& nom, const std::string& defaut = "")
{
    return fs::exists(CAS / nom) ? lireFichier(CAS / nom) : defaut;
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

bool estPdf(const std::string& octets) { return octets.rfind("%PDF-", 0) == 0; }

#ifdef _WIN32
// No Linux program starts from inside wine: the PDF is left as
// VESPERINE_PDF_CAS/<case>/<cle>.pdf, whose text tests/pages-des-cas.sh checks
// on Linux against pages/, and the text that pages/ has stands for it here, so
// that only which PDFs were written is compared in this process.
std::string texteDesPages(const std::string& cle, const std::string& pdf)
{
    if (const char* dossier = std::getenv("VESPERINE_PDF_CAS")) {
        const fs::path fichier = fs::absolute(dossier) / CAS.filename() / depuisUtf8(cle + ".pdf");
        fs::create_directories(fichier.parent_path());
        ecrireFichier(fichier, pdf);
    }
    return lireSiPresent(depuisUtf8("pages/" + cle + ".txt"));
}
#else
bool reussit(const std::string& commande)
{
    const int statut = std::system(commande.c_str());
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

// The text of each page of `pdf` as `pdftotext -layout` gives it (each page
// ended by a form feed) when `qpdf --check` finds it valid; else a line that
// says which tool refused it.
std::string texteDesPages(const std::string& /*cle*/, const std::string& pdf)
{
    const DossierTemporaire ici;
    const std::string fichier = (ici.chemin() / "document.pdf").string();
    ecrireFichier(fichier, pdf);
    if (!reussit("command -v qpdf pdftotext > /dev/null")) {
        return "qpdf and pdftotext are needed: apt-get install qpdf poppler-utils\n";
    }
    if (!reussit("qpdf --check '" + fichier + "' > /dev/null && pdftotext -layout '" + fichier + "' '" + fichier +
                 ".txt'")) {
        return "qpdf --check refuses the PDF, or pdftotext fails on it\n";
    }
    return lireFichier(fichier + ".txt");
}
#endif

// The sheet bytes a case file in UTF-8 stands for: Windows-1252, and on Windows
// each line ended by CR LF as the program writes it there (a CR LF kept as it is).
std::string commeEcrit(const std::string& utf8)
{
    const std::string octets = versWindows1252(utf8);
    if (!WINDOWS || estPdf(octets)) {
        return octets;
    }
    std::string texte;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        texte += octets[i] == '\n' && (i == 0 || octets[i - 1] != '\r') ? "\r\n" : std::string(1, octets[i]);
    }
    return texte;
}

// Back to what a case file holds: UTF-8, each CR LF a LF on Windows.
std::string commeDansLeCas(const std::string& octets)
{
    std::string texte = octets;
    for (std::size_t i = 0; WINDOWS && !estPdf(octets) && (i = texte.find("\r\n", i)) != std::string::npos;) {
        texte.erase(i, 1);
    }
    return versUtf8(texte);
}

// A directory as releverDossier gives it, its files' bytes converted by `conversion`.
Arbre converti(Arbre arbre, std::string (*conversion)(const std::string&))
{
    for (auto& [nom, contenu] : arbre) {
        contenu = contenu == DOSSIER || contenu == AUTRE ? contenu : conversion(contenu);
    }
    return arbre;
}

// The FIFOs of fifos.txt: each line a name, then "lecteur" when a reader holds it open.
std::map<std::string, bool> fifos()
{
    std::map<std::string, bool> avecLecteur;
    const std::vector<std::string> l = lignes(lireSiPresent("fifos.txt"));
    for (std::size_t i = 0; i < l.size(); ++i) {
        const std::size_t blanc = l[i].find(' ');
        if (l[i].empty() || (blanc != std::string::npos && l[i].substr(blanc) != " lecteur")) {
            incompris(CAS / "fifos.txt", static_cast<int>(i) + 1, l[i]);
        }
        avecLecteur[l[i].substr(0, blanc)] = blanc != std::string::npos;
    }
    return avecLecteur;
}

// The case's folder `nom` (sheets kept in UTF-8) as the program's directory
// holds it, with the FIFOs of fifos.txt.
Arbre arbreDuCas(const std::string& nom)
{
    Arbre arbre = fs::exists(CAS / nom) ? converti(releverDossier(CAS / nom), commeEcrit) : Arbre{};
    for (const auto& [fifo, lecteur] : fifos()) {
        arbre[fifo] = AUTRE;
    }
    return arbre;
}

// The dice of des.txt: "10:7 5:3" (a die's faces, then the face it shows),
// blank-separated on any number of lines.
std::vector<std::pair<int, int>> lireDes()
{
    std::vector<std::pair<int, int>> des;
    const std::vector<std::string> l = lignes(lireSiPresent("des.txt"));
    for (std::size_t i = 0; i < l.size(); ++i) {
        std::istringstream mots(l[i]);
        for (std::string mot; mots >> mot;) {
            int faces = 0;
            int face = 0;
            char reste = 0;
            if (std::sscanf(mot.c_str(), "%d:%d%c", &faces, &face, &reste) != 2 || face < 1 || face > faces) {
                incompris(CAS / "des.txt", static_cast<int>(i) + 1, mot);
            }
            des.emplace_back(faces, face);
        }
    }
    return des;
}

// What the case gives the program.
struct Donnees {
    std::vector<std::string> arguments = lignes(lireSiPresent("arguments.txt"));
    std::string reponses = lireSiPresent("entree.txt");
    int erreurEntree = 0;  // after the answers: this read error, or the end of the input
    std::vector<std::pair<int, int>> des = lireDes();
    std::string panne = lireSiPresent("panne.txt");
    Arbre existant = arbreDuCas("existant");
};

// The case's files: known names only, a description, words that each reader knows.
Donnees lireDonnees()
{
    if (!fs::exists(CAS / "LISEZMOI.txt")) {
        throw std::runtime_error(CAS.string() + ": not a case folder with its LISEZMOI.txt");
    }
    for (const auto& entree : fs::directory_iterator(CAS)) {
        if (FICHIERS.count(entree.path().filename().string()) == 0) {
            incompris(CAS, 0, entree.path().filename().string());
        }
    }
    Donnees d;
    const std::vector<std::string> pannes = lignes(d.panne);
    for (std::size_t i = 0; i < pannes.size(); ++i) {
        try {
            nonExecutable(pannes[i]);
        } catch (const std::invalid_argument&) {
            incompris(CAS / "panne.txt", static_cast<int>(i) + 1, pannes[i]);
        }
    }
#ifndef _WIN32
    if (fs::exists(CAS / "entree_panne.txt")) {
        const std::string nom = lireFichier(CAS / "entree_panne.txt");
        d.erreurEntree = numeroErreur(nom.substr(0, nom.size() - 1));
        if (d.erreurEntree == 0 || nom.back() != '\n') {
            incompris(CAS / "entree_panne.txt", 1, nom);
        }
    }
#endif
    return d;
}

// Why the case's faults cannot be made on this system, or "": those of
// panne.txt by this system's fake (stockage_en_panne.h), the read error of
// entree_panne.txt, an errno, on POSIX systems alone. On Windows, half a write
// of a sheet is half of its CR LF bytes: a sheet left cut is another one there.
std::string pannesImpossiblesIci(const Donnees& d)
{
    if (WINDOWS && fs::exists(CAS / "entree_panne.txt")) {
        return "entree_panne.txt names an errno, a read error of POSIX systems";
    }
    if (const auto raison = nonExecutable(d.panne)) {
        return "panne.txt: " + *raison;
    }
    const bool coupeLaisse = lireSiPresent("erreurs.txt").find("n'a pas pu être retiré") != std::string::npos;
    return WINDOWS && coupeLaisse ? "the sheet left cut holds half a write, other bytes with CR LF line ends" : "";
}

// Why the case cannot run on this system, or "" when it can. plateforme.txt,
// the line "windows", keeps a case to Windows.
std::string pourquoiPasIci(const Donnees& d)
{
    const std::string plateforme = lireSiPresent("plateforme.txt");
    if (!plateforme.empty() && plateforme != "windows\n") {
        incompris(CAS / "plateforme.txt", 1, plateforme);
    }
    if (!plateforme.empty() && !WINDOWS) {
        return "a case of Windows alone (plateforme.txt)";
    }
    if (WINDOWS && fs::exists(CAS / "fifos.txt")) {
        return "Windows has no FIFO (fifos.txt)";
    }
    if (const std::string raison = pannesImpossiblesIci(d); !raison.empty()) {
        return raison;
    }
    // Wine shows a link of the case folder as what it leads to: CMake, on Linux, names them.
    const char* liens = std::getenv("VESPERINE_LIENS");
    if (WINDOWS && liens != nullptr && *liens != '\0') {
        return std::string("existant/ holds symbolic links (") + liens +
               "), which wine shows as what they lead to and this runner does not make on Windows";
    }
    return "";
}

// One run of the program on the case's data and the given answers, in a
// directory of its own. It is the run's terminal: output shows once flushed, and
// the answers are handed out one byte at a time, so that every read is seen. It
// is its dice too: scripted faces (1 for a die past the script or not the one
// scripted), each throw noted with whether output waited.
struct Passage : std::streambuf, SourceDes {
    const std::vector<std::pair<int, int>>& des;
    std::vector<int> jetes;  // the faces of each die thrown
    std::string texte;
    int erreurEntree;
    std::vector<std::pair<std::size_t, std::size_t>> ecrans;  // shown on each stream when byte i was read
    std::vector<std::size_t> lecturesNonVides;                // offsets read while output waited
    int jetsNonVides = 0;
    std::string affiche;
    std::string enAttente;
    std::ostringstream erreurs;
    int statut = 0;
    std::string appels;
    std::string horsDePortee;  // what the fake could not do here, when it could not
    DossierTemporaire travail;

    Passage(const Donnees& d, std::string reponses, int erreur)
        : des(d.des), texte(std::move(reponses)), erreurEntree(erreur), ecrans(texte.size() + 1)
    {
        ecrireArbre(travail.chemin(), d.existant);
        std::vector<const char*> argv = {"vesperine"};
        for (const std::string& a : d.arguments) {
            argv.push_back(a.c_str());
        }
#ifndef _WIN32
        std::vector<int> lecteurs;
        for (const auto& [fifo, lecteur] : fifos()) {
            if (lecteur) {
                lecteurs.push_back(open((travail.chemin() / fifo).c_str(), O_RDONLY | O_NONBLOCK));
            }
        }
#endif
        const auto systeme = stockageEnPanne(d.panne, ".");
        SourceDesTemporaire source(*this);
        std::ostream sortie(this);
        std::istream entree(this);
        const fs::path ici = fs::current_path();
        fs::current_path(travail.chemin());
        statut = programme(static_cast<int>(argv.size()), argv.data(), entree, sortie, erreurs, systeme->stockage(),
                           &IMPRIMEUR);
        fs::current_path(ici);
        appels = systeme->journal();
        horsDePortee = systeme->horsDePortee();
#ifndef _WIN32
        for (const int fd : lecteurs) {
            close(fd);
        }
#endif
    }

    std::string ecran() const { return affiche + enAttente; }

    // The PDFs written, by name ("-" for standard output): what is new or changed.
    Arbre pdfs(const Arbre& avant) const
    {
        Arbre ecrits;
        for (const auto& [nom, octets] : releverDossier(travail.chemin())) {
            if (estPdf(octets) && (avant.count(nom) == 0 || avant.at(nom) != octets)) {
                ecrits[nom] = octets;
            }
        }
        if (estPdf(ecran())) {
            ecrits[SORTIE_PDF] = ecran();
        }
        return ecrits;
    }

    int_type overflow(int_type c) override
    {
        enAttente += traits_type::eq_int_type(c, traits_type::eof()) ? "" : std::string(1, char(c));
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        affiche += enAttente;
        enAttente.clear();
        return 0;
    }
    int_type underflow() override
    {
        const auto i = static_cast<std::size_t>(gptr() == nullptr ? 0 : gptr() - texte.data());
        ecrans[i] = {affiche.size(), erreurs.str().size()};
        if (!enAttente.empty()) {
            lecturesNonVides.push_back(i);
        }
        if (i == texte.size() && erreurEntree != 0) {
            // As the C++ library's file buffer reports a failed read.
            throw std::ios_base::failure("lecture", std::error_code(erreurEntree, std::system_category()));
        }
        if (i == texte.size()) {
            return traits_type::eof();
        }
        setg(texte.data(), texte.data() + i, texte.data() + i + 1);
        return traits_type::to_int_type(texte[i]);
    }
    int jeter(int faces) override
    {
        jetsNonVides += enAttente.empty() ? 0 : 1;
        const std::size_t rang = jetes.size();
        jetes.push_back(faces);
        return rang < des.size() && des[rang].first == faces ? des[rang].second : 1;
    }
    int tirer() override { return 0; }  // never called: jeter gives every face
};

// The expected text files, with what stands for an absent one; appels.txt is
// compared only where the case has it, and never on Windows: it is the journal
// of the POSIX calls, which the Windows storage does not make.
const std::map<std::string, std::string> TEXTES = {
    {"sortie.txt", ""}, {"erreurs.txt", ""}, {"statut.txt", "0\n"}, {"appels.txt", ""}};

// The text of a folder's files by their path in it: pages/ as the case has it.
Arbre textesSous(const std::string& dossier)
{
    Arbre textes;
    for (const auto& [nom, texte] : fs::exists(CAS / dossier) ? releverDossier(CAS / dossier) : Arbre{}) {
        if (texte != DOSSIER) {
            textes[enUtf8(depuisUtf8(nom).replace_extension())] = texte;
        }
    }
    return textes;
}

// Writes the expected files from what the run did: the text files (removed when
// they would stand for nothing), pages/ anew, fiches/ when the directory is not
// as existant/ made it or the case has one, octets/ where the case has them.
void regenerer(const Arbre& textes, const Arbre& fiches, const Arbre& pages, const Arbre& pdfs, const Arbre& avant)
{
    for (const auto& [nom, texte] : textes) {
        if (nom != "appels.txt" || (fs::exists(CAS / nom) && !WINDOWS)) {
            fs::remove(CAS / nom);
            if (texte != TEXTES.at(nom) || nom == "appels.txt") {
                ecrireFichier(CAS / nom, texte);
            }
        }
    }
    if (fs::exists(CAS / "fiches") || fiches != avant) {
        fs::remove_all(CAS / "fiches");
        Arbre sansFifos = fiches;
        for (const auto& [nom, contenu] : fiches) {
            if (contenu == AUTRE) {
                sansFifos.erase(nom);
            }
        }
        ecrireArbre(CAS / "fiches", converti(sansFifos, commeDansLeCas));
    }
    fs::remove_all(CAS / "pages");
    for (const auto& [nom, texte] : pages) {
        fs::create_directories((CAS / "pages" / depuisUtf8(nom)).parent_path());
        ecrireFichier(CAS / "pages" / depuisUtf8(nom + ".txt"), texte);
        if (fs::exists(CAS / "octets" / depuisUtf8(nom))) {
            ecrireFichier(CAS / "octets" / depuisUtf8(nom), pdfs.at(nom));
            ecrireFichier(CAS / "octets" / "libharu.txt", std::string(versionBibliothequePdf()) + "\n");
        }
    }
}

// Byte for byte under the library version that made them, else the same bytes twice.
void comparerOctets(const Donnees& d, const Arbre& pdfs)
{
    const bool memeVersion = lireSiPresent("octets/libharu.txt") == std::string(versionBibliothequePdf()) + "\n";
    const Arbre encore = memeVersion ? pdfs : Passage(d, d.reponses, d.erreurEntree).pdfs(d.existant);
    for (const auto& [nom, octets] : releverDossier(CAS / "octets")) {
        if (nom != "libharu.txt") {
            ASSERT_EQ(pdfs.count(nom), 1U) << nom;
            EXPECT_TRUE(pdfs.at(nom) == (memeVersion ? octets : encore.at(nom)))
                << nom << (memeVersion ? " differs from octets/" : " differs between two runs");
        }
    }
}

TEST(Cas, SortieStatutFichesEtPdf)
{
    const Donnees d = lireDonnees();
    if (const std::string raison = pourquoiPasIci(d); !raison.empty()) {
        GTEST_SKIP() << raison;
    }
    const Passage p(d, d.reponses, d.erreurEntree);
    if (!p.horsDePortee.empty()) {
        GTEST_SKIP() << p.horsDePortee;
    }
    const Arbre pdfs = p.pdfs(d.existant);
    const Arbre textes = {{"sortie.txt", estPdf(p.ecran()) ? "" : p.ecran()},
                          {"erreurs.txt", p.erreurs.str()},
                          {"statut.txt", std::to_string(p.statut) + "\n"},
                          {"appels.txt", p.appels}};
    // The directory afterwards, and as existant/ made it, less the PDFs written, which pages/ shows.
    Arbre fiches = releverDossier(p.travail.chemin());
    Arbre avant = d.existant;
    Arbre pages;
    for (const auto& [nom, pdf] : pdfs) {
        fiches.erase(nom);
        avant.erase(nom);
        pages[clePage(nom)] = texteDesPages(clePage(nom), pdf);
    }
    const char* regeneration = std::getenv("VESPERINE_REGENERER");
    if (regeneration != nullptr && std::string(regeneration) == "1") {
        const Arbre dossier = releverDossier(CAS);
        regenerer(textes, fiches, pages, pdfs, avant);
        if (releverDossier(CAS) != dossier) {
            ADD_FAILURE() << "VESPERINE_REGENERER rewrote " << CAS.string() << ": review it with git diff";
        }
    }
    for (const auto& [nom, texte] : textes) {
        if (nom != "appels.txt" || (fs::exists(CAS / nom) && !WINDOWS)) {
            EXPECT_EQ(texte, lireSiPresent(nom, TEXTES.at(nom))) << nom;
        }
    }
    Arbre attendu = arbreDuCas(fs::exists(CAS / "fiches") ? "fiches" : "existant");
    for (const auto& [nom, pdf] : pdfs) {
        attendu.erase(nom);
    }
    EXPECT_EQ(fiches, attendu) << "the directory afterwards";
    EXPECT_EQ(pages, textesSous("pages")) << "the PDFs written, by the text of their pages";
    if (fs::exists(CAS / "octets")) {
        comparerOctets(d, pdfs);
    }
    std::vector<int> prevus;
    for (const auto& [faces, face] : d.des) {
        prevus.push_back(faces);
    }
    EXPECT_EQ(p.jetes, prevus) << "the faces of each die thrown, against des.txt";

    // Nothing left unflushed: at every read, at every die, and at the end.
    EXPECT_EQ(p.lecturesNonVides, std::vector<std::size_t>{}) << "offsets of the input read with output unflushed";
    EXPECT_EQ(p.jetsNonVides, 0) << "dice thrown with output unflushed";
    EXPECT_EQ(p.enAttente, "");

    // The input ending before any one of the answers (where a word starts): status
    // 1, the notice, the screen as it stood at that read followed by a line end,
    // and, before any save was tried (a failed one reports itself), the directory as it was.
    for (std::size_t debut = 0; debut < d.reponses.size() && !HasFailure(); ++debut) {
        if (std::isspace(static_cast<unsigned char>(d.reponses[debut])) != 0 ||
            (debut > 0 && std::isspace(static_cast<unsigned char>(d.reponses[debut - 1])) == 0)) {
            continue;
        }
        const Passage coupe(d, d.reponses.substr(0, debut), 0);
        const auto [ecran, erreurs] = p.ecrans[debut];
        EXPECT_EQ(coupe.statut, 1) << "input cut at byte " << debut;
        EXPECT_EQ(coupe.affiche, p.ecran().substr(0, ecran) + "\n") << "cut at " << debut;
        EXPECT_EQ(coupe.erreurs.str(), p.erreurs.str().substr(0, erreurs) + FIN_ENTREE) << "cut at " << debut;
        if (erreurs == 0) {
            EXPECT_EQ(releverDossier(coupe.travail.chemin()), d.existant) << "cut at " << debut;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " tests/transcripts/<case>\n";
        return 2;
    }
    // Absolute, as the run changes the current directory (under wine, to another drive).
    CAS = fs::absolute(argv[1]);
#ifdef _WIN32
    if (const char* dossier = std::getenv("VESPERINE_PDF_CAS")) {
        fs::remove_all(fs::absolute(dossier) / CAS.filename());
    }
#endif
    return RUN_ALL_TESTS();
}
