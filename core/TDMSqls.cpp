#include "TDMSqls.h"

#include "EmbeddedStore.h"
#include "IniFile.h"
#include "platform/Messages.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace {

const QString kSqlitePrefix = QStringLiteral("sqlite:");

QString uniqueConnectionName(const QString &base)
{
    static QAtomicInt counter;
    return base + QLatin1Char('#') + QString::number(counter.fetchAndAddRelaxed(1));
}

QString sqlitePath(const QString &connectionString, const QString &folder)
{
    return QDir(folder).absoluteFilePath(connectionString.mid(kSqlitePrefix.size()).trimmed());
}

} // namespace

const SqlStatement adEmp{QStringLiteral("adEmp"), DbConnection::Server,
                         QStringLiteral("select * from loja where cod_loja=:piCodLoja"),
                         QStringLiteral("select * from loja where cod_loja=:piCodLoja")};

std::optional<TDMSqls::ConnectionStrings> TDMSqls::findConnectionStrings(const QString &folder)
{
    const IniFile conexao(QDir(folder).filePath(QStringLiteral("Conexao.INI")));
    const bool embedded = QFileInfo::exists(QDir(folder).filePath(QStringLiteral("consulta.db")));
    const auto find = [&](const char *variable, const QString &key) -> QString {
        const QString fromEnvironment = qEnvironmentVariable(variable).trimmed();
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
        const QString fromFile = conexao.value(QStringLiteral("CONEXAO"), key);
        if (!fromFile.isEmpty())
            return fromFile;
        return embedded ? kSqlitePrefix + QStringLiteral("consulta.db") : QString();
    };
    ConnectionStrings strings{find("CONSULTA_SERVIDOR", QStringLiteral("Servidor")),
                              find("CONSULTA_COMANDAS", QStringLiteral("Comandas"))};
    if (strings.server.isEmpty() || strings.comandas.isEmpty())
        return std::nullopt;
    return strings;
}

QString TDMSqls::problemWith(const QString &connectionString, const QString &folder)
{
    if (connectionString.startsWith(kSqlitePrefix, Qt::CaseInsensitive)) {
        const QString path = sqlitePath(connectionString, folder);
        if (!QFileInfo::exists(path))
            return QStringLiteral("embedded store %1 does not exist").arg(path);
        if (!embedded_store::isSqliteFile(path))
            return QStringLiteral("%1 is not an embedded store").arg(path);
        return {};
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        return QStringLiteral("the ODBC driver is not installed");
    return {};
}

std::unique_ptr<TDMSqls> TDMSqls::create(const QString &folder)
{
    const auto strings = findConnectionStrings(folder);
    QString problem = strings ? problemWith(strings->server, folder) : QStringLiteral("no connection setting");
    if (problem.isEmpty())
        problem = problemWith(strings->comandas, folder);
    if (!problem.isEmpty()) {
        qWarning("%s", qPrintable(problem));
        platform::showMessage(
            QStringLiteral("Não foi possível estabelecer conexão com o banco de dados. Contate nosso suporte técnico!"),
            platform::MessageIcon::Warning, QStringLiteral("New Qor - Gráficos"));
        return nullptr;
    }
    return std::make_unique<TDMSqls>(*strings, folder);
}

TDMSqls::TDMSqls(const ConnectionStrings &strings, const QString &folder)
    : m_folder(folder)
{
    m_server = {uniqueConnectionName(QStringLiteral("adoServer")), strings.server,
                strings.server.startsWith(kSqlitePrefix, Qt::CaseInsensitive)};
    m_comandas = {uniqueConnectionName(QStringLiteral("ADOComandas")), strings.comandas,
                  strings.comandas.startsWith(kSqlitePrefix, Qt::CaseInsensitive)};
}

TDMSqls::~TDMSqls()
{
    for (const Connection *c : {&m_server, &m_comandas}) {
        if (QSqlDatabase::contains(c->name)) {
            QSqlDatabase::database(c->name, false).close();
            QSqlDatabase::removeDatabase(c->name);
        }
    }
}

TDMSqls::Connection &TDMSqls::connectionFor(DbConnection connection)
{
    return connection == DbConnection::Server ? m_server : m_comandas;
}

const TDMSqls::Connection &TDMSqls::connectionFor(DbConnection connection) const
{
    return connection == DbConnection::Server ? m_server : m_comandas;
}

bool TDMSqls::isSqlite(DbConnection connection) const { return connectionFor(connection).sqlite; }

bool TDMSqls::openConnection(Connection &c)
{
    QSqlDatabase db = QSqlDatabase::contains(c.name)
        ? QSqlDatabase::database(c.name, false)
        : QSqlDatabase::addDatabase(c.sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QODBC"), c.name);
    if (c.sqlite) {
        const QString path = sqlitePath(c.connectionString, m_folder);
        // Never let the driver create an empty store where the real one went missing.
        if (!embedded_store::isSqliteFile(path))
            return false;
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open())
            return false;
        if (!embedded_store::registerFunctions(db)) {
            db.close();
            return false;
        }
        // A store that cannot be completed (read-only, busy) still serves everything else.
        QString error;
        if (!embedded_store::completeSchema(db, &error))
            qWarning("embedded store %s: %s", qPrintable(path), qPrintable(error));
        return true;
    }
    db.setDatabaseName(c.connectionString);
    if (c.name.startsWith(QStringLiteral("adoServer")))
        db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=900"));
    if (!db.open())
        return false;
    // The statements write dates day first.
    QSqlQuery(db).exec(QStringLiteral("SET DATEFORMAT dmy"));
    return true;
}

QSqlDatabase TDMSqls::database(DbConnection connection)
{
    Connection &c = connectionFor(connection);
    if (QSqlDatabase::contains(c.name)) {
        QSqlDatabase db = QSqlDatabase::database(c.name, false);
        if (db.isOpen())
            return db;
    }
    openConnection(c);
    return QSqlDatabase::database(c.name, false);
}

void TDMSqls::close(DbConnection connection)
{
    const Connection &c = connectionFor(connection);
    if (QSqlDatabase::contains(c.name))
        QSqlDatabase::database(c.name, false).close();
}

QSqlQuery TDMSqls::prepare(const SqlStatement &statement)
{
    QSqlDatabase db = database(statement.connection);
    QSqlQuery query(db);
    query.prepare(isSqlite(statement.connection) ? statement.sqlite : statement.sqlServer);
    return query;
}

QVariant TDMSqls::dateValue(DbConnection connection, const QDateTime &value) const
{
    if (!value.isValid())
        return QVariant(QMetaType(isSqlite(connection) ? QMetaType::QString : QMetaType::QDateTime));
    if (isSqlite(connection))
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return value;
}

bool TDMSqls::openStore(int codLoja)
{
    QSqlQuery query = prepare(adEmp);
    query.bindValue(QStringLiteral(":piCodLoja"), codLoja);
    if (!query.exec())
        return false;
    m_storeShortName = query.next() ? query.value(QStringLiteral("NOME_REDUZIDO")).toString() : QString();
    return true;
}
