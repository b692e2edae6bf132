// What the pieces of the workbook's layout share: where its rows and columns lie, and the
// one writer whose sheets are drawn up in the files of this folder, each kind in its own.
#pragma once

#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>
#include <xlsxwriter.h>

#include "Classe.h"
#include "Cp1252.h"

namespace quillora::redaction {

// Rows of a subject's sheet; the students start below the assignments' descriptions.
constexpr int LigneTitre = 0, LigneBloc = 1, LigneCoef = 2, LigneDate = 3, LigneDuree = 4,
              LigneCommentaire = 5, LigneEntete = 6, PremierEleve = 7;
// Rows of the synthesis sheet.
constexpr int SynCoef = 2, SynEntete = 3, SynEleve = 4;
constexpr int ColNumero = 0, ColNom = 1, PremiereColonne = 2;
// Rows of the settings sheet that formulas read by name.
constexpr int RegMode = 3, RegSeuil = 4, RegLettres = 5, RegTable = 8;

inline std::string utf8(std::string_view t) {
    return Utf8DepuisCp1252(t);
}

// Where one period's columns lie on its subject's sheet.
struct Bloc {
    int n = 0;        // assignments
    int debut = 0;    // first grade column
    int moyenne = 0;  // the average, its rounding, then the joker average and its rounding
    int somme = -1;   // the weighted sum of the grades, then their weight
    int retiree = -1; // joker: the dropped grade, then its coefficient
};

struct FeuilleMatiere {
    std::string nom;
    Tab1<Bloc, MaxPeriodes> blocs;
    int annee = 0;     // the year average, laid out like a period's
    int aideAnnee = 0; // the year's sums, per kind of average: periods, sums, weights
};

class Redacteur {
public:
    Redacteur(const TClasse& c, lxw_workbook* wb);
    void Ecrire();

private:
    template <typename F> lxw_format* format(F reglage) {
        lxw_format* f = workbook_add_format(wb_);
        reglage(f);
        return f;
    }

    int ligneEleve(int e) const { return PremierEleve + e - 1; }

    // Every average is asked for several times (its cell, the year, the synthesis, the class
    // row) and the general ones recompute the subjects': each is computed once.
    double moyenne(int s, int p, bool joker, int e) {
        double& v = moyennes_[s][p][joker][e];
        if (std::isnan(v)) v = c_.Moyenne(s, p, joker, e);
        return v;
    }
    double moyenneClasse(int s, int p, bool joker);

    void texte(lxw_worksheet* ws, int l, int col, std::string_view cp, lxw_format* f = nullptr);
    void texteUtf8(lxw_worksheet* ws, int l, int col, const std::string& t,
                   lxw_format* f = nullptr);
    // A formula whose cached result is the program's value, "?" for NonCalculable.
    void formule(lxw_worksheet* ws, int l, int col, const std::string& f, double valeur,
                 lxw_format* fmt);
    // An average and, beside it, its rounding by the class's mode.
    void moyenneArrondie(lxw_worksheet* ws, int l, int col, const std::string& f, double valeur,
                         lxw_format* fmt);
    void titre(lxw_worksheet* ws, const std::string& t);
    void titreBloc(lxw_worksheet* ws, int col1, int col2, const std::string& t);
    // Averages and grades below the pass mark in the sheet's colours; `temoin` is the cell
    // of the range's first row and column that decides (the grade's counted value).
    void enRouge(lxw_worksheet* ws, int l1, int c1, int l2, int c2, const std::string& temoin,
                 lxw_format* f);
    std::string motPeriode(int p) const;
    int largeurMoyennes() const { return joker_ ? 4 : 2; }
    void nommerFeuilles();
    // The plain mean of the numbers of a column: their sum, in the students' order, goes
    // on the row of sums below the class row, the mean on the class row. `valeurs` are the
    // column's values as the program has them, for the cached sum.
    std::string moyenneColonne(lxw_worksheet* ws, int ligne, int nb, int col,
                               const std::vector<double>& valeurs);

    // A subject's sheet: its periods' grades and averages, then the year's.
    void placer(FeuilleMatiere& fm, int s);
    void ecrireMatiere(int s);
    void entetesMoyennes(lxw_worksheet* ws, int col, const char* nom);
    void ecrirePeriode(lxw_worksheet* ws, const FeuilleMatiere& fm, int s, int p);
    // A grade as a number when it reads as one, as text when it counts for nothing. A
    // letter holds a formula that reads its value in the settings sheet's table and shows
    // the letter through its number format, so that averages read grades alone.
    void ecrireNote(lxw_worksheet* ws, int l, int col, std::string_view note);
    void moyennesDeClasse(lxw_worksheet* ws, int s, int p, int col);
    void ecrireAnnee(lxw_worksheet* ws, const FeuilleMatiere& fm, int s);

    // The synthesis as the sheet shows it: the joker averages when the class computes them.
    void ecrireSynthese();
    // The settings that the other sheets' formulas read by name.
    void ecrireReglages();

    const TClasse& c_;
    lxw_workbook* wb_;
    const bool joker_;
    Tab1<FeuilleMatiere, MaxMatieres> feuilles_;
    lxw_format *titre_, *bloc_, *entete_, *etiquette_, *centre_, *vertical_, *moyenne_, *arrondi_,
        *classe_, *aide_, *rougeNote_, *rougeMoyenne_, *enteteLong_, *coef_, *ouiNon_;
    std::map<std::string, lxw_format*> formatsLettre_; // by grade text
    // [s][p][joker][e], NaN until computed; 4 is the general average or the year.
    double moyennes_[5][5][2][MaxEleves + 1];
};

} // namespace quillora::redaction
