#include "catalogue.h"

// Display name, characteristic and type of every skill, in `skill` order.
const EntreeCompetence CATALOGUE_COMPETENCES[NB_COMPETENCES] = {
    {"Acrobatie", AG, AVANCEE},                                        // ACROBATIE
    {"Alphabetisation", INT, AVANCEE},                                 // ALPHABETISATION
    {"Baratin", SOC, BASE},                                            // BARATIN
    {"Charisme", SOC, BASE},                                           // CHARISME
    {"Chimiomaitrise", INT, AVANCEE},                                  // CHIMIOMAITRISE
    {"Code secret(Acolyte)", INT, AVANCEE},                            // CODE_SECRET_ACOLYTE
    {"Code secret(Jargon militaire)", INT, AVANCEE},                   // CODE_SECRET_JARGON_MILITAIRE
    {"Code secret(Occulte)", INT, AVANCEE},                            // CODE_SECRET_OCCULTE
    {"Code secret(Pegre)", INT, AVANCEE},                              // CODE_SECRET_PEGRE
    {"Code secret(Societe secrete)", INT, AVANCEE},                    // CODE_SECRET_SOCIETE_SECRETE
    {"Commandement", SOC, BASE},                                       // COMMANDEMENT
    {"Concentration", FM, AVANCEE},                                    // CONCENTRATION
    {"Conduite(Véhicule antigrav)", AG, AVANCEE},                      // CONDUITE_VEHICULE_ANTIGRAV
    {"Conduite(Marcheurs)", AG, AVANCEE},                              // CONDUITE_MARCHEURS
    {"Conduite(Véhicule terrestre)", AG, AVANCEE},                     // CONDUITE_VEHICULE_TERRESTRE
    {"Connaissance general(Adeptus arbites)", INT, AVANCEE},           // GENERAL_ADEPTUS_ARBITES
    {"Connaissance general(Administratum)", INT, AVANCEE},             // GENERAL_ADMINISTRATUM
    {"Connaissance general(Credo imperial)", INT, AVANCEE},            // GENERAL_CREDO_IMPERIAL
    {"Connaissance general(Culte de la machine)", INT, AVANCEE},       // GENERAL_CULTE_DE_LA_MACHINE
    {"Connaissance general(Ecclesiarchie)", INT, AVANCEE},             // GENERAL_ECCLESIARCHIE
    {"Connaissance general(Garde imperiale)", INT, AVANCEE},           // GENERAL_GARDE_IMPERIAL
    {"Connaissance general(Guerre)", INT, AVANCEE},                    // GENERAL_GUERRE
    {"Connaissance general(Imperium)", INT, AVANCEE},                  // GENERAL_IMPERIUM
    {"Connaissance general(Pegre)", INT, AVANCEE},                     // GENERAL_PEGRE
    {"Connaissance general(Technologie)", INT, AVANCEE},               // GENERAL_TECHNOLOGIE
    {"Connaissance interdite(Adeptus mechanicus)", INT, AVANCEE},      // INTERDITE_ADEPTUS_MECHANICUS
    {"Connaissance interdite(Archeotechnologie)", INT, AVANCEE},       // INTERDITE_ARCHEOTECHNOLOGIE
    {"Connaissance interdite(Bibliotheque interdite)", INT, AVANCEE},  // INTERDITE_BIBLIOTHEQUE_INTERDITE
    {"Connaissance interdite(Culte)", INT, AVANCEE},                   // INTERDITE_CULTE
    {"Connaissance interdite(Demonologie)", INT, AVANCEE},             // INTERDITE_DEMONOLOGIE
    {"Connaissance interdite(Heresie)", INT, AVANCEE},                 // INTERDITE_HERESIE
    {"Connaissance interdite(Inquisition)", INT, AVANCEE},             // INTERDITE_INQUISITION
    {"Connaissance interdite(Mutant)", INT, AVANCEE},                  // INTERDITE_MUTANT
    {"Connaissance interdite(Ordos)", INT, AVANCEE},                   // INTERDITE_ORDOS
    {"Connaissance interdite(Psyker)", INT, AVANCEE},                  // INTERDITE_PSYKER
    {"Connaissance interdite(Warp)", INT, AVANCEE},                    // INTERDITE_WARP
    {"Connaissance interdite(Xenos)", INT, AVANCEE},                   // INTERDITE_XENOS
    {"Connaissance Scholastique(Animaux)", INT, AVANCEE},              // SCHOLASTIQUE_ANIMAUX
    {"Connaissance Scholastique(Archaïque)", INT, AVANCEE},            // SCHOLASTIQUE_ARCHAIQUE
    {"Connaissance Scholastique(Astromancie)", INT, AVANCEE},          // SCHOLASTIQUE_ASTROMANCIE
    {"Connaissance Scholastique(Bureaucratie)", INT, AVANCEE},         // SCHOLASTIQUE_BUREAUCRATIE
    {"Connaissance Scholastique(Chimie)", INT, AVANCEE},               // SCHOLASTIQUE_CHIMIE
    {"Connaissance Scholastique(Credo imperiale)", INT, AVANCEE},      // SCHOLASTIQUE_CREDO_IMPERIAL
    {"Connaissance Scholastique(Cryptologie)", INT, AVANCEE},          // SCHOLASTIQUE_CRYPTOLOGIE
    {"Connaissance Scholastique(Heraldique)", INT, AVANCEE},           // SCHOLASTIQUE_HERALDIQUE
    {"Connaissance Scholastique(Jugement)", INT, AVANCEE},             // SCHOLASTIQUE_JUGEMENT
    {"Connaissance Scholastique(Legendes)", INT, AVANCEE},             // SCHOLASTIQUE_LEGENDES
    {"Connaissance Scholastique(Numerologie)", INT, AVANCEE},          // SCHOLASTIQUE_NUMEROLOGIE
    {"Connaissance Scholastique(Occulte)", INT, AVANCEE},              // SCHOLASTIQUE_OCCULTE
    {"Connaissance Scholastique(Philosophie)", INT, AVANCEE},          // SCHOLASTIQUE_PHILOSOPHIE
    {"Connaissance Scholastique(Tactica imperialis)", INT, AVANCEE},   // SCHOLASTIQUE_TACTICA_IMPERIALIS
    {"Contorsionniste", AG, BASE},                                     // CONTORSIONNISTE
    {"Deguisement", SOC, BASE},                                        // DEGUISEMENT
    {"Demolition", INT, AVANCEE},                                      // DEMOLITION
    {"Deplacement silencieux", AG, BASE},                              // DEPLACEMENT_SILENCIEUX
    {"Dissimulation", AG, BASE},                                       // DISSIMULATION
    {"Dressage", INT, AVANCEE},                                        // DRESSAGE
    {"Duperie", SOC, BASE},                                            // DUPERIE
    {"Enquete", SOC, BASE},                                            // ENQUETE
    {"Escalade", F, BASE},                                             // ESCALADE
    {"Escamotage", AG, AVANCEE},                                       // ESCAMOTAGE
    {"Esquive", AG, BASE},                                             // ESQUIVE
    {"Evaluation", INT, BASE},                                         // EVALUATION
    {"Expression artistique(Chanteur)", SOC, AVANCEE},                 // EXPRESSION_ARTISTIQUE_CHANTEUR
    {"Expression artistique(Conteur)", SOC, AVANCEE},                  // EXPRESSION_ARTISTIQUE_CONTEUR
    {"Expression artistique(Danseur)", SOC, AVANCEE},                  // EXPRESSION_ARTISTIQUE_DANSEUR
    {"Expression artistique(Musicien)", SOC, AVANCEE},                 // EXPRESSION_ARTISTIQUE_MUSICIEN
    {"Filature", AG, AVANCEE},                                         // FILATURE
    {"Fouille", PER, BASE},                                            // FOUILLE
    {"Interrogatoire", FM, AVANCEE},                                   // INTERROGATOIRE
    {"Intimidation", F, BASE},                                         // INTIMIDATION
    {"Intrusion", AG, AVANCEE},                                        // INTRUSION
    {"Jeu", INT, BASE},                                                // JEU
    {"Langage secret(Acolyte)", INT, AVANCEE},                         // LANGUAGE_SECRET_ACOLYTE
    {"Langage secret(Administratum)", INT, AVANCEE},                   // LANGUAGE_SECRET_ADMINISTRATUM
    {"Langage secret(Ecclesiarchie)", INT, AVANCEE},                   // LANGUAGE_SECRET_ECCLESIARCHIE
    {"Langage secret(Militaire)", INT, AVANCEE},                       // LANGUAGE_SECRET_MILITAIRE
    {"Langage secret(Rue)", INT, AVANCEE},                             // LANGUAGE_SECRET_RUE
    {"Langage secret(Technologie)", INT, AVANCEE},                     // LANGUAGE_SECRET_TECHNOLOGIQUE
    {"Langue(Bas gothique)", INT, AVANCEE},                            // LANGUE_BAS_GOTHIQUE
    {"Langue(Dialecte des ruches)", INT, AVANCEE},                     // LANGUE_DIALECTE_DES_RUCHES
    {"Langue(Dialecte spatiale)", INT, AVANCEE},                       // LANGUE_DIALECTE_SPATIAL
    {"Langue(Dialecte tribale)", INT, AVANCEE},                        // LANGUE_DIALECTE_TRIBAL
    {"Langue(Haut gothique)", INT, AVANCEE},                           // LANGUE_HAUT_GOTHIQUE
    {"Lecture sur les levres", PER, AVANCEE},                          // LECTURE_SUR_LES_LEVRES
    {"Logique", INT, BASE},                                            // LOGIQUE
    {"Marchandage", SOC, BASE},                                        // MARCHANDAGE
    {"Medicae", INT, AVANCEE},                                         // MEDICAE
    {"Metier(Apothicaire)", INT, AVANCEE},                             // METIER_APOTHICAIRE
    {"Metier(Armurerie)", F, AVANCEE},                                 // METIER_ARMURIER
    {"Metier(Artiste)", AG, AVANCEE},                                  // METIER_ARTISTE
    {"Metier(Cartographe)", AG, AVANCEE},                              // METIER_CARTOGRAPHE
    {"Metier(Copiste)", INT, AVANCEE},                                 // METIER_COPISTE
    {"Metier(Cuisinier)", INT, AVANCEE},                               // METIER_CUISINIER
    {"Metier(Embaumeur)", INT, AVANCEE},                               // METIER_EMBAUMEUR
    {"Metier(Fermier)", F, AVANCEE},                                   // METIER_FERMIER
    {"Metier(Forgeron)", F, AVANCEE},                                  // METIER_FORGERON
    {"Metier(Graveur)", AG, AVANCEE},                                  // METIER_GRAVEUR
    {"Metier(Maçon)", AG, AVANCEE},                                    // METIER_MACON
    {"Metier(Marchand)", SOC, AVANCEE},                                // METIER_MARCHAND
    {"Metier(Mineur)", F, AVANCEE},                                    // METIER_MINEUR
    {"Metier(Ouvrier)", INT, AVANCEE},                                 // METIER_OUVRIER
    {"Metier(Prospecteur)", F, AVANCEE},                               // METIER_PROSPECTEUR
    {"Metier(Tanneur)", F, AVANCEE},                                   // METIER_TANNEUR
    {"Metier(Technomecano)", INT, AVANCEE},                            // METIER_TECHNOMECANO
    {"Metier(Valet)", SOC, AVANCEE},                                   // METIER_VALET
    {"Metier(Voyant)", SOC, AVANCEE},                                  // METIER_VOYANT
    {"Natation", F, BASE},                                             // NATATION
    {"Orientation(Stellaire)", INT, AVANCEE},                          // ORIENTATION_STELLAIRE
    {"Orientation(Surface)", INT, AVANCEE},                            // ORIENTATION_SURFACE
    {"Pilotage(Vaisseaux civil)", AG, AVANCEE},                        // PILOTAGE_VAISSEAUX_CIVIL
    {"Pilotage(Vaisseaux militaire)", AG, AVANCEE},                    // PILOTAGE_VAISSEAUX_MILITAIRE
    {"Pilotage(Vaisseaux spatiaux)", AG, AVANCEE},                     // PILOTAGE_VAISSEAUX_SPATIAUX
    {"Pistage", PER, AVANCEE},                                         // PISTAGE
    {"Psychologie", PER, BASE},                                        // PSYCHOLOGIE
    {"Psyniscience", PER, AVANCEE},                                    // PSYNISCIENCE
    {"Resistance aux intoxications", E, BASE},                         // RESISTANCE_AUX_INTOXICATIONS
    {"Survie", INT, AVANCEE},                                          // SURVIE
    {"Technomaitrise", INT, AVANCEE},                                  // TECHNOMAITRISE
    {"Vigilance", PER, BASE},                                          // VIGILANCE
};
