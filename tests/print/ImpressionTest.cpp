#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "ApercuReleves.h"
#include "ConversionsQt.h"
#include "Cp1252.h"
#include "DessinReleve.h"
#include "DialoguesScriptes.h"
#include "DrawingHelpers.h"
#include "Horloge.h"
#include "ImpressionQt.h"
#include "ImpressionReleves.h"
#include "NewGraphe.h"
#include "Options.h"
#include "TDLGPrint.h"
#include "TFeuille.h"
#include "Tableau.h"

using namespace quillora;
using namespace quillora::test;

namespace {

const QPageLayout A4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Point);

// Three subjects of 24 assignments in every trimester, long comments; the names are the
// longest a class file holds, with accents, and the last student has no grade at all.
TClasse classePleine() {
    TClasse c;
    c.Initialiser();
    c.NbEleve = 4;
    c.AbrevClasse = "2NDE4";
    const char* matieres[] = {"Mathématiques", "Physique-Chimie", "SVT"};
    for (int s = 1; s <= 3; ++s) c.Matiere[s].Nom = cp1252(matieres[s - 1]);
    const char* noms[][2] = {{"ÉTIENNE-DUVAL-ZÉLIE", "Marie-Ève-Héloïse"},
                             {"MARTIN", "Léa"},
                             {"D'ALEMBERT-ÇAVIÈRES", "Anaïs"},
                             {"NOUVEAU", "Noé"}};
    for (int e = 1; e <= 4; ++e) {
        c.Eleve[e].Nom = cp1252(noms[e - 1][0]);
        c.Eleve[e].Prenom = cp1252(noms[e - 1][1]);
    }
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 3; ++p) {
            c.NbDevoir[s][p] = 24;
            for (int a = 1; a <= 24; ++a) {
                c.Devoir[s][p][a].Date = std::to_string(a) + "/10/2026";
                c.Devoir[s][p][a].Commentaire =
                    cp1252("Contrôle n°" + std::to_string(a) + " : équations et inéquations");
                for (int e = 1; e <= 3; ++e)
                    c.Eleve[e].Note[s][p][a] = (a + e) % 7 == 0
                                                   ? std::string("abs")
                                                   : std::to_string((a * e + 5 * s + p) % 21);
            }
        }
    return c;
}

// The pages of a PDF as pdftotext reads them, each line as it lies on the page.
QStringList textePdf(const QString& fichier) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fichier, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// Without a printer, on an A4 PDF page; the print dialog is confirmed.
class Impression : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        DefinirHorloge([] { return DateHeure{2026, 12, 5, 14, 7, 0}; });
        ASSERT_TRUE(dossier.isValid());
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setPageSize(QPageSize(QPageSize::A4));
        graphe.SetCaption(QStringLiteral("Devoir 2 - Trim.1"));
        graphe.SetMode(mBarre);
        graphe.SetNbBarre(6);
        for (int i = 1; i <= 6; ++i) {
            graphe.Barre(i)->Valeur = 2 * i;
            graphe.Barre(i)->CouleurBarre = i < 4 ? Qt::red : QColor(0, 128, 0);
        }
        graphe.SetCouleurPolice(Qt::blue);
        tableau.SetCaption(QStringLiteral("Moyenne de classe (3A)"));
        tableau.SetCouleurPolice(Qt::blue);
    }
    void TearDown() override {
        HorlogeSysteme();
        InitOptions(Options);
    }

    void cliquer(TDLGPrint& d, const char* nom) {
        d.findChild<QAbstractButton*>(QLatin1String(nom))->click();
    }

    // Prints and reads the page back at 100 dpi, without smoothing, so that colours stay pure.
    QImage imprimer(TDLGPrint& d) {
        const QString pdf = dossier.filePath("page.pdf"), racine = dossier.filePath("page");
        imprimante.setOutputFileName(pdf);
        EXPECT_TRUE(d.Imprimer());
        EXPECT_EQ(QProcess::execute("pdftoppm", {"-r", "100", "-aa", "no", "-aaVector", "no",
                                                 "-singlefile", "-png", pdf, racine}),
                  0);
        return QImage(racine + ".png").convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    PlateformeFactice plateforme;
    QPrinter imprimante{QPrinter::HighResolution};
    TNewGraphe graphe;
    TTableau tableau;
};
using Releves = Impression;

