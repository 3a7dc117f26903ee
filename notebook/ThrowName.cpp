#include "notebook/ThrowName.h"

#include "toolkit/NumberText.h"

#include <cmath>

namespace lopena {

namespace {

// The gravity each window starts with, m/s^2: a throw with it says nothing of g.
constexpr double mainGravity = 9.806, labGravity = 9.81;

bool sameNumber(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::fabs(b); // the main window reads g in single precision
}

std::string number(double value, const tk::Locale& locale) {
    return tk::GeneralNumber(value, locale);
}

// What follows the speed (and the angle): the height, the medium, the ball, the gravity.
std::string rest(const ThrowRecord& flight, const tk::Locale& locale) {
    std::string text;
    if (flight.lab) {
        const physics::Launch& l = flight.lab->flight.launch;
        text += ", h0 " + number(l.h0, locale) + " m";
        if (l.medium == physics::Medium::Vacuum)
            text += ", vid";
        else if (l.medium == physics::Medium::LinearDrag)
            text += ", aer, k " + number(l.k, locale) + " 1/s";
        else
            text += ", aer" + (flight.lab->body.empty() ? "" : ", " + flight.lab->body);
    }
    if (!sameNumber(flight.g, flight.lab ? labGravity : mainGravity))
        text += ", g " + number(flight.g, locale) + " m/s2";
    return text;
}

} // namespace

std::string throwName(const ThrowRecord& flight, const tk::Locale& locale) {
    return number(flight.v0, locale) + " m/s, " + number(flight.angleDegrees, locale) + "\xC2\xB0" +
           rest(flight, locale);
}

std::string launchNameWithoutAngle(const ThrowRecord& flight, const tk::Locale& locale) {
    return number(flight.v0, locale) + " m/s" + rest(flight, locale);
}

} // namespace lopena
