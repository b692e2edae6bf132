#include "NavigationClavier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QShortcut>

#include "NomAccessible.h"
#include "TMDI.h"
#include "ZoneClients.h"

namespace quillora {

namespace {

bool PrendLeClavier(const QWidget* w) {
    return w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

// Where the keyboard goes in `fenetre`: where it was last, or else the window's own
// content (the sheet) when it takes the keyboard, or else its first field that does.
QWidget* CibleClavier(const QMdiSubWindow* fenetre) {
    QWidget* w = fenetre ? fenetre->widget() : nullptr;
    if (!w) return nullptr;
    if (QWidget* f = w->focusWidget(); f && f->isVisible() && f->isEnabled()) return f;
    if (PrendLeClavier(w)) return w;
    for (QWidget* x = w->nextInFocusChain(); x && x != w; x = x->nextInFocusChain())
        if (w->isAncestorOf(x) && PrendLeClavier(x)) return x;
    return w;
}

// The period panel shows it has the keyboard: raised and in bold.
class FocusDuPanneau : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* event) override {
        const bool entre = event->type() == QEvent::FocusIn;
        if (entre || event->type() == QEvent::FocusOut) {
            auto* panneau = static_cast<QLabel*>(objet);
            panneau->setFrameShadow(entre ? QFrame::Raised : QFrame::Sunken);
            QFont f = panneau->font();
            f.setBold(entre);
            panneau->setFont(f);
        }
        return false;
    }
};

void DonnerClavier(const QMdiSubWindow* fenetre) {
    QWidget* w = fenetre ? fenetre->widget() : nullptr;
    QWidget* actuel = QApplication::focusWidget();
    if (!w || (actuel && (actuel == w || w->isAncestorOf(actuel)))) return;
    if (QWidget* c = CibleClavier(fenetre)) c->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace

QString NomPanneauPeriode(const TClasse* classe, int periode) {
    QString p = QStringLiteral("aucune");
    if (classe && periode == 4)
        p = QStringLiteral("Bilan");
    else if (classe && periode == 5)
        p = QStringLiteral("Année");
    else if (classe)
        p = QLatin1String(MotPeriode[IndexPeriodes(classe->NbPeriode)]) + QLatin1Char(' ') +
            QString::number(periode);
    return QStringLiteral("Période affichée : ") + p;
}

void InstallerNavigationClavier(TMDI& cadre) {
    ZoneClients* zone = cadre.Zone();
    auto* suivante = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), &cadre);
    QObject::connect(suivante, &QShortcut::activated, zone, &QMdiArea::activateNextSubWindow);
    // X reports Shift+Tab as Backtab; both are accepted.
    auto* precedente = new QShortcut(&cadre);
    precedente->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    QObject::connect(precedente, &QShortcut::activated, zone, &QMdiArea::activatePreviousSubWindow);
    QObject::connect(zone, &QMdiArea::subWindowActivated, &cadre, &DonnerClavier);

    // F6: from the window to the period panel, and back to where the window had it.
    auto* panneau = cadre.findChild<QLabel*>(QStringLiteral("V2"));
    QWidget* barre = cadre.findChild<QWidget*>(QStringLiteral("Panel"));
    panneau->setFocusPolicy(Qt::TabFocus);
    panneau->installEventFilter(new FocusDuPanneau(panneau));
    panneau->setAccessibleName(NomPanneauPeriode(nullptr, 0));
    auto* f6 = new QShortcut(&cadre);
    f6->setKeys({QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    QObject::connect(f6, &QShortcut::activated, &cadre, [zone, panneau, barre] {
        QWidget* actuel = QApplication::focusWidget();
        if (!actuel || !barre->isAncestorOf(actuel)) {
            panneau->setFocus(Qt::ShortcutFocusReason);
        } else if (QWidget* c = CibleClavier(zone->activeSubWindow())) {
            c->setFocus(Qt::ShortcutFocusReason);
        }
    });

    for (QAbstractButton* b : barre->findChildren<QAbstractButton*>()) NommerParBulle(b);
    cadre.Bouton(QStringLiteral("SB12"))->setAccessibleName(QStringLiteral("Zoom avant"));
    cadre.Bouton(QStringLiteral("SB13"))->setAccessibleName(QStringLiteral("Zoom arrière"));
}

} // namespace quillora
