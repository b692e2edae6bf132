// A subject's sheet: per period its assignments, the grades as typed (letters read through
// the settings sheet) and the averages recomputed term by term as the program does; then
// the year, summed in the 6-byte reals of the program's first versions.
#include <string>
#include <utility>
#include <vector>

#include "ClasseurInterne.h"
#include "Formules.h"
#include "Options.h"

namespace quillora::redaction {

namespace {

// A criterion that only numbers meet: the counted values are numbers, the others "".
const std::string Nombres = "\"<1E+300\"";

// The joker's dropped grade as the program picks it: the first of the lowest counted
// grades of a non-zero coefficient; (0, 0) when there is none.
std::pair<double, double> NoteRetiree(const TClasse& c, int s, int p, int e) {
    bool trouvee = false;
    double note = 0, coef = 0;
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a) {
        const ValeurLue v = ValeurNote(c.Eleve[e].Note[s][p][a]);
        const double k = c.Devoir[s][p][a].Coef;
        if (v.valeur == NonCalculable || k == 0) continue;
        if (!trouvee || v.valeur < note) note = v.valeur, coef = k, trouvee = true;
    }
    return {note, coef};
}

// How many grades the joker may choose from: counted, of a non-zero coefficient.
int NotesComptees(const TClasse& c, int s, int p, int e) {
    int n = 0;
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a)
        if (ValeurNote(c.Eleve[e].Note[s][p][a]).valeur != NonCalculable &&
            c.Devoir[s][p][a].Coef != 0)
            ++n;
    return n;
}

// The row of the letter table that a grade text matches, 0 for none: the first key equal
// to the text upper-cased (ASCII letters only), byte for byte. An empty key matches
// nothing, an empty cell included.
int CleLettre(std::string_view note) {
    std::string t(note);
    for (char& ch : t)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
    for (int i = 1; i <= 15; ++i)
        if (!Options.cores[i].coresL.empty() && Options.cores[i].coresL == t) return i;
    return 0;
}

} // namespace

void Redacteur::placer(FeuilleMatiere& fm, int s) {
    int col = PremiereColonne;
    for (int p = 1; p <= c_.NbPeriode; ++p) {
        Bloc& b = fm.blocs[p];
        b.n = c_.NbDevoir[s][p];
        b.debut = col;
        b.moyenne = col + b.n;
        col = b.moyenne + largeurMoyennes() + 1;
    }
    fm.annee = col;
    col += largeurMoyennes() + 1;
    for (int p = 1; p <= c_.NbPeriode; ++p) {
        Bloc& b = fm.blocs[p];
        if (b.n > 0) {
            b.somme = col;
            col += 2;
        }
        if (joker_ && b.n > 0) {
            b.retiree = col + 1;
            col += 3;
        }
        ++col;
    }
    fm.aideAnnee = col;
}

void Redacteur::ecrireMatiere(int s) {
    FeuilleMatiere& fm = feuilles_[s];
    placer(fm, s);
    lxw_worksheet* ws = workbook_add_worksheet(wb_, fm.nom.c_str());
    const int E = c_.NbEleve;
    titre(ws, utf8(c_.Titre(s, 0, true, 0, 0)));
    texteUtf8(ws, LigneCoef, ColNom, "Coef.", etiquette_);
    texteUtf8(ws, LigneDate, ColNom, "Date", etiquette_);
    texteUtf8(ws, LigneDuree, ColNom, "Durée", etiquette_);
    texteUtf8(ws, LigneCommentaire, ColNom, "Commentaire", etiquette_);
    texteUtf8(ws, LigneEntete, ColNumero, "N°", entete_);
    texteUtf8(ws, LigneEntete, ColNom, "Élève", entete_);
    worksheet_set_column(ws, ColNumero, ColNumero, 4, centre_);
    worksheet_set_column(ws, ColNom, ColNom, 26, nullptr);
    worksheet_set_row(ws, LigneDate, 52, nullptr);
    worksheet_set_row(ws, LigneCommentaire, 105, nullptr);
    for (int e = 1; e <= E; ++e) {
        worksheet_write_number(ws, ligneEleve(e), ColNumero, e, centre_);
        texte(ws, ligneEleve(e), ColNom, c_.NomEleve(e, Options.prenom));
    }
    if (E > 0) {
        texteUtf8(ws, ligneEleve(E + 1), ColNom, "Moyenne de la classe", etiquette_);
        texteUtf8(ws, ligneEleve(E + 2), ColNom, "Sommes (calcul)", aide_);
    }

    for (int p = 1; p <= c_.NbPeriode; ++p) ecrirePeriode(ws, fm, s, p);
    ecrireAnnee(ws, fm, s);
    worksheet_freeze_panes(ws, PremierEleve, PremiereColonne);
}

