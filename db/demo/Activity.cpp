#include "Catalogue.h"
#include "DemoRandom.h"
#include "StoreParts.h"

namespace demo {
namespace {

const ProductSummary &anyActiveProduct(const StoreContext &context, DemoRandom &random)
{
    for (;;) {
        const ProductSummary &p = context.products[std::size_t(random.between(0, int(context.products.size()) - 1))];
        if (p.active)
            return p;
    }
}

// Weighed goods in grams, the others in whole units.
double quantityOf(const ProductSummary &p, DemoRandom &random, double lowKg, double highKg, int highUnits)
{
    return p.byWeight ? std::round(random.between(lowKg, highKg) * 1000) / 1000 : random.between(1, highUnits);
}

// Store hours, 07:00 to 21:59.
QTime openingHoursTime(DemoRandom &random) { return QTime(7, 0).addSecs(random.between(0, 15 * 3600 - 1)); }

} // namespace

bool writeProduction(StoreContext &context)
{
    DemoRandom random(context.seed, quint32(Stream::Production));
    const QList<FixedProduct> &fixed = fixedProducts();
    const int written = int(context.products.size());

    TableWriter recipes = context.writer(QStringLiteral("RECEITA"),
                                         {"COD_PROD", "OBS_ETIQUETA", "VALIDADE", "QTDE_PRODUCAO_UND", "QTDE_PRODUCAO_KG"});
    QList<int> ownProducts;
    for (int i = 0; i < std::min<int>(written, fixed.size()); ++i) {
        const std::optional<Recipe> &r = fixed.at(i).recipe;
        if (!r)
            continue;
        ownProducts << fixedProductCode(i);
        if (!recipes.insert({fixedProductCode(i), r->note, r->validityDays, r->batchUnits, r->batchKilograms}))
            return context.failed(recipes);
    }

    TableWriter links = context.writer(QStringLiteral("TRANSF_PROD_PRODUCAO"), {"COD_PROD", "COD_PROD_PRODUCAO", "QTDE", "COD_ESTOQUE"});
    for (const ProductionLink &l : productionLinks())
        if (std::max(l.rawMaterial, l.product) < written
            && !links.insert({fixedProductCode(l.rawMaterial), fixedProductCode(l.product), l.quantity, 1}))
            return context.failed(links);
    if (ownProducts.isEmpty())
        return true;

    // Orders of the bakery and the kitchen from five days ago to tomorrow: the past ones
    // done, one cancelled.
    TableWriter orders = context.writer(QStringLiteral("producao_pedido_nota"),
                                        {"NUMERO", "DATA_PRODUCAO", "DATA_LANCAMENTO", "HORA", "COD_RESPONSAVEL",
                                         "CHK_CANCELADA", "CHK_PEDIDO_CONCLUIDO"});
    TableWriter items = context.writer(QStringLiteral("PRODUCAO_PEDIDO_ITEM"), {"NUMERO", "COD_PROD"});
    const QList<int> responsible = {5, 6, 18};
    int number = 1;
    for (int daysAhead = -5; daysAhead <= 1; ++daysAhead) {
        const QDate day = context.today().addDays(daysAhead);
        for (int n = (daysAhead == 0 ? 3 : 2); n > 0; --n, ++number) {
            const QDateTime launched = moment(day.addDays(-1), QTime(13, 0).addSecs(random.between(0, 4 * 3600)));
            const bool cancelled = number == 4;
            const QVariant done = daysAhead < 0 ? QVariant("T") : number % 5 == 0 ? QVariant() : QVariant("F");
            if (!orders.insert({number, isoDay(day), isoDay(launched.date()), isoMoment(launched), random.pick(responsible),
                                cancelled ? "T" : "F", done}))
                return context.failed(orders);
            QList<int> chosen = ownProducts;
            for (int k = int(chosen.size()) - 1; k > 0; --k)
                chosen.swapItemsAt(k, random.between(0, k));
            for (int k = 0; k < std::min<int>(random.between(3, 6), chosen.size()); ++k)
                if (!items.insert({number, chosen.at(k)}))
                    return context.failed(items);
        }
    }
    return true;
}

bool writeOrderTabs(StoreContext &context)
{
    if (context.products.empty())
        return true;
    DemoRandom random(context.seed, quint32(Stream::Tabs));
    TableWriter tabs = context.writer(QStringLiteral("CMD_NOTA"), {"DOCUMENTO", "NUM_COMANDA", "CHK_Baixa"});
    TableWriter items = context.writer(QStringLiteral("CMD_ITEM"),
                                       {"COD_ITEM", "DOCUMENTO", "COD_PROD", "VLR_QTDE", "Vlr_Total", "CHK_BAIXA", "CHK_CANCELADO"});
    // Tabs 1 to 15 are open now; tabs 1 to 12 were also used and paid earlier today. Tab 3
    // has only cancelled items left.
    int itemCode = 1;
    for (int document = 1; document <= 27; ++document) {
        const bool open = document <= 15;
        const int tab = open ? document : document - 15;
        if (!tabs.insert({document, tab, open ? "F" : "T"}))
            return context.failed(tabs);
        for (int n = random.between(2, 8); n > 0; --n) {
            const ProductSummary &p = anyActiveProduct(context, random);
            const double quantity = quantityOf(p, random, 0.15, 1.8, 3);
            const bool cancelled = tab == 3 || random.chance(0.08);
            const QVariant cancelledFlag = cancelled ? QVariant("T") : random.chance(0.5) ? QVariant("F") : QVariant();
            if (!items.insert({itemCode++, document, p.code, quantity, cents(quantity * p.price), open ? "F" : "T", cancelledFlag}))
                return context.failed(items);
        }
    }
    // Lost or withheld tabs: 7 still has open items.
    TableWriter blocked = context.writer(QStringLiteral("CART_BLOQUEIO"), {"COD_CARTELA"});
    for (const char *tab : {"7", "99", "100"})
        if (!blocked.insert({tab}))
            return context.failed(blocked);
    return true;
}

bool writeSales(StoreContext &context)
{
    if (context.products.empty())
        return true;
    DemoRandom random(context.seed, quint32(Stream::Sales));
    TableWriter receipts = context.writer(QStringLiteral("VND_NOTA"), {"COD_VND_NOTA", "CHK_CUPOM_EXCLUIDO"});
    TableWriter items = context.writer(QStringLiteral("VND_ITEM"),
                                       {"COD_VND_ITEM", "COD_VND_NOTA", "COD_PROD", "DATA_SAIDA", "HORA_SAIDA", "QTDE_SAIDA",
                                        "CHK_EXCLUIDO"});
    // A week of checkout sales up to the moment of creation.
    int receipt = 1;
    int itemCode = 1;
    for (int daysAgo = 6; daysAgo >= 0; --daysAgo) {
        const QDate day = context.today().addDays(-daysAgo);
        for (int n = 0; n < 90; ++n) {
            const QTime time = openingHoursTime(random);
            const bool cancelled = random.chance(0.015);
            const int count = random.between(1, 10);
            const bool happened = moment(day, time) <= context.now;
            if (happened && !receipts.insert({receipt, cancelled ? "T" : "F"}))
                return context.failed(receipts);
            for (int k = 0; k < count; ++k) {
                const ProductSummary &p = anyActiveProduct(context, random);
                const double quantity = quantityOf(p, random, 0.1, 2.5, 4);
                const bool itemCancelled = random.chance(0.02);
                if (happened
                    && !items.insert({itemCode++, receipt, p.code, isoDay(day), time.addSecs(5 * k).toString(QStringLiteral("HH:mm:ss")),
                                      quantity, itemCancelled ? "T" : "F"}))
                    return context.failed(items);
            }
            if (happened)
                ++receipt;
        }
    }
    return true;
}

bool writeStockEntries(StoreContext &context)
{
    if (context.products.empty())
        return true;
    DemoRandom random(context.seed, quint32(Stream::StockEntries));
    TableWriter entries = context.writer(QStringLiteral("ENTRADA_ESTOQUE"), {"COD_ENTRADA", "COD_FORN", "DATA_ENTRADA"});
    TableWriter items = context.writer(QStringLiteral("items_entrada"), {"ID", "COD_ENTRADA", "cod_prod", "COD_LOJA", "QTDE"});
    // Supplier deliveries of the last three weeks.
    int itemId = 1;
    for (int entry = 1; entry <= 16; ++entry) {
        const QDateTime arrival = moment(context.today().addDays(-21 + entry), openingHoursTime(random));
        if (!entries.insert({entry, random.between(1, 40), isoMoment(std::min(arrival, context.now))}))
            return context.failed(entries);
        for (int n = random.between(8, 25); n > 0; --n) {
            const ProductSummary &p = anyActiveProduct(context, random);
            const double quantity = p.byWeight ? std::round(random.between(5.0, 60.0) * 1000) / 1000
                                               : random.pick(QList<int>{6, 12, 24, 48, 60, 120});
            if (!items.insert({itemId++, entry, p.code, 1, quantity}))
                return context.failed(items);
        }
    }
    return true;
}

} // namespace demo
