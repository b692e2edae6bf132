#include "DialoguesScriptes.h"

#include <QApplication>
#include <QDialog>
#include <algorithm>

namespace quillora::test {

namespace {
// The next scripted answer, or `sinon` once the script runs out.
template <typename T> T prochain(std::deque<T>& script, T sinon) {
    if (script.empty()) return sinon;
    T r = std::move(script.front());
    script.pop_front();
    return r;
}
} // namespace

QStringList DialoguesScriptes::textes() const {
    QStringList l;
    for (const auto& a : affiches) l << a.texte;
    return l;
}

int DialoguesScriptes::nombre(const QString& genre) const {
    return static_cast<int>(
        std::count_if(affiches.begin(), affiches.end(), [&](auto& a) { return a.genre == genre; }));
}

QMessageBox::StandardButton DialoguesScriptes::question(QWidget*, const QString& titre,
                                                        const QString& texte,
                                                        QMessageBox::StandardButtons) {
    affiches.push_back({QStringLiteral("question"), titre, texte});
    return prochain(reponses, QMessageBox::Cancel);
}

QString DialoguesScriptes::fichierAOuvrir(QWidget*, const QString& titre, const QString&,
                                          const QString&) {
    affiches.push_back({QStringLiteral("ouvrir"), titre, {}});
    return prochain(fichiers, QString());
}

QString DialoguesScriptes::fichierAEnregistrer(QWidget*, const QString& titre, const QString&,
                                               const QString&) {
    affiches.push_back({QStringLiteral("enregistrer"), titre, {}});
    return prochain(fichiers, QString());
}

bool DialoguesScriptes::imprimer(QPrinter*, QWidget*) {
    affiches.push_back({QStringLiteral("imprimer"), {}, {}});
    return impressionAcceptee;
}

bool DialoguesScriptes::configurerImprimante(QPrinter* p, QWidget*) {
    affiches.push_back({QStringLiteral("configurer"), {}, {}});
    if (impressionAcceptee && orientation) p->setPageOrientation(*orientation);
    return impressionAcceptee;
}

std::optional<QColor> DialoguesScriptes::couleur(QWidget*, const QColor&) {
    affiches.push_back({QStringLiteral("couleur"), {}, {}});
    return prochain(couleurs, std::optional<QColor>());
}

int DialoguesScriptes::executer(QDialog& d) {
    affiches.push_back({QStringLiteral("dialogue"), d.windowTitle(), {}});
    d.setResult(QDialog::Rejected);
    // The window below gets the activation back, as it does when a modal run ends.
    QWidget* avant = QApplication::activeWindow();
    d.show();
    if (auto geste = prochain(gestes, std::function<void(QDialog&)>())) geste(d);
    if (d.isVisible()) d.reject();
    QApplication::processEvents();
    if (avant) QApplication::setActiveWindow(avant);
    return d.result();
}

Plateforme::ResultatCommande PlateformeFactice::executer(const QString& prog,
                                                         const QStringList& arguments) {
    commandes.push_back({prog, arguments});
    const auto it = reponses.find(prog);
    return it == reponses.end() ? ResultatCommande{} : it->second;
}

} // namespace quillora::test
