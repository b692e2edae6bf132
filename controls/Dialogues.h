#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <optional>

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

    // Empty when cancelled.
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
