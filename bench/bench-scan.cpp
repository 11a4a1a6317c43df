#include "BenchFigures.h"
#include "ScreenBench.h"

#include "core/ShadowLabel.h"
#include "core/TDMSqls.h"
#include "core/TfmConsProd.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QRandomGenerator>

#include <sqlite3.h>

// bench-scan FOLDER [LOOKUPS]: the Enter handling of the real lookup screen over the store
// in FOLDER (query, prices, displays; the screen is never painted while measured) for
// each kind of code a shopper or an employee brings, next to a bare indexed point query
// on the same file through SQLite itself.
namespace {

// Any message during a lookup is a fault of the run: count it instead of blocking on a box.
// A plain connection of SQLite's own, without any function of the terminal.
class BareStore {
public:
    explicit BareStore(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~BareStore() { sqlite3_close_v2(m_db); }

    sqlite3_stmt *prepare(const char *sql) const
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
            qFatal("%s: %s", sql, sqlite3_errmsg(m_db));
        return statement;
    }
    qint64 number(const QByteArray &sql) const
    {
        sqlite3_stmt *statement = prepare(sql.constData());
        const qint64 value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
        sqlite3_finalize(statement);
        return value;
    }
    // The text of the column for the row with that rowid.
    QString textAt(const char *sql, qint64 rowid) const
    {
        sqlite3_stmt *statement = prepare(sql);
        sqlite3_bind_int64(statement, 1, rowid);
        QString text;
        if (sqlite3_step(statement) == SQLITE_ROW)
            text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return text;
    }

private:
    sqlite3 *m_db = nullptr;
};

// Runs the prepared point query for a code and reads every column of its rows, as a
// program of its own would.
int bareLookup(sqlite3_stmt *statement, const QByteArray &code)
{
    sqlite3_bind_text(statement, 1, code.constData(), int(code.size()), SQLITE_STATIC);
    int rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        ++rows;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            sqlite3_column_text(statement, column);
    }
    sqlite3_reset(statement);
    return rows;
}

struct CodeKind {
    QString name;
    QString label;
    // The code of the first row at or after a given rowid, and the table it reads.
    const char *drawSql;
    const char *table;
    // The bare point query for such a code.
    const char *bareSql;
    // A customer card: the screen shows a name and no price.
    bool customer;
};

const QList<CodeKind> kKinds = {
    {QStringLiteral("barcode"), QStringLiteral("barcode scan"),
     "SELECT CODIGO_BARRAS FROM PRODUTO WHERE COD_PROD >= ?1 AND length(CODIGO_BARRAS) = 13 LIMIT 1", "PRODUTO",
     "SELECT * FROM PRODUTO WHERE CODIGO_BARRAS = ?1", false},
    {QStringLiteral("short_code"), QStringLiteral("short code"), "SELECT COD_PROD FROM PRODUTO WHERE COD_PROD >= ?1 LIMIT 1",
     "PRODUTO", "SELECT * FROM PRODUTO WHERE COD_PROD = ?1", false},
    {QStringLiteral("linked_barcode"), QStringLiteral("linked barcode"),
     "SELECT CODIGO_BARRAS FROM BARRAS_VINCULADA WHERE rowid >= ?1 LIMIT 1", "BARRAS_VINCULADA",
     "SELECT p.* FROM BARRAS_VINCULADA b JOIN PRODUTO p ON p.COD_PROD = b.COD_PROD WHERE b.CODIGO_BARRAS = ?1", false},
    {QStringLiteral("customer_card"), QStringLiteral("customer card"),
     "SELECT Codigo_Barras FROM Cliente WHERE COD_CLI >= ?1 LIMIT 1", "Cliente",
     "SELECT * FROM Cliente WHERE Codigo_Barras = ?1", true},
};

