#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Classe.h"

namespace quillora {

// The changes made to one class, to be undone and redone. A step keeps only the bytes of
// the class record that the change touched, before and after: undoing puts the old bytes
// back, so it is exact whatever the command did, without a reverse of each command.
class Historique {
public:
    // What the window needs to show a step again besides the bytes.
    struct Contexte {
        int matiere = 1; // the view in which the step was made, shown when it is undone
        int periode = 1;
        int matiereApres = 1; // the view the change left, shown when it is redone
        int periodeApres = 1;
        int code = 0; // the change notification the command sent, and its arguments
        int argPeriode = 0;
        int argItem = 0;
        int argEleve = 0;
    };

    // A run of changed bytes of the record, as they were and as they became.
    struct Morceau {
        std::uint32_t debut = 0;
        std::vector<unsigned char> avant, apres;
    };
    struct Etape {
        std::string nom;
        Contexte contexte;
        std::vector<Morceau> morceaux;
        std::size_t octets = 0;
    };

    static constexpr std::size_t MaxEtapes = 500;
    static constexpr std::size_t MaxOctets = 64u << 20;

    // Remembers the record before a change named `nom` ("la saisie de la note").
    void Debut(const ImageClasse& avant, std::string nom, const Contexte& contexte);
    // Ends the change begun: a step when bytes changed, nothing otherwise (a cancelled
    // dialog). Returns whether a step was added.
    bool Fin(const ImageClasse& apres);
    // Forgets a change begun that ended without touching the class.
    void Abandon() { avant_.reset(); }
    bool EnCours() const { return avant_ != nullptr; }

    bool PeutAnnuler() const { return position_ > 0; }
    bool PeutRetablir() const { return position_ < etapes_.size(); }
    const std::string& NomAnnuler() const { return etapes_[position_ - 1].nom; }
    const std::string& NomRetablir() const { return etapes_[position_].nom; }
    // Puts the record back as it was before the last step, or after the next one; returns
    // that step's context.
    const Contexte& Annuler(ImageClasse& image);
    const Contexte& Retablir(ImageClasse& image);

    // The record is as in its file now / has changed since, as far as the history knows.
    void MarquerSauve() { sauve_ = static_cast<long>(position_); }
    bool EstSauve() const { return sauve_ == static_cast<long>(position_); }
    // No state of the history is in a file: a new class, never saved yet.
    void MarquerJamaisSauve() { sauve_ = -1; }

    std::size_t NbEtapes() const { return etapes_.size(); }
    std::size_t Octets() const { return octets_; }
    // The step that the last Fin added or Retablir redid, and the one Annuler just undid:
    // what the class's journal records of them.
    const Etape& DerniereFaite() const { return etapes_[position_ - 1]; }
    const Etape& DerniereAnnulee() const { return etapes_[position_]; }

private:
    std::deque<Etape> etapes_;
    std::size_t position_ = 0; // steps applied: etapes_[position_ - 1] is undone first
    long sauve_ = 0;           // the position of the saved file; -1 when no position is
    std::size_t octets_ = 0;
    std::unique_ptr<ImageClasse> avant_;
    std::string nom_;
    Contexte contexte_;
};

} // namespace quillora
