#include "physics/Boost.h"
#include "physics/Internal.h"

#include <boost/math/special_functions/cos_pi.hpp>
#include <boost/math/special_functions/lambert_w.hpp>
#include <boost/math/special_functions/sin_pi.hpp>
#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <cmath>
#include <cstdlib>
#include <limits>

#ifdef BOOST_NO_EXCEPTIONS
#include <boost/throw_exception.hpp>

// Boost's error hook in a build without exceptions. The model calls Boost only with policies
// that do not throw and bounds every loop itself, so nothing reaches this: it ends the program
// rather than go on with a wrong number.
namespace boost {
void throw_exception(const std::exception&) { std::abort(); }
void throw_exception(const std::exception&, const boost::source_location&) { std::abort(); }
} // namespace boost
#endif

namespace physics {

double numerics::lambertW0(double z) {
    return boost::math::lambert_w0(z, Policy());
}

namespace detail {

double sinDeg(double degrees) {
    return boost::math::sin_pi(degrees / 180, numerics::Policy());
}

double cosDeg(double degrees) {
    return boost::math::cos_pi(degrees / 180, numerics::Policy());
}

double root(const std::function<double(double)>& f, double lo, double hi) {
    const double flo = f(lo), fhi = f(hi);
    if (flo == 0)
        return lo;
    if (fhi == 0)
        return hi;
    if (!((flo < 0 && fhi > 0) || (flo > 0 && fhi < 0))) // signs compared: a product may underflow
        return std::numeric_limits<double>::quiet_NaN();
    std::uintmax_t iterations = 100;
    boost::math::tools::eps_tolerance<double> closed(52);
    const auto [a, b] = boost::math::tools::toms748_solve(f, lo, hi, flo, fhi, closed, iterations,
                                                          numerics::Policy());
    // A search that did not close is no root: the middle of its bracket could be far from it.
    return a == b || closed(a, b) ? a + (b - a) / 2 : std::numeric_limits<double>::quiet_NaN();
}

double firstRoot(const std::function<double(double)>& f, double lo, double guess) {
    double hi = guess > lo ? guess : 2 * lo;
    // Doubled while f is still positive there, lo following: the bracket stays within a factor 2.
    for (int i = 0; i < 2100 && f(hi) > 0; ++i) {
        lo = hi;
        hi *= 2;
    }
    // Halved towards lo while its middle is past the root already.
    for (int i = 0; i < 2100; ++i) {
        const double middle = lo + (hi - lo) / 2;
        if (middle <= lo || middle >= hi || f(middle) > 0)
            break;
        hi = middle;
    }
    return root(f, lo, hi);
}

double argmax(const std::function<double(double)>& f, double lo, double hi) {
    std::uintmax_t iterations = 200;
    // Half of the double's digits: the most a minimum can be placed to, where f is flat.
    return boost::math::tools::brent_find_minima([&f](double x) { return -f(x); }, lo, hi,
                                                 std::numeric_limits<double>::digits / 2,
                                                 iterations)
        .first;
}

} // namespace detail
} // namespace physics
