#include "TDialJournal.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <set>

#include "BoutonAide.h"
#include "Dialogues.h"
#include "ImpressionFichier.h"
#include "Plateforme.h"

namespace quillora {

namespace {

QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

TDialJournal::TDialJournal(std::vector<EntreeJournal> entrees, const QString& nomClasse,
                           const QString& fichierPdf, const std::string& fichierClasse,
                           QWidget* parent)
    : QDialog(parent), entrees_(std::move(entrees)), nomClasse_(nomClasse), fichierPdf_(fichierPdf),
      fichierClasse_(fichierClasse) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QStringLiteral("Journal des modifications - ") + nomClasse);

    auto* etiquette = new QLabel(QStringLiteral("&Élève :"), this);
    filtre_ = new QComboBox(this);
    filtre_->setObjectName(QStringLiteral("Filtre"));
    etiquette->setBuddy(filtre_);
    filtre_->addItem(QStringLiteral("Tous les élèves"));
    std::set<std::string> eleves;
    for (const EntreeJournal& e : entrees_)
        if (!e.ligne.eleve.empty()) eleves.insert(e.ligne.eleve);
    for (const std::string& e : eleves) filtre_->addItem(qt(e));
    filtre_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(filtre_, &QComboBox::currentIndexChanged, this, &TDialJournal::remplir);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setAccessibleName(QStringLiteral("Modifications de la classe"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({QStringLiteral("Date et heure"),
                                       QStringLiteral("Modification"), QStringLiteral("Détail")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    vide_ = new QLabel(QStringLiteral("Aucune modification n'est enregistrée pour cette classe."),
                       this);

    auto* copier = new QPushButton(QStringLiteral("&Copier"), this);
    copier->setObjectName(QStringLiteral("Copier"));
    copier->setToolTip(QStringLiteral("Copier les lignes affichées dans le presse-papiers"));
    auto* imprimer = new QPushButton(QStringLiteral("&Imprimer..."), this);
    imprimer->setObjectName(QStringLiteral("Imprimer"));
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setDefault(true);
    for (QPushButton* b : {copier, imprimer}) b->setAutoDefault(false);
    connect(copier, &QPushButton::clicked, this, &TDialJournal::copier);
    connect(imprimer, &QPushButton::clicked, this, &TDialJournal::imprimer);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* haut = new QHBoxLayout;
    haut->addWidget(etiquette);
    haut->addWidget(filtre_);
    haut->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(copier);
    boutons->addWidget(imprimer);
    boutons->addStretch();
    boutons->addWidget(fermer);
    boutons->addWidget(BoutonAide(this, QStringLiteral("Journal")));
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(haut);
    colonne->addWidget(vide_);
    colonne->addWidget(table_, 1);
    colonne->addLayout(boutons);
    remplir();
    resize(900, 520);
}

std::vector<const EntreeJournal*> TDialJournal::affichees() const {
    std::vector<const EntreeJournal*> r;
    const std::string eleve =
        filtre_->currentIndex() > 0 ? filtre_->currentText().toStdString() : std::string();
    for (const EntreeJournal& e : entrees_)
        if (eleve.empty() || e.ligne.eleve == eleve) r.push_back(&e);
    return r;
}

void TDialJournal::remplir() {
    const auto lignes = affichees();
    table_->setRowCount(static_cast<int>(lignes.size()));
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        const EntreeJournal& e = *lignes[static_cast<std::size_t>(i)];
        const QString textes[] = {qt(DateCourte(e.quand)), qt(e.action), qt(DetailEntree(e.ligne))};
        for (int c = 0; c < 3; ++c) table_->setItem(i, c, new QTableWidgetItem(textes[c]));
    }
    table_->resizeColumnToContents(0);
    table_->resizeColumnToContents(1);
    vide_->setVisible(entrees_.empty());
}

QString TDialJournal::TexteAffiche() const {
    QString t;
    for (const EntreeJournal* e : affichees()) t += qt(LigneTabulee(*e)) + QLatin1Char('\n');
    return t;
}

void TDialJournal::copier() {
    QApplication::clipboard()->setText(TexteAffiche());
}

QString TDialJournal::PageImprimee() const {
    QString html = QStringLiteral("<html><body><h2>Journal des modifications de ") +
                   nomClasse_.toHtmlEscaped() + QStringLiteral("</h2>");
    if (filtre_->currentIndex() > 0)
        html += QStringLiteral("<p>Élève : ") + filtre_->currentText().toHtmlEscaped() +
                QStringLiteral("</p>");
    html +=
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                       "width=\"100%\"><tr><th align=\"left\">Date et heure</th>"
                       "<th align=\"left\">Modification</th><th align=\"left\">Détail</th></tr>");
    for (const EntreeJournal* e : affichees())
        html += QStringLiteral("<tr><td style=\"white-space: nowrap\">") +
                qt(DateCourte(e->quand)).toHtmlEscaped() +
                QStringLiteral("</td><td style=\"white-space: nowrap\">") +
                qt(e->action).toHtmlEscaped() + QStringLiteral("</td><td>") +
                qt(DetailEntree(e->ligne)).toHtmlEscaped() + QStringLiteral("</td></tr>");
    return html + QStringLiteral("</table></body></html>");
}

void TDialJournal::imprimer() {
    QPrinter& p = ImprimanteProgramme();
    if (!plateforme().imprimanteInstallee()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(fichierPdf_);
    }
    if (!dialogues().imprimer(&p, this)) return;
    const QString fichier = p.outputFileName();
    if (!fichier.isEmpty() && !SortiePermise(this, fichierClasse_, fichier)) return;
    QTextDocument page;
    QFont police = font();
    police.setPointSizeF(8);
    page.setDefaultFont(police);
    page.setHtml(PageImprimee());
    std::string raison;
    const bool ok = ImprimerDocument(
        p,
        [&page](QPrinter& q) {
            page.print(&q);
            return true;
        },
        raison);
    DireImpression(this, ok, QStringLiteral("le journal des modifications"), fichier, raison);
}

} // namespace quillora
