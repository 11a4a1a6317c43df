#include "Ean.h"

int eanCheckDigit(QStringView digits)
{
    if (digits.isEmpty())
        return -1;
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const QChar c = digits.at(i);
        if (c < u'0' || c > u'9')
            return -1;
        sum += (c.unicode() - u'0') * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

bool isValidEan(QStringView code)
{
    const qsizetype length = code.size();
    if (length != 8 && length != 12 && length != 13)
        return false;
    const QChar last = code.back();
    const int check = eanCheckDigit(code.first(length - 1));
    return check >= 0 && last == QChar(u'0' + check);
}
