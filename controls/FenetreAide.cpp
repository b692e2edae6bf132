#include "FenetreAide.h"

#include <QAction>
#include <QIcon>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "Plateforme.h"
#include "Programme.h"

namespace quillora {

FenetreAide::FenetreAide(QWidget* parent)
    : QWidget(parent, Qt::Window), navigateur_(new QTextBrowser(this)) {
    // Leaving the help open must not keep the program running once its frame is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(IconeProgramme());
    resize(780, 580);

    auto* barre = new QToolBar(this);
    barre->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    precedent_ =
        barre->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Précédent"));
    suivant_ =
        barre->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Suivant"));
    sommaire_ =
        barre->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Sommaire"));
    precedent_->setShortcut(QKeySequence::Back);
    suivant_->setShortcut(QKeySequence::Forward);
    precedent_->setEnabled(false);
    suivant_->setEnabled(false);

    navigateur_->setOpenLinks(false);
    connect(precedent_, &QAction::triggered, navigateur_, &QTextBrowser::backward);
    connect(suivant_, &QAction::triggered, navigateur_, &QTextBrowser::forward);
    connect(sommaire_, &QAction::triggered, this, [this] { navigateur_->setSource(accueil_); });
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent_, &QAction::setEnabled);
    connect(navigateur_, &QTextBrowser::forwardAvailable, suivant_, &QAction::setEnabled);
    connect(navigateur_, &QTextBrowser::anchorClicked, this, &FenetreAide::suivreLien);
    connect(navigateur_, &QTextBrowser::sourceChanged, this, [this] {
        const QString titre = navigateur_->documentTitle();
        const QString aide = QStringLiteral("Aide de Quillora");
        // The start page bears the help's own name.
        setWindowTitle(titre.isEmpty() || titre == aide ? aide
                                                        : aide + QStringLiteral(" - ") + titre);
    });

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addWidget(barre);
    colonne->addWidget(navigateur_);
}

void FenetreAide::Afficher(const QString& dossier, const QString& page) {
    const QUrl accueil = QUrl::fromLocalFile(dossier + PageAccueil());
    if (accueil != accueil_) {
        accueil_ = accueil;
        navigateur_->clearHistory();
    }
    const QUrl cible = QUrl::fromLocalFile(dossier + page);
    if (navigateur_->source() != cible) navigateur_->setSource(cible);
}

void FenetreAide::suivreLien(const QUrl& lien) {
    const QUrl cible = navigateur_->source().resolved(lien);
    if (cible.isLocalFile())
        navigateur_->setSource(cible);
    else
        plateforme().ouvrirUrl(cible);
}

} // namespace quillora
