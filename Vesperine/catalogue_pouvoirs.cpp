#include "catalogue.h"

// Name, discipline, threshold, focusing action and range of every power, in `pouvoir` order.
const EntreePouvoir CATALOGUE_POUVOIRS[NB_POUVOIRS] = {
    {"Affaiblissement du voile", MINEUR, 9, ACTION_COMPLETE, 30},    // AFFAIBLISSEMENT_DU_VOILE
    {"Attenuation de la douleur", MINEUR, 8, DEMI_ACTION, 10},       // ATTENUATON_DE_LA_DOULEUR
    {"Aura d'inspiration", MINEUR, 6, ACTION_COMPLETE, 0},           // AURA_D_INSPIRATION
    {"Aura effrayante", MINEUR, 7, ACTION_COMPLETE, 0},              // AURA_EFFRAYANTE
    {"Bruit blanc", MINEUR, 8, ACTION_COMPLETE, 10},                 // BRUIT_BLANC
    {"Cameleon", MINEUR, 7, DEMI_ACTION, 0},                         // CAMELEON
    {"Chance", MINEUR, 6, DEMI_ACTION, 0},                           // CHANCE
    {"Deja-vu", MINEUR, 8, DEMI_ACTION, 30},                         // DEJA_VU
    {"Detection des pensées", MINEUR, 7, DEMI_ACTION, 50},           // DETECTION_DES_PENSEES
    {"Distorsion visuelle", MINEUR, 8, ACTION_COMPLETE, 0},          // DISTORSION_VISUELLE
    {"Etanchement", MINEUR, 8, DEMI_ACTION, 10},                     // ETANCHEMENT
    {"Flash bruyant", MINEUR, 6, DEMI_ACTION, 20},                   // FLASH_BRUYANT
    {"Fletrissement", MINEUR, 6, ACTION_COMPLETE, 30},               // FLETRISSEMENT
    {"Flottement", MINEUR, 8, DEMI_ACTION, 0},                       // FLOTTEMENT
    {"Guerison", MINEUR, 7, ACTION_COMPLETE, 10},                    // GUERISON
    {"Hululement warp", MINEUR, 8, ACTION_COMPLETE, 50},             // HULULEMENT_WARP
    {"Infliction de la douleur", MINEUR, 8, DEMI_ACTION, 100},       // INFLICTION_DE_LA_DOULEUR
    {"Invocation de creature", MINEUR, 9, ACTION_COMPLETE, 1000},    // INVOCATION_DE_CREATURES
    {"Invocation d'objet", MINEUR, 5, DEMI_ACTION, 0},               // INVOCATION_D_OBJET
    {"Mains spectrales", MINEUR, 10, ACTION_COMPLETE, 30},           // MAINS_SPECTRALES
    {"Malediction d'armes", MINEUR, 8, ACTION_COMPLETE, 50},         // MALEDICTION_D_ARMES
    {"Marches aux murs", MINEUR, 8, DEMI_ACTION, 0},                 // MARCHE_AUX_MURS
    {"Oubli", MINEUR, 6, DEMI_ACTION, 10},                           // OUBLI
    {"Precognition", MINEUR, 6, DEMI_ACTION, 0},                     // PRECOGNITION
    {"Puanteur psychique", MINEUR, 5, DEMI_ACTION, 0},               // PUANTEUR_PSYCHIQUE
    {"Resistance à la possession", MINEUR, 6, REACTION, 0},          // RESISTANCE_A_LA_POSSESSION
    {"Ruse", MINEUR, 5, DEMI_ACTION, 0},                             // RUSE
    {"Spasme", MINEUR, 7, DEMI_ACTION, 50},                          // SPASME
    {"Torche", MINEUR, 5, DEMI_ACTION, 0},                           // TORCHE
    {"Toucher d'alienation", MINEUR, 11, ACTION_COMPLETE, 100},      // TOUCHER_D_ALIENATION
    {"Tour de main", MINEUR, 7, DEMI_ACTION, 0},                     // TOUR_DE_MAIN
    {"Vision surnaturelle", MINEUR, 8, DEMI_ACTION, 0},              // VISEE_SURNATURELLE
    {"Accroissement sensoriel", BIOMANCIE, 10, DEMI_ACTION, 0},      // BIOMANCIE_ACCROISSEMENT_SENSORIEL
    {"Aspiratio des toxiques", BIOMANCIE, 11, DEMI_ACTION, 0},       // BIOMANCIE_ASPIRATION_DES_TOXIQUES
    {"Bioeclair", BIOMANCIE, 14, DEMI_ACTION, 10},                   // BIOMANCIE_BIOECLAIR
    {"Cicatrisation", BIOMANCIE, 10, DEMI_ACTION, 10},               // BIOMANCIE_CICATRISATION
    {"Controle cellulaire", BIOMANCIE, 16, DEMI_ACTION, 0},          // BIOMANCIE_CONTROLE_CELLULAIRE
    {"Ebullition", BIOMANCIE, 19, DEMI_ACTION, 10},                  // BIOMANCIE_EBULITION
    {"Etranglement", BIOMANCIE, 13, DEMI_ACTION, 10},                // BIOMANCIE_ETRANGLEMENT
    {"Poing d'acier", BIOMANCIE, 15, ACTION_COMPLETE, 0},            // BIOMANCIE_POING_D_ACIER
    {"Regeneration", BIOMANCIE, 23, ACTION_COMPLETE, 0},             // BIOMANCIE_REGENERATION
    {"Remodelage charnel", BIOMANCIE, 19, ACTION_COMPLETE, 0},       // BIOMANCIE_REMODELAGE_CHARNEL
    {"Aperçu", DIVINATION, 18, DEMI_ACTION, 0},                      // DIVINATION_APERCU
    {"Conscience surnaturelle", DIVINATION, 9, DEMI_ACTION, 0},      // DIVINATION_CONSCIENCE_SURNATURELLE
    {"Esquive prémonioire", DIVINATION, 11, ACTION_COMPLETE, 0},     // DIVINATION_ESQUIVE_PREMONITOIRE
    {"Frappe prémonitoire", DIVINATION, 17, ACTION_COMPLETE, 0},     // DIVINATION_FRAPPE_PREMONITOIRE
    {"Prediction personnelle", DIVINATION, 14, ACTION_COMPLETE, 0},  // DIVINATION_PREDICTION_PERSONNELLE
    {"Psychometrie", DIVINATION, 16, ACTION_COMPLETE, 0},            // DIVINATION_PSYCHOMETRIE
    {"Radiesthesie", DIVINATION, 11, ACTION_COMPLETE, 0},            // DIVINATION_RADIESTHESIE
    {"Tir divin", DIVINATION, 15, ACTION_COMPLETE, 0},               // DIVINATION_TIR_DIVIN
    {"Vision à distance", DIVINATION, 17, ACTION_COMPLETE, 1000},    // DIVINATION_VISION_A_DISTANCE
    {"Vision de l'ame", DIVINATION, 23, ACTION_COMPLETE, 0},         // DIVINATION_VISION_DE_L_AME
    {"Extinction", PYROMANCIE, 16, DEMI_ACTION, 5},                  // PYROMANCIE_EXTINCTION
    {"Flash aveuglant", PYROMANCIE, 11, DEMI_ACTION, 12},            // PYROMANCIE_FLASH_AVEUGLANT
    {"Holocauste", PYROMANCIE, 23, DEMI_ACTION, 6},                  // PYROMANCIE_HOLOCAUSTE
    {"Incineration", PYROMANCIE, 19, DEMI_ACTION, 10},               // PYROMANCIE_INCINERATION
    {"Invocation de flamme", PYROMANCIE, 8, DEMI_ACTION, 0},         // PYROMANCIE_INVOCATION_DE_FLAMME
    {"Mur de feu", PYROMANCIE, 17, DEMI_ACTION, 60},                 // PYROMANCIE_MUR_DE_FEU
    {"Poing ardent", PYROMANCIE, 10, DEMI_ACTION, 0},                // PYROMANCIE_POING_ARDENT
    {"Projectile de feu", PYROMANCIE, 11, DEMI_ACTION, 100},         // PYROMANCIE_PROJECTILE_DE_FEU
    {"Sculpture des flammes", PYROMANCIE, 13, DEMI_ACTION, 5},       // PYROMANCIE_SCULPTURE_DES_FLAMMES
    {"Tempete de feu", PYROMANCIE, 16, DEMI_ACTION, 50},             // PYROMANCIE_TEMPETE_DE_FEU
    {"Arret des projectiles", TELEKINESIE, 16, REACTION, 1},         // TELEKINESIE_ARRET_DES_PROJECTILES
    {"Bouclier telekinetique", TELEKINESIE, 17, DEMI_ACTION, 0},     // TELEKINESIE_BOUCLIER_TELEKINETIQUE
    {"Ecrasement psychique", TELEKINESIE, 17, DEMI_ACTION, 10},      // TELEKINESIE_ECRASEMENT_PSYCHIQUE
    {"Jet", TELEKINESIE, 14, DEMI_ACTION, 10},                       // TELEKINESIE_JET
    {"Lame psychique", TELEKINESIE, 19, DEMI_ACTION, 0},             // TELEKINESIE_LAME_PSYCHIQUE
    {"Poussée", TELEKINESIE, 13, DEMI_ACTION, 10},                   // TELEKINESIE_POUSSEE
    {"Projectile de force", TELEKINESIE, 13, DEMI_ACTION, 10},       // TELEKINESIE_PROJECTILE_DE_FORCE
    {"Rafale de force", TELEKINESIE, 21, DEMI_ACTION, 10},           // TELEKINESIE_RAFALE_DE_FORCE
    {"Telekinesie", TELEKINESIE, 11, DEMI_ACTION, 10},               // TELEKINESIE_TELEKINESIE
    {"Telekinesie de precision", TELEKINESIE, 23, DEMI_ACTION, 10},  // TELEKINESIE_TELEKINESIE_DE_PRECISION
    {"Disparition", TELEPATHIE, 14, DEMI_ACTION, 10},                // TELEPATHIE_DISPARITION
    {"Domination", TELEPATHIE, 24, DEMI_ACTION, 10},                 // TELEPATHIE_DOMINATION
    {"Examen mental", TELEPATHIE, 23, ACTION_COMPLETE, 10},          // TELEPATHIE_EXAMEN_MENTAL
    {"Hurlement psychique", TELEPATHIE, 18, DEMI_ACTION, 10},        // TELEPATHIE_HURLEMENT_PSYCHIQUE
    {"Impulsion", TELEPATHIE, 17, DEMI_ACTION, 10},                  // TELEPATHIE_IMPULSION
    {"Inspiration", TELEPATHIE, 9, DEMI_ACTION, 10},                 // TELEPATHIE_INSPIRATION
    {"Maître des bêtes", TELEPATHIE, 13, DEMI_ACTION, 10},           // TELEPATHIE_MAITRE_DES_BETES
    {"Projection", TELEPATHIE, 21, ACTION_COMPLETE, 10},             // TELEPATHIE_PROJECTION
    {"Telepathie", TELEPATHIE, 11, ACTION_COMPLETE, 10},             // TELEPATHIE_TELEPATHIE
    {"Terreur", TELEPATHIE, 13, DEMI_ACTION, 10},                    // TELEPATHIE_TERREUR
};
