#include "Dialogues.h"

#include <QColorDialog>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "FichierAtomique.h"
#include "MiseEnPage.h"

namespace quillora {

namespace {

// Texts of the model and of the class file end lines with a lone CR; a message box
// only breaks lines at LF.
QString lignes(QString t) {
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QMessageBox::StandardButton boite(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                  const QString& texte, QMessageBox::StandardButtons boutons) {
    QMessageBox box(icone, titre, lignes(texte), boutons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void DialoguesQt::information(QWidget* parent, const QString& titre, const QString& texte) {
    boite(parent, QMessageBox::Information, titre, texte, QMessageBox::Ok);
}

void DialoguesQt::avertissement(QWidget* parent, const QString& titre, const QString& texte) {
    boite(parent, QMessageBox::Warning, titre, texte, QMessageBox::Ok);
}

void DialoguesQt::erreur(QWidget* parent, const QString& titre, const QString& texte) {
    boite(parent, QMessageBox::Critical, titre, texte, QMessageBox::Ok);
}

QMessageBox::StandardButton DialoguesQt::question(QWidget* parent, const QString& titre,
                                                  const QString& texte,
                                                  QMessageBox::StandardButtons boutons) {
    const auto r = boite(parent, QMessageBox::Question, titre, texte, boutons);
    return r == QMessageBox::NoButton ? QMessageBox::Cancel : r;
}

QString DialoguesQt::fichierAOuvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                    const QString& filtre) {
    return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
}

QString DialoguesQt::fichierAEnregistrer(QWidget* parent, const QString& titre,
                                         const QString& chemin, const QString& filtre) {
    return QFileDialog::getSaveFileName(parent, titre, chemin, filtre, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool DialoguesQt::imprimer(QPrinter* imprimante, QWidget* parent) {
    QPrintDialog d(imprimante, parent);
    return d.exec() == QDialog::Accepted;
}

bool DialoguesQt::configurerImprimante(QPrinter* imprimante, QWidget* parent) {
    // The toolkit's dialog refuses a printer that writes a PDF file.
    if (imprimante->outputFormat() != QPrinter::NativeFormat) {
        MiseEnPage d(imprimante, parent);
        return d.exec() == QDialog::Accepted;
    }
    QPageSetupDialog d(imprimante, parent);
    return d.exec() == QDialog::Accepted;
}

std::optional<QColor> DialoguesQt::couleur(QWidget* parent, const QColor& initiale) {
    const QColor c = QColorDialog::getColor(initiale, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
}

int DialoguesQt::executer(QDialog& dialogue) {
    return dialogue.exec();
}

QString FichierAEnregistrer(QWidget* parent, const QString& titre, const QString& chemin,
                            const QString& filtre,
                            const std::function<QString(const QString&)>& completer,
                            const std::string& classe) {
    for (QString depart = chemin;;) {
        const QString choisi = dialogues().fichierAEnregistrer(parent, titre, depart, filtre);
        if (choisi.isEmpty()) return {};
        const QString nom = completer(choisi);
        if (!classe.empty() && !SortiePermise(parent, classe, nom)) return {};
        if (!QFileInfo::exists(nom) ||
            dialogues().question(parent, titre,
                                 QStringLiteral("Le fichier ") + nom +
                                     QStringLiteral(" existe déjà.\rVoulez-vous le remplacer ?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            return nom;
        depart = nom;
    }
}

bool SortiePermise(QWidget* parent, const std::string& classe, const QString& sortie) {
    const std::string raison =
        RaisonSortieInterdite(classe, QFile::encodeName(sortie).toStdString());
    if (raison.empty()) return true;
    dialogues().erreur(parent, titreErreur(),
                       QStringLiteral("Impossible de créer le fichier \"") + sortie +
                           QStringLiteral("\". ") + QString::fromStdString(raison));
    return false;
}

namespace {
Dialogues* installes = nullptr;
}

Dialogues& dialogues() {
    static DialoguesQt reels;
    return installes ? *installes : reels;
}

void definirDialogues(Dialogues* d) {
    installes = d;
}

} // namespace quillora
