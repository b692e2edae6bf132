#include "MiseEnPageReleve.h"

#include <algorithm>

namespace quillora {

namespace {

using E = ElementReleve;
namespace H = HauteurReleve;

// Fills the pages of one report.
class Placement {
public:
    Placement(std::vector<PageReleve>& pages, int releve, double hauteur)
        : pages_(pages), releve_(releve), hauteur_(hauteur), premiere_(pages.size()) {
        pages_.push_back({releve_, 1, 1, {}});
        ajouter({E::EnTete, 0, H::EnTete});
    }

    // Whether `h` more mm fit under what the page holds.
    bool tient(double h) const { return y_ + h <= hauteur_ + 1e-9; }

    // Goes to a new page unless `h` fits here. A fresh page takes anything: a piece taller
    // than a page would otherwise never be placed.
    void reserver(double h) {
        if (!tient(h) && !fraiche_) nouvellePage();
    }

    void ajouter(ElementReleve e) {
        e.y = y_;
        y_ += e.hauteur;
        fraiche_ = e.genre == E::EnTete || e.genre == E::EnTeteSuite;
        pages_.back().elements.push_back(e);
    }

    void espace(double h) { y_ = std::min(y_ + h, hauteur_); }

    void nouvellePage() {
        pages_.push_back({releve_, static_cast<int>(pages_.size() - premiere_) + 1, 1, {}});
        y_ = 0;
        ajouter({E::EnTeteSuite, 0, H::EnTeteSuite});
    }

    void terminer() {
        const int n = static_cast<int>(pages_.size() - premiere_);
        for (std::size_t i = premiere_; i < pages_.size(); ++i) pages_[i].pages = n;
    }

private:
    std::vector<PageReleve>& pages_;
    int releve_;
    double hauteur_;
    std::size_t premiere_;
    double y_ = 0;
    bool fraiche_ = true;
};

void placerBloc(Placement& pl, const BlocReleve& b, int i) {
    const int n = static_cast<int>(b.lignes.size());
    if (n == 0) {
        pl.reserver(H::TitreBloc + H::AucunDevoir);
        pl.ajouter({E::TitreBloc, 0, H::TitreBloc, i});
        pl.ajouter({E::AucunDevoir, 0, H::AucunDevoir, i});
        pl.espace(H::EspaceBloc);
        return;
    }
    // The heading never ends a page alone: it keeps its first rows, and a short block all
    // of itself with its averages.
    const int debut = std::min(n, 3);
    pl.reserver(H::TitreBloc + H::EnTeteTableau + debut * H::LigneNote +
                (n <= 3 ? H::Moyennes : 0));
    pl.ajouter({E::TitreBloc, 0, H::TitreBloc, i});
    pl.ajouter({E::EnTeteTableau, 0, H::EnTeteTableau, i});
    auto suite = [&] {
        pl.nouvellePage();
        E titre{E::TitreBloc, 0, H::TitreBloc, i};
        titre.suite = true;
        pl.ajouter(titre);
    };
    for (int l = 0; l < n; ++l) {
        // The last row goes along with the averages under it.
        const double besoin = H::LigneNote + (l == n - 1 ? H::Moyennes : 0);
        if (!pl.tient(besoin)) {
            suite();
            pl.ajouter({E::EnTeteTableau, 0, H::EnTeteTableau, i});
        }
        pl.ajouter({E::LigneNote, 0, H::LigneNote, i, l});
    }
    pl.ajouter({E::Moyennes, 0, H::Moyennes, i});
    pl.espace(H::EspaceBloc);
}

} // namespace

std::vector<PageReleve> MettreEnPage(const std::vector<Releve>& releves, double hauteur) {
    std::vector<PageReleve> pages;
    for (int r = 0; r < static_cast<int>(releves.size()); ++r) {
        const Releve& rel = releves[r];
        Placement pl(pages, r, hauteur);
        if (rel.aucuneNote) {
            pl.ajouter({E::AucuneNote, 0, H::AucuneNote});
            pl.terminer();
            continue;
        }
        for (int b = 0; b < static_cast<int>(rel.blocs.size()); ++b)
            placerBloc(pl, rel.blocs[b], b);

        const double synthese = H::TitreSection + 2 * H::LigneSynthese +
                                static_cast<double>(rel.synthese.size()) * H::LigneSynthese +
                                (rel.noteJoker.empty() ? 0 : H::NoteJoker);
        pl.reserver(synthese);
        pl.ajouter({E::Synthese, 0, synthese});
        pl.espace(H::EspaceBloc);

        const int graphes = static_cast<int>(rel.graphes.size());
        const int parLigne = rel.annee ? 1 : std::max(graphes, 1);
        for (int g = 0; g < graphes; g += parLigne) {
            E ligne{E::Graphes, 0, H::Graphe};
            ligne.premier = g;
            ligne.nombre = std::min(parLigne, graphes - g);
            ligne.titre = g == 0;
            if (ligne.titre) ligne.hauteur += H::TitreSection;
            pl.reserver(ligne.hauteur);
            pl.ajouter(ligne);
        }
        pl.espace(H::EspaceBloc);

        const int entrees = static_cast<int>(rel.legende.size());
        for (int k = 0; k < entrees; k += H::EntreesParLigne) {
            pl.reserver(H::LigneLegende);
            E ligne{E::LigneLegende, 0, H::LigneLegende};
            ligne.premier = k;
            ligne.nombre = std::min(H::EntreesParLigne, entrees - k);
            pl.ajouter(ligne);
        }
        pl.terminer();
    }
    return pages;
}

} // namespace quillora