void Redacteur::entetesMoyennes(lxw_worksheet* ws, int col, const char* nom) {
    texteUtf8(ws, LigneEntete, col, nom, entete_);
    texteUtf8(ws, LigneEntete, col + 1, "Arrondie", entete_);
    if (joker_) {
        texteUtf8(ws, LigneEntete, col + 2, "Joker", entete_);
        texteUtf8(ws, LigneEntete, col + 3, "Arrondie", entete_);
    }
    worksheet_set_column(ws, col, col + largeurMoyennes() - 1, 10, nullptr);
}

void Redacteur::ecrirePeriode(lxw_worksheet* ws, const FeuilleMatiere& fm, int s, int p) {
    const Bloc& b = fm.blocs[p];
    const int E = c_.NbEleve, n = b.n;
    titreBloc(ws, b.debut, b.moyenne + largeurMoyennes() - 1, motPeriode(p));
    for (int a = 1; a <= n; ++a) {
        const TDevoir& d = c_.Devoir[s][p][a];
        const int col = b.debut + a - 1;
        worksheet_write_number(ws, LigneCoef, col, d.Coef, centre_);
        texte(ws, LigneDate, col, d.Date, vertical_);
        texte(ws, LigneDuree, col, d.Duree, centre_);
        texte(ws, LigneCommentaire, col, d.Commentaire, vertical_);
        texteUtf8(ws, LigneEntete, col, "D" + std::to_string(a), entete_);
    }
    if (n > 0) worksheet_set_column(ws, b.debut, b.debut + n - 1, 6, centre_);
    // The subject's coefficient for the period weighs its average in the year and in
    // the synthesis: it stands above that average.
    worksheet_write_number(ws, LigneCoef, b.moyenne, c_.Matiere[s].Coef[p], coef_);
    entetesMoyennes(ws, b.moyenne, "Moyenne");

    if (b.somme >= 0) {
        titreBloc(ws, b.somme, b.somme + 1 + (b.retiree >= 0 ? 3 : 0),
                  "Calcul, " + utf8(MotCourtPeriode[IndexPeriodes(c_.NbPeriode)]) + " " +
                      std::to_string(p));
        texteUtf8(ws, LigneEntete, b.somme, "Somme", entete_);
        texteUtf8(ws, LigneEntete, b.somme + 1, "Poids", entete_);
        worksheet_set_column(ws, b.somme, b.somme + 1, 9, aide_);
    }
    if (b.retiree >= 0) {
        texteUtf8(ws, LigneEntete, b.retiree - 1, "Notes", entete_);
        texteUtf8(ws, LigneEntete, b.retiree, "Retirée", entete_);
        texteUtf8(ws, LigneEntete, b.retiree + 1, "Coef.", entete_);
        worksheet_set_column(ws, b.retiree - 1, b.retiree + 1, 9, aide_);
    }

    const std::string C = Plage(LigneCoef, b.debut, LigneCoef, b.debut + n - 1, true);
    std::vector<std::string> coefs;
    for (int a = 1; a <= n; ++a) coefs.push_back(Cellule(LigneCoef, b.debut + a - 1, true, false));
    for (int e = 1; e <= E; ++e) {
        const int l = ligneEleve(e);
        for (int a = 1; a <= n; ++a) ecrireNote(ws, l, b.debut + a - 1, c_.Eleve[e].Note[s][p][a]);
        if (n == 0) {
            moyenneArrondie(ws, l, b.moyenne, "\"?\"", NonCalculable, moyenne_);
            if (joker_) moyenneArrondie(ws, l, b.moyenne + 2, "\"?\"", NonCalculable, moyenne_);
            continue;
        }
        const std::string H = Plage(l, b.debut, l, b.debut + n - 1);
        // Summed term by term in the program's order, so that an average on a half
        // tenth rounds the same way: a spreadsheet's SUMPRODUCT may sum otherwise.
        std::string fs = "=", fp = "=";
        fs.reserve(16 * n);
        fp.reserve(18 * n);
        double vs = 0, vp = 0;
        for (int a = 1; a <= n; ++a) {
            const std::string h = Cellule(l, b.debut + a - 1);
            const std::string& k = coefs[a - 1];
            fs.append(a > 1 ? "+SUM(" : "SUM(").append(h).append(")*").append(k);
            // COUNT of one cell is ISNUMBER as a number, in fewer characters.
            fp.append(a > 1 ? "+COUNT(" : "COUNT(").append(h).append(")*").append(k);
            const ValeurLue v = ValeurNote(c_.Eleve[e].Note[s][p][a]);
            if (v.genre == PasUneNote) continue;
            vs += v.valeur * c_.Devoir[s][p][a].Coef;
            vp += c_.Devoir[s][p][a].Coef;
        }
        worksheet_write_formula_num(ws, l, b.somme, fs.c_str(), aide_, vs);
        worksheet_write_formula_num(ws, l, b.somme + 1, fp.c_str(), aide_, vp);
        const std::string somme = Cellule(l, b.somme), poids = Cellule(l, b.somme + 1);
        moyenneArrondie(ws, l, b.moyenne,
                        "IF(" + poids + "=0,\"?\"," + Double(somme + "/" + poids) + ")",
                        moyenne(s, p, false, e), moyenne_);
        if (!joker_) continue;
        const std::string nb = Cellule(l, b.retiree - 1);
        worksheet_write_formula_num(
            ws, l, b.retiree - 1,
            ("=COUNTIFS(" + H + "," + Nombres + "," + C + ",\"<>0\")").c_str(), aide_,
            NotesComptees(c_, s, p, e));
        const std::string comptee = "ISNUMBER(" + H + ")*(" + C + "<>0)";
        const std::string note = Cellule(l, b.retiree), coef = Cellule(l, b.retiree + 1);
        const auto [vNote, vCoef] = NoteRetiree(c_, s, p, e);
        const std::string nbNul = "IF(" + nb + "=0,0,";
        // With one assignment there is nothing to search, and MATCH refuses a lone cell.
        const std::string plusBasse =
            n == 1 ? Cellule(l, b.debut) : "MIN(IF(" + comptee + "," + H + ",1E+300))";
        const std::string sonCoef =
            n == 1 ? C : "INDEX(" + C + ",1,MATCH(1," + comptee + "*(" + H + "=" + note + "),0))";
        worksheet_write_array_formula_num(ws, l, b.retiree, l, b.retiree,
                                          ("{=" + nbNul + plusBasse + ")}").c_str(), aide_, vNote);
        worksheet_write_array_formula_num(ws, l, b.retiree + 1, l, b.retiree + 1,
                                          ("{=" + nbNul + sonCoef + ")}").c_str(), aide_, vCoef);
        // With a lone grade nothing is dropped: the dropped grade's terms are multiplied
        // by FALSE, which leaves the sum and the weight exactly as they are, so one
        // quotient (and one long rounding formula) serves both cases.
        const std::string retire = "*(" + nb + ">1)";
        const std::string reste = poids + "-" + coef + retire;
        moyenneArrondie(
            ws, l, b.moyenne + 2,
            "IF(" + nb + "=0,\"?\",IF(" + reste + "=0,\"?\"," +
                Double("(" + somme + "-" + note + "*" + coef + retire + ")/(" + reste + ")") + "))",
            moyenne(s, p, true, e), moyenne_);
    }
    if (E == 0) return;
    const int lc = ligneEleve(E + 1);
    for (int a = 1; a <= n; ++a) {
        std::vector<double> valeurs;
        for (int e = 1; e <= E; ++e)
            valeurs.push_back(ValeurNote(c_.Eleve[e].Note[s][p][a]).valeur);
        formule(ws, lc, b.debut + a - 1,
                moyenneColonne(ws, ligneEleve(1), E, b.debut + a - 1, valeurs),
                c_.MoyenneDevoir(s, p, false, a), classe_);
    }
    moyennesDeClasse(ws, s, p, b.moyenne);
    enRouge(ws, ligneEleve(1), b.debut, ligneEleve(E), b.debut + n - 1,
            Cellule(ligneEleve(1), b.debut), rougeNote_);
    enRouge(ws, ligneEleve(1), b.moyenne, lc, b.moyenne + largeurMoyennes() - 1,
            Cellule(ligneEleve(1), b.moyenne), rougeMoyenne_);
}