// The pixels of `img` that `f` picks; by default, those that are not a grey.
int compter(
    const QImage& img,
    bool (*f)(QColor) = [](QColor c) { return c.red() != c.green() || c.green() != c.blue(); }) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += f(img.pixelColor(x, y));
    return n;
}

// The longest vertical run of black pixels: only the frame's sides run the zone's height.
int plusLongTraitVertical(const QImage& img) {
    int plus = 0;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0, n = 0; y < img.height(); ++y) {
            n = img.pixelColor(x, y) == Qt::black ? n + 1 : 0;
            plus = std::max(plus, n);
        }
    return plus;
}

} // namespace

TEST_F(Impression, LaZoneSuitLaDispositionEtLaPageTourneAvecLOrientation) {
    TDLGPrint d(nullptr, nullptr, &graphe, &imprimante);
    const int W = d.LargeurPage, H = d.HauteurPage;
    ASSERT_LT(W, H);
    cliquer(d, "SB6"); // "Centré"
    EXPECT_EQ(QRect(d.ZoneX, d.ZoneY, d.ZoneLargeur, d.ZoneHauteur),
              QRect(W / 4, H / 4, W / 2, H / 2));
    const double k = 300.0 / H;
    EXPECT_EQ(d.G->geometry(), QRect(roundHalfEven(W / 4 * k) + 11, roundHalfEven(H / 4 * k) + 11,
                                     roundHalfEven(W / 2 * k), roundHalfEven(H / 2 * k)));

    cliquer(d, "SB11"); // "Paysage"
    EXPECT_EQ(std::make_pair(d.LargeurPage, d.HauteurPage), std::make_pair(H, W));
    cliquer(d, "SB3"); // "Page entière"
    EXPECT_EQ(QRect(d.ZoneX, d.ZoneY, d.ZoneLargeur, d.ZoneHauteur), QRect(0, 0, H, W));
}

// The page is drawn by the control itself in vectors: text stays text, black and white is
// black and white, the frame goes when unchecked; a chart or the report alike.
TEST_F(Impression, LaPageImprimeeEnNoirEtBlancSansCadreGardeSonTexte) {
    for (int contenu : {0, 1}) {
        Options.noirblanc = false;
        TDLGPrint d(nullptr, contenu ? &tableau : nullptr, contenu ? nullptr : &graphe,
                    &imprimante);
        cliquer(d, "SB6");
        const int hauteurZone = d.ZoneHauteur * 100 / 300;
        QImage page = imprimer(d);
        EXPECT_GT(compter(page), 100) << "colour, " << contenu;
        EXPECT_GE(plusLongTraitVertical(page), hauteurZone - 2) << "frame, " << contenu;
        EXPECT_TRUE(textePdf(dossier.filePath("page.pdf"))
                        .join("")
                        .contains(contenu ? tableau.Caption() : graphe.Caption()))
            << contenu;

        d.findChild<QCheckBox*>(QStringLiteral("CB"))->setChecked(true);
        d.findChild<QCheckBox*>(QStringLiteral("CB2"))->setChecked(false);
        page = imprimer(d);
        EXPECT_EQ(compter(page), 0) << "black and white, " << contenu;
        EXPECT_LT(plusLongTraitVertical(page), hauteurZone * 9 / 10) << "no frame, " << contenu;
        EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 2 * (contenu + 1));
    }
    // Black and white chosen in the settings: the box starts ticked.
    Options.noirblanc = true;
    TDLGPrint noirBlanc(nullptr, &tableau, nullptr, &imprimante);
    EXPECT_TRUE(noirBlanc.findChild<QCheckBox*>(QStringLiteral("CB"))->isChecked());
}

