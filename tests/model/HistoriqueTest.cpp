#include <gtest/gtest.h>

#include <cstring>

#include "Historique.h"

using namespace quillora;

namespace {

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
    h.Annuler(*c);
    EXPECT_TRUE(h.EstSauve() && h.NomRetablir() == "deux");
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