void Redacteur::ecrireNote(lxw_worksheet* ws, int l, int col, std::string_view note) {
    const ValeurLue v = ValeurNote(note);
    if (v.genre == NoteNombre) {
        worksheet_write_number(ws, l, col, v.valeur, nullptr);
        return;
    }
    const int cle = CleLettre(note);
    if (cle == 0) {
        texte(ws, l, col, note);
        return;
    }
    std::string lettre;
    for (char ch : utf8(note)) (lettre += ch) += ch == '"' ? "\"" : "";
    const std::string f =
        "=IF(Lettres,INDEX(Valeurs," + std::to_string(cle) + "),\"" + lettre + "\")";
    lxw_format*& format = formatsLettre_[std::string(note)];
    if (!format) {
        // Every character escaped: a letter may hold what a format would read.
        std::string affichage;
        for (char ch : utf8(note)) {
            if (static_cast<unsigned char>(ch) < 0x80) affichage += '\\';
            affichage += ch;
        }
        // The same text for positive, negative and zero values: no sign is added.
        affichage = affichage + ";" + affichage + ";" + affichage;
        format = this->format([&](lxw_format* x) {
            format_set_num_format(x, note.empty() ? ";;;" : affichage.c_str());
            format_set_align(x, LXW_ALIGN_CENTER);
        });
    }
    if (v.genre == NoteLettre)
        worksheet_write_formula_num(ws, l, col, f.c_str(), format, v.valeur);
    else
        worksheet_write_formula_str(ws, l, col, f.c_str(), format, utf8(note).c_str());
}

