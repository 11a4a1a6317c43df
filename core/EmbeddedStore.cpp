#include "EmbeddedStore.h"

#include "platform/Clock.h"

#include <QFile>
#include <QSqlDriver>

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <vector>

// The schema lives in this static library's resources, which must be pulled in by hand.
static void loadStoreResources() { Q_INIT_RESOURCE(store); }

namespace embedded_store {
namespace {

sqlite3 *handleOf(QSqlDatabase &database)
{
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void getDate(sqlite3_context *context, int, sqlite3_value **)
{
    const QByteArray text = platform::serverNow().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
    sqlite3_result_text(context, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Total stock of a product from the movement journal: the last count, plus the entries
// and minus the exits recorded after it.
void totalStock(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3 *db = sqlite3_context_db_handle(context);
    static const char *sql =
        "WITH ultima AS (SELECT QUANTIDADE, DATA, ID FROM PRODUTO_MOVIMENTACAO_LOCAL "
        "                WHERE COD_PROD = ?1 AND FLG_TIPO_MOV = 'I' ORDER BY ID DESC LIMIT 1) "
        "SELECT COALESCE((SELECT QUANTIDADE FROM ultima), 0) "
        "     + COALESCE(SUM(CASE m.FLG_TIPO_MOV WHEN 'E' THEN m.QUANTIDADE WHEN 'S' THEN -m.QUANTIDADE END), 0) "
        "FROM PRODUTO_MOVIMENTACAO_LOCAL m "
        "WHERE m.COD_PROD = ?1 AND m.FLG_TIPO_MOV IN ('E', 'S') "
        "  AND (NOT EXISTS (SELECT 1 FROM ultima) OR m.DATA > (SELECT DATA FROM ultima))";
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_result_error(context, sqlite3_errmsg(db), -1);
        return;
    }
    sqlite3_bind_value(stmt, 1, argv[0]);
    if (sqlite3_step(stmt) == SQLITE_ROW)
        sqlite3_result_double(context, sqlite3_column_double(stmt, 0));
    else
        sqlite3_result_null(context);
    sqlite3_finalize(stmt);
}

// CONVERT(int, text) as the server does it: blanks around, an optional sign and digits;
// an empty text is 0; anything else fails the statement.
void sqlServerInt(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        sqlite3_result_int64(context, sqlite3_value_int64(argv[0]));
        return;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[0]))).trimmed();
    if (text.isEmpty()) {
        sqlite3_result_int(context, 0);
        return;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    const bool digitsOnly = !text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    if (!ok || !digitsOnly) {
        const QByteArray message = "Conversion failed when converting the varchar value '" + text.toUtf8()
                                 + "' to data type int.";
        sqlite3_result_error(context, message.constData(), -1);
        return;
    }
    sqlite3_result_int(context, value);
}

// The characters of a UTF-8 text; a byte that starts no valid sequence stands for itself.
void decodeUtf8(const unsigned char *text, int size, std::vector<char32_t> &out)
{
    out.clear();
    for (int i = 0; i < size;) {
        const unsigned char c = text[i];
        const auto continuation = [&](int k) { return i + k < size && (text[i + k] & 0xC0) == 0x80; };
        if (c < 0x80) {
            out.push_back(c);
            i += 1;
        } else if ((c & 0xE0) == 0xC0 && continuation(1)) {
            out.push_back(char32_t(c & 0x1F) << 6 | (text[i + 1] & 0x3F));
            i += 2;
        } else if ((c & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
            out.push_back(char32_t(c & 0x0F) << 12 | char32_t(text[i + 1] & 0x3F) << 6 | (text[i + 2] & 0x3F));
            i += 3;
        } else if ((c & 0xF8) == 0xF0 && continuation(1) && continuation(2) && continuation(3)) {
            out.push_back(char32_t(c & 0x07) << 18 | char32_t(text[i + 1] & 0x3F) << 12
                          | char32_t(text[i + 2] & 0x3F) << 6 | (text[i + 3] & 0x3F));
            i += 4;
        } else {
            out.push_back(c);
            i += 1;
        }
    }
}

char32_t folded(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    return QChar::toCaseFolded(c);
}

// A LIKE pattern ready to match: any one character, any run of characters, or a letter
// compared without case.
struct LikePattern {
    enum Kind { AnyOne, AnyRun, Letter };
    struct Element {
        Kind kind;
        char32_t letter;
    };
    std::vector<Element> elements;
    std::optional<char32_t> escape;
    bool valid = true; // false when the pattern ends with the escape character

    LikePattern(const std::vector<char32_t> &pattern, std::optional<char32_t> escapeCharacter)
        : escape(escapeCharacter)
    {
        for (size_t i = 0; i < pattern.size(); ++i) {
            const char32_t c = pattern[i];
            if (escape && c == *escape) {
                if (++i == pattern.size()) {
                    valid = false;
                    return;
                }
                elements.push_back({Letter, folded(pattern[i])});
            } else if (c == U'%') {
                elements.push_back({AnyRun, 0});
            } else if (c == U'_') {
                elements.push_back({AnyOne, 0});
            } else {
                elements.push_back({Letter, folded(c)});
            }
        }
    }

    // Folds `text` in place and matches it: greedy, backtracking to the last run only.
    bool matches(std::vector<char32_t> &text) const
    {
        if (!valid)
            return false;
        for (char32_t &c : text)
            c = folded(c);
        size_t t = 0, p = 0, runText = 0;
        std::optional<size_t> runAt;
        while (t < text.size()) {
            if (p < elements.size() && elements[p].kind == AnyRun) {
                runAt = p++;
                runText = t;
            } else if (p < elements.size() && (elements[p].kind == AnyOne || elements[p].letter == text[t])) {
                ++p;
                ++t;
            } else if (runAt) {
                p = *runAt + 1;
                t = ++runText;
            } else {
                return false;
            }
        }
        while (p < elements.size() && elements[p].kind == AnyRun)
            ++p;
        return p == elements.size();
    }
};

// like(pattern, text [, escape]), the function behind every LIKE of the connection: without
// case for every letter, as the server's usual collation compares ("ção" finds "ÇÃO"), where
// SQLite's own folds ASCII letters only. Accents still count.
void like(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    thread_local std::vector<char32_t> buffer;
    std::optional<char32_t> escape;
    if (argc == 3) {
        decodeUtf8(sqlite3_value_text(argv[2]), sqlite3_value_bytes(argv[2]), buffer);
        if (buffer.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = buffer.front();
    }
    // The pattern is the same for every row of a statement: it is compiled once and kept
    // with the statement, which may drop it whenever it likes.
    const auto *pattern = static_cast<const LikePattern *>(sqlite3_get_auxdata(context, 0));
    std::unique_ptr<LikePattern> compiled;
    if (!pattern || pattern->escape != escape) {
        decodeUtf8(sqlite3_value_text(argv[0]), sqlite3_value_bytes(argv[0]), buffer);
        compiled = std::make_unique<LikePattern>(buffer, escape);
        pattern = compiled.get();
    }
    decodeUtf8(sqlite3_value_text(argv[1]), sqlite3_value_bytes(argv[1]), buffer);
    sqlite3_result_int(context, pattern->matches(buffer) ? 1 : 0);
    if (compiled)
        sqlite3_set_auxdata(context, 0, compiled.release(), [](void *p) { delete static_cast<LikePattern *>(p); });
}

} // namespace

bool registerFunctions(QSqlDatabase &database)
{
    sqlite3 *db = handleOf(database);
    if (!db)
        return false;
    // Not deterministic: the clock moves, and tests move it.
    return sqlite3_create_function_v2(db, "GETDATE", 0, SQLITE_UTF8, nullptr, getDate, nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function_v2(db, "SQLSERVER_INT", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                      sqlServerInt, nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function_v2(db, "UDF_TARVO_ESTOQUE_TOTAL", 1, SQLITE_UTF8, nullptr, totalStock,
                                      nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, like, nullptr,
                                      nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function_v2(db, "like", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, like, nullptr,
                                      nullptr, nullptr) == SQLITE_OK;
}

bool runScript(QSqlDatabase &database, const QString &script, QString *error)
{
    sqlite3 *db = handleOf(database);
    if (!db) {
        if (error)
            *error = QStringLiteral("not an embedded store connection");
        return false;
    }
    const QByteArray sql = "BEGIN;\n" + script.toUtf8() + "\nCOMMIT;";
    char *message = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(message);
        sqlite3_free(message);
        sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

namespace {

std::optional<QString> schemaScript(QString *error)
{
    loadStoreResources();
    QFile schema(QStringLiteral(":/store/schema.sql"));
    if (!schema.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("schema resource missing");
        return std::nullopt;
    }
    return QString::fromUtf8(schema.readAll());
}

} // namespace

bool createSchema(QSqlDatabase &database, QString *error)
{
    const auto script = schemaScript(error);
    return script && runScript(database, *script, error);
}

bool completeSchema(QSqlDatabase &database, QString *error)
{
    sqlite3 *db = handleOf(database);
    if (!db) {
        if (error)
            *error = QStringLiteral("not an embedded store connection");
        return false;
    }
    // The description index is the newest part of the schema.
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE name = 'PRODUTO_DESCRICAO_TRIGRAMA'", -1, &statement,
                           nullptr) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    const bool current = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    if (current)
        return true;
    const auto script = schemaScript(error);
    return script
        && runScript(database,
                     *script + QStringLiteral("\nINSERT INTO PRODUTO_DESCRICAO_TRIGRAMA (PRODUTO_DESCRICAO_TRIGRAMA) "
                                              "VALUES ('rebuild');"),
                     error);
}

bool setTriggersEnabled(QSqlDatabase &database, bool enabled)
{
    sqlite3 *db = handleOf(database);
    return db && sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, enabled ? 1 : 0, nullptr) == SQLITE_OK;
}

bool isSqliteFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace embedded_store
