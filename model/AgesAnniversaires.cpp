#include "AgesAnniversaires.h"

#include <cstdio>

#include "Cp1252.h"
#include "Horloge.h"
#include "Options.h"

namespace quillora {

std::vector<LigneAge> ListeAges(const TClasse& c) {
    const int n = c.NbEleve;
    std::vector<std::uint16_t> jours(static_cast<std::size_t>(n) + 1);
    std::vector<bool> enAttente(static_cast<std::size_t>(n) + 1, true);
    for (int e = 1; e <= n; ++e) jours[e] = c.AgeEnJours(e);

    std::vector<LigneAge> lignes;
    lignes.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        // Equal ages: the later student first, as in the ranking.
        int choisi = 0;
        for (int e = 1; e <= n; ++e)
            if (enAttente[e] && (!choisi || jours[e] >= jours[choisi])) choisi = e;
        enAttente[choisi] = false;
        LigneAge l;
        l[0] = " " + c.NomEleve(choisi, Options.prenom);
        if (jours[choisi] != 0) {
            l[1] = " " + c.DateNaissanceTexte(choisi);
            l[2] = " " + AgeTexte(jours[choisi]);
        } else {
            l[1] = l[2] = " ??";
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

std::vector<std::string> AnniversairesDuMois(const TClasse& c) {
    const DateHeure auj = Maintenant();
    std::vector<std::string> lignes;
    for (int e = 1; e <= c.NbEleve; ++e) {
        const TClasse::DateDecodee d = c.DecoderDateNaissance(e);
        // Dates that give no age (the calendar lacks the day, a birth still to come) give
        // no birthday either.
        if (!d.valide || d.mois != auj.mois || c.AgeEnJours(e) == 0) continue;
        const int age = auj.annee - d.annee;
        // Born on 29 February: in a common year the birthday is kept on the 28th, so that
        // it stays in February's list.
        const int jour = d.mois == 2 && d.jour == 29 && !DateExiste(29, 2, auj.annee) ? 28 : d.jour;
        char numero[8];
        std::snprintf(numero, sizeof numero, "%02d", jour);
        const std::string quand =
            " " + NomJour(JourSemaine(auj.annee, d.mois, jour)) + " " + numero;
        std::string l = c.NomEleve(e, Options.prenom);
        if (jour > auj.jour)
            l += " va avoir " + std::to_string(age) + " ans" + quand;
        else if (jour == auj.jour)
            l += " a aujourd'hui " + std::to_string(age) + " ans";
        else
            l += " a eu " + std::to_string(age) + " ans" + quand;
        lignes.push_back(std::move(l));
    }
    if (lignes.empty()) lignes.push_back("Pas d'anniversaire ce mois");
    return lignes;
}

std::string MoisEnCours() {
    const DateHeure auj = Maintenant();
    return NomMois(auj.mois) + " " + std::to_string(auj.annee);
}

} // namespace quillora