TEST_F(Releves, RienNEstCoupeEtChaqueEleveCommenceUnePage) {
    const TClasse c = classePleine();
    // A4, and short pages that cut blocks anywhere.
    const double a4 = ZoneTexte(A4).height();
    std::vector<std::pair<int, double>> cas;
    for (int periode : {1, 4})
        for (double hauteur = 70; hauteur <= a4 + 9; hauteur += 9.7)
            cas.emplace_back(periode, std::min(hauteur, a4));
    for (const auto& [periode, hauteur] : cas) {
        const auto releves = CalculerReleves(c, {{}, periode, true});
        const auto pages = MettreEnPage(releves, hauteur);
        std::map<int, std::multiset<std::pair<int, int>>> lignes; // report -> (block, row)
        int releve = -1;
        for (const PageReleve& p : pages) {
            // A report starts on a page of its own, numbered 1, the next one after.
            if (p.page == 1) {
                EXPECT_EQ(p.releve, ++releve);
            }
            EXPECT_EQ(p.releve, releve);
            int bloc = -1;
            // A heading never ends a page; averages never open one.
            const auto dernier = p.elements.back().genre;
            EXPECT_TRUE(dernier != ElementReleve::TitreBloc &&
                        dernier != ElementReleve::EnTeteTableau);
            for (std::size_t i = 0; i < p.elements.size(); ++i) {
                const ElementReleve& e = p.elements[i];
                if (e.genre == ElementReleve::Moyennes) {
                    EXPECT_EQ(p.elements[i - 1].genre, ElementReleve::LigneNote);
                }
                EXPECT_LE(e.y + e.hauteur, hauteur + 1e-9) << "page " << p.page;
                if (e.genre == ElementReleve::TitreBloc) bloc = e.bloc;
                if (e.genre != ElementReleve::LigneNote) continue;
                // Every row of a page stands under its block's heading on that page.
                EXPECT_EQ(e.bloc, bloc);
                lignes[p.releve].insert({e.bloc, e.ligne});
            }
        }
        ASSERT_EQ(releve, 3);
        for (int r = 0; r < 3; ++r) {
            std::multiset<std::pair<int, int>> attendues;
            for (int b = 0; b < static_cast<int>(releves[r].blocs.size()); ++b)
                for (int l = 0; l < 24; ++l) attendues.insert({b, l});
            EXPECT_EQ(lignes[r], attendues) << "report " << r;
        }
        // 72 assignments of a trimester take a second page of A4, never a third.
        if (periode == 1 && hauteur == a4) {
            EXPECT_EQ(pages[0].pages, 2);
        }
        EXPECT_EQ(pages.back().pages, 1); // the student without grades
        EXPECT_EQ(pages.back().elements.back().genre, ElementReleve::AucuneNote);
    }
}

TEST_F(Releves, LePdfPorteLeNomSurChaquePageEtLesMoyennesDeLExport) {
    Options.prenom = true;
    const TClasse c = classePleine();
    const auto releves = CalculerReleves(c, {{}, 1, true});
    QByteArray pdf;
    ASSERT_TRUE(PdfReleves(releves, true, A4, TitreReleves(releves), pdf));
    const QString fichier = dossier.filePath(QStringLiteral("releves.pdf"));
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(pdf) == pdf.size());
    f.close();
    const QStringList pages = textePdf(fichier);
    const auto miseEnPage = MettreEnPage(releves, ZoneTexte(A4).height());
    ASSERT_EQ(pages.size(), static_cast<qsizetype>(miseEnPage.size()));

    // On every page its student's name once, and no other; its number; in each row of the
    // summary, the student's average and the class's as the synthesis's export text has them.
    const QStringList export_ = texteQt(TexteExport(c, 4, 1)).split(QLatin1Char('\r'));
    const QStringList classe = export_.back().split(QLatin1Char('\t'));
    const QStringList intitules = {texteQt(c.Matiere[1].Nom), texteQt(c.Matiere[2].Nom),
                                   texteQt(c.Matiere[3].Nom), QStringLiteral("Moyenne générale")};
    int verifiees = 0;
    for (int i = 0; i < pages.size(); ++i) {
        const int e = releves[miseEnPage[i].releve].eleve;
        for (int autre = 1; autre <= c.NbEleve; ++autre)
            EXPECT_EQ(pages[i].count(texteQt(c.NomEleve(autre, true))), autre == e ? 1 : 0) << i;
        EXPECT_TRUE(pages[i].contains(
            QStringLiteral("Page %1 sur %2").arg(miseEnPage[i].page).arg(miseEnPage[i].pages)));
        const QStringList eleve =
            export_.filter(texteQt(c.NomEleve(e, true))).value(0).split(QLatin1Char('\t'));
        for (const QString& ligne : pages[i].split(QLatin1Char('\n')))
            for (int k = 0; k < 4; ++k) {
                // A summary row goes on with its coefficient, unlike the charts' titles.
                if (!ligne.contains(QRegularExpression(QStringLiteral("^\\s*") + intitules[k] +
                                                       QStringLiteral("\\s{2,}[0-9]"))))
                    continue;
                const QStringList mots = ligne.simplified().split(QLatin1Char(' '));
                EXPECT_TRUE(mots.contains(eleve.value(k + 1)) && mots.contains(classe[k + 1]))
                    << ligne << " / " << eleve.join('|');
                ++verifiees;
            }
    }
    EXPECT_EQ(verifiees, 3 * 4);
    EXPECT_TRUE(
        pages.back().contains(QStringLiteral("Aucune note pour cet élève ce trimestre 1.")));
}

