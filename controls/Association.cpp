#include "Association.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include "Dialogues.h"
#include "Plateforme.h"
#include "Programme.h"

namespace quillora {

namespace {

const QString fichierBureau = QStringLiteral("quillora.desktop");

// Class files have a type name of their own; any other extension is named after itself.
QString typeMime(const QString& ext) {
    return QStringLiteral("application/x-quillora-") +
           (ext == QLatin1String("cl3") ? QStringLiteral("classe") : ext);
}

QString sansPoint(QString ext) {
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    return ext;
}

bool ecrire(const QString& chemin, const QByteArray& contenu) {
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath())) return false;
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(contenu) != contenu.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool reussit(const QString& programme, const QStringList& arguments) {
    const auto r = plateforme().executer(programme, arguments);
    return r.demarree && r.code == 0;
}

// A program path as the Exec key of a desktop file wants it: quoted, with the quoting's
// own escapes, then the escapes of every desktop-file string, then "%" doubled so that it
// is not taken for a field code.
QString argumentExec(const QString& chemin) {
    QString cite;
    for (QChar c : chemin) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            cite += QLatin1Char('\\');
        cite += c;
    }
    cite = QLatin1Char('"') + cite + QLatin1Char('"');
    cite.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    cite.replace(QLatin1String("%"), QLatin1String("%%"));
    return cite;
}

// The value of the Exec key of the main group, its string escapes undone.
QString valeurExec(const QString& contenu) {
    bool groupePrincipal = false;
    for (const QString& ligne : contenu.split(QLatin1Char('\n'))) {
        const QString l = ligne.trimmed();
        if (l.startsWith(QLatin1Char('['))) {
            groupePrincipal = l == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!groupePrincipal || !l.startsWith(QLatin1String("Exec"))) continue;
        const QString reste = l.mid(4).trimmed();
        if (!reste.startsWith(QLatin1Char('='))) continue;
        const QString brut = reste.mid(1).trimmed();
        QString valeur;
        for (qsizetype i = 0; i < brut.size(); ++i) {
            if (brut[i] != QLatin1Char('\\') || i + 1 == brut.size()) {
                valeur += brut[i];
                continue;
            }
            const QChar c = brut[++i];
            valeur += c == QLatin1Char('s')   ? QChar(QLatin1Char(' '))
                      : c == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                      : c == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                      : c == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                              : c;
        }
        return valeur;
    }
    return {};
}

// The program that an Exec value runs: its first argument, unquoted.
QString premierArgument(const QString& exec) {
    QString argument;
    bool entreGuillemets = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (entreGuillemets) {
            if (c == QLatin1Char('"')) {
                entreGuillemets = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                argument += exec[++i];
            } else {
                argument += c;
            }
        } else if (c == QLatin1Char('"')) {
            entreGuillemets = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (!argument.isEmpty()) break;
        } else {
            argument += c;
        }
    }
    argument.replace(QLatin1String("%%"), QLatin1String("%"));
    return argument;
}

