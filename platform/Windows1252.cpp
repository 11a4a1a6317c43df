#include "Windows1252.h"

#include <array>

namespace platform {
namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHighControl = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kHighControl[b - 0x80] != 0)
            text.append(QChar(kHighControl[b - 0x80]));
        else
            text.append(QChar(static_cast<char16_t>(b)));
    }
    return text;
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kHighControl.size(); ++i) {
            if (kHighControl[i] == u && u != 0) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.append(mapped);
    }
    return bytes;
}

} // namespace platform
