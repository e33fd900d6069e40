#include "dessin_fiches.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iterator>

#include <hpdf.h>

#include "encodage.h"

namespace {

// The page, in points (1/72 inch): A4, and the margins that nothing crosses.
constexpr float LARGEUR_PAGE = 595.276F;
constexpr float HAUTEUR_PAGE = 841.89F;
constexpr float MARGE = 36;
constexpr float GAUCHE = MARGE;
constexpr float DROITE = LARGEUR_PAGE - MARGE;
constexpr float HAUT = HAUTEUR_PAGE - MARGE;
constexpr float BAS = MARGE;
constexpr float LARGEUR = DROITE - GAUCHE;

constexpr float HAUTEUR_TITRE = 20;  // a section's title and its rule
constexpr float HAUTEUR_LIGNE = 12;  // a row of the skills and talents
constexpr float INTERLIGNE_NOTES = 18;
constexpr float ESPACE = 10;  // between blocks

const char POINTS_DE_SUSPENSION = '\x85';  // "…" in Windows-1252

enum Alignement { A_GAUCHE, AU_CENTRE, A_DROITE };

// The first failure that libharu reports to its handler; the handler must not
// throw or jump through the library's C code, so it only records.
struct ErreurBibliotheque {
    HPDF_STATUS code = HPDF_OK;
    HPDF_STATUS detail = 0;
};

void noterErreur(HPDF_STATUS code, HPDF_STATUS detail, void* donnees)
{
    auto* erreur = static_cast<ErreurBibliotheque*>(donnees);
    if (erreur->code == HPDF_OK) {
        erreur->code = code;
        erreur->detail = detail;
    }
}

// Each byte that the font shows as it is; '?' for the others.
std::string imprimable(std::string octets)
{
    for (char& c : octets) {
        const auto o = static_cast<unsigned char>(c);
        if (o < 0x20 || o == 0x7F || o == 0x81 || o == 0x8D || o == 0x8F || o == 0x90 || o == 0x9D) {
            c = '?';
        }
    }
    return octets;
}

// One PDF document being drawn, page after page, from the top down.
class Document {
public:
    explicit Document(std::int64_t date);
    ~Document() { HPDF_Free(doc); }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    void fiche(const Fiche& f);
    // The whole PDF, or false with the reason.
    bool enregistrer(std::string& pdf, std::string& raison);

private:
    // Every drawing call's status; the first failure is kept.
    void verifier(HPDF_STATUS statut)
    {
        if (statut != HPDF_OK && erreur.code == HPDF_OK) {
            erreur.code = statut;
        }
    }
    void page();
    void suite();  // a next page of the same sheet, headed by its name
    // Room for `hauteur` more points below `y`, or a next page.
    void place(float hauteur);
    void titre(const std::string& utf8, float x = GAUCHE, float largeur = LARGEUR);
    float largeur(HPDF_Font police, const std::string& octets, float taille) const;
    // `octets` drawn with its baseline at y, within [x, x + place] as `alignement`
    // says: set from `taille` down to `tailleMin`, then cut and ended by "…".
    void texte(float x, float y, float place, HPDF_Font police, float taille, float tailleMin, std::string octets,
               Alignement alignement = A_GAUCHE);
    void cadre(float x, float y, float l, float h);
    void trait(float x1, float y1, float x2, float y2, float epaisseur, float niveau);
    void gris(float niveau) { verifier(HPDF_Page_SetGrayFill(page_, niveau)); }

    void profil(const Fiche& f);
    void caracteristiques(const Fiche& f);
    // `nombre` boxes or circles in rows over [x, x + place], as many as fit in two rows.
    void marques(float x, float y, float place, unsigned int nombre, bool cercles);
    void compteurs(const Fiche& f);
    void liste(const std::string& titreUtf8, const std::vector<std::pair<std::string, std::string>>& lignes,
               const char* aucun);
    void notes();

