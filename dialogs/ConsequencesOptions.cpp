// The options dialog's consequences panel: the settings that decide how averages come out
// (letters and their values, the pass mark) followed as they are typed.
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTableWidget>

#include "ApercuOptions.h"
#include "PanneauConsequences.h"
#include "TDialOption.h"
#include "TSaisieNombre.h"

namespace quillora {

void TDialOption::MontrerConsequences(const TClasse& classe, int s, int p) {
    const int largeur = width(), hauteur = height(), bord = apercu_->x();
    panneau_ = new PanneauConsequences(
        classe, classe, s, p,
        [this](TClasse&, TOptions& o) {
            LireControles();
            o = CopieOptions;
        },
        this);
    const auto placer = [=, this] {
        const int h = panneau_->sizeHint().height();
        panneau_->setGeometry(bord, hauteur, largeur - 2 * bord, h);
        setFixedSize(largeur, hauteur + h + bord);
    };
    placer();
    connect(panneau_, &PanneauConsequences::tailleChangee, this, placer);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());

    const auto actualiser = [this] { panneau_->Actualiser(); };
    for (auto& [champ, c] : cases_) connect(c, &QCheckBox::toggled, this, actualiser);
    connect(lettres_, &QTableWidget::itemChanged, this, actualiser);
    // The print correction factors are left out: they scale the printed sheet and never
    // change an average.
    for (TSaisieNombre* n : {notemax_, notemoy_})
        connect(n, &TSaisieNombre::OnChange, this, actualiser);
}

} // namespace quillora
