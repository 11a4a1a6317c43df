#include "demo/StoreGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

// bench-store FOLDER PRODUCTS [LINKED CUSTOMERS]: writes FOLDER/consulta.db, a store of the
// demo store's kind at the size given (by default a fifth as many linked barcodes and a
// tenth as many customers as products), always from the same seed.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    bool ok = args.size() == 3 || args.size() == 5;
    demo::StoreSize size;
    if (ok) {
        size.products = args.at(2).toInt(&ok);
        size.linkedBarcodes = size.products / 5;
        size.customers = size.products / 10;
    }
    if (ok && args.size() == 5) {
        bool linkedOk = false, customersOk = false;
        size.linkedBarcodes = args.at(3).toInt(&linkedOk);
        size.customers = args.at(4).toInt(&customersOk);
        ok = linkedOk && customersOk;
    }
    if (!ok || size.products <= 0 || !QDir(args.at(1)).exists()) {
        err << "usage: bench-store FOLDER PRODUCTS [LINKED CUSTOMERS]" << Qt::endl;
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!demo::StoreGenerator(size, demo::StoreGenerator::kDemoSeed, QDateTime::currentDateTime())
             .writeFile(QDir(args.at(1)).filePath(QStringLiteral("consulta.db")), &error)) {
        err << "bench-store: " << error << Qt::endl;
        return 1;
    }
    const double seconds = timer.elapsed() / 1000.0;
    QTextStream(stdout) << "  store of " << size.products << " products, " << size.linkedBarcodes << " linked barcodes and "
                        << size.customers << " customers written in " << seconds << " s" << Qt::endl
                        << "store.generate." << size.products << ' ' << seconds << " s" << Qt::endl;
    return 0;
}
