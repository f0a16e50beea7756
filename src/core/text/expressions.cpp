#include "text/expressions.h"

namespace zm {

// Placeholder until expressions are written.
void EvalCalcStep(Figure&, int) {}

}  // namespace zm
