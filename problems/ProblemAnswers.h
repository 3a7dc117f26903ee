#pragma once

#include "problems/Problem.h"

namespace lopena {

// Fills the answers, the Laborator's launch and the target of a problem whose givens are drawn,
// every number from the physics model.
void answerProblem(Problem& problem);

} // namespace lopena
