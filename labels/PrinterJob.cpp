#include "PrinterJob.h"

QByteArray PrinterJob::bytes() const
{
    QByteArray all;
    for (const Step &step : steps)
        all += step.bytes;
    return all;
}

QStringList PrinterJob::printedProducts() const
{
    QStringList products;
    for (const Step &step : steps) {
        if (step.kind == Step::Kind::MarkPrinted)
            products.append(step.printedProduct);
    }
    return products;
}
