#include "MiseEnPage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillora {

namespace {

struct Papier {
    QPageSize::PageSizeId id;
    const char* nom;
};
// The sizes a school's printers and copiers take.
constexpr Papier Papiers[] = {{QPageSize::A4, "A4 (210 x 297 mm)"},
                              {QPageSize::A3, "A3 (297 x 420 mm)"},
                              {QPageSize::A5, "A5 (148 x 210 mm)"},
                              {QPageSize::Letter, "Lettre US (216 x 279 mm)"},
                              {QPageSize::Legal, "Légal US (216 x 356 mm)"}};

} // namespace

MiseEnPage::MiseEnPage(QPrinter* imprimante, QWidget* parent)
    : QDialog(parent), imprimante_(imprimante) {
    setObjectName(QStringLiteral("MiseEnPage"));
    setWindowTitle(QStringLiteral("Mise en page"));

    papier_ = new QComboBox(this);
    papier_->setObjectName(QStringLiteral("Papier"));
    const QPageLayout mise = imprimante->pageLayout();
    for (const Papier& p : Papiers) {
        papier_->addItem(QString::fromUtf8(p.nom), static_cast<int>(p.id));
        if (mise.pageSize().id() == p.id) papier_->setCurrentIndex(papier_->count() - 1);
    }

    auto* orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    portrait_ = new QRadioButton(QStringLiteral("&Portrait"), orientation);
    paysage_ = new QRadioButton(QStringLiteral("P&aysage"), orientation);
    portrait_->setObjectName(QStringLiteral("Portrait"));
    paysage_->setObjectName(QStringLiteral("Paysage"));
    (mise.orientation() == QPageLayout::Landscape ? paysage_ : portrait_)->setChecked(true);
    auto* choix = new QHBoxLayout(orientation);
    choix->addWidget(portrait_);
    choix->addWidget(paysage_);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("&Papier :"), papier_);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, [this] {
        Appliquer();
        accept();
    });
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(orientation);
    colonne->addWidget(boutons);
}

void MiseEnPage::Appliquer() {
    const auto id = static_cast<QPageSize::PageSizeId>(papier_->currentData().toInt());
    imprimante_->setPageSize(QPageSize(id));
    imprimante_->setPageOrientation(paysage_->isChecked() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
}

} // namespace quillora
