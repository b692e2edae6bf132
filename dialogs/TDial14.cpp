#include "TDial14.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ChampDecimal.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Formulaire.h"
#include "Nombres.h"
#include "PanneauConsequences.h"
#include "Saisie.h"

namespace quillora {

TDial14::TDial14(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Changer les coefficients des matières"), classe));
    auto* colonne = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    const QString mot = QString::fromLatin1(MotCourtPeriode[IndexPeriodes(classe.NbPeriode)]);
    QLabel* entetes[MaxPeriodes];
    for (int p = 1; p <= MaxPeriodes; ++p) {
        entetes[p - 1] =
            new QLabel(p < 3 ? mot + QString::number(p) : QStringLiteral("Trim 3"), this);
        entetes[p - 1]->setAlignment(Qt::AlignCenter);
        grille->addWidget(entetes[p - 1], 0, p);
    }
    for (int s = 1; s <= MaxMatieres; ++s) {
        auto* nom = new QLabel(texteQt(classe.Matiere[s].Nom), this);
        grille->addWidget(nom, s, 0);
        for (int p = 1; p <= MaxPeriodes; ++p) {
            QLineEdit*& e = champs_[s - 1][p - 1];
            e = new QLineEdit(this);
            e->setObjectName(QStringLiteral("Coef%1%2").arg(s).arg(p));
            e->setMaxLength(8);
            e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
            e->setAlignment(Qt::AlignRight);
            VirguleEnPoint(e);
            montres_[s - 1][p - 1] = QString::fromStdString(FormatNote(classe.Matiere[s].Coef[p]));
            e->setText(montres_[s - 1][p - 1]);
            grille->addWidget(e, s, p);
            e->setAccessibleName(nom->text() + QStringLiteral(", ") + entetes[p - 1]->text());
            e->setVisible(s <= classe.NbMatiere && (p < 3 || classe.NbPeriode == 3));
        }
        nom->setVisible(s <= classe.NbMatiere);
        if (s == 1) nom->setBuddy(champs_[0][0]);
    }
    entetes[2]->setVisible(classe.NbPeriode == 3);
    colonne->addLayout(grille);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_ModifDevoir")).ok->setDefault(true);
    Placer(this);
}

void TDial14::accept() {
    // Every field is read before any is written: a refusal leaves the class as it was.
    double lus[MaxMatieres][MaxPeriodes];
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p) {
            QLineEdit* champ = champs_[s - 1][p - 1];
            double& v = lus[s - 1][p - 1];
            v = classe_.Matiere[s].Coef[p];
            // A coefficient is shown to one decimal: written back untouched, 1.25 would
            // silently become 1.2.
            if (champ->text() == montres_[s - 1][p - 1]) continue;
            std::string avertissement;
            switch (LireCoefficientMatiere(texteModele(champ->text()), v, avertissement)) {
            case Coefficient::Accepte:
                continue;
            case Coefficient::PasUnNombre:
                avertissement = TexteCoefficientPasUnNombre;
                break;
            case Coefficient::HorsDomaine:
                break;
            }
            dialogues().avertissement(this, titreAvertissement(), texteQt(avertissement));
            champ->setFocus();
            champ->selectAll();
            return;
        }
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p) classe_.Matiere[s].Coef[p] = lus[s - 1][p - 1];
    QDialog::accept();
}

void TDial14::MontrerConsequences(int s, int p) {
    // The fields read as OK reads them.
    const auto lire = [this](TClasse& c, TOptions&) {
        for (int m = 1; m <= MaxMatieres; ++m)
            for (int q = 1; q <= MaxPeriodes; ++q) {
                const QString t = champs_[m - 1][q - 1]->text();
                double v = c.Matiere[m].Coef[q];
                std::string avertissement;
                if (t != montres_[m - 1][q - 1] &&
                    LireCoefficientMatiere(texteModele(t), v, avertissement) ==
                        Coefficient::Accepte)
                    c.Matiere[m].Coef[q] = v;
            }
    };
    panneau_ = new PanneauConsequences(classe_, classe_, s, p, lire, this);
    InsererPanneau(static_cast<QBoxLayout*>(layout()), panneau_, 1);
    for (auto& ligne : champs_)
        for (QLineEdit* e : ligne)
            connect(e, &QLineEdit::textChanged, this, [this] { panneau_->Actualiser(); });
    Placer(this);
}

} // namespace quillora
