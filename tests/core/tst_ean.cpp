#include "core/Ean.h"

#include <QTest>

class TestEan : public QObject {
    Q_OBJECT

private slots:
    void checkDigit_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("expected");

        QTest::newRow("EAN-13") << "789100031550" << 7;
        QTest::newRow("EAN-13 check digit 5") << "789600400085" << 5;
        QTest::newRow("EAN-13 foreign prefix") << "400638133393" << 1;
        QTest::newRow("EAN-8") << "9638507" << 4;
        QTest::newRow("UPC-A") << "03600029145" << 2;
        QTest::newRow("check digit 0") << "000000000000" << 0;
        QTest::newRow("DUN-14 of a box") << "1789100031550" << 4;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("letter") << "78910003155A" << -1;
        QTest::newRow("blank") << "7891000 1550" << -1;
    }

    void checkDigit()
    {
        QFETCH(QString, digits);
        QFETCH(int, expected);
        QCOMPARE(eanCheckDigit(digits), expected);
    }

    void validCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");

        QTest::newRow("EAN-13") << "7891000315507" << true;
        QTest::newRow("EAN-13 wrong digit") << "7891000315508" << false;
        QTest::newRow("EAN-8") << "96385074" << true;
        QTest::newRow("EAN-8 wrong digit") << "96385075" << false;
        QTest::newRow("UPC-A") << "036000291452" << true;
        QTest::newRow("seven digits") << "9638507" << false;
        QTest::newRow("fourteen digits") << "17891000315504" << false;
        QTest::newRow("letter as check digit") << "789100031550X" << false;
    }

    void validCodes()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(isValidEan(code), valid);
    }
};

QTEST_APPLESS_MAIN(TestEan)
#include "tst_ean.moc"
