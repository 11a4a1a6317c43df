#pragma once

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>

namespace demo {

// A seeded random stream: the same seed gives the same store on every machine, because
// QRandomGenerator's seeded engine and its bounded() are fully specified.
class DemoRandom {
public:
    // Each part of the store draws from a stream of its own, so that changing one part
    // leaves the others as they were.
    DemoRandom(quint32 seed, quint32 stream) : m_engine(std::array<quint32, 2>{seed, stream}.data(), 2) {}

    // A whole number in [low, high].
    int between(int low, int high) { return low + int(m_engine.bounded(quint32(high - low + 1))); }
    double between(double low, double high) { return low + m_engine.generateDouble() * (high - low); }
    bool chance(double probability) { return m_engine.generateDouble() < probability; }
    template <typename List>
    const auto &pick(const List &list) { return list.at(between(0, int(list.size()) - 1)); }

private:
    QRandomGenerator m_engine;
};

// Rounded to cents.
inline double cents(double amount) { return std::round(amount * 100) / 100; }

// A shelf price: cents ending in 9 ("4,99", "12,49"), never below 0,49.
inline double shelfPrice(double amount)
{
    const double tenths = std::floor(amount * 10);
    return std::max(0.49, cents(tenths / 10 + 0.09));
}

} // namespace demo
