#include "Historique.h"

#include <cstring>

namespace quillora {

namespace {

// Two changed runs closer than this are kept as one: a run costs more than a few bytes.
constexpr std::size_t Ecart = 16;

const unsigned char* octets(const ImageClasse& i) {
    return reinterpret_cast<const unsigned char*>(&i);
}

} // namespace

void Historique::Debut(const ImageClasse& avant, std::string nom, const Contexte& contexte) {
    if (!avant_) avant_ = std::make_unique<ImageClasse>();
    std::memcpy(static_cast<void*>(avant_.get()), &avant, sizeof(ImageClasse));
    nom_ = std::move(nom);
    contexte_ = contexte;
}

bool Historique::Fin(const ImageClasse& apres) {
    if (!avant_) return false;
    const unsigned char* a = octets(*avant_);
    const unsigned char* b = octets(apres);
    Etape etape;
    for (std::size_t i = 0; i < TailleFichierClasse;) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        std::size_t fin = i + 1, egaux = 0;
        for (std::size_t k = fin; k < TailleFichierClasse && egaux < Ecart; ++k) {
            if (a[k] == b[k]) {
                ++egaux;
            } else {
                egaux = 0;
                fin = k + 1;
            }
        }
        Morceau m;
        m.debut = static_cast<std::uint32_t>(i);
        m.avant.assign(a + i, a + fin);
        m.apres.assign(b + i, b + fin);
        etape.octets += 2 * (fin - i) + sizeof(Morceau);
        etape.morceaux.push_back(std::move(m));
        i = fin;
    }
    avant_.reset();
    if (etape.morceaux.empty()) return false;

    // A change after undoing: the steps that could have been redone are gone, and with
    // them the saved file's state if it lay among them.
    while (etapes_.size() > position_) {
        octets_ -= etapes_.back().octets;
        etapes_.pop_back();
    }
    if (sauve_ > static_cast<long>(position_)) sauve_ = -1;

    etape.nom = std::move(nom_);
    etape.octets += sizeof(Etape) + etape.nom.size();
    etape.contexte = contexte_;
    etape.contexte.matiereApres = apres.MatiereCourante;
    etape.contexte.periodeApres = apres.PeriodeCourante;
    octets_ += etape.octets;
    etapes_.push_back(std::move(etape));
    ++position_;
    while (etapes_.size() > MaxEtapes || (octets_ > MaxOctets && etapes_.size() > 1)) {
        octets_ -= etapes_.front().octets;
        etapes_.pop_front();
        --position_;
        sauve_ = sauve_ > 0 ? sauve_ - 1 : -1;
    }
    return true;
}

const Historique::Contexte& Historique::Annuler(ImageClasse& image) {
    const Etape& e = etapes_[--position_];
    auto* b = reinterpret_cast<unsigned char*>(&image);
    for (const Morceau& m : e.morceaux) std::memcpy(b + m.debut, m.avant.data(), m.avant.size());
    return e.contexte;
}

const Historique::Contexte& Historique::Retablir(ImageClasse& image) {
    const Etape& e = etapes_[position_++];
    auto* b = reinterpret_cast<unsigned char*>(&image);
    for (const Morceau& m : e.morceaux) std::memcpy(b + m.debut, m.apres.data(), m.apres.size());
    return e.contexte;
}

} // namespace quillora
