// Saving the character: the file name of bytes that are no UTF-8, and what
// needs code to happen during a save: a file-size limit, signals, saves that
// overlap. Faults of the file system, refusals and another program changing
// the name are case folders with their journals.
#include <gtest/gtest.h>

#include <condition_variable>
#include <csignal>
#include <mutex>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include "appels_en_panne.h"
#include "fiche.h"
#include "outils.h"
#include "raisons.h"

namespace fs = std::filesystem;

namespace {

// Bytes that start no UTF-8 character count one by one, so the cut keeps 251 of
// them; a NUL would end the path early.
TEST(NomFichierFiche, OctetsHorsUtf8EtNul)
{
    EXPECT_EQ(nomFichierFiche(std::string(300, '\xFF')), std::string(251, '\xFF') + ".pdf");
    EXPECT_EQ(nomFichierFiche(std::string("a\0b", 3)), "a_b.pdf");
}

// Windows' rule, checked on every system: no path, drive, stream or device can
// be named; on POSIX systems the same names are plain names.
TEST(NomFichierFiche, RegleDeWindows)
{
    const std::vector<std::pair<std::string, std::string>> CAS = {{"a\\..\\..\\evasion", "a_.._.._evasion.pdf"},
                                                                  {"Kael:flux", "Kael_flux.pdf"},
                                                                  {"C:evasion", "C_evasion.pdf"},
                                                                  {"x*?\"<>|\x01", "x_______.pdf"},
                                                                  {"CON", "CON_.pdf"},
                                                                  {"nul.txt", "nul_.txt.pdf"},
                                                                  {"Com9", "Com9_.pdf"},
                                                                  {"CONOUT$", "CONOUT$_.pdf"},
                                                                  {"COM0", "COM0.pdf"},
                                                                  {"Console", "Console.pdf"},
                                                                  {"Zoé", "Zoé.pdf"}};
    for (const auto& [nom, fichier] : CAS) {
        EXPECT_EQ(nomFichierFiche(nom, RegleNoms::WINDOWS), fichier) << nom;
    }
    EXPECT_EQ(nomFichierFiche("a\\b:c", RegleNoms::POSIX), "a\\b:c.pdf");
    EXPECT_EQ(nomFichierFiche("CON", RegleNoms::POSIX), "CON.pdf");
}

// Sheets of one length that tell who wrote them.
std::string ficheDe(char auteur) { return std::string(865, auteur) + "\n"; }
const std::string AVANT = "une fiche d'avant\n";

// Runs `enfant` in a child process and answers how the child ended.
template <typename Fonction> int dansUnEnfant(Fonction enfant)
{
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(enfant());
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    return statut;
}

TEST(EchecEnregistrement, LimiteDeTailleSansArretEtFichierIntact)
{
    DossierTemporaire dossier;
    const std::string fichier = (dossier.chemin() / "Kael.pdf").string();
    const std::string avant(500, '#');
    ecrireFichier(fichier, avant);
    const int statut = dansUnEnfant([&] {
        const rlimit limite = {1024, 1024};  // half of the sheet fits
        setrlimit(RLIMIT_FSIZE, &limite);
        const std::optional<Echec> echec = stockageReel().ajouterFiche(fichier, ficheDe('k'));
        return echec && echec->raison.cause == Cause::TROP_GROS && enFrancais(*echec) == "fichier trop gros" ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(statut)) << "killed by signal " << (WIFSIGNALED(statut) ? WTERMSIG(statut) : 0);
    EXPECT_EQ(WEXITSTATUS(statut), 0) << "the reason is not « fichier trop gros »";
    EXPECT_EQ(lireFichier(fichier), avant);
}

// A termination signal that comes during the save waits for its end: the sheet
// is appended whole, or not at all when the save fails, and then the signal ends
// the program.
TEST(EchecEnregistrement, SignalRemisApresUneFicheEntiereOuAucune)
{
    const std::string complet = AVANT + ficheDe('d');
    struct Cas {
        int signal;
        const char* panne;
        const std::string& apres;
    };
    const Cas cas[] = {
        {SIGTERM, "ecriture 1 SIGTERM\necriture 1 courte\n", complet},
        {SIGINT, "ecriture 1 SIGINT\necriture 1 courte\necriture 2 ENOSPC\n", AVANT},
        {SIGHUP, "synchronisation 1 SIGHUP\nsynchronisation 1 EIO\n", AVANT},
        {SIGQUIT, "fermeture 1 SIGQUIT\n", complet},
    };
    for (const Cas& c : cas) {
        DossierTemporaire dossier;
        const std::string fichier = (dossier.chemin() / "Dax.pdf").string();
        ecrireFichier(fichier, AVANT);
        const int statut = dansUnEnfant([&] {
            std::signal(c.signal, SIG_DFL);
            const rlimit pasDeCore = {0, 0};
            setrlimit(RLIMIT_CORE, &pasDeCore);
            AppelsEnPanne enPanne(c.panne);
            StockagePosix(enPanne).ajouterFiche(fichier, ficheDe('d'));
            return 100;  // without the signal the program would go on
        });
        EXPECT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == c.signal) << c.panne;
        EXPECT_EQ(lireFichier(fichier), c.apres) << c.panne;
        EXPECT_EQ(releverDossier(dossier.chemin()).size(), 1U) << c.panne;
    }
}

// Save A of sheet "a" runs with its faults `panneA`; at its call `numero` of
// `operation`, save B of sheet "b" starts on a thread with its faults `panneB`.
// A goes on once B waits for the lock or has noted its size and begun to write;
// B then writes only after A has ended. Both answers come back.
std::pair<std::optional<Echec>, std::optional<Echec>> croiser(const fs::path& fichier, const char* panneA,
                                                              const char* operation, int numero, const char* panneB)
{
    const auto taille = std::signal(SIGXFSZ, SIG_IGN);  // both saves change it, in their own order
    AppelsEnPanne systemeA(panneA);
    AppelsEnPanne systemeB(panneB);
    std::mutex verrou;
    std::condition_variable changement;
    bool bArrive = false;
    bool aFini = false;
    const auto signaler = [&](bool& drapeau) {
        const std::lock_guard<std::mutex> garde(verrou);
        drapeau = true;
        changement.notify_all();
    };
    const auto attendre = [&](const bool& drapeau) {
        std::unique_lock<std::mutex> garde(verrou);
        changement.wait(garde, [&] { return drapeau; });
    };
    std::optional<Echec> a;
    std::optional<Echec> b;
    std::thread copieB;
    systemeB.avant("verrouillage", 1, [&] { signaler(bArrive); });
    systemeB.avant("ecriture", 1, [&] {
        signaler(bArrive);
        attendre(aFini);
    });
    systemeA.avant(operation, numero, [&] {
        copieB = std::thread([&] {
            b = StockagePosix(systemeB).ajouterFiche(fichier.string(), ficheDe('b'));
            signaler(bArrive);
        });
        attendre(bArrive);
    });
    a = StockagePosix(systemeA).ajouterFiche(fichier.string(), ficheDe('a'));
    signaler(aFini);
    copieB.join();
    std::signal(SIGXFSZ, taille);
    return {a, b};
}

// Saves of one name that overlap: after both, the file holds exactly the sheets
// whose saves said they succeeded, after what was there, and no NUL byte.
TEST(EnregistrementsCroises, LeFichierGardeChaqueFicheAnnonceeEtRienDAutre)
{
    struct Cas {
        const char* quoi;
        bool existe;
        const char* panneA;
        const char* operation;  // of A, where B starts
        int numero;
        const char* panneB;
        bool bReussit;
    };
    const Cas cas[] = {
        {"B appends while A holds its size, then A fails", true, "ecriture 1 courte\necriture 2 EFBIG", "ecriture", 1,
         "", true},
        {"A created the file and fails while B waits", false, "ecriture 1 courte\necriture 2 ENOSPC", "ecriture", 2, "",
         true},
        {"both fail, B starting after A's first half", true, "ecriture 1 courte\necriture 2 EFBIG", "ecriture", 2,
         "ecriture 1 courte\necriture 2 EFBIG", false},
    };
    for (const Cas& c : cas) {
        DossierTemporaire dossier;
        const fs::path fichier = dossier.chemin() / "R.pdf";
        if (c.existe) {
            ecrireFichier(fichier, AVANT);
        }
        const auto [a, b] = croiser(fichier, c.panneA, c.operation, c.numero, c.panneB);
        EXPECT_TRUE(a.has_value()) << c.quoi;
        EXPECT_EQ(!b.has_value(), c.bReussit) << c.quoi << ": " << (b ? enFrancais(*b) : "");
        EXPECT_EQ(lireFichier(fichier), (c.existe ? AVANT : "") + (c.bReussit ? ficheDe('b') : "")) << c.quoi;
    }
}

// Copies of the program saving one name at once, on the real file system: one in
// three under a file-size limit smaller than a sheet, which always fails. The
// file ends as the others' sheets, each whole and once, in any order.
TEST(EnregistrementsCroises, CopiesSimultaneesSousLimiteDeTaille)
{
    constexpr int COPIES = 12;
    DossierTemporaire dossier;
    const std::string fichier = (dossier.chemin() / "C.pdf").string();
    int depart[2];
    ASSERT_EQ(pipe(depart), 0);
    std::vector<pid_t> enfants;
    for (int i = 0; i < COPIES; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(depart[1]);
            char octet = 0;
            while (read(depart[0], &octet, 1) < 0 && errno == EINTR) {
            }
            if (i % 3 == 0) {
                const rlimit limite = {400, 400};
                setrlimit(RLIMIT_FSIZE, &limite);
            }
            _exit(stockageReel().ajouterFiche(fichier, ficheDe(static_cast<char>('A' + i))) ? 1 : 0);
        }
        enfants.push_back(pid);
    }
    close(depart[0]);
    close(depart[1]);  // every copy starts now
    std::multiset<std::string> attendues;
    for (int i = 0; i < COPIES; ++i) {
        int statut = 0;
        waitpid(enfants[static_cast<std::size_t>(i)], &statut, 0);
        ASSERT_TRUE(WIFEXITED(statut)) << "copy " << i;
        EXPECT_EQ(WEXITSTATUS(statut), i % 3 == 0 ? 1 : 0) << "copy " << i;
        if (WEXITSTATUS(statut) == 0) {
            attendues.insert(ficheDe(static_cast<char>('A' + i)));
        }
    }
    const std::string contenu = lireFichier(fichier);
    std::multiset<std::string> trouvees;
    for (std::size_t debut = 0; debut < contenu.size(); debut += ficheDe('x').size()) {
        trouvees.insert(contenu.substr(debut, ficheDe('x').size()));
    }
    EXPECT_EQ(trouvees, attendues);
}

}  // namespace
