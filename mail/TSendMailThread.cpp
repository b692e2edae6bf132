#include "TSendMailThread.h"

#include "Courrier.h"
#include "Plateforme.h"

namespace quillora {

TSendMailThread::TSendMailThread(QString a, QString sujet, QString corps, QString pieceJointe,
                                 QObject* parent)
    : QThread(parent), a_(std::move(a)), sujet_(std::move(sujet)), corps_(std::move(corps)),
      pieceJointe_(std::move(pieceJointe)) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void TSendMailThread::run() {
    const int statut =
        plateforme().remettreCourrier(ArgumentsCourrier(a_, sujet_, corps_, pieceJointe_));
    emit envoye(CodeResultatCourrier(statut));
}

} // namespace quillora
