#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QDialog;
class QPrinter;
class QWidget;

namespace quillora {

// Every message box, file dialog, print dialog and colour dialog of the program goes through
// this interface, so that tests put a scripted responder in its place.
class Dialogues {
public:
    virtual ~Dialogues() = default;

    // Boxes with one OK button.
    virtual void information(QWidget* parent, const QString& titre, const QString& texte) = 0;
    virtual void avertissement(QWidget* parent, const QString& titre, const QString& texte) = 0;
    virtual void erreur(QWidget* parent, const QString& titre, const QString& texte) = 0;
    // A confirmation box offering `boutons`; returns the one chosen (Cancel when closed).
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& titre,
                                                 const QString& texte,
                                                 QMessageBox::StandardButtons boutons) = 0;

    // Empty when cancelled. The save dialog never asks about replacing a file: the program
    // completes the name first (FichierAEnregistrer below).
    virtual QString fichierAOuvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                   const QString& filtre) = 0;
    virtual QString fichierAEnregistrer(QWidget* parent, const QString& titre,
                                        const QString& chemin, const QString& filtre) = 0;

    // The print dialog and the printer set-up dialog; false when cancelled.
    virtual bool imprimer(QPrinter* imprimante, QWidget* parent) = 0;
    virtual bool configurerImprimante(QPrinter* imprimante, QWidget* parent) = 0;

    // The colour dialog; empty when cancelled. Custom colours live in QColorDialog's
    // process-wide list.
    virtual std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) = 0;

    // Runs one of the program's own dialogs modally; its result (QDialog::Accepted or
    // Rejected).
    virtual int executer(QDialog& dialogue) = 0;
};

// The real dialogs.
class DialoguesQt : public Dialogues {
public:
    void information(QWidget* parent, const QString& titre, const QString& texte) override;
    void avertissement(QWidget* parent, const QString& titre, const QString& texte) override;
    void erreur(QWidget* parent, const QString& titre, const QString& texte) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& titre,
                                         const QString& texte,
                                         QMessageBox::StandardButtons boutons) override;
    QString fichierAOuvrir(QWidget* parent, const QString& titre, const QString& dossier,
                           const QString& filtre) override;
    QString fichierAEnregistrer(QWidget* parent, const QString& titre, const QString& chemin,
                                const QString& filtre) override;
    bool imprimer(QPrinter* imprimante, QWidget* parent) override;
    bool configurerImprimante(QPrinter* imprimante, QWidget* parent) override;
    std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) override;
    int executer(QDialog& dialogue) override;
};

// The process-wide instance: the real dialogs unless something else was installed.
Dialogues& dialogues();
// Installs `d` (not owned); null restores the real dialogs.
void definirDialogues(Dialogues* d);

// The save dialog for a file whose name `completer` finishes (an extension the teacher left
// out): the question about replacing an existing file is about the name that will be
// written; answered no, the dialog comes back. When `classe` is given, a name that is that
// class file or its .bak twin is refused (SortiePermise). Empty when cancelled.
QString FichierAEnregistrer(QWidget* parent, const QString& titre, const QString& chemin,
                            const QString& filtre,
                            const std::function<QString(const QString&)>& completer,
                            const std::string& classe = {});

// Every command of the window that writes a file for the class saved as `classe` asks this
// first: when `sortie` is the class file, its .bak twin or either one under another name, an
// error box says so and the answer is false.
bool SortiePermise(QWidget* parent, const std::string& classe, const QString& sortie);

// The titles of the four kinds of box, as the program always wrote them.
inline QString titreInformation() {
    return QStringLiteral("Information");
}
inline QString titreAvertissement() {
    return QStringLiteral("Avertissement");
}
inline QString titreErreur() {
    return QStringLiteral("Erreur");
}
inline QString titreConfirmation() {
    return QStringLiteral("Confirmation");
}

} // namespace quillora
