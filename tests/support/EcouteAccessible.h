#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

#include "ImpressionQt.h" // test failures show texts as text

namespace quillora::test {

// What one accessibility event said, read while it was sent: the event and what it
// points at do not outlive the update handler's call.
struct EvenementLu {
    QAccessible::Event type = QAccessible::InvalidEvent;
    QString nom;    // the name of what the event is about
    int ligne = -9; // its row and column when it is a table's cell
    int colonne = -9;
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

} // namespace quillora::test
