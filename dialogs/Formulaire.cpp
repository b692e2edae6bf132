#include "Formulaire.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QValidator>
#include <algorithm>

#include "BoutonAide.h"
#include "ConversionsQt.h"
#include "Dialogues.h"

namespace quillora {

namespace {

// The field shows as it is typed what the class will store.
class ValidateurCp1252 : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override {
        const QString r = texteQt(texteModele(texte));
        if (r != texte) {
            // Only what was just typed or pasted, before the cursor, can change.
            position = std::clamp(position + static_cast<int>(r.size() - texte.size()), 0,
                                  static_cast<int>(r.size()));
            texte = r;
        }
        return Acceptable;
    }
};

// Typing or pasting anything but a digit is refused; a date the program puts in the field
// is shown as the file holds it.
class ValidateurChiffres : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        for (QChar c : texte)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        return Acceptable;
    }
};

} // namespace

QLineEdit* Champ(QWidget* parent, const char* nom, int longueur) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(nom));
    e->setMaxLength(longueur);
    e->setValidator(new ValidateurCp1252(e));
    // Wide enough for its whole length in capitals, as names are shown; short codes
    // and dates keep that width instead of stretching to the longest field.
    const int large =
        e->fontMetrics().horizontalAdvance(QLatin1Char('N')) * std::max(longueur, 3) + 20;
    if (longueur <= 8)
        e->setFixedWidth(large);
    else
        e->setMinimumWidth(std::min(large, 360));
    return e;
}

QString TexteChamp(std::string_view cp1252) {
    return texteQt(cp1252);
}

std::string TexteDuChamp(const QLineEdit* champ) {
    return texteModele(champ->text());
}

void ChampsEleve::Afficher(const TClasse& c, int e) {
    nom->setText(TexteChamp(c.Eleve[e].Nom));
    prenom->setText(TexteChamp(c.Eleve[e].Prenom));
    date->setText(TexteChamp(c.Eleve[e].DateNaissance));
}

void ChampsEleve::Vider() {
    nom->clear();
    prenom->clear();
    date->clear();
}

ChampsEleve AjouterChampsEleve(QWidget* parent, QGridLayout* grille, int ligne,
                               const QString& libelleDate, const QString& indication) {
    ChampsEleve c{Champ(parent, "Nom", 20), Champ(parent, "Prenom", 20), Champ(parent, "Date", 8)};
    const QValidator* lettres = c.date->validator();
    c.date->setValidator(new ValidateurChiffres(c.date));
    delete lettres;
    const QString libelles[] = {QStringLiteral("Nom :"), QStringLiteral("Prénom :"), libelleDate};
    QLineEdit* champs[] = {c.nom, c.prenom, c.date};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(libelles[i], parent);
        l->setBuddy(champs[i]);
        grille->addWidget(l, ligne + i, 0);
    }
    grille->addWidget(c.nom, ligne, 1, 1, 2);
    grille->addWidget(c.prenom, ligne + 1, 1, 1, 2);
    auto* date = new QHBoxLayout;
    date->addWidget(c.date);
    if (!indication.isEmpty()) date->addWidget(new QLabel(indication, parent));
    // A date the calendar lacks is pointed out as it is typed; it is stored all the same.
    auto* defaut = new QLabel(parent);
    defaut->setObjectName(QStringLiteral("DefautDate"));
    QPalette rouge = defaut->palette();
    rouge.setColor(QPalette::WindowText, Qt::darkRed);
    defaut->setPalette(rouge);
    // Room for the longest remark from the start: the dialog keeps its size.
    defaut->setMinimumWidth(defaut->fontMetrics().horizontalAdvance(
        QStringLiteral("Le 31 septembre 2000 n'existe pas")));
    date->addWidget(defaut);
    date->addStretch(1);
    grille->addLayout(date, ligne + 2, 1, 1, 2);
    QObject::connect(c.date, &QLineEdit::textChanged, defaut, [defaut](const QString& t) {
        defaut->setText(texteQt(DefautDateNaissance(texteModele(t))));
    });
    return c;
}

bool VerifierNom(QWidget* parent, const ChampsEleve& champs) {
    if (!champs.nom->text().isEmpty()) return true;
    dialogues().information(parent, titreInformation(), texteQt(TexteNomObligatoire));
    champs.nom->setFocus();
    return false;
}

bool VerifierEleve(QWidget* parent, const ChampsEleve& champs, bool& conseilDonne) {
    if (!VerifierNom(parent, champs)) return false;
    if (champs.date->text().isEmpty() && !conseilDonne) {
        conseilDonne = true;
        dialogues().information(parent, titreInformation(), texteQt(TexteConseilDateNaissance));
        champs.date->setFocus();
        return false;
    }
    return true;
}

Boutons AjouterBoutons(QDialog* d, QBoxLayout* colonne, const QString& sujet, bool connecter) {
    auto* rangee = new QHBoxLayout;
    rangee->addStretch(1);
    Boutons b;
    b.ok = new QPushButton(QStringLiteral("OK"), d);
    b.annuler = new QPushButton(QStringLiteral("Annuler"), d);
    b.aide = BoutonAide(d, sujet);
    // Enter on any of the three presses it, as on the buttons of the student dialogs.
    b.aide->setAutoDefault(true);
    b.ok->setObjectName(QStringLiteral("OK"));
    b.annuler->setObjectName(QStringLiteral("Annuler"));
    for (QPushButton* p : {b.ok, b.annuler, b.aide}) rangee->addWidget(p);
    colonne->addSpacing(6);
    colonne->addLayout(rangee);
    if (connecter) {
        QObject::connect(b.ok, &QPushButton::clicked, d, &QDialog::accept);
        QObject::connect(b.annuler, &QPushButton::clicked, d, &QDialog::reject);
    }
    return b;
}

QString LigneEleve(const TClasse& c, int e) {
    return QString::number(e) + QStringLiteral(" - ") + texteQt(c.NomEleve(e, true));
}

void RemplirListeEleves(QComboBox* liste, const TClasse& c) {
    for (int e = 1; e <= c.NbEleve; ++e) liste->addItem(LigneEleve(c, e));
    liste->setCurrentIndex(c.NbEleve > 0 ? 0 : -1);
}

QString AvecClasse(const QString& titre, const TClasse& c) {
    return titre + QStringLiteral(" ( ") + texteQt(c.AbrevClasse) + QStringLiteral(" )");
}

void Placer(QDialog* d) {
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    d->adjustSize();
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        d->move(ecran->availableGeometry().center() - d->rect().center());
}

} // namespace quillora
