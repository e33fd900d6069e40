// Saving the character: the file name of bytes that are no UTF-8, and what the
// real file system and the process can put in the way of a save. Faults that need neither are transcripts.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "createur.h"
#include "des_scriptes.h"
#include "encodage.h"
#include "fiche.h"
#include "outils.h"
#include "systeme_fichiers_en_panne.h"

namespace fs = std::filesystem;

namespace {

const fs::path TRANSCRIPTS = VESPERINE_TRANSCRIPTS;
const std::string MENU_FIN = "1)Quitter et enregistrer personnage\n2)Recommencer personnage\n3)Quitter\n";

struct Resultat {
    int statut;
    std::string sortie;
    std::string erreurs;
};

// Runs the dialogue of a hand-worked case (its dice) on the given answers, in `dossier`.
Resultat dialoguer(const std::string& cas, const std::string& reponses, const fs::path& dossier,
                   SystemeFichiers& systeme = systemeFichiersReel())
{
    DesScriptes des(DesScriptes::lire(lireFichier(TRANSCRIPTS / cas / "des.txt")));
    SourceDesTemporaire source(des);
    std::istringstream entree(reponses);
    std::ostringstream sortie;
    std::ostringstream erreurs;
    Createur createur(entree, sortie, erreurs, dossier.string(), systeme);
    const int statut = createur.executer();
    return {statut, sortie.str(), erreurs.str()};
}

// This case saves "Kael.pdf" with its last answer; this one adds to "Dax.pdf".
const std::string CAS_KAEL = "hors_monde_adepte_choix_1";
const std::string CAS_DAX = "imperial_racaille_choix_1_ajout";

std::string echec(const std::string& fichier, const std::string& raison)
{
    return "Impossible d'enregistrer la fiche dans « " + fichier + " » : " + raison + "\n";
}

// Bytes that start no UTF-8 character count one by one, so the cut keeps 251 of
// them; a NUL would end the path early.
TEST(NomFichierFiche, OctetsHorsUtf8EtNul)
{
    EXPECT_EQ(nomFichierFiche(std::string(300, '\xFF')), std::string(251, '\xFF') + ".pdf");
    EXPECT_EQ(nomFichierFiche(std::string("a\0b", 3)), "a_b.pdf");
}

// Something named Kael.pdf in the sheets' directory that must be refused at
// once, and left as it is with everything outside.
TEST(EchecEnregistrement, LienOuFifoRefusesAussitotSansRienChanger)
{
    struct Obstacle {
        const char* quoi;
        bool lien;     // else a FIFO
        bool lecteur;  // a reader holds the FIFO open
        const char* cible;
        const char* raison;
    };
    const Obstacle obstacles[] = {
        {"link to a file outside", true, false, "../dehors/cible.txt", "c'est un lien symbolique"},
        {"dangling link", true, false, "../dehors/absent.txt", "c'est un lien symbolique"},
        {"FIFO without reader", false, false, "", "ce n'est pas un fichier ordinaire"},
        {"FIFO with a reader", false, true, "", "ce n'est pas un fichier ordinaire"},
    };
    for (const Obstacle& o : obstacles) {
        DossierTemporaire racine;
        const fs::path fiches = racine.chemin() / "fiches";
        fs::create_directories(fiches);
        fs::create_directories(racine.chemin() / "dehors");
        ecrireFichier(racine.chemin() / "dehors" / "cible.txt", "hors du dossier des fiches\n");
        int lecteur = -1;
        if (o.lien) {
            fs::create_symlink(o.cible, fiches / "Kael.pdf");
        } else {
            ASSERT_EQ(mkfifo((fiches / "Kael.pdf").c_str(), 0600), 0);
            if (o.lecteur) {
                lecteur = open((fiches / "Kael.pdf").c_str(), O_RDONLY | O_NONBLOCK);
                ASSERT_GE(lecteur, 0);
            }
        }
        const auto avant = releverDossier(racine.chemin());

        // A save that waited for the FIFO would never come back.
        const Resultat r = dialoguer(CAS_KAEL, lireFichier(TRANSCRIPTS / CAS_KAEL / "entree.txt") + "3\n", fiches);
        EXPECT_EQ(r.statut, 0) << o.quoi;
        EXPECT_EQ(r.sortie, lireFichier(TRANSCRIPTS / CAS_KAEL / "sortie.txt") + MENU_FIN) << o.quoi;
        EXPECT_EQ(r.erreurs, echec("Kael.pdf", o.raison)) << o.quoi;
        EXPECT_EQ(releverDossier(racine.chemin()), avant) << o.quoi;
        if (lecteur >= 0) {
            char octet = 0;
            EXPECT_LE(read(lecteur, &octet, 1), 0) << "something went into the FIFO";
            close(lecteur);
        }
    }
}

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
    const std::string avant(500, '#');
    ecrireFichier(dossier.chemin() / "Kael.pdf", avant);
    const int statut = dansUnEnfant([&] {
        const rlimit limite = {1024, 1024};  // the sheet is 866 bytes: half of it fits
        setrlimit(RLIMIT_FSIZE, &limite);
        const Resultat r =
            dialoguer(CAS_KAEL, lireFichier(TRANSCRIPTS / CAS_KAEL / "entree.txt") + "3\n", dossier.chemin());
        ecrireFichier(dossier.chemin() / "erreurs.txt", r.erreurs);
        return r.statut;
    });
    ASSERT_TRUE(WIFEXITED(statut)) << "killed by signal " << (WIFSIGNALED(statut) ? WTERMSIG(statut) : 0);
    EXPECT_EQ(WEXITSTATUS(statut), 0);
    EXPECT_EQ(lireFichier(dossier.chemin() / "Kael.pdf"), avant);
    EXPECT_EQ(lireFichier(dossier.chemin() / "erreurs.txt"), echec("Kael.pdf", "File too large"));
}

