#pragma once

// Boost's maths and integrators as the model uses them: where the build has no C++ exceptions
// (the page), BOOST_NO_EXCEPTIONS makes Boost call throw_exception, defined in Numerics.cpp, and
// every Boost.Math call takes a policy that reports errors as NaN and errno, never a throw.
#if !defined(__cpp_exceptions) && !defined(BOOST_NO_EXCEPTIONS)
#define BOOST_NO_EXCEPTIONS
#endif

#include <boost/math/policies/policy.hpp>

namespace physics::numerics {

namespace bp = boost::math::policies;
using Policy = bp::policy<bp::domain_error<bp::errno_on_error>, bp::pole_error<bp::errno_on_error>,
                          bp::overflow_error<bp::errno_on_error>,
                          bp::evaluation_error<bp::errno_on_error>,
                          bp::rounding_error<bp::errno_on_error>>;

} // namespace physics::numerics
