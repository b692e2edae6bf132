#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

namespace quillora::test {

// What one accessibility event said, read while it was sent: the event and what it
// points at do not outlive the update handler's call.
struct EvenementLu {
    QAccessible::Event type = QAccessible::InvalidEvent;
    QObject* objet = nullptr;
    QString nom;      // the name of what the event is about
    int ligne = -9;   // its row and column when it is a table's cell or header
    int colonne = -9; // (-1 for a header)
    QAccessible::Role role = QAccessible::NoRole;
};

// Turns the toolkit's accessibility on, as the arrival of a screen reader does, and keeps
// the events sent while it lives. The accessibility stays on for the rest of the program.
class EcouteAccessible {
public:
    EcouteAccessible();
    ~EcouteAccessible();
    EcouteAccessible(const EcouteAccessible&) = delete;
    EcouteAccessible& operator=(const EcouteAccessible&) = delete;

    QList<EvenementLu> evenements;
    // Only those of `type`.
    QList<EvenementLu> De(QAccessible::Event type) const;
};

// Where a table's cell or header stands, as an event would report it.
EvenementLu Lire(QAccessibleInterface* iface, QAccessible::Event type = QAccessible::InvalidEvent);

} // namespace quillora::test

// Test failures show texts as text, not as arrays of characters.
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
