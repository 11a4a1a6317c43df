#pragma once

#include <QString>

#include <vector>

// What every benchmark prints: a small table for people and one line per figure,
// "name value unit", for comparing runs.
namespace bench {

// Durations of the repetitions of one measure, in milliseconds.
class Samples {
public:
    void add(double milliseconds) { m_values.push_back(milliseconds); }
    bool empty() const { return m_values.empty(); }
    std::size_t size() const { return m_values.size(); }
    // The value below which `percent` of the samples lie (nearest rank).
    double percentile(double percent) const;

private:
    std::vector<double> m_values;
};

// Nanoseconds on a monotonic clock.
qint64 now();
inline double millisecondsSince(qint64 start) { return double(now() - start) / 1e6; }

// A machine-readable line on standard output.
void figure(const QString &name, double value, const QString &unit);
// A line of the table, on standard output.
void tableLine(const QString &text);

// Resident memory of a process (this one by default), in megabytes; -1 when unknown.
double residentMegabytes(qint64 pid = 0);

} // namespace bench
