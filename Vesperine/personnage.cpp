#include "personnage.h"

#include "catalogue.h"
#include "encodage.h"

namespace {

constexpr unsigned int CARACTERISTIQUE_DEPART = 20;

}  // namespace

Personnage::Personnage()
{
    for (auto& c : caracteristiques) {
        c = CARACTERISTIQUE_DEPART;  // written directly: nothing is derived yet
    }
    competences_liste.reserve(NB_COMPETENCES);
    for (int i = 0; i < NB_COMPETENCES; ++i) {
        const EntreeCompetence& e = CATALOGUE_COMPETENCES[i];
        const auto s = static_cast<skill>(i);
        setCompetence(s, versWindows1252(e.nom), INAPTE, e.type, e.carac);
        competences_liste.push_back(competences[i]);
    }
    talents_liste.reserve(NB_TALENTS);
    for (int i = 0; i < NB_TALENTS; ++i) {
        const auto t = static_cast<talent>(i);
        talents[i].possede = SANS_TALENT;
        setTalent(t, versWindows1252(CATALOGUE_TALENTS[i].nom), SANS_TALENT);
        talents_liste.push_back(talents[i]);
    }
    pouvoirs_liste.reserve(NB_POUVOIRS);
    for (int i = 0; i < NB_POUVOIRS; ++i) {
        const EntreePouvoir& e = CATALOGUE_POUVOIRS[i];
        setPouvoir(versWindows1252(e.nom), static_cast<pouvoir>(i), e.seuil, e.focalisation, e.ddomaine, INAPTE,
                   e.portee);
        pouvoirs_liste.push_back(power[i]);
    }
}

std::int32_t Personnage::valeurCompetence(unsigned int v, maitrise m, skillType t)
{
    const auto valeur = static_cast<std::int32_t>(v);
    switch (m) {
    case INAPTE:
        return t == BASE ? static_cast<std::int32_t>(v / 2) : 0;
    case ACQUISE:
        return valeur;
    case EXPERT:
        return valeur + 10;
    case MAITRE:
        return valeur + 20;
    }
    return 0;
}

bool Personnage::competenceValide(skill s) const
{
    return dansIntervalle(s, static_cast<int>(competences_liste.size()));
}

unsigned int Personnage::getCaracteristique(caracteristique k) const
{
    return dansIntervalle(k, NB_CARACTERISTIQUES) ? caracteristiques[k] : 0;
}

void Personnage::setCaracteristique(caracteristique k, unsigned int v)
{
    if (!dansIntervalle(k, NB_CARACTERISTIQUES)) {
        return;
    }
    caracteristiques[k] = v;
    UpdateCompetences(k);
    if (k == AG) {
        UpdateDeplacement();
        UpdateInitiative();
    }
    if (k == E) {
        UpdateFatigue();
    }
}

void Personnage::setCompetence(skill s, std::string nom, maitrise m, skillType t, caracteristique k)
{
    if (!dansIntervalle(s, NB_COMPETENCES)) {
        return;
    }
    Competence& c = competences[s];
    c.lv = m;
    c.nom = std::move(nom);
    c.type = t;
    c.carac = k;
    if (dansIntervalle(m, MAITRE + 1)) {
        c.valeur = valeurCompetence(getCaracteristique(k), m, t);
    }
}

void Personnage::setCompetence(skill s, maitrise m)
{
    if (!competenceValide(s)) {
        return;
    }
    competences_liste[s].lv = m;
    UpdateCompetences(competences_liste[s].carac);
}

void Personnage::setCompetence(skill s, skillType t)
{
    if (!competenceValide(s)) {
        return;
    }
    competences_liste[s].type = t;
    UpdateCompetences(competences_liste[s].carac);
}

void Personnage::modifCompetence(skill s, int delta)
{
    if (competenceValide(s)) {
        competences_liste[s].valeur += delta;
    }
}

int Personnage::getCompetence(skill s) const { return competenceValide(s) ? competences_liste[s].valeur : 0; }

std::string Personnage::getCompetenceNom(skill s) const
{
    return competenceValide(s) ? competences_liste[s].nom : std::string();
}

void Personnage::setTalent(talent t, std::string nom, talent_multiple k)
{
    if (dansIntervalle(t, NB_TALENTS)) {
        talents[t].nom = std::move(nom);
        talents[t].possede = k;
    }
}

void Personnage::setTalent(talent t, talent_multiple k)
{
    if (dansIntervalle(t, NB_TALENTS)) {
        talents[t].possede = k;
    }
}

