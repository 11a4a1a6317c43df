#pragma once

#include "core/EmployeeAuthorization.h"
#include "core/ScreenContext.h"
#include "core/TerminalSettings.h"
#include "platform/Clock.h"
#include "support/FixtureStore.h"

#include <QSqlQuery>

// A terminal folder with its settings and screen context, for the label screens; the
// terminal and the server both read 10/05/2024 10:00.
struct LabelFixture {
    class NoEmployee final : public EmployeeAuthorization {
    public:
        platform::DialogAnswer authorize(const QString &) override { return platform::DialogAnswer::No; }
        int authorizedEmployee() const override { return 0; }
    };

    static QDateTime now() { return QDateTime(QDate(2024, 5, 10), QTime(10, 0)); }

    LabelFixture()
    {
        platform::setTerminalClock(now);
        platform::setServerClock(now);
        store.insert(QStringLiteral("loja"), {{QStringLiteral("cod_loja"), 1}, {QStringLiteral("NOME_REDUZIDO"), QStringLiteral("LOJA CENTRO")}});
    }
    ~LabelFixture()
    {
        platform::setTerminalClock({});
        platform::setServerClock({});
    }

    // A product: code, barcode, description, regular price, unit, and any further columns.
    void product(int code, const QString &barcode, const QString &description, double price,
                 const QString &unit = QStringLiteral("UN"), QVariantMap more = {})
    {
        more.insert(QStringLiteral("COD_PROD"), code);
        more.insert(QStringLiteral("CODIGO_BARRAS"), barcode);
        more.insert(QStringLiteral("DESCRICAO"), description);
        more.insert(QStringLiteral("VLR_PRECO"), price);
        more.insert(QStringLiteral("FLG_UNIDADE_VENDA"), unit);
        store.insert(QStringLiteral("PRODUTO"), more);
    }

    // A pending entry of the print control.
    void released(int code, const QString &date = QStringLiteral("2024-05-10"))
    {
        store.insert(QStringLiteral("IMP_CONTROL_GONDOLA"),
                     {{QStringLiteral("COD_PROD"), code}, {QStringLiteral("DATA"), date}, {QStringLiteral("FLG_STATUS"), QStringLiteral("A")}});
    }

    // "code status" of every print control entry, in code order.
    QStringList printControl()
    {
        QSqlQuery query(store.dm().database(DbConnection::Server));
        query.exec(QStringLiteral("SELECT COD_PROD, FLG_STATUS FROM IMP_CONTROL_GONDOLA ORDER BY COD_PROD, rowid"));
        QStringList rows;
        while (query.next())
            rows.append(query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString());
        return rows;
    }

    FixtureStore store;
    TerminalSettings settings{store.folder()};
    NoEmployee authorization;
    ScreenContext context{store.dm(), settings, authorization};
};
