#include "TerminalPrinter.h"

namespace platform {

TerminalPrinter &TerminalPrinter::instance()
{
    static TerminalPrinter printer;
    return printer;
}

QPrinter &TerminalPrinter::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TerminalPrinter::widenPenForLabels() { m_penWidth = 2 * kStartPenWidth; }

} // namespace platform
