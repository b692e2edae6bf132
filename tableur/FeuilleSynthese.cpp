// The "Synthèse" sheet: each subject's averages read from its own sheet, and the general
// average weighted by the subjects' coefficients, per period and for the year.
#include <string>
#include <vector>

#include "ClasseurInterne.h"
#include "Formules.h"
#include "Options.h"

namespace quillora::redaction {

namespace {

// The weighted mean of the numbers among `cellules`, "?" when their weight is nil.
std::string moyennePonderee(const std::vector<std::string>& cellules,
                            const std::vector<std::string>& poids) {
    std::string somme, total;
    for (std::size_t i = 0; i < cellules.size(); ++i) {
        const std::string si = "IF(ISNUMBER(" + cellules[i] + "),";
        somme += (i ? "+" : "") + si + cellules[i] + "*" + poids[i] + ",0)";
        total += (i ? "+" : "") + si + poids[i] + ",0)";
    }
    return "IF((" + total + ")=0,\"?\"," + Double("(" + somme + ")/(" + total + ")") + ")";
}

} // namespace

void Redacteur::ecrireSynthese() {
    lxw_worksheet* ws = workbook_add_worksheet(wb_, "Synthèse");
    const int m = c_.NbMatiere, E = c_.NbEleve, j = joker_ ? 2 : 0;
    std::string titre = utf8(c_.Titre(4, 0, true, 0, 0));
    if (joker_) titre += " (moyennes Joker)";
    this->titre(ws, titre);
    texteUtf8(ws, SynCoef, ColNom, "Coef.", etiquette_);
    texteUtf8(ws, SynEntete, ColNumero, "N°", entete_);
    texteUtf8(ws, SynEntete, ColNom, "Élève", entete_);
    worksheet_set_column(ws, ColNumero, ColNumero, 4, centre_);
    worksheet_set_column(ws, ColNom, ColNom, 26, nullptr);
    const int lc = SynEleve + E;
    for (int e = 1; e <= E; ++e) {
        worksheet_write_number(ws, SynEleve + e - 1, ColNumero, e, centre_);
        texte(ws, SynEleve + e - 1, ColNom, c_.NomEleve(e, Options.prenom));
    }
    if (E > 0) {
        texteUtf8(ws, lc, ColNom, "Moyenne de la classe", etiquette_);
        texteUtf8(ws, lc + 1, ColNom, "Sommes (calcul)", aide_);
    }

    int col = PremiereColonne;
    std::vector<int> periodes;
    for (int p = 1; p <= c_.NbPeriode; ++p) periodes.push_back(p);
    periodes.push_back(4);
    for (int p : periodes) {
        titreBloc(ws, col, col + m + 1, p == 4 ? "Année" : motPeriode(p));
        std::vector<std::string> poids;
        for (int i = 1; i <= m; ++i) {
            const FeuilleMatiere& fm = feuilles_[i];
            const int k = col + i - 1;
            texte(ws, SynEntete, k, c_.Matiere[i].Nom, enteteLong_);
            if (p == 4) {
                std::string somme;
                double v = 0;
                for (int q = 1; q <= c_.NbPeriode; ++q) {
                    somme += (q > 1 ? "+" : "") + CelluleDe(fm.nom, LigneCoef, fm.blocs[q].moyenne);
                    v += c_.Matiere[i].Coef[q];
                }
                formule(ws, SynCoef, k, somme, v, coef_);
            } else {
                formule(ws, SynCoef, k, CelluleDe(fm.nom, LigneCoef, fm.blocs[p].moyenne),
                        c_.Matiere[i].Coef[p], coef_);
            }
            poids.push_back(Cellule(SynCoef, k, true, true));
            const int source = (p == 4 ? fm.annee : fm.blocs[p].moyenne) + j;
            for (int e = 1; e <= E; ++e)
                formule(ws, SynEleve + e - 1, k, CelluleDe(fm.nom, ligneEleve(e), source),
                        moyenne(i, p, joker_, e), moyenne_);
        }
        const int g = col + m;
        texteUtf8(ws, SynEntete, g, "Générale", entete_);
        texteUtf8(ws, SynEntete, g + 1, "Arrondie", entete_);
        worksheet_set_column(ws, col, g + 1, 12, nullptr);
        for (int e = 1; e <= E; ++e) {
            std::vector<std::string> moyennes;
            for (int i = 1; i <= m; ++i) moyennes.push_back(Cellule(SynEleve + e - 1, col + i - 1));
            moyenneArrondie(ws, SynEleve + e - 1, g, moyennePonderee(moyennes, poids),
                            moyenne(4, p, joker_, e), moyenne_);
        }
        if (E > 0) {
            for (int i = 1; i <= m + 1; ++i) {
                const int k = col + i - 1;
                std::vector<double> valeurs;
                for (int e = 1; e <= E; ++e)
                    valeurs.push_back(moyenne(i > m ? 4 : i, p, joker_, e));
                const std::string f = moyenneColonne(ws, SynEleve, E, k, valeurs);
                const double v = moyenneClasse(i > m ? 4 : i, p, joker_);
                if (i > m)
                    moyenneArrondie(ws, lc, k, f, v, classe_);
                else
                    formule(ws, lc, k, f, v, classe_);
            }
            enRouge(ws, SynEleve, col, lc, g + 1, Cellule(SynEleve, col), rougeMoyenne_);
        }
        col += m + 3;
    }
    // Subject names wrap on two lines rather than being cut.
    worksheet_set_row(ws, SynEntete, 30, nullptr);
    worksheet_freeze_panes(ws, SynEleve, PremiereColonne);
}

} // namespace quillora::redaction