QString textOf(TfmConsProd &screen, const char *display)
{
    return screen.findChild<ShadowLabel *>(QString::fromLatin1(display))->text();
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        qCritical("usage: bench-scan FOLDER [LOOKUPS]");
        return 2;
    }
    const QString folder = QDir(args.at(1)).absolutePath();
    const int lookups = args.size() > 2 ? args.at(2).toInt() : 2000;
    bench::QuietMessages messages;

    const BareStore bare(QDir(folder).filePath(QStringLiteral("consulta.db")));
    const qint64 products = bare.number("SELECT max(rowid) FROM PRODUTO");

    const auto dm = TDMSqls::create(folder);
    if (!dm)
        return 1;
    TfmConsProd screen(*dm, folder);
    screen.show();
    QCoreApplication::processEvents();
    QLineEdit *edCod = screen.codeField();

    bench::tableLine(QStringLiteral("scan path, %1 products, %2 lookups of each kind (ms)").arg(products).arg(lookups));
    bench::tableLine(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                         .arg(QStringLiteral("code"), -16)
                         .arg(QStringLiteral("p50"), 8)
                         .arg(QStringLiteral("p99"), 8)
                         .arg(QStringLiteral("bare p50"), 9)
                         .arg(QStringLiteral("bare p99"), 9)
                         .arg(QStringLiteral("x p50"), 7)
                         .arg(QStringLiteral("x p99"), 7));
    QRandomGenerator random(20240607);
    for (const CodeKind &kind : kKinds) {
        sqlite3_stmt *statement = bare.prepare(kind.bareSql);
        const qint64 tableRows = bare.number(QByteArray("SELECT max(rowid) FROM ") + kind.table);
        QStringList codes;
        while (codes.size() < lookups) {
            const QString code = bare.textAt(kind.drawSql, 1 + qint64(random.bounded(quint64(tableRows))));
            if (!code.isEmpty())
                codes << code;
        }
        bench::Samples screenTimes, bareTimes;
        int missed = 0;
        const int warmUp = std::min<int>(100, int(codes.size()));
        for (int i = -warmUp; i < lookups; ++i) {
            const QString &code = codes.at(i < 0 ? i + warmUp : i);
            const QByteArray utf8 = code.toUtf8();
            // The screen and the bare query take turns, so that both see the same machine.
            qint64 start = bench::now();
            edCod->setText(code);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(edCod, &enter);
            const double screenMs = bench::millisecondsSince(start);
            start = bench::now();
            const int rows = bareLookup(statement, utf8);
            const double bareMs = bench::millisecondsSince(start);
            if (i < 0)
                continue;
            screenTimes.add(screenMs);
            bareTimes.add(bareMs);
            const bool shown = !textOf(screen, "dbDescricao").isEmpty()
                            && (kind.customer || !textOf(screen, "dbPreco").isEmpty());
            if (rows == 0 || !shown)
                ++missed;
        }
        sqlite3_finalize(statement);
        const QString name = QStringLiteral("scan.%1.%2").arg(products).arg(kind.name);
        const double p50 = screenTimes.percentile(50), p99 = screenTimes.percentile(99);
        const double bare50 = bareTimes.percentile(50), bare99 = bareTimes.percentile(99);
        bench::tableLine(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                             .arg(kind.label, -16)
                             .arg(p50, 8, 'f', 3)
                             .arg(p99, 8, 'f', 3)
                             .arg(bare50, 9, 'f', 4)
                             .arg(bare99, 9, 'f', 4)
                             .arg(p50 / bare50, 7, 'f', 0)
                             .arg(p99 / bare99, 7, 'f', 0));
        bench::figure(name + QStringLiteral(".p50"), p50, QStringLiteral("ms"));
        bench::figure(name + QStringLiteral(".p99"), p99, QStringLiteral("ms"));
        bench::figure(name + QStringLiteral(".bare_p50"), bare50, QStringLiteral("ms"));
        bench::figure(name + QStringLiteral(".bare_p99"), bare99, QStringLiteral("ms"));
        bench::figure(name + QStringLiteral(".ratio_p50"), p50 / bare50, QStringLiteral("x"));
        bench::figure(name + QStringLiteral(".ratio_p99"), p99 / bare99, QStringLiteral("x"));
        if (missed > 0)
            bench::figure(name + QStringLiteral(".not_shown"), missed, QStringLiteral("lookups"));
    }
    if (messages.count > 0)
        bench::figure(QStringLiteral("scan.%1.messages").arg(products), messages.count, QStringLiteral("messages"));
    bench::figure(QStringLiteral("scan.%1.rss").arg(products), bench::residentMegabytes(), QStringLiteral("MB"));
    return 0;
}
