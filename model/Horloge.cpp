#include "Horloge.h"

#include <ctime>
#include <utility>

namespace quillora {

namespace {

DateHeure heureLocale() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::function<DateHeure()>& horlogeCourante() {
    static std::function<DateHeure()> h = heureLocale;
    return h;
}

} // namespace

DateHeure Maintenant() {
    return horlogeCourante()();
}

void DefinirHorloge(std::function<DateHeure()> horloge) {
    horlogeCourante() = std::move(horloge);
}

void HorlogeSysteme() {
    horlogeCourante() = heureLocale;
}

int JourSemaine(int annee, int mois, int jour) {
    // Sakamoto's method.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (mois < 3) annee -= 1;
    return (annee + annee / 4 - annee / 100 + annee / 400 + t[mois - 1] + jour) % 7;
}

} // namespace quillora
