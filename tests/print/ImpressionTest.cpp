#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "DrawingHelpers.h"
#include "ImpressionQt.h"
#include "NewGraphe.h"
#include "Options.h"
#include "TDLGPrint.h"
#include "TFeuille.h"
#include "Tableau.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// Without a printer, on an A4 PDF page; the print dialog is confirmed.
class Impression : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
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
    void TearDown() override { InitOptions(Options); }

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
    QString texte() {
        QProcess p;
        p.start("pdftotext", {dossier.filePath("page.pdf"), "-"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    PlateformeFactice plateforme;
    QPrinter imprimante{QPrinter::HighResolution};
    TNewGraphe graphe;
    TTableau tableau;
};

int colorees(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() != c.green() || c.green() != c.blue();
        }
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
    EXPECT_EQ(d.F->width(), 311);
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
        EXPECT_GT(colorees(page), 100) << "colour, " << contenu;
        EXPECT_GE(plusLongTraitVertical(page), hauteurZone - 2) << "frame, " << contenu;
        EXPECT_TRUE(texte().contains(contenu ? tableau.Caption() : graphe.Caption())) << contenu;

        d.findChild<QCheckBox*>(QStringLiteral("CB"))->setChecked(true);
        d.findChild<QCheckBox*>(QStringLiteral("CB2"))->setChecked(false);
        page = imprimer(d);
        EXPECT_EQ(colorees(page), 0) << "black and white, " << contenu;
        EXPECT_LT(plusLongTraitVertical(page), hauteurZone * 9 / 10) << "no frame, " << contenu;
        EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 2 * (contenu + 1));
    }
    // Black and white chosen in the settings: the box starts ticked.
    Options.noirblanc = true;
    TDLGPrint noirBlanc(nullptr, &tableau, nullptr, &imprimante);
    EXPECT_TRUE(noirBlanc.findChild<QCheckBox*>(QStringLiteral("CB"))->isChecked());
}
