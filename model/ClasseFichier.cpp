#include "Classe.h"

#include <cstring>
#include <memory>

#include "FichierAtomique.h"

namespace quillora {

namespace {

std::string messageEndommage(const std::string& chemin, const std::string& quoi) {
    return "Le fichier \"" + chemin + "\" est endommagé : " + quoi + ".";
}

template <std::size_t N> bool longueurValide(const ShortString<N>& s) {
    return s.longueur <= N;
}

// Everything a later operation could use as an index is checked here, so that a damaged
// or foreign file never reaches a window.
std::string defautImage(const ImageClasse& c) {
    auto hors = [](const char* quoi, int v, const char* attendu) {
        return std::string(quoi) + " " + std::to_string(v) + " (" + attendu + ")";
    };
    if (c.NbEleve > MaxEleves) return hors("nombre d'élèves", c.NbEleve, "au plus 45");
    if (c.NbMatiere < 1 || c.NbMatiere > MaxMatieres)
        return hors("nombre de matières", c.NbMatiere, "de 1 à 3");
    if (c.NbPeriode != 2 && c.NbPeriode != 3)
        return hors("nombre de périodes", c.NbPeriode, "2 ou 3");
    if (c.MatiereCourante < 1 || c.MatiereCourante > 4)
        return hors("matière affichée", c.MatiereCourante, "de 1 à 4");
    if (c.PeriodeCourante < 1 || c.PeriodeCourante > 4)
        return hors("période affichée", c.PeriodeCourante, "de 1 à 4");
    if (c.ModeArrondi > 6) return hors("mode d'arrondi", c.ModeArrondi, "de 0 à 6");
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p)
            if (c.NbDevoir[s][p] > MaxDevoirs)
                return hors(("nombre de devoirs de la matière " + std::to_string(s) + ", période " +
                             std::to_string(p))
                                .c_str(),
                            c.NbDevoir[s][p], "au plus 24");

    const char* texteTropLong = "texte plus long que son champ";
    for (int e = 1; e <= MaxEleves; ++e) {
        const TEleve& el = c.Eleve[e];
        if (!longueurValide(el.Nom) || !longueurValide(el.Prenom) ||
            !longueurValide(el.DateNaissance))
            return std::string(texteTropLong) + " (élève " + std::to_string(e) + ")";
        for (int s = 1; s <= MaxMatieres; ++s)
            for (int p = 1; p <= MaxPeriodes; ++p)
                for (int a = 1; a <= MaxDevoirs; ++a)
                    if (!longueurValide(el.Note[s][p][a]))
                        return std::string(texteTropLong) + " (note de l'élève " +
                               std::to_string(e) + ")";
    }
    for (int s = 1; s <= MaxMatieres; ++s) {
        for (int p = 1; p <= MaxPeriodes; ++p)
            for (int a = 1; a <= MaxDevoirs; ++a) {
                const TDevoir& d = c.Devoir[s][p][a];
                if (!longueurValide(d.Date) || !longueurValide(d.Duree) ||
                    !longueurValide(d.Commentaire))
                    return std::string(texteTropLong) + " (devoir " + std::to_string(a) + ")";
            }
        if (!longueurValide(c.Matiere[s].Nom) || !longueurValide(c.Matiere[s].Abrev))
            return std::string(texteTropLong) + " (matière " + std::to_string(s) + ")";
    }
    if (!longueurValide(c.AbrevClasse) || !longueurValide(c.AnneeScolaire) ||
        !longueurValide(c.NomProfesseur) || !longueurValide(c.MatierePrincipale))
        return std::string(texteTropLong) + " (en-tête de la classe)";
    return {};
}

} // namespace

Resultat TClasse::ChargerOctets(const unsigned char* donnees, std::size_t taille,
                                const std::string& chemin) {
    if (taille < TailleFichierClasse) return {false, "Erreur de lecture du flux"};
    // Checked in a copy: a refused file leaves the open class as it was.
    auto image = std::make_unique<ImageClasse>();
    std::memcpy(static_cast<void*>(image.get()), donnees, TailleFichierClasse);
    if (std::string defaut = defautImage(*image); !defaut.empty())
        return {false, messageEndommage(chemin, defaut)};
    // A view the class lacks (subject 2 of a one-subject class) is no reason to refuse
    // its grades: the class opens on its first view instead, whichever door opens it.
    if ((image->MatiereCourante != 4 && image->MatiereCourante > image->NbMatiere) ||
        (image->PeriodeCourante != 4 && image->PeriodeCourante > image->NbPeriode)) {
        image->MatiereCourante = 1;
        image->PeriodeCourante = 1;
    }
    Image() = *image;
    return {};
}

Resultat TClasse::Charger() {
    // Bytes beyond the image are never read: a file that grows without end (a device, a
    // pipe) is refused before reading anyway, and a long one costs no more than a short.
    std::string octets;
    if (const int code = LireFichierOrdinaire(NomFichier, TailleFichierClasse, octets))
        return {false,
                "Impossible d'ouvrir le fichier \"" + NomFichier + "\". " + RaisonSysteme(code)};
    return ChargerOctets(reinterpret_cast<const unsigned char*>(octets.data()), octets.size(),
                         NomFichier);
}

Resultat TClasse::Sauver() const {
    return SauverSous(NomFichier);
}

Resultat TClasse::SauverSous(const std::string& chemin) const {
    std::string raison;
    if (!EcrireFichierAtomique(chemin, &Image(), TailleFichierClasse, raison))
        return {false, "Impossible de créer le fichier \"" + chemin + "\". " + raison};
    return {};
}

} // namespace quillora