    ErreurBibliotheque erreur;
    bool deborde = false;  // the layout put a text outside the margins: a fault of this code
    std::size_t pages = 0;
    bool tropDePages = false;
    HPDF_Doc doc;
    HPDF_Page page_ = nullptr;
    HPDF_Font normale = nullptr;
    HPDF_Font grasse = nullptr;
    std::string nom;  // of the sheet being drawn, for the head of its next pages
    float y = HAUT;   // where the next block starts
};

Document::Document(std::int64_t date) : doc(HPDF_New(noterErreur, &erreur))
{
    if (doc == nullptr) {
        erreur.code = HPDF_FAILD_TO_ALLOC_MEM;
        return;
    }
    verifier(HPDF_SetCompressionMode(doc, HPDF_COMP_ALL));
    normale = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
    grasse = HPDF_GetFont(doc, "Helvetica-Bold", "WinAnsiEncoding");
    const auto secondes = static_cast<std::time_t>(date);
    std::tm t = {};
    if (gmtime_r(&secondes, &t) == nullptr) {
        erreur.code = HPDF_INVALID_DATE_TIME;
        return;
    }
    const HPDF_Date d = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, 'Z', 0, 0};
    verifier(HPDF_SetInfoDateAttr(doc, HPDF_INFO_CREATION_DATE, d));
    verifier(HPDF_SetInfoDateAttr(doc, HPDF_INFO_MOD_DATE, d));
}

void Document::page()
{
    if (pages == PAGES_MAX) {
        // Past the bound: nothing more is drawn (libharu refuses a null page), and the reason is given.
        tropDePages = true;
        page_ = nullptr;
        return;
    }
    ++pages;
    page_ = HPDF_AddPage(doc);
    verifier(HPDF_Page_SetSize(page_, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT));
    y = HAUT;
}

void Document::suite()
{
    page();
    gris(0);
    texte(GAUCHE, y - 14, LARGEUR - 60, grasse, 14, 8, nom);
    gris(0.4F);
    texte(DROITE - 55, y - 14, 55, normale, 9, 9, "(suite)", A_DROITE);
    trait(GAUCHE, y - 20, DROITE, y - 20, 1, 0);
    y -= 20 + ESPACE;
}

void Document::place(float hauteur)
{
    if (y - hauteur < BAS) {
        suite();
    }
}

float Document::largeur(HPDF_Font police, const std::string& octets, float taille) const
{
    const HPDF_TextWidth l =
        HPDF_Font_TextWidth(police, reinterpret_cast<const HPDF_BYTE*>(octets.data()), octets.size());
    return static_cast<float>(l.width) * taille / 1000;
}

void Document::texte(float x, float y0, float place, HPDF_Font police, float taille, float tailleMin,
                     std::string octets, Alignement alignement)
{
    octets = imprimable(std::move(octets));
    float l = largeur(police, octets, taille);
    if (l > place) {
        // The width grows with the size: the size that fits, or the smallest.
        taille = std::max(tailleMin, std::floor(taille * place / l * 10) / 10);
        l = largeur(police, octets, taille);
    }
    if (l > place) {
        // The longest beginning that fits with "…" after it (widths only grow with the length).
        const std::string fin(1, POINTS_DE_SUSPENSION);
        std::size_t garde = 0;
        for (std::size_t haut = octets.size(); garde < haut;) {
            const std::size_t milieu = (garde + haut + 1) / 2;
            if (largeur(police, octets.substr(0, milieu) + fin, taille) <= place) {
                garde = milieu;
            } else {
                haut = milieu - 1;
            }
        }
        octets = octets.substr(0, garde) + fin;
        l = largeur(police, octets, taille);
    }
    float debut = x + place - l;  // A_DROITE
    if (alignement == A_GAUCHE) {
        debut = x;
    } else if (alignement == AU_CENTRE) {
        debut = x + (place - l) / 2;
    }
    // A guard of the layout itself: text only inside the margins (Helvetica's
    // glyphs reach 0.931 of the size above the baseline and 0.225 below).
    if (debut < GAUCHE - 0.01F || debut + l > DROITE + 0.01F || y0 - taille * 0.225F < BAS - 0.01F ||
        y0 + taille * 0.931F > HAUT + 0.01F) {
        deborde = true;
        return;
    }
    verifier(HPDF_Page_BeginText(page_));
    verifier(HPDF_Page_SetFontAndSize(page_, police, taille));
    verifier(HPDF_Page_TextOut(page_, debut, y0, octets.c_str()));
    verifier(HPDF_Page_EndText(page_));
}

