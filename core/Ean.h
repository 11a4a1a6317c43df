#pragma once

#include <QStringView>

// EAN-13, EAN-8, UPC-A (and the 14-digit packaging codes) share one check digit rule:
// from the right, the digits weigh 3, 1, 3, 1, ... and the check digit tops the sum up to
// a multiple of ten.

// The check digit of `digits` (the code without its check digit), or -1 when the text is
// empty or holds anything but the digits 0 to 9.
int eanCheckDigit(QStringView digits);

// True for a code of 8 (EAN-8), 12 (UPC-A) or 13 (EAN-13) digits whose last digit is the
// check digit of the others.
bool isValidEan(QStringView code);
