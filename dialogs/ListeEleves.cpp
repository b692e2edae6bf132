#include "ListeEleves.h"

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "BoutonAide.h"

namespace quillora {

QTableWidget* CreerGrille(QWidget* parent, const std::vector<int>& largeurs,
                          const QStringList& entetes, int lignesVisibles) {
    auto* g = new QTableWidget(0, static_cast<int>(largeurs.size()), parent);
    g->setObjectName(QStringLiteral("ST"));
    g->setHorizontalHeaderLabels(entetes);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setWordWrap(false);
    // The arrows go from cell to cell; Tab goes on to the dialog's next field.
    g->setTabKeyNavigation(false);
    // The widths are those of a 13-pixel dialog font; a larger font widens them alike, so
    // that the texts the columns were made for still fit.
    const double k = std::max(1.0, g->fontMetrics().height() / 13.0);
    auto echelle = [k](int pixels) { return static_cast<int>(std::lround(pixels * k)); };
    g->verticalHeader()->hide();
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setDefaultSectionSize(echelle(HauteurLigne));
    QHeaderView* h = g->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setFixedHeight(echelle(HauteurLigne));
    int largeur = 0;
    for (int c = 0; c < static_cast<int>(largeurs.size()); ++c) {
        g->setColumnWidth(c, echelle(largeurs[c]));
        largeur += g->columnWidth(c);
    }
    // The scroll bar comes with a long class; the columns keep their widths then.
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    g->setFixedWidth(largeur + g->verticalScrollBar()->sizeHint().width() + 2 * g->frameWidth());
    g->setMinimumHeight((lignesVisibles + 1) * echelle(HauteurLigne) + 2 * g->frameWidth());
    return g;
}

QHBoxLayout* BoutonsOkAide(QDialog* dialogue, const QString& sujet) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialogue);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    // Not the grid: its first cell would look chosen.
    ok->setFocus();
    QObject::connect(ok, &QPushButton::clicked, dialogue, &QDialog::accept);
    QPushButton* aide = BoutonAide(dialogue, sujet);
    aide->setObjectName(QStringLiteral("BitBtn2"));
    auto* rangee = new QHBoxLayout;
    rangee->addStretch();
    rangee->addWidget(ok);
    rangee->addWidget(aide);
    return rangee;
}

} // namespace quillora
