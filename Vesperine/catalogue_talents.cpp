#include "catalogue.h"

// Display name of every talent, in `talent` order.
const char* const CATALOGUE_TALENTS[NB_TALENTS] = {
    "Agilite feline",                                       // AGILITE_FELINE
    "Aide electrique",                                      // AIDE_ELECTRIQUE
    "Ambidextre",                                           // AMBIDEXTRE
    "Ame noire",                                            // AME_NOIRE
    "Armure de mepris",                                     // ARMURE_DE_MEPRIS
    "Assaut acharne",                                       // ASSAUT_ACHARNE
    "Assommement",                                          // ASSOMMEMENT
    "Attaque eclair",                                       // ATTAQUE_ECLAIR
    "Attaque rapide",                                       // ATTAQUE_RAPIDE
    "Attraction feerique",                                  // ATTRACTION_FEERIQUE
    "Aura d'autorite",                                      // AURA_D_AUTORITE
    "Autosanguin",                                          // AUTOSANGUIN
    "Aux portes de l'enfer",                                // AUX_PORTES_DE_L_ENFER
    "Biceps saillants",                                     // BICEPS_SAILLANTS
    "Blase",                                                // BLASE
    "Bon tireur",                                           // BON_TIREUR
    "Bonne reputation(Administratum)",                      // BONNE_REPUTATION_ADMINISTRATUM
    "Bonne reputation(Ecclesiarchie)",                      // BONNE_REPUTATION_ECCLESIARCHIE
    "Bonne reputation(Garde imperiale)",                    // BONNE_REPUTATION_GARDE_IMPERIALE
    "Bonne reputation(Inquisition)",                        // BONNE_REPUTATION_INQUISITION
    "Bonne reputation(Marine imperiale)",                   // BONNE_REPUTATION_MARINE_IMPERIALE
    "Bonne reputation(Pegre)",                              // BONNE_REPUTATION_PEGRE
    "Cache energetique",                                    // CACHE_ENERGETIQUE
    "Cavite cachee",                                        // CAVITE_CACHEE
    "Charge de berserker",                                  // CHARGE_DE_BERSERKER
    "Charge luminen",                                       // CHARGE_LUMINEN
    "Chimiocastration",                                     // CHIMIOCASTRATION
    "Choc luminen",                                         // CHOC_LUMINEN
    "Cible rapide",                                         // CIBLE_RAPIDE
    "Combat à deux armes(Corps à corps)",                   // COMBAT_A_DEUX_ARMES_CORPS_A_CORPS
    "Combat à deux armes(Tir)",                             // COMBAT_A_DEUX_ARMES_TIR
    "Combat aveugle",                                       // COMBAT_AVEUGLE
    "Combat de rue",                                        // COMBAT_DE_RUE
    "Constitution solide",                                  // CONSTITUTION_SOLIDE_I
    "Contre attaque",                                       // CONTRE_ATTAQUE
    "Conversion du corpus",                                 // CONVERSION_DU_CORPUS
    "Convocation feerique",                                 // CONVOCATION_FEERIQUE
    "Coup assassin",                                        // COUP_ASSASSIN
    "Coup double",                                          // COUP_DOUBLE
    "Coup handicapant",                                     // COUP_HANDICAPANT
    "Coup precis",                                          // COUP_PRECIS
    "Coup ecrasant",                                        // COUP_ECRASANT
    "Coup infaillible",                                     // COUP_INFAILLIBLE
    "Decadence",                                            // DECADENCE
    "Desarmement",                                          // DESARMEMENT
    "Discipline()",                                         // DISCIPLINE
    "Discipline de fer",                                    // DISCIPLINE_DE_FER
    "Double equipier",                                      // DOUBLE_EQUIPIER
    "Elu du Warp",                                          // ELU_DU_WARP
    "Endurci",                                              // ENDURCI
    "Explosion luminen",                                    // EXPLOSION_LUMINEN
    "Fidele aliene",                                        // FIDELE_ALIENE
    "Fin tireur",                                           // FIN_TIREUR
    "Flagellant",                                           // FLAGELLANT
    "Foi inébranlable",                                     // FOI_INEBRANLABLE
    "Formation aux armes de base(Bolts)",                   // FORMATION_AUX_ARMES_DE_BASE_BOLT
    "Formation aux armes de base(Fusion)",                  // FORMATION_AUX_ARMES_DE_BASE_FUSION
    "Formation aux armes de base(Lance-flamme)",            // FORMATION_AUX_ARMES_DE_BASE_LANCE_FLAMME
    "Formation aux armes de base(Lanceurs)",                // FORMATION_AUX_ARMES_DE_BASE_LANCEURS
    "Formation aux armes de base(Laser)",                   // FORMATION_AUX_ARMES_DE_BASE_LASER
    "Formation aux armes de base(Munition Solide)",         // FORMATION_AUX_ARMES_DE_BASE_MS
    "Formation aux armes de base(Plasma)",                  // FORMATION_AUX_ARMES_DE_BASE_PLASMA
    "Formation aux armes de base(Primitive)",               // FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE
    "Formation aux armes de corps à corps(Decharge)",       // FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_DECHARGE
    "Formation aux armes de corps à corps(Energetique)",    // FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_ENERGETIQUE
    "Formation aux armes de corps à corps(Primitive)",      // FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE
    "Formation aux armes de corps à corps(Tronçonneuses)",  // FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_TRONCONNEUSES
    "Formation aux armes de jet(Decharge)",                 // FORMATION_AUX_ARMES_DE_JET_DECHARGE
    "Formation aux armes de jet(Energetique)",              // FORMATION_AUX_ARMES_DE_JET_ENERGETIQUE
    "Formation aux armes de jet(Primitive)",                // FORMATION_AUX_ARMES_DE_JET_PRIMITIVE
    "Formation aux armes de jet(Tronçonneuses)",            // FORMATION_AUX_ARMES_DE_JET_TRONCONNEUSES
    "Formation aux armes de poing(Bolts)",                  // FORMATION_AUX_ARMES_DE_POING_BOLTS
    "Formation aux armes de poing(Fusion)",                 // FORMATION_AUX_ARMES_DE_POING_FUSION
    "Formation aux armes de poing(Lance-flamme)",           // FORMATION_AUX_ARMES_DE_POING_LANCE_FLAMMES
    "Formation aux armes de poing(Lanceurs)",               // FORMATION_AUX_ARMES_DE_POING_LANCEURS
    "Formation aux armes de poing(Laser)",                  // FORMATION_AUX_ARMES_DE_POING_LASER
    "Formation aux armes de poing(Munition Solide)",        // FORMATION_AUX_ARMES_DE_POING_MS
    "Formation aux armes de poing(Plasma)",                 // FORMATION_AUX_ARMES_DE_POING_PLASMA
    "Formation aux armes de poing(Primitive)",              // FORMATION_AUX_ARMES_DE_POING_PRIMITIVE
    "Formation aux armes exotiques()",                      // FORMATION_AUX_ARMES_EXOTIQUES
    "Formation aux armes lourdes(Bolts)",                   // FORMATION_AUX_ARMES_LOURDES_BOLTS
    "Formation aux armes lourdes(Fusion)",                  // FORMATION_AUX_ARMES_LOURDES_FUSION
    "Formation aux armes lourdes(Lance-flammes)",           // FORMATION_AUX_ARMES_LOURDES_LANCE_FLAMMES
    "Formation aux armes lourdes(Lanceurs)",                // FORMATION_AUX_ARMES_LOURDES_LANCEURS
    "Formation aux armes lourdes(Laser)",                   // FORMATION_AUX_ARMES_LOURDES_LASER
    "Formation aux armes lourdes(Munition Solide)",         // FORMATION_AUX_ARMES_LOURDES_MS
    "Formation aux armes lourdes(Plasma)",                  // FORMATION_AUX_ARMES_LOURDES_PLASMA
    "Formation aux armes lourdes(Primitive)",               // FORMATION_AUX_ARMES_LOURDES_PRIMITIVE
    "Forte tete",                                           // FORTE_TETE
    "Forteresse mentale",                                   // FORTERESSE_MENTALE
    "Frenesie",                                             // FRENESIE
    "Grace levmag",                                         // GRACE_LEVMAG
    "Grand orateur",                                        // GRAND_ORATEUR
    "Grand patricien",                                      // GRAND_PATRICIEN
    "Gresillement strident",                                // GRESILLEMENT_STRIDENT
    "Haine(Criminel)",                                      // HAINE_CRIMINEL
    "Haine(Culte)",                                         // HAINE_CULTE
    "Haine(Demons)",                                        // HAINE_DEMONS
    "Haine(Heretiques)",                                    // HAINE_HERETIQUES
    "Haine(Mutants)",                                       // HAINE_MUTANTS
    "Haine(Psykers)",                                       // HAINE_PSYKERS
    "Haine(Xenos)",                                         // HAINE_XENOS
    "Imitation",                                            // IMITATION
    "Litanie de haine",                                     // LITANIE_DE_HAINE
    "Logis-implant",                                        // LOGIS_IMPLANT
    "Maitre d'amres",                                       // MAITRE_D_ARMES
    "Maitre de combat",                                     // MAITRE_DU_COMBAT
    "Meditation",                                           // MEDITATION
    "Mur d'acier",                                          // MUR_D_ACIER
    "Nerf d'acier",                                         // NERF_DACIER
    "Niveau psy 1",                                         // NIVEAU_PSY_1
    "Niveau psy 2",                                         // NIVEAU_PSY_2
    "Niveau psy 3",                                         // NIVEAU_PSY_3
    "Niveau psy 4",                                         // NIVEAU_PSY_4
    "Niveau psy 5",                                         // NIVEAU_PSY_5
    "Niveau psy 6",                                         // NIVEAU_PSY_6
    "Orthoproxy",                                           // ORTHOPROXY
    "Pair(Adeptus arbites)",                                // PAIR_ADEPTUS_ARBITES
    "Pair(Adeptus mechanicus)",                             // PAIR_ADEPTUS_MECHANICUS
    "Pair(Administratum)",                                  // PAIR_ADMINISTRATUM
    "Pair(Aliéneé)",                                        // PAIR_ALIENE
    "Pair(Astropathe)",                                     // PAIR_ASTROPATHE
    "Pair(Classe moyenne)",                                 // PAIR_CLASSE_MOYENNE
    "Pair(Ecclesiarchie)",                                  // PAIR_ECCLESIARCHIE
    "Pair(Hors-monde)",                                     // PAIR_HORS_MONDE
    "Pair(Gouvernement)",                                   // PAIR_GOUVERNEMENT
    "Pair(Inquisition)",                                    // PAIR_INQUISITION
    "Pair(Militaire)",                                      // PAIR_MILITAIRE
    "Pair(Monde sauvage)",                                  // PAIR_MONDE_SAUVAGE
    "Pair(Noblesse)",                                       // PAIR_NOBLESSE
    "Pair(Ouvriers)",                                       // PAIR_OUVRIERS
    "Pair(Pegres)",                                         // PAIR_PEGRES
    "Pair(Ruche)",                                          // PAIR_RUCHE
    "Pair(Universitaire)",                                  // PAIR_UNIVERSITAIRE
    "Parade de projectile",                                 // PARADE_DE_PROJECTILE
    "Paranoia",                                             // PARANOIA
    "Pas de cote",                                          // PAS_DE_COTE
    "Pistolero",                                            // PISTOLERO
    "Pouvoir psychique",                                    // POUVOIR_PSYCHIQUE
    "Pouvoir psychique mineur",                             // POUVOIR_PSYCHIQUE_MINEUR
    "Premonition",                                          // PREMONITION
    "Prosanguin",                                           // PROSANGUIN
    "Puit de pouvoir",                                      // PUIT_DE_POUVOIR
    "Purification",                                         // PURIFICATION
    "Quelconque",                                           // QUELCONQUE
    "Rage guerriere",                                       // RAGE_GUERRIERE
    "Rage mentale",                                         // RAGE_MENTALE
    "Reaction rapide",                                      // REACTION_RAPIDE
    "Rechargement rapide",                                  // RECHARGEMENT_RAPIDE
    "Reflexe eclair",                                       // REFLEXE_ECLAIR
    "Resistance(Chaleur)",                                  // RESISTANCE_CHALEUR
    "Resistance(Froid)",                                    // RESISTANCE_FROID
    "Resistance(Peur)",                                     // RESISTANCE_PEUR
    "Resistance(Poisons)",                                  // RESISTANCE_POISONS
    "Resistance(Pouvoir psychique)",                        // RESISTANCE_POUVOIRS_PSYCHIQUES
    "Resistance psychique",                                 // RESISTANCE_PSYCHIQUE
    "Resonance binaire",                                    // RESONANCE_BINAIRE
    "Rite de crainte",                                      // RITE_DE_CRAINTE
    "Rite de l'armurier",                                   // RITE_DE_L_ARMURIER
    "Rite de pensee pure",                                  // RITE_DE_PENSEE_PURE
    "Rite de peur",                                         // RITE_DE_PEUR
    "Sans peur",                                            // SANS_PEUR
    "Sens aiguise(Gout)",                                   // SENS_AIGUISE_GOUT
    "Sens aiguise(Odorat)",                                 // SENS_AIGUISE_ODORAT
    "Sens aiguise(Ouïe)",                                   // SENS_AIGUISE_OUIE
    "Sens aiguise(Toucher)",                                // SENS_AIGUISE_TOUCHER
    "Sens aiguise(Vue)",                                    // SENS_AIGUISE_VUE
    "Sommeil leger",                                        // SOMMEIL_LEGER
    "Souvenir precis",                                      // SOUVENIRS_PRECIS
    "Sprint",                                               // SPRINT
    "Sur ses gardes",                                       // SUR_SES_GARDES
    "Talentueux()",                                         // TALENTUEUX
    "Technoharmonisation",                                  // TECHNOHARMONISATION
    "Tir double",                                           // TIR_DOUBLE
    "Tir en mouvement",                                     // TIR_EN_MOUVEMENT
    "Tir en puissance",                                     // TIR_EN_PUISSANCE
    "Tireur chevronne",                                     // TIREUR_CHEVRONNE
    "Tireur emerite",                                       // TIREUR_EMERITE
    "Tireur hors pair",                                     // TIREUR_HORS_PAIR
    "Transcendance levmag",                                 // TRANSCENDANCE_LEVMAG
    "Trompe la mort",                                       // TROMPE_LA_MORT
    "Utilisation d'electro implant",                        // UTILISATION_D_ELECTRO_IMPLANT
    "Utilisation de mecadandrites",                         // UTILISATION_DE_MECADENDRITES
    "Vigoureux",                                            // VIGOUREUX
    "Visee independante",                                   // VISEE_INDEPENDANTE
    "Vivacite",                                             // VIVACITE
    "Voix troublante",                                      // VOIX_TROUBLANTE
};
