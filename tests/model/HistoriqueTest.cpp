#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Historique.h"

using namespace quillora;

namespace {

using Image = std::vector<unsigned char>;

Image bytes(const ImageClasse& i) {
    const auto* b = reinterpret_cast<const unsigned char*>(&i);
    return Image(b, b + sizeof i);
}

// Random changes, undos, redos and cancelled changes checked against a list of whole
// images: the history must always give back exactly the image of its position.
TEST(HistoriqueTest, AnnulerEtRetablirRendentLesOctetsExacts) {
    std::mt19937 hasard(1789);
    auto classe = std::make_unique<TClasse>();
    classe->Initialiser();
    Historique h;
    std::vector<Image> reference{bytes(*classe)};
    std::size_t position = 0;
    for (int k = 0; k < 1000; ++k) {
        const int choix = hasard() % 10;
        if (choix < 2 && h.PeutAnnuler()) {
            h.Annuler(*classe);
            --position;
        } else if (choix < 4 && h.PeutRetablir()) {
            h.Retablir(*classe);
            ++position;
        } else {
            h.Debut(*classe, "étape " + std::to_string(k), {});
            auto* b = reinterpret_cast<unsigned char*>(classe.get());
            const int touches = choix == 9 ? 0 : 1 + hasard() % 40;
            const std::size_t debut = hasard() % TailleFichierClasse;
            for (int t = 0; t < touches; ++t)
                b[(debut + hasard() % (choix == 8 ? TailleFichierClasse : 64)) %
                  TailleFichierClasse] ^= static_cast<unsigned char>(1 + hasard() % 255);
            if (h.Fin(*classe)) {
                reference.resize(position + 1);
                reference.push_back(bytes(*classe));
                ++position;
            } else {
                EXPECT_EQ(touches, 0);
            }
        }
        ASSERT_EQ(bytes(*classe), reference[position]) << "après " << k;
    }
    EXPECT_EQ(h.NbEtapes(), std::min(reference.size() - 1, Historique::MaxEtapes));
}

TEST(HistoriqueTest, MarqueDEnregistrement) {
    auto c = std::make_unique<TClasse>();
    c->Initialiser();
    Historique h;
    auto changer = [&](const char* nom) {
        h.Debut(*c, nom, {});
        c->NbEleve = static_cast<std::uint8_t>(c->NbEleve + 1);
        return h.Fin(*c);
    };
    EXPECT_TRUE(h.EstSauve());
    changer("un");
    h.MarquerSauve();
    changer("deux");
    EXPECT_FALSE(h.EstSauve());
    EXPECT_EQ(h.NomAnnuler(), "deux");
    h.Annuler(*c);
    EXPECT_TRUE(h.EstSauve());
    EXPECT_EQ(h.NomRetablir(), "deux");
    h.Annuler(*c);
    EXPECT_FALSE(h.EstSauve());
    h.Retablir(*c);
    EXPECT_TRUE(h.EstSauve());
    // A change made after undoing past the saved state makes that state unreachable.
    h.Annuler(*c);
    changer("trois");
    EXPECT_FALSE(h.PeutRetablir());
    EXPECT_FALSE(h.EstSauve());
    h.Annuler(*c);
    EXPECT_FALSE(h.EstSauve());
}

TEST(HistoriqueTest, BornesEnEtapesEtEnMemoire) {
    auto c = std::make_unique<TClasse>();
    c->Initialiser();
    Historique h;
    for (int k = 1; k <= 501; ++k) {
        h.Debut(*c, std::to_string(k), {});
        c->Eleve[1].Nom = std::to_string(k);
        ASSERT_TRUE(h.Fin(*c));
    }
    EXPECT_EQ(h.NbEtapes(), 500u);
    while (h.PeutAnnuler()) h.Annuler(*c);
    EXPECT_EQ(c->Eleve[1].Nom, "1"); // the first step is gone, the second undone
    EXPECT_FALSE(h.EstSauve());

    // Steps that rewrite the whole record are dropped by size before their number.
    Historique gros;
    for (int k = 0; k < 500; ++k) {
        gros.Debut(*c, "tout", {});
        std::memset(static_cast<void*>(c.get()), k % 2 ? 0x55 : 0xAA, TailleFichierClasse);
        gros.Fin(*c);
    }
    EXPECT_LE(gros.Octets(), Historique::MaxOctets);
    EXPECT_LT(gros.NbEtapes(), 500u);
}

} // namespace
