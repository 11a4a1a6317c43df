#include "DplOutput.h"

#include "platform/Windows1252.h"

#include <optional>

namespace {

const QByteArray kStx("\x02");
const QByteArray kFormStop = kStx + "f340\r";
const QByteArray kSystemJ = kStx + "j\r";
const QByteArray kLabelStart = kStx + "L\r";
const QByteArray kDotSize = "D11\r";
const QByteArray kPrint = "E";

QByteArray record(const QString &text) { return platform::toWindows1252(text) + '\r'; }

bool blank(const QString &value) { return value.trimmed().isEmpty(); }

// A whole number written with leading zeros; nullopt when the value is not one.
std::optional<QString> zeroPadded(const QString &value, int digits)
{
    bool ok = false;
    const qlonglong number = value.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const QString padded = QString::number(number < 0 ? -number : number).rightJustified(digits, QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + padded : padded;
}

// Rewrites the non-blank values of the keys with leading zeros; the first value that is
// not a whole number is the error.
bool padKeys(LabelLayout &layout, const QStringList &keys, int digits, QString *error)
{
    for (const QString &key : keys) {
        const QString value = layout.value(key);
        if (blank(value))
            continue;
        const auto padded = zeroPadded(value, digits);
        if (!padded) {
            *error = invalidValueMessage(value);
            return false;
        }
        layout.insert(key, *padded);
    }
    return true;
}

const QStringList kGondolaPositions = {
    QStringLiteral("LinhaCodProduto"), QStringLiteral("ColunaCodProduto"),
    QStringLiteral("LinhaDes"), QStringLiteral("ColunaDes"),
    QStringLiteral("LinhaUnidade"), QStringLiteral("ColunaUnidade"),
    QStringLiteral("LinhaPre"), QStringLiteral("ColunaPre"),
    QStringLiteral("LinhaDescPrecoCheio"), QStringLiteral("ColunaDescPrecoCheio"),
    QStringLiteral("LinhaTextoPromocao"), QStringLiteral("ColunaTextoPromocao"),
    QStringLiteral("LinhaBar"), QStringLiteral("ColunaBar"),
    QStringLiteral("LinhaEmp"), QStringLiteral("ColunaEmp"),
    QStringLiteral("LinhaObsBar"), QStringLiteral("ColunaObsBar"),
    QStringLiteral("LinhaQdrBar"), QStringLiteral("ColunaQdrBar"),
    QStringLiteral("LinhaQdrPco"), QStringLiteral("ColunaQdrPco"),
};
const QStringList kGondolaBoxSizes = {
    QStringLiteral("LargQdrBar"), QStringLiteral("AltQdrBar"),
    QStringLiteral("LargQdrPco"), QStringLiteral("AltQdrPco"),
};

} // namespace

PrinterJob dplGondolaLabels(const GondolaPrint &print, const LabelLayout &settings)
{
    PrinterJob job;
    if (!print.labels.isEmpty())
        job.write(kFormStop);

    LabelLayout layout = settings;
    QString layoutError;
    const bool layoutValid = padKeys(layout, kGondolaPositions, 4, &layoutError)
        && padKeys(layout, kGondolaBoxSizes, 3, &layoutError);
    const auto at = [&layout](const char *key) { return layout.value(QLatin1String(key)); };
    const auto on = [&at](const char *key) { return !blank(at(key)); };
    const auto text = [&at](const char *font, const char *size, const char *row, const char *column, const QString &value) {
        return record(QLatin1Char('1') + at(font) + QLatin1String(size) + at(row) + at(column) + value);
    };
    const auto box = [&at](const char *row, const char *column, const char *width, const char *height) {
        return record(QStringLiteral("1X11000") + at(row) + at(column) + QLatin1Char('B') + at(width) + at(height)
                      + QStringLiteral("001002"));
    };

    for (const QStringList &label : print.labels) {
        const auto cell = [&label](GondolaPrint::Column column) { return GondolaPrint::cell(label, column); };
        job.write(kLabelStart);
        job.write(kDotSize);
        job.markPrinted(cell(GondolaPrint::ProductCode));

        QString unit = cell(GondolaPrint::Unit);
        std::optional<QString> price = cell(GondolaPrint::Price);
        if (print.per100g && soldByKilo(label)) {
            unit = QStringLiteral(" 100g ");
            price = pricePer100g(*price);
        }
        if (price)
            price = moneyIn8(*price);
        if (!price) {
            job.error = invalidValueMessage(cell(GondolaPrint::Price));
            return job;
        }
        if (!layoutValid) {
            job.error = layoutError;
            return job;
        }
        const QString unitPriceText = print.showUnitPriceText ? cell(GondolaPrint::UnitPriceText) : QStringLiteral(" ");
        const QString promotionText = cell(GondolaPrint::PromotionText);
        const QString barcode = cell(GondolaPrint::Barcode);

        if (on("LinhaCodProduto"))
            job.write(text("FonteCodProduto", "11008", "LinhaCodProduto", "ColunaCodProduto", cell(GondolaPrint::ProductCode)));
        if (on("LinhaDes"))
            job.write(text("FonteDes", "11008", "LinhaDes", "ColunaDes", cell(GondolaPrint::Description).left(39)));
        if (on("LinhaUnidade"))
            job.write(text("FonteUnidade", "11008", "LinhaUnidade", "ColunaUnidade", unit));
        if (on("LinhaPre"))
            job.write(text("FontePre", "11008", "LinhaPre", "ColunaPre", *price));
        if (on("LinhaDescPrecoCheio"))
            job.write(text("FonteDescPrecoCheio", "11008", "LinhaDescPrecoCheio", "ColunaDescPrecoCheio", unitPriceText));
        if (on("LinhaTextoPromocao") && !blank(promotionText))
            job.write(text("FonteTextoPromocao", "11008", "LinhaTextoPromocao", "ColunaTextoPromocao", promotionText));
        if (on("LinhaBar")) {
            // The font key carries the last two digits of the bar height.
            const QString type = barcode.size() <= 8 ? QStringLiteral("1G620") : QStringLiteral("1F620");
            job.write(record(type + at("FonteBar") + at("LinhaBar") + at("ColunaBar") + barcode));
        }
        if (on("LinhaEmp"))
            job.write(text("FonteEmp", "11000", "LinhaEmp", "ColunaEmp", print.storeName));
        if (on("LinhaObsBar"))
            job.write(text("FonteObsBar", "11008", "LinhaObsBar", "ColunaObsBar", at("ObsBar")));
        if (on("LinhaQdrBar"))
            job.write(box("LinhaQdrBar", "ColunaQdrBar", "LargQdrBar", "AltQdrBar"));
        if (on("LinhaQdrPco"))
            job.write(box("LinhaQdrPco", "ColunaQdrPco", "LargQdrPco", "AltQdrPco"));
        job.write(kPrint);
    }
    return job;
}

PrinterJob dplProductLabels(const QList<QStringList> &labels, const QString &storeName, const LabelLayout &settings)
{
    PrinterJob job;
    LabelLayout layout = settings;
    const QList<std::pair<QString, QString>> defaults = {
        {QStringLiteral("LinhaDes"), QStringLiteral("0080")},
        {QStringLiteral("LinhaBar"), QStringLiteral("0030")},
        {QStringLiteral("LinhaEmp"), QStringLiteral("0010")},
        {QStringLiteral("LinhaReferencia"), QStringLiteral("0015")},
    };
    for (const auto &[key, value] : defaults) {
        if (blank(layout.value(key)))
            layout.insert(key, value);
        if (layout.value(key).trimmed().size() < 4 && !padKeys(layout, {key}, 4, &job.error))
            return job;
    }

    job.write(kLabelStart);
    job.write(kDotSize);
    bool marginOk = false;
    const int margin = layout.value(QStringLiteral("Margem")).trimmed().toInt(&marginOk);
    const QString row = layout.value(QStringLiteral("LinhaEmp"));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const qsizetype across = i % 3;
        const QString column = QString::number((marginOk ? margin : 0) + 130 * across + 4).rightJustified(4, QLatin1Char('0'));
        const QStringList &label = labels.at(i);
        job.write(record(QStringLiteral("1211000") + row + column + storeName));
        job.write(record(QStringLiteral("1F62040") + layout.value(QStringLiteral("LinhaBar")) + column + label.value(0)));
        job.write(record(QStringLiteral("1211000") + layout.value(QStringLiteral("LinhaDes")) + column + label.value(1).left(19)));
        if (across == 2) {
            job.write(kPrint);
            job.write(kLabelStart);
            job.write(kDotSize);
        }
    }
    if (labels.isEmpty() || labels.size() % 3 != 0)
        job.write(kPrint);
    return job;
}

