// The "Réglages" sheet: the pass mark, whether letters count and the letter table, which the
// other sheets' formulas read by name, so that changing one recomputes the whole workbook.
#include <cstdio>

#include "ClasseurInterne.h"
#include "Formules.h"
#include "Horloge.h"
#include "Options.h"

namespace quillora::redaction {

void Redacteur::ecrireReglages() {
    lxw_worksheet* ws = workbook_add_worksheet(wb_, "Réglages");
    worksheet_set_column(ws, 0, 0, 40, nullptr);
    worksheet_set_column(ws, 1, 1, 26, centre_);
    titre(ws, "Réglages du calcul");
    texteUtf8(ws, 1, 0,
              "Changer la note de passage, « Lettres comptées » ou la valeur d'une lettre "
              "recalcule tout le classeur.");
    const DateHeure d = Maintenant();
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", d.jour, d.mois, d.annee);
    texteUtf8(ws, 2, 0, "Date de l'export", etiquette_);
    texteUtf8(ws, 2, 1, date);
    texteUtf8(ws, RegMode, 0, "Mode d'arrondi", etiquette_);
    texteUtf8(ws, RegMode, 1, utf8(NomArrondi(c_.ModeArrondi)), centre_);
    texteUtf8(ws, RegSeuil, 0, "Note de passage", etiquette_);
    worksheet_write_number(ws, RegSeuil, 1, Options.notemoy, nullptr);
    texteUtf8(ws, RegLettres, 0, "Lettres comptées comme notes", etiquette_);
    // 1 or 0, shown in French whatever the spreadsheet's language.
    worksheet_write_number(ws, RegLettres, 1, Options.utiliserL ? 1 : 0, ouiNon_);
    texteUtf8(ws, RegLettres + 1, 0, "Moyenne Joker", etiquette_);
    texteUtf8(ws, RegLettres + 1, 1, joker_ ? "Oui" : "Non");

    texteUtf8(ws, RegTable - 1, 0,
              "Chaque lettre des feuilles lit sa valeur ici, à la ligne de sa lettre.");
    texteUtf8(ws, RegTable, 0, "Lettre", entete_);
    texteUtf8(ws, RegTable, 1, "Valeur", entete_);
    for (int i = 1; i <= 15; ++i) {
        texte(ws, RegTable + i, 0, Options.cores[i].coresL, centre_);
        worksheet_write_number(ws, RegTable + i, 1, Options.cores[i].coresV, nullptr);
    }
    const auto nommer = [&](const char* nom, const std::string& plage) {
        workbook_define_name(wb_, nom, ("='Réglages'!" + plage).c_str());
    };
    nommer("Seuil", Cellule(RegSeuil, 1, true, true));
    nommer("Lettres", Cellule(RegLettres, 1, true, true));
    nommer("Valeurs", Plage(RegTable + 1, 1, RegTable + 15, 1, true));
}

} // namespace quillora::redaction
