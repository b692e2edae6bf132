// Typing grades on the sheet: the cursor that the mouse and the arrow keys move, its mark,
// the edit control laid over a cell, and what a stored value repaints.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "CelluleEn.h"
#include "ConversionsQt.h"
#include "CurseurFeuille.h"
#include "Dialogues.h"
#include "Options.h"
#include "Plateforme.h"
#include "PoliceFeuille.h"
#include "TChild.h"
#include "ZonesSaisie.h"

namespace quillora {

namespace {

// The texts the function keys F1 to F4 open an entry with.
QString TexteTouche(int touche) {
    switch (touche) {
    case Qt::Key_F1:
        return QStringLiteral("abs");
    case Qt::Key_F2:
        return QStringLiteral("disp");
    case Qt::Key_F3:
        return QStringLiteral("excu");
    case Qt::Key_F4:
        return QStringLiteral("ret");
    default:
        return {};
    }
}

bool ToucheDuCurseur(int touche) {
    switch (touche) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return !TexteTouche(touche).isEmpty();
    }
}

bool OuvreUneSaisie(const QString& t) {
    if (t.size() != 1) return false;
    const char16_t c = t.front().unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

bool TChild::VerifierSaisieFinie() {
    if (!SaisieEnCours()) return true;
    dialogues().erreur(this, titreErreur(),
                       QStringLiteral("Terminer d'abord la saisie de la note !"));
    return false;
}

void TChild::effacerCurseur() {
    if (!marque_) return;
    viewport()->update(RectangleCurseur(GeometrieTableau(Etat()), LargeurNom, *marque_));
    marque_.reset();
}

void TChild::MarquerCurseur(bool Afficher, bool Defiler) {
    if (SaisieEnCours()) return;
    effacerCurseur();
    const Cellule cellule{Ligne, Colonne};
    if (!Afficher || ModeApercu || !CelluleValide(Classe, cellule)) return;
    if (Defiler) defilerVers(cellule);
    marque_ = cellule;
    viewport()->update(RectangleCurseur(GeometrieTableau(Etat()), LargeurNom, cellule));
}

// One scroll step at a time, so that the rows around the cursor stay in sight.
void TChild::defilerVers(Cellule cellule) {
    const GeometrieFeuille g = GeometrieTableau(Etat());
    const int rangee = Arrondi(10 * g.k);
    const int bas = g.Point(0, (cellule.Ligne + 2) * 10).y();
    QScrollBar* v = verticalScrollBar();
    if (bas > viewport()->height() - 2 * rangee)
        v->setValue(v->value() + v->singleStep());
    else if (bas < rangee)
        v->setValue(v->value() - v->singleStep());
}

QString TChild::TexteAide() const {
    const TDevoir& d = Classe.Devoir[Classe.MatiereCourante][Classe.PeriodeCourante][Colonne];
    if (Ligne == 0)
        return QStringLiteral(" Coef. du devoir n° ") + QString::number(Colonne) +
               QStringLiteral(" ( ") + texteQt(d.Commentaire) + QStringLiteral(" )");
    return QLatin1Char(' ') + texteQt(Classe.Eleve[Ligne].Nom) + QStringLiteral("/Dev") +
           QString::number(Colonne) + QStringLiteral(": ") + texteQt(d.Commentaire);
}

void TChild::OuvrirSaisie(const QString& TexteInitial) {
    const Cellule cellule{Ligne, Colonne};
    if (SaisieEnCours() || ModeApercu || !CelluleValide(Classe, cellule)) return;
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    EditNote->Ligne = Ligne;
    EditNote->Colonne = Colonne;
    const bool dejaLa = TexteInitial.isEmpty();
    const QString texte = !dejaLa     ? TexteInitial
                          : Ligne > 0 ? texteQt(Classe.Eleve[Ligne].Note[s][p][Colonne].view())
                                      : texteQt(FormatNote(Classe.Devoir[s][p][Colonne].Coef));
    const GeometrieFeuille g = GeometrieTableau(Etat());
    EditNote->setGeometry(QRect(g.Point(20.0 * (Colonne + LargeurNom), 10.0 * (Ligne + 1)),
                                QSize(Arrondi(20 * g.k), Arrondi(15 * g.k))));
    EditNote->setFont(PoliceFeuille(g.HauteurPolice(6), Options.polstyle));
    if (Ligne > 0)
        DebutEtape(QStringLiteral("la saisie de la note"), 3, p, Colonne, Ligne);
    else
        DebutEtape(QStringLiteral("la saisie du coefficient"), 4, p, Colonne, 0);
    nommerSaisie();
    EditNote->setEnabled(true);
    EditNote->show();
    EditNote->setFocus();
    EditNote->Commencer(texte, dejaLa);
}

void TChild::FinSaisie(int ligne, int colonne) {
    EditNote->hide();
    setFocus();
    if (Options.trait) MarquerCurseur(true, false);
    if (ligne == TEdition::Abandon) {
        historique_.Abandon();
        return;
    }
    MarquerModifie();
    const int p = Classe.PeriodeCourante;
    if (ligne == 0)
        emit notification(4, p, colonne, 0);
    else
        emit notification(3, p, colonne, ligne);
    viewport()->update(ZonesModifiees(Classe, Etat(), Cellule{ligne, colonne}));
    annoncerValeur(Cellule{ligne, colonne});
    // Up and Down go on down the column; Tab and Shift+Tab along the row, as in a table.
    int touche = EditNote->DerniereTouche;
    if (touche == Qt::Key_Tab) touche = Qt::Key_Right;
    if (touche == Qt::Key_Backtab) touche = Qt::Key_Left;
    if (Options.trait && touche != Qt::Key_Return && touche != Qt::Key_Enter) {
        deplacerCurseur(touche);
        curseurDeplace();
    }
}

void TChild::deplacerCurseur(int touche) {
    const int n = Classe.NbDevoir[Classe.MatiereCourante][Classe.PeriodeCourante];
    switch (touche) {
    case Qt::Key_Down:
        if (Ligne < Classe.NbEleve) ++Ligne;
        break;
    case Qt::Key_Up:
        if (Ligne > 0) --Ligne;
        break;
    case Qt::Key_Right:
        if (Colonne < n) ++Colonne;
        break;
    case Qt::Key_Left:
        if (Colonne > 1) --Colonne;
        break;
    default:
        break;
    }
}

void TChild::curseurDeplace() {
    if (!CelluleValide(Classe, Cellule{Ligne, Colonne})) return;
    MarquerCurseur(true, true);
    emit statut(TexteAide(), false);
    AncienneLigne = Ligne;
    AncienneColonne = Colonne;
    annoncerCurseur();
}

// Whether the key was one of the cursor's: arrows, Enter and F1 to F4.
bool TChild::toucheCurseur(const QKeyEvent* event) {
    const int touche = event->key();
    // The preview scrolls with the arrows.
    if (!ToucheDuCurseur(touche) || ModeApercu) return false;
    if (!Options.trait) {
        plateforme().bip();
        return true;
    }
    if (!VueMatiere() || SaisieEnCours()) return true;
    if (const QString texte = TexteTouche(touche);
        !texte.isEmpty() || touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        if (SurCellule)
            OuvrirSaisie(texte);
        else
            plateforme().bip();
    } else {
        deplacerCurseur(touche);
    }
    curseurDeplace();
    return true;
}

void TChild::keyPressEvent(QKeyEvent* event) {
    if (toucheCurseur(event)) return;
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return; // they scroll when released
    default:
        break;
    }
    const QString t = event->text();
    if (t == QLatin1String("+")) {
        PeriodeSuivante();
    } else if (t == QLatin1String("-")) {
        PeriodePrecedente();
    } else if (OuvreUneSaisie(t)) {
        if (Options.trait && SurCellule && !SaisieEnCours())
            OuvrirSaisie(t);
        else
            plateforme().bip();
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TChild::keyReleaseEvent(QKeyEvent* event) {
    // A key held down scrolls once, when it is let go.
    if (event->isAutoRepeat()) return;
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        v->setValue(v->value() - v->singleStep());
        break;
    case Qt::Key_PageDown:
        v->setValue(v->value() + v->singleStep());
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    case Qt::Key_Home:
        v->setValue(0);
        break;
    default:
        QAbstractScrollArea::keyReleaseEvent(event);
        break;
    }
}

bool TChild::viewportEvent(QEvent* event) {
    // Showing or hiding the edit control asks the sheet's surface for a layout it does not
    // have; passed on, the request would lay out and paint the whole window again at each
    // grade, ten times the cost of the grade's own repaint.
    if (event->type() == QEvent::LayoutRequest) return true;
    return QAbstractScrollArea::viewportEvent(event);
}

// The sheet shows no focus of its own. Qt's default would paint the whole window again each
// time an entry takes the focus or gives it back.
void TChild::focusOutEvent(QFocusEvent*) {}

void TChild::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (p.x() == SourisX && p.y() == SourisY) return;
    SourisX = p.x();
    SourisY = p.y();
    const std::optional<Cellule> cellule =
        ModeApercu || !VueMatiere() ? std::nullopt : CelluleEn(Classe, Etat(), p);
    if (!cellule) {
        viewport()->unsetCursor();
        SurCellule = false;
        if (ModeApercu || !VueMatiere()) return;
        MarquerCurseur(false, false);
        // The cell being typed in stays the cursor's.
        if (!SaisieEnCours()) {
            Ligne = 0;
            AncienneLigne = 255;
        }
        emit statut(texteQt(DateHeureTexte()), true);
        return;
    }
    viewport()->setCursor(pointeur_);
    SurCellule = true;
    if (SaisieEnCours()) return;
    Ligne = cellule->Ligne;
    Colonne = cellule->Colonne;
    if (Ligne == AncienneLigne && Colonne == AncienneColonne) return;
    if (Options.trait) MarquerCurseur(true, false);
    emit statut(TexteAide(), false);
    AncienneLigne = Ligne;
    AncienneColonne = Colonne;
    annoncerCurseur();
}

void TChild::mousePressEvent(QMouseEvent* event) {
    if (SaisieEnCours()) {
        plateforme().bip();
        // The click must not take the typing away from the edit control.
        EditNote->setFocus();
        return;
    }
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier) return;
    if (!ModeApercu && VueMatiere()) {
        if (const auto cellule = CelluleEn(Classe, Etat(), event->position().toPoint())) {
            Ligne = cellule->Ligne;
            Colonne = cellule->Colonne;
            OuvrirSaisie(QString());
            return;
        }
    } else {
        viewport()->unsetCursor();
    }
    popup_->popup(event->globalPosition().toPoint());
}

} // namespace quillora
