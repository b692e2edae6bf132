#include "TProgressForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "Programme.h"

namespace quillora {

namespace {

constexpr int Largeur = 450, Hauteur = 100;
// The bar counts thousandths: byte counts do not fit its int range in general.
constexpr int Pas = 1000;

} // namespace

TProgressForm::TProgressForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::CustomizeWindowHint) {
    setWindowTitle(TitreProgramme());
    setFixedSize(Largeur, Hauteur);
    label_ = new QLabel(QStringLiteral("attendez ..."), this);
    label_->setAlignment(Qt::AlignCenter);
    label_->setGeometry(10, 10, 430, 22);
    barre_ = new QProgressBar(this);
    barre_->setRange(0, Pas);
    barre_->setValue(0);
    barre_->setTextVisible(false);
    barre_->setGeometry(10, 35, 430, 18);
    annuler_ = new QPushButton(QStringLiteral("&Annuler"), this);
    annuler_->setDefault(true);
    annuler_->adjustSize();
    annuler_->move((Largeur - annuler_->width()) / 2, 62);
    connect(annuler_, &QPushButton::clicked, this, [this] {
        hide();
        emit annulation();
    });
    // Centred on the main window, or on the screen without one.
    const QRect cadre = parent ? parent->window()->frameGeometry()
                        : QGuiApplication::primaryScreen()
                            ? QGuiApplication::primaryScreen()->availableGeometry()
                            : QRect(0, 0, Largeur, Hauteur);
    move(cadre.center() - QPoint(Largeur / 2, Hauteur / 2));
}

void TProgressForm::reject() {
    annuler_->click();
}

void TProgressForm::Fichier(const QString& nom) {
    label_->setText(nom);
}

void TProgressForm::Progression(qint64 fait, qint64 total) {
    barre_->setValue(total > 0 ? static_cast<int>(fait * Pas / total) : 0);
}

} // namespace quillora
