#include "labels/DplOutput.h"
#include "platform/Windows1252.h"

#include <QTest>

Q_DECLARE_METATYPE(LabelLayout)

namespace {

// Readable byte sequences: <STX> and <CR> stand for 0x02 and 0x0D; text is Windows-1252.
QByteArray dpl(const QString &readable)
{
    return platform::toWindows1252(QString(readable).replace(QStringLiteral("<STX>"), QStringLiteral("\x02"))
                                       .replace(QStringLiteral("<CR>"), QStringLiteral("\r")));
}

// "Key=value;Key=value"
LabelLayout layoutOf(const QString &pairs)
{
    LabelLayout layout;
    for (const QString &pair : pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        layout.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return layout;
}

const QString kEveryRowKey = QStringLiteral(
    "FonteCodProduto=2;LinhaCodProduto=10;ColunaCodProduto=20;"
    "FonteDes=9;LinhaDes=35;ColunaDes=15;"
    "FonteUnidade=3;LinhaUnidade=40;ColunaUnidade=300;"
    "FontePre=4;LinhaPre=60;ColunaPre=200;"
    "FonteDescPrecoCheio=1;LinhaDescPrecoCheio=80;ColunaDescPrecoCheio=15;"
    "FonteTextoPromocao=2;LinhaTextoPromocao=95;ColunaTextoPromocao=15;"
    "FonteBar=50;LinhaBar=100;ColunaBar=30;"
    "FonteEmp=1;LinhaEmp=5;ColunaEmp=250;"
    "FonteObsBar=1;LinhaObsBar=160;ColunaObsBar=30;ObsBar=OFERTA DA SEMANA;"
    "LinhaQdrBar=98;ColunaQdrBar=25;LargQdrBar=5;AltQdrBar=60;"
    "LinhaQdrPco=55;ColunaQdrPco=190;LargQdrPco=120;AltQdrPco=40;Porta=COM1");

// barcode, description, price, unit, reference, code, unit-price text, promotion text
const QStringList kFeijao = {QStringLiteral("7891234567895"), QStringLiteral("FEIJÃO CARIOCA TIPO 1 EMBALAGEM ECONÔMICA 1KG"),
                             QStringLiteral("R$ 12,90"), QStringLiteral("UN"), QString(), QStringLiteral("123"),
                             QStringLiteral("PRECO KG R$ 12.90"), QStringLiteral("OFERTA 31/12/2024")};

QStringList with(QStringList label, int column, const QString &value)
{
    label[column] = value;
    return label;
}

const QString kHead = QStringLiteral("<STX>f340<CR><STX>L<CR>D11<CR>");

} // namespace

class TestDplOutput : public QObject {
    Q_OBJECT

private slots:
    void gondola_data()
    {
        QTest::addColumn<QList<QStringList>>("labels");
        QTest::addColumn<bool>("per100g");
        QTest::addColumn<bool>("showUnitPriceText");
        QTest::addColumn<LabelLayout>("layout");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<bool>("failed");

        const QString minimal = QStringLiteral("FontePre=4;LinhaPre=60;ColunaPre=200;FonteUnidade=3;LinhaUnidade=40;ColunaUnidade=300");

        QTest::newRow("every row key set") << QList<QStringList>{kFeijao} << false << true << layoutOf(kEveryRowKey)
            << dpl(kHead + "121100800100020123<CR>"
                   "191100800350015FEIJÃO CARIOCA TIPO 1 EMBALAGEM ECONÔMI<CR>"
                   "131100800400300UN<CR>"
                   "141100800600200R$ 12,90<CR>"
                   "111100800800015PRECO KG R$ 12.90<CR>"
                   "121100800950015OFERTA 31/12/2024<CR>"
                   "1F6205001000030" "7891234567895<CR>"
                   "111100000050250LOJA CENTRO<CR>"
                   "111100801600030OFERTA DA SEMANA<CR>"
                   "1X1100000980025B005060001002<CR>"
                   "1X1100000550190B120040001002<CR>"
                   "E")
            << QStringList{QStringLiteral("123")} << false;

        QTest::newRow("8-digit barcode is EAN-8") << QList<QStringList>{with(kFeijao, 0, QStringLiteral("78912346"))} << false << true
            << layoutOf(QStringLiteral("FonteBar=50;LinhaBar=100;ColunaBar=30"))
            << dpl(kHead + "1G6205001000030" "78912346<CR>E") << QStringList{QStringLiteral("123")} << false;

        QTest::newRow("empty promotion text sends no promotion record")
            << QList<QStringList>{with(kFeijao, 7, QStringLiteral("  "))} << false << true
            << layoutOf(QStringLiteral("FonteTextoPromocao=2;LinhaTextoPromocao=95;ColunaTextoPromocao=15;FonteDes=9;LinhaDes=35;ColunaDes=15"))
            << dpl(kHead + "191100800350015FEIJÃO CARIOCA TIPO 1 EMBALAGEM ECONÔMI<CR>E") << QStringList{QStringLiteral("123")} << false;

        QTest::newRow("per 100 g: KG row divided, UN row kept")
            << QList<QStringList>{with(with(kFeijao, 3, QStringLiteral("KG ")), 2, QStringLiteral("R$ 12,90")), kFeijao}
            << true << true << layoutOf(minimal)
            << dpl(kHead + "131100800400300 100g <CR>141100800600200 R$ 1,29<CR>E"
                   "<STX>L<CR>D11<CR>131100800400300UN<CR>141100800600200R$ 12,90<CR>E")
            << QStringList{QStringLiteral("123"), QStringLiteral("123")} << false;

        QTest::newRow("KG row without per 100 g keeps its price") << QList<QStringList>{with(kFeijao, 3, QStringLiteral("KG"))}
            << false << true << layoutOf(minimal)
            << dpl(kHead + "131100800400300KG<CR>141100800600200R$ 12,90<CR>E") << QStringList{QStringLiteral("123")} << false;

        QTest::newRow("price normalised in 8 characters")
            << QList<QStringList>{with(kFeijao, 2, QStringLiteral("R$0,50")), with(kFeijao, 2, QStringLiteral("R$ 1.234,5"))}
            << false << true << layoutOf(QStringLiteral("FontePre=4;LinhaPre=60;ColunaPre=200"))
            << dpl(kHead + "141100800600200 R$ 0,50<CR>E<STX>L<CR>D11<CR>141100800600200R$ 1.234,50<CR>E")
            << QStringList{QStringLiteral("123"), QStringLiteral("123")} << false;

        QTest::newRow("leading zeros: LinhaDes 35 and LargQdrBar 5")
            << QList<QStringList>{kFeijao} << false << true
            << layoutOf(QStringLiteral("FonteDes=9;LinhaDes=35;ColunaDes=0015;LinhaQdrBar=98;ColunaQdrBar=25;LargQdrBar=5;AltQdrBar=060"))
            << dpl(kHead + "191100800350015FEIJÃO CARIOCA TIPO 1 EMBALAGEM ECONÔMI<CR>1X1100000980025B005060001002<CR>E")
            << QStringList{QStringLiteral("123")} << false;

        QTest::newRow("unit-price text off prints a blank") << QList<QStringList>{kFeijao} << false << false
            << layoutOf(QStringLiteral("FonteDescPrecoCheio=1;LinhaDescPrecoCheio=80;ColunaDescPrecoCheio=15"))
            << dpl(kHead + "111100800800015 <CR>E") << QStringList{QStringLiteral("123")} << false;

        QTest::newRow("position not a whole number stops after the mark")
            << QList<QStringList>{kFeijao, kFeijao} << false << true << layoutOf(QStringLiteral("FonteDes=9;LinhaDes=3A;ColunaDes=15"))
            << dpl(kHead) << QStringList{QStringLiteral("123")} << true;

        QTest::newRow("price that is not an amount stops") << QList<QStringList>{with(kFeijao, 2, QStringLiteral("R$ 12.90"))}
            << false << true << layoutOf(minimal) << dpl(kHead) << QStringList{QStringLiteral("123")} << true;

        QTest::newRow("empty list sends nothing") << QList<QStringList>{} << false << true << layoutOf(kEveryRowKey)
            << QByteArray() << QStringList{} << false;
    }

