#include "MyRound.h"

#include <cmath>

double MyRound(std::uint8_t decimals, bool truncate, double value)
{
    constexpr int kCurrencyDecimals = 4;
    // The value as the currency type holds it: whole ten-thousandths.
    const auto units = static_cast<std::int64_t>(std::llround(value * 10000.0));
    if (decimals >= kCurrencyDecimals)
        return static_cast<double>(units) / 10000.0;
    std::int64_t step = 1;
    for (int i = decimals; i < kCurrencyDecimals; ++i)
        step *= 10;
    const std::int64_t magnitude = units < 0 ? -units : units;
    std::int64_t kept = magnitude / step;
    if (!truncate && (magnitude % step) * 2 >= step)
        ++kept;
    const std::int64_t result = (units < 0 ? -kept : kept) * step;
    return static_cast<double>(result) / 10000.0;
}
