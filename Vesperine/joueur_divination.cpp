#include <iterator>

#include "encodage.h"
#include "joueur.h"
#include "table.h"

namespace {

// The motto of every divination, in `divination` order, with its enclosing marks.
const char* const DEVISES[] = {
    "<<La mutation extérieure trahit la corruption intérieure>>",                               // MUTATION_EXTERIEURE
    "<<Seuls les fous ne connaissent pas la peur. Seuls les fous la laissent les gouverner>>",  // SEUL_LES_FOUS
    "<<Le péché se cache dans chaque âme négligente>>",                                         // PECHE
    "<<L'innocence n'est qu'une illusion>>",                                                    // INNOCENCE_ILLUSOIRE
    "<<Un sombre rêve annonce un réveil plus sombre encore>>",                                  // SOMBRE_REVE
    "<<Une blessure peut guérir, la damnation jamais>>",                                        // BLESSURE_DAMNATION
    "<<Tue les xenos, car leur existence même est une offense>>",                               // TUE_LES_XENOS
    "<<La vérité est subjective, seule la foi ne l'est pas>>",                                  // VERITE_SUBJECTIVE
    "<<Tue le mutant avant qu'il ne souille ton sang>>",                                        // TUE_LE_MUTANT
    "<<Les fidèles n'ont rien de plus grand à offrir que leur vie>>",                           // OFFRIR_LEUR_VIE
    "<<Une tâche accomplie est la seule récompense du serviteur>>",                             // TACHE_ACCOMPLIE
    "<<Seule la mort met fin au devoir>>",                                                      // SEUL_LA_MORT
    "<<Un esprit inoccupé est un esprit ouvert aux ténèbres>>",                                 // ESPRIT_INOCUPEE
    "<<Le civil qui doute est déjà un traître en devenir>>",                                    // CIVIL
    "<<La violence résout tout>>",                                                              // VIOLENCE
    "<<Il n'y a pas de paix, il n'y a que la guerre>>",                                         // GUERRE
    "<<Meurs en servant plutôt que de vivre dans la honte>>",                                   // MEURS
    "<<La balle ne connaît ni la pitié ni le doute>>",                                          // LA_BALLE
    "<<Chaque jour sans hérésie est une bénédiction>>",                                         // BENEDICTION
    "<<Un homme n'est rien, l'humanité est tout>>",                                             // HOMME
    "<<Dans les ténèbres, seule la foi éclaire le chemin>>",                                    // DANS_LES_TENEBRES
    "<<La crainte de l'ennemi est le début de la défaite>>",                                    // CRAINTE
    "<<Une pensée qui s'égare est le premier pas vers l'hérésie>>",                             // PENSEE_HERESIE
    "<<Le sage sait que la mort attend chacun de nous>>",                                       // SAGE_MORT
    "<<Une âme suspicieuse est une âme bien gardée>>",                                          // AME_SUSPICIEUSE
    "<<Ayez foi en votre peur, elle vous garde en vie>>",                                       // FOI_EN_VOTRE_PEUR
    "<<La ferveur du fidèle est son meilleur bouclier>>",                                       // FERVEUR
    "<<Ne demande pas comment servir, sers>>",                                                  // COMMENT_SERVIR
};
static_assert(std::size(DEVISES) == NB_DIVINATIONS, "one motto per divination");

}  // namespace

void Joueur::setDivination(divination d) { tarot = d; }

divination Joueur::getDivination() const { return tarot; }

std::string Joueur::getDivination(divination d) const
{
    // AUCUNE_DIVINATION has a name of its own; a value outside the enumeration is an error.
    const char* const horsTable = d == AUCUNE_DIVINATION ? "Aucune divination" : "Erreur";
    return versWindows1252(nomIndexe(DEVISES, d, horsTable));
}