    void gondola()
    {
        QFETCH(QList<QStringList>, labels);
        QFETCH(bool, per100g);
        QFETCH(bool, showUnitPriceText);
        QFETCH(LabelLayout, layout);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, marked);
        QFETCH(bool, failed);

        GondolaPrint print{labels, per100g, QStringLiteral("LOJA CENTRO"), showUnitPriceText};
        const PrinterJob job = dplGondolaLabels(print, layout);
        QCOMPARE(job.bytes(), bytes);
        QCOMPARE(job.printedProducts(), marked);
        QCOMPARE(job.failed(), failed);
    }

    void gondolaMarksEachProductBeforeItsLabel()
    {
        const PrinterJob job = dplGondolaLabels({{kFeijao, with(kFeijao, 5, QStringLiteral("77"))}, false, {}, true},
                                                layoutOf(QStringLiteral("FontePre=4;LinhaPre=60;ColunaPre=200")));
        QStringList order;
        for (const PrinterJob::Step &step : job.steps)
            order.append(step.kind == PrinterJob::Step::Kind::MarkPrinted ? QStringLiteral("mark ") + step.printedProduct
                                                                           : platform::fromWindows1252(step.bytes));
        QCOMPARE(order, (QStringList{"\x02" "f340\r", "\x02L\r", "D11\r", "mark 123", "141100800600200R$ 12,90\r", "E",
                                     "\x02L\r", "D11\r", "mark 77", "141100800600200R$ 12,90\r", "E"}));
    }

