#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quillora {

class TSendMailThread;

// The text of the last hand-off's result, kept between sends.
extern QString DernierMessageMail;

// The text of a result code (0 sent, 1 no mail program, 2 not sent, 11 attachment missing...);
// empty for a code without one.
QString TexteResultatMail(int code);
// xdg-email's exit status mapped onto the result codes.
int CodeResultatCourrier(int statut);
// The result when no mail program is there to take the message (xdg-email finds none
// configured, or is missing itself).
inline constexpr int CodeSansMessagerie = 1;
// xdg-email's arguments for a message; each text is one argument, never read by a shell.
QStringList ArgumentsCourrier(const QString& a, const QString& sujet, const QString& corps,
                              const QString& pieceJointe);

// Hands a message to the desktop's mail program. Synchronous: waits for the hand-off, sets
// DernierMessageMail and returns true for result 0. Otherwise starts a TSendMailThread and
// returns true at once.
bool EnvoyerMail(const QString& a, const QString& sujet, const QString& corps, bool synchrone,
                 const QString& pieceJointe);

// What the mail command says when no mail program is configured: the archive is kept, and
// the teacher may open its folder to attach it by hand.
void ProposerEnvoiALaMain(QWidget* fenetre, const QString& archive);

// The mail command's work once the class is saved: packs `fichierClasse` into an archive of
// the temporary folder named after it and hands it over, with the subject "Fichier:" and
// its name, to the mail program; a warning in `fenetre` says why when that fails, or offers
// to open the archive's folder when there is no mail program. The sending thread, already
// started, or null when the command stopped before sending.
TSendMailThread* EnvoyerClasseParMail(QWidget* fenetre, const QString& fichierClasse);

} // namespace quillora
