#include "TChild.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QPainter>
#include <QScrollBar>

#include "Defilement.h"
#include "DessinFeuille.h"
#include "LargeurNom.h"
#include "Options.h"

namespace quillora {

TChild::TChild(QWidget* parent) : QAbstractScrollArea(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Classe.Initialiser();
    creerMenus();
    // Its tip, bottom left, is the point the cell is found under. Read as the PNG it is: left
    // to guess, the reader first asks every image plugin of the system whether it reads PNG.
    QImageReader lecteur(QStringLiteral(":/feuille/newcursor.png"), "png");
    lecteur.setAutoDetectImageFormat(false);
    pointeur_ = QCursor(QPixmap::fromImage(lecteur.read()), 1, 30);
    viewport()->setMouseTracking(true);
    EditNote = new TEdition(Classe, viewport());
    connect(EditNote, &TEdition::finSaisie, this, &TChild::FinSaisie);
}

EtatFeuille TChild::Etat() const {
    EtatFeuille e;
    e.ModeApercu = ModeApercu;
    e.ZoomApercu = ZoomApercu;
    e.LargeurNom = LargeurNom;
    e.DecalageX = horizontalScrollBar()->value();
    e.DecalageY = verticalScrollBar()->value();
    e.TailleClient = viewport()->size();
    e.Curseur = marque_;
    return e;
}

Resultat TChild::OuvrirFichier(const std::string& chemin) {
    NouveauFichier = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The path keeps its case: lower-casing it, as a case-blind file system allowed, would
    // name another file here.
    Classe.NomFichier = chemin.size() > 255 ? chemin.substr(0, 255) : chemin;
    const Resultat r = Classe.Charger();
    QApplication::restoreOverrideCursor();
    if (!r) return r;
    // The journal's marks name the file as it lies on disk, before the names are re-cased.
    sommeFichier_ = SommeImage(Classe);
    preparerJournal();
    AjouterFichierRecent(Classe.NomFichier);
    emit fichiersRecentsChanges();
    cocherVue();
    TexteMatieres();
    MarquerSauve();
    preparerVue();
    return r;
}

void TChild::preparerVue() {
    Classe.NormaliserNoms();
    // Measured on the names as they are shown, capitals included.
    LargeurNom = CalculerLargeurNom(Classe);
    majTitre();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    DefilementRapideH = DefilementRapideV = true;
    emit periodeChangee();
    TexteMenus();
    MettreAJourMenus();
    ModeApercu = false;
    ZoomApercu = 0.5;
}

void TChild::majTitre() {
    setWindowTitle(QString::fromStdString(Classe.NomFichier) + "[*]");
}

void TChild::MarquerModifie() {
    if (historique_.EnCours()) {
        if (historique_.Fin(Classe))
            journaliser(GenreEtape::Modification, historique_.DerniereFaite());
        majMenusHistorique();
    }
    Modifie = true;
    setWindowModified(true);
    emit etatChange();
}

void TChild::MarquerSauve() {
    historique_.MarquerSauve();
    Modifie = false;
    setWindowModified(false);
    emit etatChange();
}

void TChild::Rafraichir() {
    viewport()->update();
    MettreAJourMenus();
    annoncerVue();
}

void TChild::paintEvent(QPaintEvent* event) {
    if (PremierDessin) {
        // The first paint only sets the background colour; the change paints again.
        PremierDessin = false;
        viewport()->update();
        return;
    }
    QPainter painter(viewport());
    // Told to the sheet's painter, which then leaves out what lies elsewhere: after a grade,
    // only its cell and its averages are painted again.
    painter.setClipRegion(event->region());
    geometrie_ = DessinerFeuille(painter, Classe, Etat(), false);
    painter.end();
    appliquerDefilement();
    emit feuilleDessinee();
}

QSize TChild::TailleFeuille() const {
    const Defilement d = CalculerDefilement(Classe, Etat());
    return {d.largeur, d.hauteur};
}

void TChild::appliquerDefilement() {
    const EtatFeuille etat = Etat();
    const Defilement d = CalculerDefilement(Classe, etat);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, d.largeur - etat.TailleClient.width()));
    v->setRange(0, std::max(0, d.hauteur - etat.TailleClient.height()));
    h->setPageStep(std::max(1, etat.TailleClient.width()));
    v->setPageStep(std::max(1, etat.TailleClient.height()));
    if (d.pasHorizontal) h->setSingleStep(*d.pasHorizontal);
    if (d.pasVertical) v->setSingleStep(*d.pasVertical);
}

void TChild::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    appliquerDefilement();
}

void TChild::scrollContentsBy(int dx, int dy) {
    // An open entry stays over its cell.
    if (SaisieEnCours()) EditNote->move(EditNote->pos() + QPoint(dx, dy));
    viewport()->update();
}

void TChild::contextMenuEvent(QContextMenuEvent* event) {
    // During an entry the click has beeped; that is all it does.
    if (SaisieEnCours()) return;
    popup_->popup(event->globalPos());
}

} // namespace quillora
