#include "Classe.h"

#include <utility>

#include "Cp1252.h"
#include "Horloge.h"
#include "Options.h"

namespace quillora {

const char* const LettrePeriode[2] = {"S", "T"};
const char* const MotPeriode[2] = {"Semestre", "Trimestre"};
const char* const DeuxLettresPeriode[2] = {"Se", "Tr"};
const char* const MotCourtPeriode[2] = {"Sem.", "Trim."};

namespace {

char majusculeAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// A word of a name starts after a blank, a hyphen or an apostrophe, straight or curly:
// Jean-Pierre, O'Neil, D’Artagnan.
bool debutDeMot(char precedent) {
    switch (static_cast<unsigned char>(precedent)) {
    case ' ':
    case 0xA0: // no-break space
    case '-':
    case '\'':
    case 0x92: // right single quotation mark
        return true;
    default:
        return false;
    }
}

void RemettreDevoir(TDevoir& d) {
    d.Coef = 1.0;
    d.Date.clear();
    d.Duree.clear();
    d.Commentaire.clear();
}

} // namespace

void TClasse::Initialiser() {
    for (int e = 1; e <= MaxEleves; ++e) ViderEleve(e);
    // Emptying each assignment would empty every student's grades of its period once per
    // assignment again: the students' grades are already empty, only the records remain.
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p)
            for (int a = 1; a <= MaxDevoirs; ++a) RemettreDevoir(Devoir[s][p][a]);
    NbEleve = 0;
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p) NbDevoir[s][p] = 0;
    PeriodeCourante = 1;
    MatiereCourante = 1;
    AbrevClasse.clear();
    AnneeScolaire.clear();
    NomProfesseur.clear();
    MatierePrincipale.clear();
    NbPeriode = 3;
    const std::string matiere = cp1252("Matière ");
    for (int s = 1; s <= MaxMatieres; ++s) {
        Matiere[s].Nom = matiere + std::to_string(s);
        Matiere[s].Abrev = "Mat " + std::to_string(s);
        for (int p = 1; p <= MaxPeriodes; ++p) Matiere[s].Coef[p] = 1.0;
    }
    NbMatiere = 3;
}

void TClasse::DefautsNouvelleClasse() {
    AbrevClasse = AbrevDepuisFichier(NomFichier);
    AnneeScolaire = AnneeScolaireCourante();
    Joker = 0;
    ModeArrondi = 0;
}

std::string AbrevDepuisFichier(std::string_view chemin) {
    const auto coupure = chemin.find_last_of("/\\:");
    std::string nom(coupure == std::string_view::npos ? chemin : chemin.substr(coupure + 1));
    for (char& c : nom) c = majusculeAscii(c);
    nom.resize(nom.size() >= 4 ? nom.size() - 4 : 0);
    if (nom.size() >= 5) nom.resize(4);
    return nom;
}

std::string AnneeScolaireCourante() {
    const DateHeure d = Maintenant();
    const int debut = d.mois >= 8 ? d.annee : d.annee - 1;
    return "( " + std::to_string(debut) + " / " + std::to_string(debut + 1) + " )";
}

void TClasse::ViderEleve(int e) {
    TEleve& el = Eleve[e];
    el.Nom.clear();
    el.Prenom.clear();
    el.DateNaissance.clear();
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p)
            for (int a = 1; a <= MaxDevoirs; ++a) el.Note[s][p][a].clear();
}

void TClasse::ViderDevoir(int s, int p, int a) {
    RemettreDevoir(Devoir[s][p][a]);
    for (int e = 1; e <= MaxEleves; ++e)
        for (int b = 1; b <= MaxDevoirs; ++b) Eleve[e].Note[s][p][b].clear();
}

void TClasse::TrierEleves() {
    const int n = NbEleve;
    if (n < 2) return;
    // A Shell sort written exactly as the original one, so that students with equal
    // surnames end up in the same order as they always did.
    int ecart = n;
    do {
        ecart /= 2;
        bool echange;
        do {
            echange = false;
            for (int i = 1; i <= n - ecart; ++i) {
                if (Eleve[i].Nom.view() > Eleve[i + ecart].Nom.view()) {
                    std::swap(Eleve[i], Eleve[i + ecart]);
                    echange = true;
                }
            }
        } while (echange);
    } while (ecart != 1);
}

void TClasse::RenseignerEleve(int e, std::string_view nom, std::string_view prenom,
                              std::string_view date) {
    Eleve[e].Nom = NormaliserNom(nom, Options.majuscule);
    Eleve[e].Prenom = NormaliserNom(prenom, false);
    Eleve[e].DateNaissance = date;
}

bool TClasse::InsererEleve(int p) {
    if (NbEleve >= MaxEleves || p < 1 || p > NbEleve + 1) return false;
    for (int e = NbEleve; e >= p; --e) Eleve[e + 1] = Eleve[e];
    ViderEleve(p);
    ++NbEleve;
    return true;
}

bool TClasse::SupprimerEleve(int e) {
    if (e < 1 || e > NbEleve) return false;
    for (int i = e; i < NbEleve; ++i) Eleve[i] = Eleve[i + 1];
    // The freed position would otherwise keep a copy of the last student in the file, and
    // a removed last student would stay there whole.
    ViderEleve(NbEleve);
    --NbEleve;
    return true;
}

std::string NormaliserNom(std::string_view texte, bool majuscules) {
    std::string r(texte);
    if (r.empty()) return r;
    if (majuscules) {
        for (char& c : r) c = MajusculeCp1252(c);
    } else {
        for (std::size_t i = 0; i < r.size(); ++i)
            r[i] = i == 0 || debutDeMot(r[i - 1]) ? MajusculeCp1252(r[i]) : MinusculeCp1252(r[i]);
    }
    if (r.size() > 20) r.resize(20);
    return r;
}

void TClasse::NormaliserNoms() {
    for (int e = 1; e <= NbEleve; ++e) {
        Eleve[e].Nom = NormaliserNom(Eleve[e].Nom, Options.majuscule);
        Eleve[e].Prenom = NormaliserNom(Eleve[e].Prenom, false);
    }
}

std::string TClasse::NomEleve(int e, bool avecPrenom) const {
    std::string r = Eleve[e].Nom.str();
    if (avecPrenom) {
        r += ' ';
        r += Eleve[e].Prenom.view();
    }
    return r;
}

int TClasse::NbDevoirAnnee(int s) const {
    if (s < 1 || s > MaxMatieres) return 0;
    int n = 0;
    for (int p = 1; p <= NbPeriode; ++p) n += NbDevoir[s][p];
    return n;
}

int TClasse::NbDevoirTotal() const {
    int n = 0;
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= NbPeriode; ++p) n += NbDevoir[s][p];
    return n;
}

std::string TClasse::Titre(int s, int p, bool avecAnnee, int e, int a) const {
    const std::string sep = std::string(" ") + SeparateursTitre[Options.indsep % 10] + " ";
    std::string t = AbrevClasse.str();
    if (s >= 1 && s <= 3)
        t += sep + Matiere[s].Nom.str();
    else if (s == 4)
        t += sep + cp1252("Synthèse");
    if (p >= 1 && p <= 3)
        t += sep + MotCourtPeriode[IndexPeriodes(NbPeriode)] + std::to_string(p);
    else if (p == 4)
        t += sep + cp1252("Année");
    if (a != 0) t += sep + "Devoir " + std::to_string(a);
    if (e != 0) t += sep + NomEleve(e, true);
    if (avecAnnee) t += " " + AnneeScolaire.str();
    return t;
}

} // namespace quillora