void Redacteur::moyennesDeClasse(lxw_worksheet* ws, int s, int p, int col) {
    const int lc = ligneEleve(c_.NbEleve + 1);
    for (int j = 0; j <= (joker_ ? 1 : 0); ++j) {
        std::vector<double> valeurs;
        for (int e = 1; e <= c_.NbEleve; ++e) valeurs.push_back(moyenne(s, p, j, e));
        moyenneArrondie(ws, lc, col + 2 * j,
                        moyenneColonne(ws, ligneEleve(1), c_.NbEleve, col + 2 * j, valeurs),
                        moyenneClasse(s, p, j), classe_);
    }
}

void Redacteur::ecrireAnnee(lxw_worksheet* ws, const FeuilleMatiere& fm, int s) {
    titreBloc(ws, fm.annee, fm.annee + largeurMoyennes() - 1, "Année");
    entetesMoyennes(ws, fm.annee, "Année");
    const int E = c_.NbEleve, Q = c_.NbPeriode;
    // The year's sums are kept in the 6-byte reals of the program's first versions:
    // each period average and each partial sum is rounded to 40 significant bits, in
    // helper columns, so that the year averages come out as the sheet shows them.
    for (int j = 0; j <= (joker_ ? 1 : 0); ++j) {
        const int base = fm.aideAnnee + 3 * Q * j;
        titreBloc(ws, base, base + 3 * Q - 1,
                  j ? "Année Joker, réels de 6 octets" : "Année, réels de 6 octets");
        for (int q = 1; q <= Q; ++q) {
            const std::string t = utf8(LettrePeriode[IndexPeriodes(Q)]) + std::to_string(q);
            texteUtf8(ws, LigneEntete, base + q - 1, "Moy. " + t, entete_);
            texteUtf8(ws, LigneEntete, base + Q + q - 1, "Som. " + t, entete_);
            texteUtf8(ws, LigneEntete, base + 2 * Q + q - 1, "Poids " + t, entete_);
        }
        worksheet_set_column(ws, base, base + 3 * Q - 1, 10, aide_);
    }
    for (int e = 1; e <= E; ++e) {
        const int l = ligneEleve(e);
        for (int j = 0; j <= (joker_ ? 1 : 0); ++j) {
            const int base = fm.aideAnnee + 3 * Q * j;
            long double somme = 0, poids = 0;
            for (int q = 1; q <= Q; ++q) {
                const double v = moyenne(s, q, j, e);
                const std::string m = Cellule(l, fm.blocs[q].moyenne + 2 * j);
                const std::string k = Cellule(LigneCoef, fm.blocs[q].moyenne, true, true);
                const std::string m48 = Cellule(l, base + q - 1);
                // The first period starts the sums: nothing to add it to.
                const std::string s0 = q > 1 ? Cellule(l, base + Q + q - 2) : "";
                const std::string p0 = q > 1 ? Cellule(l, base + 2 * Q + q - 2) : "";
                const long double v48 = ArrondiReel48(v);
                formule(ws, l, base + q - 1, "IF(ISNUMBER(" + m + ")," + Reel48(m) + ",\"?\")",
                        v == NonCalculable ? NonCalculable : static_cast<double>(v48), aide_);
                if (v != NonCalculable) {
                    somme = ArrondiReel48(somme + v48 * c_.Matiere[s].Coef[q]);
                    poids = ArrondiReel48(poids + c_.Matiere[s].Coef[q]);
                }
                const std::string compte = "IF(ISNUMBER(" + m48 + "),";
                worksheet_write_formula_num(ws, l, base + Q + q - 1,
                                            ("=" + compte +
                                             Reel48((q > 1 ? s0 + "+" : "") + m48 + "*" + k) + "," +
                                             (q > 1 ? s0 : "0") + ")")
                                                .c_str(),
                                            aide_, static_cast<double>(somme));
                worksheet_write_formula_num(ws, l, base + 2 * Q + q - 1,
                                            ("=" + compte + Reel48((q > 1 ? p0 + "+" : "") + k) +
                                             "," + (q > 1 ? p0 : "0") + ")")
                                                .c_str(),
                                            aide_, static_cast<double>(poids));
            }
            const std::string S = Cellule(l, base + 2 * Q - 1), P = Cellule(l, base + 3 * Q - 1);
            moyenneArrondie(ws, l, fm.annee + 2 * j,
                            "IF(" + P + "=0,\"?\"," + Double(S + "/" + P) + ")",
                            moyenne(s, 4, j, e), moyenne_);
        }
    }
    if (E == 0) return;
    moyennesDeClasse(ws, s, 4, fm.annee);
    enRouge(ws, ligneEleve(1), fm.annee, ligneEleve(E + 1), fm.annee + largeurMoyennes() - 1,
            Cellule(ligneEleve(1), fm.annee), rougeMoyenne_);
}

} // namespace quillora::redaction
