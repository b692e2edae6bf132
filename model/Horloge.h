#pragma once

#include <functional>

namespace quillora {

struct DateHeure {
    int annee = 2000;
    int mois = 1; // 1..12
    int jour = 1; // 1..31
    int heure = 0;
    int minute = 0;
    int seconde = 0;
};

// "Today" and "now" for the whole program. Tests put a fixed date in its place.
DateHeure Maintenant();
void DefinirHorloge(std::function<DateHeure()> horloge);
// Back to the system's local time.
void HorlogeSysteme();

// 0 = Sunday .. 6 = Saturday, for any date of the Gregorian calendar.
int JourSemaine(int annee, int mois, int jour);

} // namespace quillora
