// Every field of every dialog is read with its label by a screen reader, and Tab goes through
// all of them and comes back to where it started: no field without a name, none the
// keyboard cannot reach or cannot leave.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "ApercuReleves.h"
#include "DialoguesScriptes.h"
#include "MiseEnPage.h"
#include "NewGraphe.h"
#include "Options.h"
#include "TDLGPrint.h"
#include "TDial01.h"
#include "TDial02.h"
#include "TDial03.h"
#include "TDial04.h"
#include "TDial05.h"
#include "TDial06.h"
#include "TDial07.h"
#include "TDial08.h"
#include "TDial10.h"
#include "TDial11.h"
#include "TDial12.h"
#include "TDial13.h"
#include "TDial14.h"
#include "TDial15.h"
#include "TDial16.h"
#include "TDialImportListe.h"
#include "TDialJournal.h"
#include "TDialOption.h"
#include "TDialReleves.h"
#include "TDlgInfo.h"
#include "Tableau.h"

using namespace quillora;

namespace {

// A field the teacher types in, picks or ticks; not the pieces of another field.
bool EstUnChamp(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p))
            return false;
    if (qobject_cast<const QScrollBar*>(w)) return false;
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QAbstractSlider*>(w);
}

QString Designation(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()),
                                       w->objectName());
}

// The fields a screen reader would read as nothing. A list to pick from is named by its
// choice on this platform: its label comes from the label tied to it.
QStringList SansNom(const QDialog& d) {
    QStringList r;
    for (const QWidget* w : d.findChildren<QWidget*>()) {
        if (!EstUnChamp(w)) continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
        const bool nom = i && (qobject_cast<const QComboBox*>(w)
                                   ? !i->relations(QAccessible::Label).isEmpty()
                                   : !i->text(QAccessible::Name).trimmed().isEmpty());
        if (!nom) r << Designation(w);
    }
    return r;
}

// The visible fields Tab never reaches from the dialog's first focus, or a trap: empty when
// Tab goes through them all and back.
QStringList HorsDuTour(QDialog& d) {
    d.show();
    d.activateWindow();
    if (!QTest::qWaitForWindowActive(&d)) return {QStringLiteral("fenêtre inactive")};
    QWidget* depart = QApplication::focusWidget();
    if (!depart) return {QStringLiteral("aucun focus")};
    QList<const QWidget*> vus{depart};
    for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* ici = QApplication::focusWidget();
        if (ici == depart) break;
        if (i == 399) return {QStringLiteral("piège : ") + Designation(ici)};
        vus << ici;
    }
    QStringList r;
    for (const QWidget* w : d.findChildren<QWidget*>()) {
        if (!EstUnChamp(w) || !w->isVisible() || !w->isEnabled() || vus.contains(w)) continue;
        // Tab stops once on a group of radio buttons; the arrows go from one to the next.
        const auto* radio = qobject_cast<const QRadioButton*>(w);
        const auto groupeVu = [&] {
            for (const QWidget* v : vus)
                if (qobject_cast<const QRadioButton*>(v) && v->parentWidget() == w->parentWidget())
                    return true;
            return false;
        };
        if (radio && radio->autoExclusive() && groupeVu()) continue;
        r << Designation(w);
    }
    return r;
}

class NomsAccessibles : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        c.Initialiser();
        c.AbrevClasse = "3B";
        c.NbEleve = 5;
        c.NbDevoir[1][1] = 2;
        for (int e = 1; e <= 5; ++e) {
            c.Eleve[e].Nom = "NOM" + std::to_string(e);
            c.Eleve[e].Note[1][1][1] = std::to_string(8 + e);
        }
    }
    void TearDown() override { InitOptions(Options); }

    // Each dialog of the program, made as its command makes it.
    std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogues() {
        using D = std::unique_ptr<QDialog>;
        return {
            {"TDial01", [&]() -> D { return std::make_unique<TDial01>(nouvelle); }},
            {"TDial02", [&]() -> D { return std::make_unique<TDial02>(c, "Ajouter", 3); }},
            {"TDial03", [&]() -> D { return std::make_unique<TDial03>(c, 1); }},
            {"TDial04", [&]() -> D { return std::make_unique<TDial04>(c); }},
            {"TDial05", [&]() -> D { return std::make_unique<TDial05>(c); }},
            {"TDial06", [&]() -> D { return std::make_unique<TDial06>(c); }},
            {"TDial07", [&]() -> D { return std::make_unique<TDial07>(c); }},
            {"TDial08", [&]() -> D { return std::make_unique<TDial08>(c); }},
            {"TDial10", [&]() -> D { return std::make_unique<TDial10>(c); }},
            {"TDial11", [&]() -> D { return std::make_unique<TDial11>(c); }},
            {"TDial12", [&]() -> D { return std::make_unique<TDial12>(c); }},
            {"TDial13", [&]() -> D { return std::make_unique<TDial13>(c); }},
            {"TDial14", [&]() -> D { return std::make_unique<TDial14>(c); }},
            {"TDial15", [&]() -> D { return std::make_unique<TDial15>(c); }},
            {"TDial16", [&]() -> D { return std::make_unique<TDial16>(c, TDial16::Supprimer); }},
            {"TDialImportListe",
             [&]() -> D { return std::make_unique<TDialImportListe>(c, true); }},
            {"TDialOption",
             [&]() -> D {
                 return std::make_unique<TDialOption>(nullptr, dossier.filePath("q.ini"), ',');
             }},
            {"TDialJournal",
             [&]() -> D {
                 return std::make_unique<TDialJournal>(std::vector<EntreeJournal>{},
                                                       QStringLiteral("3B.cl3"), QString(), "");
             }},
            {"TDialReleves", [&]() -> D { return std::make_unique<TDialReleves>(c); }},
            {"ApercuReleves",
             [&]() -> D {
                 return std::make_unique<ApercuReleves>(CalculerReleves(c, {{1}, 1, false}),
                                                        QString());
             }},
            {"TDlgInfo", []() -> D { return std::make_unique<TDlgInfo>(); }},
            {"TDLGPrint graphe",
             [&]() -> D {
                 return std::make_unique<TDLGPrint>(nullptr, nullptr, &graphe, &imprimante);
             }},
            {"TDLGPrint tableau",
             [&]() -> D {
                 return std::make_unique<TDLGPrint>(nullptr, &tableau, nullptr, &imprimante);
             }},
            {"MiseEnPage", [&]() -> D { return std::make_unique<MiseEnPage>(&imprimante); }},
        };
    }

    TClasse c, nouvelle;
    QTemporaryDir dossier;
    TNewGraphe graphe;
    TTableau tableau;
    QPrinter imprimante;
    test::DialoguesScriptes reponses;
};

TEST_F(NomsAccessibles, ChaqueChampADesMotsPourLeLecteurDEcran) {
    for (const auto& [nom, faire] : dialogues()) {
        const auto d = faire();
        EXPECT_EQ(SansNom(*d).join(QStringLiteral(", ")).toStdString(), "") << nom;
    }
}

TEST_F(NomsAccessibles, TabPasseParChaqueChampEtRevient) {
    for (const auto& [nom, faire] : dialogues()) {
        const auto d = faire();
        EXPECT_EQ(HorsDuTour(*d).join(QStringLiteral(", ")).toStdString(), "") << nom;
    }
}

} // namespace