void Document::cadre(float x, float y0, float l, float h)
{
    verifier(HPDF_Page_SetLineWidth(page_, 0.6F));
    verifier(HPDF_Page_SetGrayStroke(page_, 0.3F));
    verifier(HPDF_Page_Rectangle(page_, x, y0, l, h));
    verifier(HPDF_Page_Stroke(page_));
}

void Document::trait(float x1, float y1, float x2, float y2, float epaisseur, float niveau)
{
    verifier(HPDF_Page_SetLineWidth(page_, epaisseur));
    verifier(HPDF_Page_SetGrayStroke(page_, niveau));
    verifier(HPDF_Page_MoveTo(page_, x1, y1));
    verifier(HPDF_Page_LineTo(page_, x2, y2));
    verifier(HPDF_Page_Stroke(page_));
}

void Document::titre(const std::string& utf8, float x, float largeurTitre)
{
    gris(0);
    texte(x, y - 12, largeurTitre, grasse, 11, 11, versWindows1252(utf8));
    trait(x, y - 16, x + largeurTitre, y - 16, 0.8F, 0);
    y -= HAUTEUR_TITRE;
}

void Document::profil(const Fiche& f)
{
    // Each row: its cells' labels and values; an empty value leaves the cell blank.
    const auto nombre = [](unsigned int v, const char* unite) { return std::to_string(v) + unite; };
    const std::vector<std::vector<std::pair<const char*, std::string>>> rangees = {
        {{"Sexe", f.sexe},
         {"Âge", nombre(f.age, " ans")},
         {"Taille", nombre(f.taille, " cm")},
         {"Poids", nombre(f.poid, " kg")}},
        {{"Stature", f.stature}, {"Peau", f.peau}, {"Cheveux", f.cheveux}},
        {{"Monde natal", f.monde}, {"Carrière", f.carriere}, {"Joueur", ""}},
    };
    constexpr float HAUTEUR_CELLULE = 26;
    for (const auto& cellules : rangees) {
        const float l = LARGEUR / static_cast<float>(cellules.size());
        float x = GAUCHE;
        for (const auto& [etiquette, valeur] : cellules) {
            cadre(x, y - HAUTEUR_CELLULE, l, HAUTEUR_CELLULE);
            gris(0.35F);
            texte(x + 4, y - 8, l - 8, normale, 6.5F, 6.5F, versWindows1252(etiquette));
            gris(0);
            texte(x + 4, y - HAUTEUR_CELLULE + 6, l - 8, normale, 10, 6, valeur);
            x += l;
        }
        y -= HAUTEUR_CELLULE;
    }
    y -= ESPACE;
}

void Document::caracteristiques(const Fiche& f)
{
    titre("Caractéristiques");
    constexpr float ECART = 4;
    constexpr float HAUTEUR_BOITE = 54;
    const float l = (LARGEUR - ECART * (NB_CARACTERISTIQUES - 1)) / NB_CARACTERISTIQUES;
    for (int k = CC; k <= SOC; ++k) {
        const float x = GAUCHE + static_cast<float>(k) * (l + ECART);
        cadre(x, y - HAUTEUR_BOITE, l, HAUTEUR_BOITE);
        gris(0);
        texte(x + 2, y - 11, l - 4, grasse, 9, 9, getCaracteristiqueLabel(static_cast<caracteristique>(k)), AU_CENTRE);
        texte(x + 2, y - 33, l - 4, grasse, 18, 8, std::to_string(f.caracteristiques[k]), AU_CENTRE);
        gris(0.35F);
        texte(x + 2, y - HAUTEUR_BOITE + 6, l - 4, normale, 6, 4,
              getCaracteristiqueNom(static_cast<caracteristique>(k)), AU_CENTRE);
    }
    y -= HAUTEUR_BOITE + ESPACE;
}

