#pragma once

#include <QPrinter>

#include <memory>

// The one printer object of the program: the system's default printer, shared by every
// screen that prints on sheets, and the pen its canvas draws with.
namespace platform {

class TerminalPrinter {
public:
    static TerminalPrinter &instance();

    // Created at first use.
    QPrinter &printer();

    // Pen width in device pixels.
    int penWidth() const { return m_penWidth; }
    // Label screens draw with a pen twice the start width. Every creation of a label screen
    // asks for it; the width doubles once, not at every opening.
    void widenPenForLabels();

private:
    static constexpr int kStartPenWidth = 1;
    std::unique_ptr<QPrinter> m_printer;
    int m_penWidth = kStartPenWidth;
};

} // namespace platform
