#pragma once

#include <QDate>
#include <QString>

// A date written out in Portuguese: "Domingo, 30 de Junho de 2002".
QString longDateText(const QDate &date);