bool memeProgramme(const QString& a, const QString& b) {
    if (a == b) return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString ProgrammeAssocie(const QString& ext) {
    const auto r = plateforme().executer(
        QStringLiteral("xdg-mime"),
        {QStringLiteral("query"), QStringLiteral("default"), typeMime(sansPoint(ext))});
    if (!r.demarree || r.code != 0) return {};
    const QString id = r.sortie.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (id.isEmpty()) return {};
    for (const QString& dossier : plateforme().dossiersDonnees()) {
        QFile f(dossier + QStringLiteral("/applications/") + id);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QString programme = premierArgument(valeurExec(QString::fromUtf8(f.readAll())));
        // A bare name is looked for on the PATH, as the desktop will.
        if (!programme.isEmpty() && !programme.contains(QLatin1Char('/'))) {
            const QString trouve = QStandardPaths::findExecutable(programme);
            if (!trouve.isEmpty()) programme = trouve;
        }
        return programme;
    }
    return {};
}

bool AssocierExtension(const QString& ext, const QString& commande, const QString& description) {
    const QStringList dossiers = plateforme().dossiersDonnees();
    if (dossiers.isEmpty()) return false;
    const QString donnees = dossiers.first();
    const QString e = sansPoint(ext);
    const QString type = typeMime(e);

    const QString xml =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"%1\">\n"
            "    <comment>%2</comment>\n"
            "    <glob pattern=\"*.%3\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n")
            .arg(type, description.toHtmlEscaped(), e.toHtmlEscaped());
    if (!ecrire(donnees + QStringLiteral("/mime/packages/quillora-") + e + QStringLiteral(".xml"),
                xml.toUtf8()) ||
        !reussit(QStringLiteral("update-mime-database"), {donnees + QStringLiteral("/mime")}))
        return false;

    const QString bureau = QStringLiteral("[Desktop Entry]\n"
                                          "Type=Application\n"
                                          "Name=Quillora\n"
                                          "GenericName=Carnet de notes\n"
                                          "Comment=Carnet de notes du professeur\n"
                                          "Exec=%1 %f\n"
                                          "Icon=quillora\n"
                                          "Terminal=false\n"
                                          "MimeType=%2;\n"
                                          "Categories=Education;\n")
                               .arg(argumentExec(commande), type);
    if (!ecrire(donnees + QStringLiteral("/applications/") + fichierBureau, bureau.toUtf8()))
        return false;

    if (!reussit(QStringLiteral("xdg-mime"), {QStringLiteral("default"), fichierBureau, type}))
        return false;

    QByteArray png;
    QBuffer tampon(&png);
    return tampon.open(QIODevice::WriteOnly) && ImageProgramme().save(&tampon, "PNG") &&
           ecrire(donnees + QStringLiteral("/icons/hicolor/128x128/apps/quillora.png"), png);
}

bool VerifierAssociation(const QString& ext, const QString& description, bool actif,
                         bool demanderReessai) {
    if (!actif) return true;
    const QString e = sansPoint(ext);
    const QString programme = plateforme().cheminProgramme();
    const QString associe = ProgrammeAssocie(e);
    if (!associe.isEmpty() && memeProgramme(associe, programme)) return true;

    const QString texte =
        QStringLiteral("Extension de fichier: ") + e.toUpper() + QStringLiteral("\r") +
        QStringLiteral("Cette extension n'est pas associée à ce programme") + QStringLiteral(".") +
        QStringLiteral("\r\r") + QStringLiteral("Pour information") + QStringLiteral(": ") +
        QStringLiteral("\r\r") + QStringLiteral("Programme en cours de lancement") +
        QStringLiteral(": ") + QStringLiteral("\r") + QStringLiteral(" - ") +
        QStringLiteral("Nom") + QStringLiteral(": ") + QFileInfo(programme).fileName().toLower() +
        QStringLiteral("\r") + QStringLiteral(" - ") + QStringLiteral("Chemin complet") +
        QStringLiteral(": ") + programme.toLower() + QStringLiteral("\r\r") +
        QStringLiteral("Programme actuellement associé par le système") + QStringLiteral(": ") +
        QStringLiteral("\r") + QStringLiteral(" - ") +
        (associe.isEmpty() ? QStringLiteral("( Aucun )") : associe.toLower()) +
        QStringLiteral("\r\r") +
        QStringLiteral("Voulez vous associer cette extension à ce programme") +
        QStringLiteral(" ?");
    if (dialogues().question(nullptr, titreInformation(), texte,
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return true;
    if (AssocierExtension(e, programme, description) || !demanderReessai) return true;

    const QString echec =
        QStringLiteral("Impossible de réaliser l'association suivante: \r\rExtension: ") +
        e.toUpper() + QStringLiteral("\r") + QStringLiteral("Programme à associer") +
        QStringLiteral(": ") + programme + QStringLiteral("\r\r") +
        QStringLiteral("Voulez vous toujours essayer au prochain lancement") + QStringLiteral(" ?");
    return dialogues().question(nullptr, titreAvertissement(), echec,
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace quillora
