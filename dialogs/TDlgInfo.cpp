#include "TDlgInfo.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "Plateforme.h"
#include "Programme.h"

namespace quillora {

namespace {

QLabel* etiquette(QWidget* parent, const QString& texte, int x, int y, int taille = 0,
                  bool gras = false, bool italique = false) {
    auto* l = new QLabel(texte, parent);
    QFont f = l->font();
    if (taille > 0) f.setPointSize(taille);
    f.setBold(gras);
    f.setItalic(italique);
    l->setFont(f);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

TDlgInfo::TDlgInfo(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(530, 312);

    auto* panneau = new QFrame(this);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panneau->setLineWidth(2);
    panneau->setGeometry(8, 8, 514, 256);

    auto* icone = new QLabel(panneau);
    icone->setPixmap(QPixmap::fromImage(ImageProgramme())
                         .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icone->setGeometry(18, 16, 72, 72);

    QLabel* nom = etiquette(panneau, QStringLiteral("QUILLORA"), 108, 10, 30, true);
    QPalette bleu = nom->palette();
    bleu.setColor(QPalette::WindowText, QColor(0x1f, 0x4e, 0x8c));
    nom->setPalette(bleu);
    etiquette(panneau, TitreProgramme(), 112, 62, 12, true, true);

    etiquette(panneau, QStringLiteral("Auteur"), 18, 106, 0, true);
    const int x = 112;
    etiquette(panneau, QStringLiteral("L'équipe de développement de Quillora"), x, 106);
    etiquette(panneau,
              QStringLiteral("Carnet de notes pour les professeurs de collège et de lycée."), x,
              128);
    etiquette(panneau,
              QStringLiteral("Logiciel gratuit : vous pouvez le copier et le diffuser librement."),
              x, 150);
    etiquette(panneau,
              QStringLiteral("Nouvelles versions, aide et contact : voir le site ci-dessous."), x,
              172);

    etiquette(panneau, QStringLiteral("Site internet sur ce logiciel"), 18, 206, 0, true);
    QLabel* site = etiquette(panneau, QStringLiteral("<a href=\"%1\">%1</a>").arg(SiteOfficiel()),
                             x + 100, 206);
    site->setTextFormat(Qt::RichText);
    site->setObjectName(QStringLiteral("site"));
    site->adjustSize();
    connect(site, &QLabel::linkActivated, this,
            [](const QString& lien) { plateforme().ouvrirUrl(QUrl(lien)); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(530 - 8 - 88, 312 - 8 - 30, 88, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

} // namespace quillora
