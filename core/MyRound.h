#pragma once

#include <cstdint>

// Rounds (half away from zero) or truncates a currency value to a number of decimals.
// Currency values are exact at four decimals, so the rounding works on the decimal value.
double MyRound(std::uint8_t decimals, bool truncate, double value);
