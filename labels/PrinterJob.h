#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a label output does, in order: writes to the printer (each one write) and, for
// gondola labels, marks of a product as printed. An output that stops halfway keeps the
// steps before the failure and says why.
struct PrinterJob {
    struct Step {
        enum class Kind { Write, MarkPrinted };
        Kind kind;
        QByteArray bytes;       // Write
        QString printedProduct; // MarkPrinted: the product code, before its label is sent
    };

    QList<Step> steps;
    QString error; // empty when the output ran to its end

    void write(const QByteArray &bytes) { steps.append({Step::Kind::Write, bytes, {}}); }
    void markPrinted(const QString &productCode) { steps.append({Step::Kind::MarkPrinted, {}, productCode}); }
    bool failed() const { return !error.isEmpty(); }

    // Every byte written, in order.
    QByteArray bytes() const;
    // Every product marked, in order.
    QStringList printedProducts() const;
};