void Document::marques(float x, float y0, float place, unsigned int nombre, bool cercles)
{
    constexpr float COTE = 10;
    constexpr float PAS = COTE + 3;
    const auto parRangee = static_cast<unsigned int>((place + PAS - COTE) / PAS);
    const unsigned int dessinees = std::min(nombre, 2 * parRangee);
    verifier(HPDF_Page_SetLineWidth(page_, 0.7F));
    verifier(HPDF_Page_SetGrayStroke(page_, 0));
    if (dessinees == 0) {
        return;  // no path to stroke
    }
    for (unsigned int i = 0; i < dessinees; ++i) {
        const float gauche = x + static_cast<float>(i % parRangee) * PAS;
        const unsigned int rangee = i / parRangee;
        const float bas = y0 - COTE - static_cast<float>(rangee) * PAS;
        if (cercles) {
            verifier(HPDF_Page_Circle(page_, gauche + COTE / 2, bas + COTE / 2, COTE / 2));
        } else {
            verifier(HPDF_Page_Rectangle(page_, gauche, bas, COTE, COTE));
        }
    }
    verifier(HPDF_Page_Stroke(page_));
}

void Document::compteurs(const Fiche& f)
{
    constexpr float ECART = 14;
    constexpr float HAUTEUR_COMPTEUR = HAUTEUR_TITRE + 20 + 2 * 13;
    const float gauche = LARGEUR * 0.6F - ECART / 2;
    const float droite = LARGEUR - gauche - ECART;
    const float xDroite = GAUCHE + gauche + ECART;
    const float haut = y;
    titre("Blessures", GAUCHE, gauche);
    y = haut;
    titre("Points de destin", xDroite, droite);
    const std::string blessures = std::to_string(f.blessuresActuelles) + " / " + std::to_string(f.blessuresMaximum);
    texte(GAUCHE, y - 12, gauche / 2, grasse, 12, 7, blessures);
    gris(0.35F);
    texte(GAUCHE + gauche / 2, y - 12, gauche / 2, normale, 7, 7, "actuelles / maximum", A_DROITE);
    gris(0);
    texte(xDroite, y - 12, droite, grasse, 12, 7, std::to_string(f.destin));
    marques(GAUCHE, y - 20, gauche, f.blessuresMaximum, false);
    marques(xDroite, y - 20, droite, f.destin, true);
    y = haut - HAUTEUR_COMPTEUR - ESPACE;
}

void Document::liste(const std::string& titreUtf8, const std::vector<std::pair<std::string, std::string>>& lignes,
                     const char* aucun)
{
    constexpr int COLONNES = 2;
    constexpr float ECART = 14;
    constexpr float VALEUR = 30;  // the value's place at a column's right end
    const float colonne = (LARGEUR - ECART * (COLONNES - 1)) / COLONNES;
    place(HAUTEUR_TITRE + HAUTEUR_LIGNE);
    titre(titreUtf8);
    if (lignes.empty()) {
        gris(0.35F);
        texte(GAUCHE, y - 9, LARGEUR, normale, 8.5F, 8.5F, aucun);
        y -= HAUTEUR_LIGNE + ESPACE;
        return;
    }
    for (std::size_t i = 0; i < lignes.size() && !tropDePages;) {
        if (i > 0) {
            suite();
            titre(titreUtf8 + " (suite)");
        }
        // The rows that fit below, fewer when all the rest fits: columns of equal length.
        const std::size_t reste = lignes.size() - i;
        const auto tiennent = static_cast<std::size_t>(std::max(0.0F, y - BAS + 0.01F) / HAUTEUR_LIGNE);
        const std::size_t rangees = std::max<std::size_t>(1, std::min(tiennent, (reste + COLONNES - 1) / COLONNES));
        for (std::size_t k = 0; k < rangees * COLONNES && i + k < lignes.size(); ++k) {
            const auto& [nomLigne, valeur] = lignes[i + k];
            const std::size_t numeroColonne = k / rangees;
            const float x = GAUCHE + static_cast<float>(numeroColonne) * (colonne + ECART);
            const float base = y - static_cast<float>(k % rangees + 1) * HAUTEUR_LIGNE + 3;
            gris(0);
            texte(x, base, colonne - (valeur.empty() ? 0 : VALEUR), normale, 8.5F, 6, nomLigne);
            texte(x + colonne - VALEUR, base, VALEUR, grasse, 8.5F, 5, valeur, A_DROITE);
            trait(x, base - 3, x + colonne, base - 3, 0.3F, 0.7F);
        }
        i += std::min(reste, rangees * COLONNES);
        y -= static_cast<float>(rangees) * HAUTEUR_LIGNE;
    }
    y -= ESPACE;
}