PrinterJob dplProductionLabels(qsizetype labelCount, const LabelLayout &layout)
{
    static const QList<QStringList> frameLines = {
        {QStringLiteral("Linha_Horizontal_1"), QStringLiteral("ColunaHorizontal_1"), QStringLiteral("LarguraHorizontal_1"), QStringLiteral("AlturaHorizontal_1")},
        {QStringLiteral("LinhaHorizontal_2"), QStringLiteral("ColunaHorizontal_2"), QStringLiteral("LarguraHorizontal_2"), QStringLiteral("AlturaHorizontal_2")},
        {QStringLiteral("LinhaHorizontal_3"), QStringLiteral("ColunaHorizontal_3"), QStringLiteral("LarguraHorizontal_3"), QStringLiteral("AlturaHorizontal_3")},
        {QStringLiteral("LinhaHorizontal_4"), QStringLiteral("ColunaHorizontal_4"), QStringLiteral("LarguraHorizontal_4"), QStringLiteral("AlturaHorizontal_4")},
        {QStringLiteral("LinhaVerticalEsq_1"), QStringLiteral("ColunaVerticalEsq_1"), QStringLiteral("LarguraVerticalEsq_1"), QStringLiteral("AlturaVerticalEsq_1")},
        {QStringLiteral("LinhaVerticalDir_3"), QStringLiteral("ColunaVerticalDir_3"), QStringLiteral("LarguraVerticalDir_3"), QStringLiteral("AlturaVerticalDir_3")},
    };
    static const QStringList nutritionFrame = {
        QStringLiteral("1X1100000970187L001089"),
        QStringLiteral("1X1100000970127L001089"),
        QStringLiteral("121100802130079Pao Carioquinha"),
        QStringLiteral("111100802030079Informacao Nutricional"),
        QStringLiteral("101100800900020* Valores Diarios de referencia com base em uma dieta de calorias."),
        QStringLiteral("111100801900030Porcao de 100g 0 e 1/2 Bife(s)"),
        QStringLiteral("111100801770199VDR%"),
        QStringLiteral("111100801770150Qtde."),
        QStringLiteral("111100801770029Nutrientes"),
    };
    PrinterJob job;
    for (qsizetype i = 0; i < labelCount; ++i) {
        job.write(kFormStop);
        job.write(kSystemJ);
        job.write(kLabelStart);
        job.write(kDotSize);
        for (const QStringList &line : frameLines) {
            job.write(record(QStringLiteral("1X11000") + layout.value(line.at(0)) + layout.value(line.at(1)) + QLatin1Char('L')
                             + layout.value(line.at(2)) + layout.value(line.at(3))));
        }
        for (const QString &fixed : nutritionFrame)
            job.write(record(fixed));
        job.write(kPrint);
    }
    return job;
}
