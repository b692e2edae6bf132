#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace quillora {

// The help window: the pages of the help folder in a browser with back, forward and home.
// Links to other pages of the folder open here, web links in the desktop's browser.
class FenetreAide : public QWidget {
    Q_OBJECT
public:
    explicit FenetreAide(QWidget* parent = nullptr);

    // Shows `page` of the help folder `dossier`; the folder's start page becomes "home".
    void Afficher(const QString& dossier, const QString& page);
    QTextBrowser* Navigateur() const { return navigateur_; }

    // The start page of every help folder.
    static QString PageAccueil() { return QStringLiteral("Sommaire.htm"); }

private:
    void suivreLien(const QUrl& lien);

    QTextBrowser* navigateur_;
    QAction* precedent_;
    QAction* suivant_;
    QAction* sommaire_;
    QUrl accueil_;
};

} // namespace quillora
