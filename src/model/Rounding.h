#pragma once

// Nearest whole number with halves going to the even neighbour (12.5 -> 12, 13.5 -> 14).
// Written out rather than left to the floating-point rounding mode, which a library
// could have changed under us.
long long roundHalfEven(double value);