    void product_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<LabelLayout>("layout");
        QTest::addColumn<QByteArray>("bytes");

        const auto label = [](const QString &column) {
            return "1211000" "0010" + column + "LOJA CENTRO<CR>"
                   "1F62040" "0030" + column + "7891234567895<CR>"
                   "1211000" "0080" + column + "FEIJÃO CARIOCA TIPO<CR>";
        };
        const QString open = QStringLiteral("<STX>L<CR>D11<CR>");
        QTest::newRow("four labels, margin 10") << 4 << layoutOf(QStringLiteral("Margem=10"))
            << dpl(open + label("0014") + label("0144") + label("0274") + "E" + open + label("0014") + "E");
        QTest::newRow("exactly three labels") << 3 << layoutOf(QString())
            << dpl(open + label("0004") + label("0134") + label("0264") + "E" + open);
        QTest::newRow("empty list") << 0 << layoutOf(QString()) << dpl(open + "E");
        QTest::newRow("short rows padded, margin not a number") << 1 << layoutOf(QStringLiteral("LinhaEmp=10;LinhaBar=30;LinhaDes=80;Margem=x"))
            << dpl(open + label("0004") + "E");
    }

    void product()
    {
        QFETCH(int, count);
        QFETCH(LabelLayout, layout);
        QFETCH(QByteArray, bytes);
        const QList<QStringList> labels(count, kFeijao);
        const PrinterJob job = dplProductLabels(labels, QStringLiteral("LOJA CENTRO"), layout);
        QCOMPARE(job.bytes(), bytes);
        QVERIFY(job.printedProducts().isEmpty());
        QVERIFY(!job.failed());
    }

    void productRowThatIsNotANumberSendsNothing()
    {
        const PrinterJob job = dplProductLabels({kFeijao}, QStringLiteral("LOJA"), layoutOf(QStringLiteral("LinhaBar=x")));
        QVERIFY(job.failed());
        QVERIFY(job.steps.isEmpty());
    }

    void production()
    {
        QCOMPARE(dplProductionLabels(0, {}).bytes(), QByteArray());

        const LabelLayout layout = layoutOf(QStringLiteral("Linha_Horizontal_1=0010;ColunaHorizontal_1=0020;LarguraHorizontal_1=300;AlturaHorizontal_1=002;"
                                                           "LinhaVerticalDir_3=5;ColunaVerticalDir_3=6;LarguraVerticalDir_3=7;AlturaVerticalDir_3=8"));
        const QString one = QStringLiteral(
            "<STX>f340<CR><STX>j<CR><STX>L<CR>D11<CR>"
            "1X1100000100020L300002<CR>1X11000L<CR>1X11000L<CR>1X11000L<CR>1X11000L<CR>1X1100056L78<CR>"
            "1X1100000970187L001089<CR>1X1100000970127L001089<CR>121100802130079Pao Carioquinha<CR>"
            "111100802030079Informacao Nutricional<CR>"
            "101100800900020* Valores Diarios de referencia com base em uma dieta de calorias.<CR>"
            "111100801900030Porcao de 100g 0 e 1/2 Bife(s)<CR>111100801770199VDR%<CR>111100801770150Qtde.<CR>"
            "111100801770029Nutrientes<CR>E");
        const PrinterJob job = dplProductionLabels(2, layout);
        QCOMPARE(job.bytes(), dpl(one + one));
        QVERIFY(job.printedProducts().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDplOutput)
#include "tst_dpl_output.moc"
