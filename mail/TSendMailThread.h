#pragma once

#include <QStringList>
#include <QThread>

namespace quillora {

// Hands one message to the mail program away from the window's thread: the hand-off lasts
// as long as the mail program wants (a first start of it, a compose window), and the window
// must not freeze meanwhile. Holds its own copies of the texts and deletes itself when done.
class TSendMailThread : public QThread {
    Q_OBJECT
public:
    TSendMailThread(QString a, QString sujet, QString corps, QString pieceJointe,
                    QObject* parent = nullptr);

signals:
    // The result code of the hand-off, delivered on the thread that started it.
    void envoye(int code);

protected:
    void run() override;

private:
    const QString a_, sujet_, corps_, pieceJointe_;
};

} // namespace quillora