void Document::notes()
{
    place(HAUTEUR_TITRE + 3 * INTERLIGNE_NOTES);
    titre("Notes");
    for (y -= INTERLIGNE_NOTES; y >= BAS; y -= INTERLIGNE_NOTES) {
        trait(GAUCHE, y, DROITE, y, 0.4F, 0.6F);
    }
}

void Document::fiche(const Fiche& f)
{
    if (tropDePages) {
        return;
    }
    nom = f.nom;
    page();
    gris(0);
    texte(GAUCHE, y - 27, LARGEUR, grasse, 28, 12, nom);
    trait(GAUCHE, y - 36, DROITE, y - 36, 1.5F, 0);
    y -= 36 + 8;
    profil(f);
    caracteristiques(f);
    compteurs(f);
    std::vector<std::pair<std::string, std::string>> lignes;
    lignes.reserve(std::max(f.competences.size(), f.talents.size()));
    for (const Fiche::Competence& c : f.competences) {
        lignes.emplace_back(c.nom, std::to_string(c.valeur));
    }
    liste("Compétences", lignes, "aucune");
    lignes.clear();
    for (const std::string& t : f.talents) {
        lignes.emplace_back(t, "");
    }
    liste("Talents", lignes, "aucun");
    notes();
}

bool Document::enregistrer(std::string& pdf, std::string& raison)
{
    if (erreur.code == HPDF_OK) {
        verifier(HPDF_SaveToStream(doc));
    }
    HPDF_UINT32 taille = erreur.code == HPDF_OK ? HPDF_GetStreamSize(doc) : 0;
    pdf.assign(taille, '\0');
    for (HPDF_UINT32 fait = 0; erreur.code == HPDF_OK && fait < taille;) {
        HPDF_UINT32 n = taille - fait;
        const HPDF_STATUS statut = HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(&pdf[fait]), &n);
        fait += n;
        if (statut == HPDF_STREAM_EOF || n == 0) {
            taille = fait;
            break;
        }
        verifier(statut);
    }
    if (tropDePages || deborde) {
        raison = tropDePages ? "plus de " + std::to_string(PAGES_MAX) + " pages à imprimer"
                             : std::string("la mise en page sort des marges");
        pdf.clear();
        return false;
    }
    if (erreur.code != HPDF_OK || taille != pdf.size() || taille == 0) {
        char code[64];
        std::snprintf(code, sizeof code, "code 0x%04X, détail %u", static_cast<unsigned int>(erreur.code),
                      static_cast<unsigned int>(erreur.detail));
        // Memory is short when the library says so, or when the compression
        // under it does (its error, with the library's allocation failure as detail).
        const bool memoire = erreur.code == HPDF_FAILD_TO_ALLOC_MEM || erreur.detail == HPDF_FAILD_TO_ALLOC_MEM;
        raison =
            memoire ? std::string("mémoire insuffisante") : std::string("la bibliothèque PDF a échoué (") + code + ")";
        pdf.clear();
        return false;
    }
    return true;
}

}  // namespace

bool dessinerFiches(const std::vector<Fiche>& fiches, std::int64_t date, std::string& pdf, std::string& raison)
{
    Document document(date);
    for (const Fiche& f : fiches) {
        document.fiche(f);
    }
    return document.enregistrer(pdf, raison);
}

const char* versionBibliothequePdf() { return HPDF_GetVersion(); }