talent_multiple Personnage::getTalent(talent t) const
{
    return dansIntervalle(t, NB_TALENTS) ? talents[t].possede : SANS_TALENT;
}

std::string Personnage::getTalentNom(talent t) const
{
    return dansIntervalle(t, NB_TALENTS) ? talents[t].nom : std::string();
}

void Personnage::setPouvoir(std::string nom, pouvoir p, unsigned int seuil, action a, domaine d, maitrise m,
                            unsigned int portee)
{
    if (!dansIntervalle(p, NB_POUVOIRS)) {
        return;
    }
    Pouvoir& r = power[p];
    r.nom = std::move(nom);
    r.seuil = seuil;
    r.focalisation = a;
    r.ddomaine = d;
    r.level = m;
    r.portee = portee;
    r.nom_domaine = getDomaineNom(d);
}

int Personnage::setPouvoir(pouvoir p, maitrise m)
{
    // A power changes only while the flag of its discipline is set.
    if (!dansIntervalle(p, NB_POUVOIRS) || !getPsyker(power[p].ddomaine)) {
        return 0;
    }
    power[p].level = m;
    return 1;
}

maitrise Personnage::getPouvoir(pouvoir p) const { return dansIntervalle(p, NB_POUVOIRS) ? power[p].level : INAPTE; }

std::string Personnage::getPouvoirNom(pouvoir p) const
{
    return dansIntervalle(p, NB_POUVOIRS) ? power[p].nom : std::string();
}

std::string Personnage::getPouvoirNomDomaine(pouvoir p) const
{
    return dansIntervalle(p, NB_POUVOIRS) ? power[p].nom_domaine : std::string();
}

domaine Personnage::getPouvoirDomaine(pouvoir p) const
{
    return dansIntervalle(p, NB_POUVOIRS) ? power[p].ddomaine : MINEUR;
}

void Personnage::setPsyker(domaine d, bool actif)
{
    if (dansIntervalle(d, NB_DRAPEAUX_PSY)) {
        psyker[d] = actif;
    }
}

bool Personnage::getPsyker(domaine d) const { return dansIntervalle(d, NB_DRAPEAUX_PSY) && psyker[d]; }

// The initiative holds the current agility bonus (AG / 10, without the cap of
// movement), so that it does not grow each time agility is set again.
void Personnage::UpdateInitiative() { initiative = caracteristiques[AG] / 10; }

void Personnage::UpdateCompetences(caracteristique k)
{
    const unsigned int v = getCaracteristique(k);
    for (Competence& c : competences_liste) {
        if (c.carac == k) {
            c.valeur = valeurCompetence(v, c.lv, c.type);
        }
    }
}

void Personnage::UpdateDeplacement()
{
    const unsigned int ag = caracteristiques[AG];
    const std::uint32_t bonus = ag < 60 ? ag / 10 : 5;
    demi_deplacement = bonus;
    deplacement_complet = 2 * bonus;
    charge = 3 * bonus;
    course = 3 * bonus;  // the same as the charge
}

void Personnage::UpdateFatigue()
{
    const unsigned int e = caracteristiques[E];
    fatigue_totale = e >= 10 ? e / 10 : 1;
}

void Personnage::Initialize()
{
    for (int k = CC; k <= SOC; ++k) {
        setCaracteristique(static_cast<caracteristique>(k), CARACTERISTIQUE_DEPART);
    }
    // The skills that homeworlds act on and that the catalogue has advanced (eleven:
    // the ten that a homeworld makes basic, and TECHNOMAITRISE, which one shifts) go
    // back to advanced and untrained. The basic one that a homeworld shifts needs
    // nothing: resetting the characteristics above has recomputed it.
    for (int i = 0; i < static_cast<int>(competences_liste.size()); ++i) {
        const auto s = static_cast<skill>(i);
        if (estCompetenceDesMondes(s) && CATALOGUE_COMPETENCES[i].type == AVANCEE) {
            setCompetence(s, AVANCEE);
            setCompetence(s, INAPTE);
        }
    }
    for (int i = 0; i < static_cast<int>(talents_liste.size()); ++i) {
        setTalent(static_cast<talent>(i), SANS_TALENT);
    }
    for (int i = 0; i < static_cast<int>(pouvoirs_liste.size()); ++i) {
        setPouvoir(static_cast<pouvoir>(i), INAPTE);
    }
}
