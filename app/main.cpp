#include "core/TDMSqls.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Terminal de Consulta"));
    const auto dm = TDMSqls::create(QApplication::applicationDirPath());
    if (!dm)
        return 1;
    return 0;
}
