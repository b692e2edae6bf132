#include "ChampsDevoir.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ChampDecimal.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Horloge.h"
#include "Saisie.h"

namespace quillora {

namespace {

// Today's date, which Page Up, Left and Up move one day back and Page Down, Right and Down
// one day forward; any other key edits the text.
class ChampDate : public QLineEdit {
public:
    explicit ChampDate(QWidget* parent) : QLineEdit(parent), aujourdhui_(Maintenant()) { ecrire(); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_Left:
        case Qt::Key_Up:
            --decalage_;
            ecrire();
            break;
        case Qt::Key_PageDown:
        case Qt::Key_Right:
        case Qt::Key_Down:
            ++decalage_;
            ecrire();
            break;
        default:
            QLineEdit::keyPressEvent(event);
            return;
        }
        event->accept();
    }

private:
    void ecrire() { setText(texteQt(TexteDateDevoir(aujourdhui_, decalage_))); }

    DateHeure aujourdhui_;
    int decalage_ = 0;
};

QLineEdit* champ(QWidget* parent, const char* nom, int longueur) {
    auto* l = new QLineEdit(parent);
    l->setObjectName(QLatin1String(nom));
    l->setMaxLength(longueur);
    return l;
}

} // namespace

ChampsDevoir::ChampsDevoir(bool nouveau, QWidget* parent) : QGroupBox(parent) {
    date_ = nouveau ? new ChampDate(this) : new QLineEdit(this);
    date_->setObjectName(QStringLiteral("Date"));
    date_->setMaxLength(11);
    duree_ = champ(this, "Duree", 5);
    coef_ = champ(this, "Coef", 4);
    VirguleEnPoint(coef_);
    commentaire_ = champ(this, "Commentaire", 40);
    // Wide enough to show a whole comment of ordinary text.
    commentaire_->setMinimumWidth(
        commentaire_->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('e'))) + 16);
    for (QLineEdit* l : {date_, duree_, coef_})
        l->setFixedWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("mer. 30 sept.")) + 16);

    auto* formulaire = new QFormLayout(this);
    formulaire->setLabelAlignment(Qt::AlignRight);
    if (nouveau) {
        auto* ligne = new QHBoxLayout;
        ligne->addWidget(date_);
        auto* note = new QLabel(
            QStringLiteral("( Utiliser les touches de direction pour modifier la date )"));
        note->setEnabled(false);
        ligne->addWidget(note);
        ligne->addStretch();
        formulaire->addRow(QStringLiteral("Date :"), ligne);
    } else {
        formulaire->addRow(QStringLiteral("Date :"), date_);
    }
    formulaire->addRow(QStringLiteral("Durée :"), duree_);
    formulaire->addRow(QStringLiteral("Coef :"), coef_);
    formulaire->addRow(QStringLiteral("Commentaire :"), commentaire_);
    coef_->setText(QStringLiteral("1"));
}

void ChampsDevoir::Afficher(const TDevoir& d) {
    date_->setText(texteQt(d.Date));
    duree_->setText(texteQt(d.Duree));
    coef_->setText(texteQt(FormatNote(d.Coef)));
    commentaire_->setText(texteQt(d.Commentaire));
    coefStocke_ = d.Coef;
    garderCoef_ = true;
}

bool ChampsDevoir::Enregistrer(TDevoir& d) {
    d.Date = texteModele(date_->text());
    d.Duree = texteModele(duree_->text());
    double coef = coefStocke_;
    std::string avertissement;
    bool ok = garderCoef_ && !coef_->isModified();
    if (!ok) {
        switch (LireCoefficient(texteModele(coef_->text()), coef, avertissement)) {
        case Coefficient::Accepte:
            ok = true;
            break;
        case Coefficient::PasUnNombre:
            avertissement = TexteCoefficientPasUnNombre;
            break;
        case Coefficient::HorsDomaine:
            break;
        }
    }
    if (ok) {
        d.Coef = coef;
    } else {
        dialogues().avertissement(this, titreAvertissement(), texteQt(avertissement));
        coef_->setFocus();
        coef_->selectAll();
    }
    d.Commentaire = texteModele(commentaire_->text());
    return ok;
}

std::optional<double> ChampsDevoir::CoefLu() const {
    if (garderCoef_ && !coef_->isModified()) return coefStocke_;
    double coef = coefStocke_;
    std::string avertissement;
    if (LireCoefficient(texteModele(coef_->text()), coef, avertissement) == Coefficient::Accepte)
        return coef;
    return std::nullopt;
}

} // namespace quillora
