// The projectile model over any inputs: a launch is solved or refused with a Romanian message
// naming an input; a solved one has only finite results, a positive time of flight, and a
// finite state at any time; its worked solution and best angle hold no NaN or infinity.
#include "FuzzSupport.h"

#include "physics/LaunchSolution.h"
#include "physics/Trajectory.h"

namespace {

void checkFinite(std::initializer_list<double> values, const char* what, const std::string& in) {
    for (double v : values)
        fuzz::check(std::isfinite(v), what, in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + 10 * 8)
        return 0;
    physics::Launch l;
    l.medium = static_cast<physics::Medium>(data[0] % 3);
    double* fields[] = {&l.v0, &l.angle, &l.h0, &l.g, &l.k, &l.mass, &l.diameter, &l.cd, &l.rho};
    for (std::size_t i = 0; i < 9; ++i)
        *fields[i] = fuzz::doubleFrom(data + 1 + 8 * i);
    const double at = fuzz::doubleFrom(data + 1 + 72);
    char text[400];
    std::snprintf(text, sizeof text, "medium %d v0 %a angle %a h0 %a g %a k %a m %a d %a cd %a rho %a",
                  data[0] % 3, l.v0, l.angle, l.h0, l.g, l.k, l.mass, l.diameter, l.cd, l.rho);
    const std::string in = text;

    const auto r = physics::solve(l);
    if (!r) {
        fuzz::check(!r.refusal().message.empty(), "a refusal is explained", in);
        return 0;
    }
    checkFinite({r->T, r->D, r->H, r->apexTime, r->V, r->impactAngle}, "finite results", in);
    fuzz::check(r->T > 0 && r->apexTime <= r->T && r->H >= l.h0, "an ordered flight", in);
    const physics::State s = r->at(at);
    checkFinite({s.t, s.x, s.y, s.vx, s.vy, s.ax, s.ay}, "a finite state", in);
    if (data[0] & 0x80) {
        const std::string html = physics::solutionHtml(*r, tk::Locale::romanian());
        fuzz::check(html.find("NaN") == html.npos && html.find("Infinity") == html.npos,
                    "a solution with numbers only", in);
    }
    if ((data[0] & 0x40) && l.medium == physics::Medium::Vacuum) {
        const auto best = physics::bestAngle(l);
        fuzz::check(!best || (std::isfinite(best->D) && best->angle >= 0 && best->angle <= 90),
                    "a best angle", in);
    }
    return 0;
}
