#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ShortString.h"

namespace quillora {

inline constexpr int MaxEleves = 45;
inline constexpr int MaxMatieres = 3;
inline constexpr int MaxPeriodes = 3;
inline constexpr int MaxDevoirs = 24;
inline constexpr std::size_t TailleFichierClasse = 76632;

// The value of every average that cannot be computed.
inline constexpr double NonCalculable = -1789.0;

using ChaineNote = ShortString<5>; // a grade text as the record stores it

struct TEleve {
    ShortString<20> Nom;
    ShortString<20> Prenom;
    ShortString<8> DateNaissance; // "jjmmaaaa", empty when unknown
    Tab1<Tab1<Tab1<ChaineNote, MaxDevoirs>, MaxPeriodes>, MaxMatieres> Note; // [s][p][a]
};

struct TDevoir {
    Double8 Coef;
    ShortString<11> Date;
    ShortString<5> Duree;
    ShortString<40> Commentaire;
    unsigned char Remplissage[5] = {};
};

struct TMatiere {
    ShortString<20> Nom;
    ShortString<2> Abrev;
    Tab1<Double8, MaxPeriodes> Coef;
};

// The class record exactly as it lies in a .cl3 file: every member has alignment 1, so
// the struct has no padding and its bytes are the file image.
struct ImageClasse {
    Tab1<TEleve, MaxEleves> Eleve;
    Tab1<Tab1<Tab1<TDevoir, MaxDevoirs>, MaxPeriodes>, MaxMatieres> Devoir; // [s][p][a]
    Tab1<TMatiere, MaxMatieres> Matiere;
    ShortString<8> AbrevClasse;
    ShortString<25> AnneeScolaire;
    std::uint8_t Joker = 0;
    std::uint8_t ModeArrondi = 0;
    std::uint8_t NbPeriode = 3;
    ShortString<50> NomProfesseur;
    ShortString<50> MatierePrincipale;
    Tab1<Tab1<std::uint8_t, MaxPeriodes>, MaxMatieres> NbDevoir; // [s][p]
    std::uint8_t NbEleve = 0;
    std::uint8_t NbMatiere = 3;
    std::uint8_t MatiereCourante = 1;
    std::uint8_t PeriodeCourante = 1;
    unsigned char Reserve[168] = {};
};

static_assert(sizeof(TEleve) == 1347);
static_assert(sizeof(TDevoir) == 72);
static_assert(sizeof(TMatiere) == 48);
static_assert(sizeof(ImageClasse) == TailleFichierClasse);

// Period words, indexed by NbPeriode - 2 (0: two semesters, 1: three trimesters).
extern const char* const LettrePeriode[2];      // "S", "T"
extern const char* const MotPeriode[2];         // "Semestre", "Trimestre"
extern const char* const DeuxLettresPeriode[2]; // "Se", "Tr"
extern const char* const MotCourtPeriode[2];    // "Sem.", "Trim."

inline int IndexPeriodes(int nbPeriode) {
    return nbPeriode == 2 ? 0 : 1;
}

struct Resultat {
    bool ok = true;
    std::string erreur; // UTF-8, French, ready for a message box
    explicit operator bool() const { return ok; }
};

// Grade kinds returned by ValeurNote.
enum GenreNote : int { PasUneNote = 0, NoteLettre = 1, NoteNombre = 2 };

struct ValeurLue {
    double valeur;
    int genre;
};

// One school class. All text of the model is Windows-1252, as the class file stores it,
// with one exception: `Resultat::erreur` is UTF-8 because it carries file-system paths.
class TClasse : public ImageClasse {
public:
    std::string NomFichier; // full path; not part of the file

    void Initialiser();
    void DefautsNouvelleClasse();
    Resultat Charger();
    Resultat Sauver() const;
    // Writes the record to another path (the .bak twin, the backup copy).
    Resultat SauverSous(const std::string& chemin) const;
    // Reads a file image from memory; the record is left untouched when it is refused.
    Resultat ChargerOctets(const unsigned char* donnees, std::size_t taille,
                           const std::string& chemin);

