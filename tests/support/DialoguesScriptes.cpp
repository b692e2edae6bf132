#include "DialoguesScriptes.h"

namespace quillora::test {

DialoguesScriptes::DialoguesScriptes() {
    definirDialogues(this);
}
DialoguesScriptes::~DialoguesScriptes() {
    definirDialogues(nullptr);
}

QStringList DialoguesScriptes::textes() const {
    QStringList l;
    for (const auto& a : affiches) l << a.texte;
    return l;
}

int DialoguesScriptes::nombre(const QString& genre) const {
    int n = 0;
    for (const auto& a : affiches) n += a.genre == genre;
    return n;
}

void DialoguesScriptes::information(QWidget*, const QString& titre, const QString& texte) {
    affiches.push_back({QStringLiteral("information"), titre, texte});
}

void DialoguesScriptes::avertissement(QWidget*, const QString& titre, const QString& texte) {
    affiches.push_back({QStringLiteral("avertissement"), titre, texte});
}

void DialoguesScriptes::erreur(QWidget*, const QString& titre, const QString& texte) {
    affiches.push_back({QStringLiteral("erreur"), titre, texte});
}

QMessageBox::StandardButton DialoguesScriptes::question(QWidget*, const QString& titre,
                                                        const QString& texte,
                                                        QMessageBox::StandardButtons) {
    affiches.push_back({QStringLiteral("question"), titre, texte});
    if (reponses.empty()) return QMessageBox::Cancel;
    const auto r = reponses.front();
    reponses.pop_front();
    return r;
}

QString DialoguesScriptes::fichierAOuvrir(QWidget*, const QString& titre, const QString&,
                                          const QString&) {
    affiches.push_back({QStringLiteral("ouvrir"), titre, {}});
    if (fichiers.empty()) return {};
    const QString f = fichiers.front();
    fichiers.pop_front();
    return f;
}

QString DialoguesScriptes::fichierAEnregistrer(QWidget*, const QString& titre, const QString&,
                                               const QString&) {
    affiches.push_back({QStringLiteral("enregistrer"), titre, {}});
    if (fichiers.empty()) return {};
    const QString f = fichiers.front();
    fichiers.pop_front();
    return f;
}

bool DialoguesScriptes::imprimer(QPrinter*, QWidget*) {
    affiches.push_back({QStringLiteral("imprimer"), {}, {}});
    return impressionAcceptee;
}

bool DialoguesScriptes::configurerImprimante(QPrinter*, QWidget*) {
    affiches.push_back({QStringLiteral("configurer"), {}, {}});
    return impressionAcceptee;
}

std::optional<QColor> DialoguesScriptes::couleur(QWidget*, const QColor&) {
    affiches.push_back({QStringLiteral("couleur"), {}, {}});
    if (couleurs.empty()) return std::nullopt;
    const auto c = couleurs.front();
    couleurs.pop_front();
    return c;
}

PlateformeFactice::PlateformeFactice() {
    definirPlateforme(this);
}
PlateformeFactice::~PlateformeFactice() {
    definirPlateforme(nullptr);
}

bool PlateformeFactice::ouvrirUrl(const QUrl& url) {
    urlsOuvertes << url.toString();
    return true;
}

bool PlateformeFactice::ouvrirEditeur(const QString& fichier) {
    fichiersEdites << fichier;
    return true;
}

Plateforme::ResultatCommande PlateformeFactice::executer(const QString& prog,
                                                         const QStringList& arguments) {
    commandes.push_back({prog, arguments});
    const auto it = reponses.find(prog);
    if (it == reponses.end()) return {};
    return it->second;
}

} // namespace quillora::test
