#include "Barcodes.h"
#include "Catalogue.h"
#include "DemoRandom.h"
#include "StoreParts.h"

#include <QHash>
#include <QSet>

#include <cmath>
#include <optional>

namespace demo {
namespace {

enum class Promotion { None, Running, EndsToday, Ended, Upcoming, LaterToday };

// Promotions that every demo store shows, by index in fixedProducts().
const QHash<int, Promotion> kFixedPromotions = {
    {0, Promotion::Running}, {1, Promotion::EndsToday}, {2, Promotion::LaterToday}, {3, Promotion::Ended},
    {5, Promotion::Upcoming}, {15, Promotion::Running}, {20, Promotion::Running}, {21, Promotion::Running},
};

struct Draft {
    int department;
    int subDepartment;
    QString description;
    QString brand;
    QString saleUnit;
    double price;
    Pack pack;
    bool shortCode = false;
    bool fixed = false;
    // Gondola label text when the description is too long for it.
    QString shortLabel;
    std::optional<Recipe> recipe;
};

// One combination of a family's variant, brand and pack.
struct Combo {
    int family;
    int variant;
    int brand;
    int pack;
};

QVariant orNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }

// Content in the smallest unit of its kind, so that packs of one family compare.
double baseContent(const Pack &p)
{
    if (p.unit == u"KG" || p.unit == u"L")
        return p.content * 1000;
    if (p.unit == u"M" || p.unit == u"MT")
        return p.content * 100;
    return p.content;
}

// Bigger packs cost more, but less per gram.
double packScale(const Family &f, int pack)
{
    if (pack == 0)
        return 1;
    const double first = baseContent(f.packs.at(0));
    const double current = baseContent(f.packs.at(pack));
    if (first > 0 && current > 0)
        return std::pow(current / first, 0.75);
    return std::pow(1.8, pack);
}

std::vector<Combo> allCombos()
{
    std::vector<Combo> combos;
    const auto &list = families();
    for (int f = 0; f < list.size(); ++f) {
        const Family &family = list.at(f);
        for (int v = 0; v < std::max<qsizetype>(1, family.variants.size()); ++v)
            for (int b = 0; b < std::max<qsizetype>(1, family.brands.size()); ++b)
                for (int p = 0; p < std::max<qsizetype>(1, family.packs.size()); ++p)
                    combos.push_back({f, v, b, p});
    }
    return combos;
}

struct Word {
    QString text;
    bool shortenable;
};

QList<Word> wordsOf(const QString &text, bool shortenable)
{
    QList<Word> words;
    for (const QString &w : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words.append({w, shortenable});
    return words;
}

// Store systems abbreviate the kind of goods, never the pack, when a text runs past its
// column: "ACHOC EM PÓ", "PÃO DE QUEIJO CONG". The text may stay too long when nothing
// is left to abbreviate.
QString abbreviated(QList<Word> words, int width)
{
    static const QHash<QString, QString> abbreviations = {
        {"ACHOCOLATADO", "ACHOC"}, {"CONGELADO", "CONG"}, {"CONGELADA", "CONG"}, {"DESCAFEINADO", "DESCAF"},
        {"TORRADO", "TORR"}, {"DESINFETANTE", "DESINF"}, {"REFRIGERANTE", "REFRIG"}, {"INSTANTÂNEO", "INST"},
        {"DESODORANTE", "DESOD"}, {"CONDICIONADOR", "COND"}, {"MARACUJÁ", "MARAC"}, {"PRESUNTO", "PRES"},
    };
    const auto joined = [&words] {
        QStringList texts;
        for (const Word &w : words)
            texts << w.text;
        return texts.join(QLatin1Char(' '));
    };
    for (QString text = joined(); text.size() > width; text = joined()) {
        Word *longest = nullptr;
        for (Word &w : words)
            if (w.shortenable && w.text.size() > 4 && (!longest || w.text.size() > longest->text.size()))
                longest = &w;
        if (!longest)
            return text;
        longest->text = abbreviations.value(longest->text, longest->text.left(4));
    }
    return joined();
}

// Once every combination has been used (a store far bigger than the catalogue), the same
// goods come again in multipacks: "... C/6", "... C/12" (weighed goods simply repeat).
Draft draftOf(const Combo &combo, int round, DemoRandom &random)
{
    static const QList<int> multipacks = {2, 3, 4, 6, 8, 10, 12, 15, 18, 20, 24, 30, 36, 48};
    const Family &f = families().at(combo.family);
    const int units = round == 0 || f.saleUnit == u"KG" ? 1 : multipacks.at((round - 1) % multipacks.size());
    const QString variant = f.variants.value(combo.variant);
    const QString brand = f.brands.value(combo.brand);
    Pack pack = f.packs.value(combo.pack);
    const QList<Word> variantWords = wordsOf(variant, true);
    const QList<Word> brandWords = wordsOf(brand, false);
    QList<Word> words = wordsOf(f.type, true);
    words << (f.brandFirst ? brandWords : variantWords) << (f.brandFirst ? variantWords : brandWords) << wordsOf(pack.label, false);
    if (f.saleUnit == u"KG")
        words << Word{QStringLiteral("KG"), false};
    if (units > 1)
        words << Word{QStringLiteral("C/%1").arg(units), false};
    const QString description = abbreviated(words, 50).left(50).trimmed();

    const double spread = random.between(f.saleUnit == u"KG" ? 0.6 : 0.85, f.saleUnit == u"KG" ? 1.6 : 1.2);
    const double price = shelfPrice(f.price * packScale(f, combo.pack) * spread * units * (units > 1 ? 0.95 : 1));
    pack.content *= units;

    // The gondola label's short text: brand, variant and pack, or brand and pack.
    QString shortLabel;
    if (description.size() > 25 && !brand.isEmpty()) {
        shortLabel = abbreviated(brandWords + variantWords + wordsOf(pack.label, false), 25);
        if (shortLabel.size() > 25)
            shortLabel = abbreviated(wordsOf(brand, true) + wordsOf(pack.label, false), 25).left(25).trimmed();
    }
    return {f.department, f.subDepartment, description, brand, f.saleUnit, price, pack, f.shortBarcode, false, shortLabel, {}};
}

Draft draftOf(const FixedProduct &p)
{
    return {p.department, p.subDepartment, p.description, {}, p.saleUnit, p.price, p.pack, p.shortBarcode, true, {}, p.recipe};
}

class ProductWriter {
public:
    explicit ProductWriter(StoreContext &context)
        : m_context(context)
        , m_random(context.seed, quint32(Stream::Products))
        , m_products(context.writer(QStringLiteral("PRODUTO"),
                                    {"COD_PROD", "COD_LOJA", "DESCRICAO", "CODIGO_BARRAS", "FLG_UNIDADE_VENDA", "CHK_ATIVO",
                                     "VLR_PRECO", "VLR_PRECO_PROMOCAO", "VLR_ULTIMO_CUSTO", "DATA_PROM_INICIAL",
                                     "DATA_PROM_FINAL", "ROTULO", "REFERENCIA_FORN", "CONTEUDO", "CONTEUDO_UN",
                                     "VLR_NOVO_PRECO", "DATA_MUDANCA_PRECO", "COD_TIPO_PROD", "OBS_ETIQUETA",
                                     "BARRAS_EMBALAGEM", "VLR_FATOR_CONV_COMPRA", "COD_DEPART", "COD_SUBDEPART",
                                     "DATA_ULT_SAIDA"}))
        , m_printQueue(context.writer(QStringLiteral("IMP_CONTROL_GONDOLA"), {"COD_PROD", "DATA", "COD_LOJA", "FLG_STATUS"}))
    {
        // A promotion that starts a little later today, still today however late the store is built.
        const QDateTime lastMinute = moment(m_context.today(), QTime(23, 59));
        m_laterToday = std::min(m_context.now.addSecs(2 * 3600), lastMinute);
        if (m_laterToday <= m_context.now)
            m_laterToday = moment(m_context.today(), QTime(23, 59, 59));
    }

    DemoRandom &random() { return m_random; }

    bool write(const Draft &d, std::optional<Promotion> forcedPromotion = std::nullopt);

private:
    struct Period {
        QDateTime start;
        QDate end;
    };

    Promotion drawPromotion();
    // Dates of a promotion of that kind, `offset` days away from today and `length` days long.
    Period periodOf(Promotion promotion, int offset, int length) const;

    StoreContext &m_context;
    DemoRandom m_random;
    Barcodes m_barcodes;
    TableWriter m_products;
    TableWriter m_printQueue;
    QDateTime m_laterToday;
    int m_nextCode = 1;
};

Promotion ProductWriter::drawPromotion()
{
    if (!m_random.chance(0.09))
        return Promotion::None;
    const int kind = m_random.between(0, 99);
    if (kind < 55)
        return Promotion::Running;
    if (kind < 60)
        return Promotion::EndsToday;
    if (kind < 80)
        return Promotion::Ended;
    if (kind < 95)
        return Promotion::Upcoming;
    return Promotion::LaterToday;
}

ProductWriter::Period ProductWriter::periodOf(Promotion promotion, int offset, int length) const
{
    const QDate today = m_context.today();
    const auto midnight = [](const QDate &day) { return moment(day, QTime(0, 0)); };
    switch (promotion) {
    case Promotion::None:
        return {};
    case Promotion::Running:
        return {midnight(today.addDays(-offset)), today.addDays(length)};
    case Promotion::EndsToday:
        return {midnight(today.addDays(-offset)), today};
    case Promotion::Ended:
        return {midnight(today.addDays(-offset - length - 1)), today.addDays(-offset)};
    case Promotion::Upcoming:
        return {midnight(today.addDays(offset)), today.addDays(offset + length)};
    case Promotion::LaterToday:
        return {m_laterToday, today.addDays(length)};
    }
    return {};
}

bool ProductWriter::write(const Draft &d, std::optional<Promotion> forcedPromotion)
{
    const int code = m_nextCode++;
    const QDate today = m_context.today();
    const bool weighed = d.saleUnit == u"KG";
    const QString barcode = m_barcodes.forProduct(code, d.brand, weighed, d.shortCode);
    const bool active = d.fixed || !m_random.chance(0.03);
    const double cost = cents(d.price * m_random.between(0.58, 0.78));

    const Promotion drawn = drawPromotion();
    const Promotion promotion = !active ? Promotion::None : forcedPromotion.value_or(drawn);
    const double promotionPrice = std::min(shelfPrice(d.price * m_random.between(0.75, 0.9)), cents(d.price - 0.10));
    // Drawn one by one: the order in which function arguments are evaluated is unspecified.
    const int promotionOffset = m_random.between(1, 10);
    const int promotionLength = m_random.between(3, 15);
    const Period period = periodOf(promotion, promotionOffset, promotionLength);

    // A price change waiting for its new shelf label.
    const bool priceChanged = active && m_random.chance(0.025);
    const bool changedToday = m_random.chance(0.4);
    const bool labelPrinted = m_random.chance(0.15);
    const QDate changeDay = changedToday ? today : today.addDays(-m_random.between(1, std::max(1, today.day() - 1)));
    const QDateTime changeMoment = moment(today, QTime(0, 0)).addSecs(m_random.between(0, QTime(0, 0).secsTo(m_context.now.time())));
    const double newPrice = shelfPrice(d.price * m_random.between(1.03, 1.15));

    const bool hasReference = !weighed && m_random.chance(0.35);
    const bool hasPackaging = barcode.size() == 13 && !weighed && m_random.chance(0.2);
    const int unitsPerBox = m_random.pick(QList<int>{6, 12, 24});
    const bool sold = active && m_random.chance(0.9);
    const QDate lastSaleDay = today.addDays(-m_random.between(1, 45));
    const int lastSaleHour = m_random.between(7, 21);
    const QDateTime lastSale = moment(lastSaleDay, QTime(lastSaleHour, m_random.between(0, 59)));
    const bool showShortLabel = m_random.chance(0.3);

    QString note;
    if (d.recipe)
        note = d.recipe->validityDays == 1 ? QStringLiteral("CONSUMIR NO MESMO DIA")
                                           : QStringLiteral("CONSUMIR EM ATÉ %1 DIAS").arg(d.recipe->validityDays);

    if (!m_products.insert({code, 1, d.description, barcode, d.saleUnit, active ? "T" : "F", d.price,
                            promotion == Promotion::None ? 0.0 : promotionPrice, cost,
                            period.start.isValid() ? QVariant(isoMoment(period.start)) : QVariant(),
                            period.end.isValid() ? QVariant(isoDay(period.end)) : QVariant(),
                            showShortLabel ? orNull(d.shortLabel) : QVariant(),
                            hasReference ? QVariant(QStringLiteral("R%1").arg(100000 + code)) : QVariant(),
                            d.pack.content, orNull(d.pack.unit),
                            priceChanged ? QVariant(newPrice) : QVariant(),
                            priceChanged ? QVariant(isoDay(changeDay)) : QVariant(),
                            0, orNull(note),
                            hasPackaging ? QVariant(Barcodes::packaging(barcode, 1)) : QVariant(),
                            hasPackaging ? unitsPerBox : 1,
                            d.department, d.subDepartment,
                            sold ? QVariant(isoMoment(lastSale)) : QVariant()}))
        return m_context.failed(m_products);
    if (priceChanged && changedToday
        && !m_printQueue.insert({code, isoMoment(changeMoment), 1, labelPrinted ? "F" : "A"}))
        return m_context.failed(m_printQueue);

    m_context.products.push_back({code, d.price, weighed, active});
    return true;
}

} // namespace

bool writeProducts(StoreContext &context, int count)
{
    context.products.reserve(std::size_t(std::max(0, count)));
    ProductWriter writer(context);
    const QList<FixedProduct> &fixed = fixedProducts();
    QSet<QString> fixedDescriptions;
    for (int i = 0; i < std::min<int>(count, fixed.size()); ++i) {
        fixedDescriptions.insert(fixed.at(i).description);
        const auto promotion = kFixedPromotions.constFind(i);
        if (!writer.write(draftOf(fixed.at(i)),
                          promotion == kFixedPromotions.cend() ? std::nullopt : std::optional(*promotion)))
            return false;
    }

    std::vector<Combo> combos = allCombos();
    for (std::size_t i = combos.size() - 1; i > 0; --i)
        std::swap(combos[i], combos[std::size_t(writer.random().between(0, int(i)))]);
    for (qint64 next = 0; int(context.products.size()) < count; ++next) {
        const Combo &combo = combos[std::size_t(next % qint64(combos.size()))];
        const int round = int(next / qint64(combos.size()));
        const Draft draft = draftOf(combo, round, writer.random());
        if (round == 0 && fixedDescriptions.contains(draft.description))
            continue;
        if (!writer.write(draft))
            return false;
    }
    return true;
}

bool writeLinkedBarcodes(StoreContext &context, int count)
{
    DemoRandom random(context.seed, quint32(Stream::LinkedBarcodes));
    Barcodes barcodes;
    TableWriter linked = context.writer(QStringLiteral("BARRAS_VINCULADA"), {"COD_PROD", "CODIGO_BARRAS", "COD_LOJA"});
    std::vector<int> candidates;
    for (const ProductSummary &p : context.products)
        if (p.active && !p.byWeight)
            candidates.push_back(p.code);
    if (candidates.empty())
        return true;
    // The first product of the store always has two linked barcodes, an EAN-13 and an EAN-8.
    int product = candidates.front();
    for (int i = 0; i < count; ++i) {
        if (i >= 2 && !random.chance(0.25))
            product = candidates[std::size_t(random.between(0, int(candidates.size()) - 1))];
        const bool shortCode = i == 1 || random.chance(0.05);
        if (!linked.insert({product, barcodes.linked(shortCode), 1}))
            return context.failed(linked);
    }
    return true;
}

} // namespace demo