    void ViderEleve(int e);
    void ViderDevoir(int s, int p, int a);
    void TrierEleves();
    // Student e's name and first name (cut to 20, normalised: the name by the capitals
    // setting) and birth date (cut to 8, kept as typed).
    void RenseignerEleve(int e, std::string_view nom, std::string_view prenom,
                         std::string_view date);
    // Opens an empty position p (1..NbEleve + 1), moving the students from p down with their
    // grades; false, with nothing moved, when the class is full or p is out of range.
    bool InsererEleve(int p);
    // Removes student e, moving the following ones up with their grades.
    bool SupprimerEleve(int e);
    void NormaliserNoms();
    std::string NomEleve(int e, bool avecPrenom) const;
    int NbDevoirAnnee(int s) const;
    int NbDevoirTotal() const;
    std::string Titre(int s, int p, bool avecAnnee, int e, int a) const;

    // Grade arithmetic.
    double MoyenneMatiere(int s, int p, bool joker, int e) const;
    double MoyenneJokerPeriode(int s, int p, int e) const;
    double MoyenneGenerale(int p, bool joker, int e) const;
    double MoyenneAnnuelleMatiere(int s, bool joker, int e) const;
    double MoyenneAnnuelle(bool joker, int e) const;
    double Moyenne(int s, int p, bool joker, int e) const;
    double MoyenneClasse(int s, int p, bool joker) const;
    double MoyenneDevoir(int s, int p, bool joker, int a) const;
    int NbAbsences(int s, int p, int e) const;

    // Dates and ages.
    struct DateDecodee {
        bool valide = false;
        std::uint16_t jour = 0, mois = 0, annee = 0;
    };
    DateDecodee DecoderDateNaissance(int e) const;
    std::string DateNaissanceTexte(int e) const;
    std::uint16_t AgeEnJours(int e) const;
    std::string AgeMoyen() const;

    const ImageClasse& Image() const { return *this; }
    ImageClasse& Image() { return *this; }
};

std::string AbrevDepuisFichier(std::string_view chemin);
std::string AnneeScolaireCourante();
// A name in capitals, or else in small letters with a capital at the start of each word;
// every letter of the code page changes case, cut to 20 characters.
std::string NormaliserNom(std::string_view texte, bool majuscules);

// Grade texts and numbers.
ValeurLue ValeurNote(std::string_view texte);
std::string FormatNote(double x);
std::string FormatArrondi(int mode, double x);
// The number FormatArrondi writes for x, as a value; NonCalculable stays NonCalculable.
double ValeurAffichee(int mode, double x);
// Whether an average is below the pass mark as it is shown: a 9.95 shown "10" is not below 10.
// An average that cannot be computed is never below.
bool SousLaMoyenne(int mode, double moyenne, double noteMoyenne);
std::string NomArrondi(int mode);
// A class average: the mean of the students' averages `moyennes` (in student order) that can
// be computed, NonCalculable when none can.
double MoyenneDesEleves(const double* moyennes, int n);
// The value a 6-byte real would hold after storing x (nearest, halves away from zero).
long double ArrondiReel48(long double x);

// Dates, ages and checks.
// Whether the day exists in the Gregorian calendar (no 31 April, 29 February in leap years).
bool DateExiste(int jour, int mois, int annee);
// French names in Windows-1252: months 1..12, weekdays 0 = Sunday .. 6.
std::string NomMois(int mois);
std::string NomJour(int jourSemaine);
std::string AgeTexte(std::uint16_t jours);
std::string DateHeureTexte();
// What is wrong with a birth date being typed, "jjmmaaaa", in French; empty while nothing
// is: a day or a month out of range as soon as it is typed, then a day the calendar lacks
// (31 February, 29 February of a common year). The date is stored as typed all the same.
std::string DefautDateNaissance(std::string_view jjmmaaaa);
// False, with the warning text in `avertissement`, when the value is outside 0..max while
// range checks are on.
bool VerifierDomaine(double valeur, double max, std::string& avertissement);
// That warning: "Le nombre -2.00 est en dehors du domaine de validité." and the range.
std::string TexteHorsDomaine(double valeur, double max);
extern const char* const TexteConseilDateNaissance;
extern const char* const TexteNomObligatoire;

// Printer measurements; the values with no printer installed until a window layer
// measures a real one.
extern int ResolutionEcran;
extern int ResolutionImprimante;
extern int LargeurPage;
extern int HauteurPage;
extern double RapportEcranImprimante;
void DefinirMesuresImprimante(int resolutionEcran, int resolutionImprimante, int largeur,
                              int hauteur);

// Export text of a view, CR-separated, Windows-1252.
std::string TexteExport(const TClasse& c, int s, int p);

} // namespace quillora
