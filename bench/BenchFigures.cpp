#include "BenchFigures.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace bench {

double Samples::percentile(double percent) const
{
    if (m_values.empty())
        return 0;
    std::vector<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = std::size_t(std::ceil(percent / 100.0 * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

qint64 now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

void figure(const QString &name, double value, const QString &unit)
{
    std::printf("%s %.4g %s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}

void tableLine(const QString &text)
{
    std::printf("  %s\n", qPrintable(text));
    std::fflush(stdout);
}

double residentMegabytes(qint64 pid)
{
    QFile status(pid > 0 ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression vmRss(QStringLiteral("VmRSS:\\s*(\\d+)\\s*kB"));
    const QRegularExpressionMatch match = vmRss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : -1;
}

} // namespace bench