// A termination signal that comes during the save waits for its end: the sheet
// is appended whole, or not at all when the save fails, and then the signal ends
// the program.
TEST(EchecEnregistrement, SignalRemisApresUneFicheEntiereOuAucune)
{
    const std::string existant = versWindows1252(lireFichier(TRANSCRIPTS / CAS_DAX / "existant" / "Dax.pdf"));
    const std::string complet = versWindows1252(lireFichier(TRANSCRIPTS / CAS_DAX / "fiches" / "Dax.pdf"));
    struct Cas {
        int signal;
        const char* panne;
        const std::string& apres;
    };
    const Cas cas[] = {
        {SIGTERM, "ecriture 1 SIGTERM\necriture 1 courte\n", complet},
        {SIGINT, "ecriture 1 SIGINT\necriture 1 courte\necriture 2 ENOSPC\n", existant},
        {SIGHUP, "synchronisation 1 SIGHUP\nsynchronisation 1 EIO\n", existant},
        {SIGQUIT, "fermeture 1 SIGQUIT\n", complet},
    };
    for (const Cas& c : cas) {
        DossierTemporaire dossier;
        ecrireFichier(dossier.chemin() / "Dax.pdf", existant);
        const int statut = dansUnEnfant([&] {
            std::signal(c.signal, SIG_DFL);
            const rlimit pasDeCore = {0, 0};
            setrlimit(RLIMIT_CORE, &pasDeCore);
            SystemeFichiersEnPanne enPanne(c.panne);
            // Without the signal the run would end here, after a save or a failure and "3".
            dialoguer(CAS_DAX, lireFichier(TRANSCRIPTS / CAS_DAX / "entree.txt") + "3\n", dossier.chemin(), enPanne);
            return 100;
        });
        EXPECT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == c.signal) << c.panne;
        EXPECT_EQ(lireFichier(dossier.chemin() / "Dax.pdf"), c.apres) << c.panne;
        EXPECT_EQ(releverDossier(dossier.chemin()).size(), 1U) << c.panne;
    }
}

}  // namespace