TEST_F(Releves, LApercuTourneLesPagesImprimeEtEnregistreUnSeulPdf) {
    Options.noirblanc = false;
    const QString classe = dossier.filePath(QStringLiteral("2nde4.cl3"));
    QFile f(classe);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("classe") == 6);
    f.close();
    ImprimanteProgramme().setPageLayout(A4);
    ApercuReleves a(CalculerReleves(classePleine(), {{1, 4}, 1, false}), classe);
    auto* position = a.findChild<QLabel*>(QStringLiteral("Position"));
    auto bouton = [&a](const char* nom) {
        return a.findChild<QAbstractButton*>(QLatin1String(nom));
    };
    ASSERT_EQ(a.NbPages(), 3);
    EXPECT_EQ(position->text(),
              QStringLiteral("Page 1 sur 3 : ÉTIENNE-DUVAL-ZÉLIE Marie-Ève-Héloïse (1 sur 2)"));

    // Colour on screen, below-the-mark values in red; nothing but greys in black and white.
    EXPECT_GT(compter(a.ImagePage(),
                      [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }),
              50);
    bouton("NoirBlanc")->click();
    EXPECT_EQ(compter(a.ImagePage()), 0);

    for (int i = 0; i < 7; ++i) bouton("ZoomMoins")->click();
    EXPECT_EQ(plateforme.bips, 2) << "the smallest page is a limit";
    bouton("Derniere")->click();
    EXPECT_EQ(position->text(), QStringLiteral("Page 3 sur 3 : NOUVEAU Noé (1 sur 1)"));
    EXPECT_FALSE(bouton("Suivante")->isEnabled());

    // One PDF for every report; never over the class's file; a failure said.
    const QString absent = dossier.filePath(QStringLiteral("absent/r.pdf"));
    const QString lien = dossier.filePath(QStringLiteral("lien.pdf"));
    ASSERT_TRUE(QFile::link(classe, lien));
    dialogues.fichiers = {dossier.filePath(QStringLiteral("releves")), lien, absent};
    EXPECT_TRUE(a.EnregistrerPdf());
    EXPECT_EQ(textePdf(dossier.filePath(QStringLiteral("releves.pdf"))).size(), 3);
    EXPECT_FALSE(a.EnregistrerPdf());
    EXPECT_FALSE(a.EnregistrerPdf());
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 2);
    EXPECT_TRUE(dialogues.textes().contains(QStringLiteral("Impossible de créer le fichier \"") +
                                            absent +
                                            "\". Le fichier ou le dossier est introuvable."));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "classe");
    f.close();

    // Printing without a printer goes to a PDF beside the class, through the print dialog,
    // which may name the class itself; once written, the teacher is told where it is.
    const QString pdf = dossier.filePath(QStringLiteral("2nde4 - Relevés de notes.pdf"));
    ASSERT_TRUE(QFile::link(classe, pdf));
    dialogues.affiches.clear();
    EXPECT_FALSE(a.Imprimer());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "classe");
    f.close();
    ASSERT_TRUE(QFile::remove(pdf));
    EXPECT_TRUE(a.Imprimer());
    EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 2);
    EXPECT_EQ(dialogues.textes().filter(QStringLiteral("2nde4")),
              (QStringList{"Impossible de créer le fichier \"" + pdf +
                               "\". C'est le fichier de la classe ; il n'est pas remplacé.",
                           "Le fichier " + pdf + " est créé."}));
    EXPECT_EQ(textePdf(pdf).size(), 3);
}
