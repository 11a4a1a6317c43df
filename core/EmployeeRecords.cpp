#include "EmployeeRecords.h"

#include "TDMSqls.h"
#include "platform/Messages.h"

#include <QSqlError>

namespace {

const SqlStatement adFun{
    QStringLiteral("adFun"),
    DbConnection::Server,
    QStringLiteral("SELECT * FROM Funcionario WHERE Cod_func= :piCod OR Codigo_Barras= :psBar"),
    QStringLiteral("SELECT * FROM Funcionario WHERE Cod_func= :piCod OR Codigo_Barras= :psBar"),
};

const SqlStatement adSenha{
    QStringLiteral("adSenha"),
    DbConnection::Server,
    QStringLiteral("SELECT flg_origem as Origem, Codigo, Senha,CHK_SANGRIAS, CHK_EXCLUIR_NOTA FROM Senha "
                   "WHERE flg_Origem='F' AND Codigo= :piCod"),
    QStringLiteral("SELECT flg_origem as Origem, Codigo, Senha,CHK_SANGRIAS, CHK_EXCLUIR_NOTA FROM Senha "
                   "WHERE flg_Origem='F' AND Codigo= :piCod"),
};

// The first row of the query, nullopt when it has none; false when it fails.
bool firstRow(QSqlQuery &query, std::optional<QSqlRecord> &row)
{
    if (!query.exec()) {
        platform::showMessage(query.lastError().text(), platform::MessageIcon::Error);
        return false;
    }
    row = query.next() ? std::optional<QSqlRecord>(query.record()) : std::nullopt;
    return true;
}

} // namespace

bool openAdFun(TDMSqls &dm, int code, const QString &badge)
{
    QSqlQuery query = dm.prepare(adFun);
    query.bindValue(QStringLiteral(":piCod"), code);
    // No badge is NULL, not an empty text: an empty text would find every employee whose
    // badge was left empty, and the first of them would stand for the code typed.
    query.bindValue(QStringLiteral(":psBar"), badge.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(badge));
    return firstRow(query, dm.employeeRows().adFun);
}

bool openAdSenha(TDMSqls &dm, int code)
{
    QSqlQuery query = dm.prepare(adSenha);
    query.bindValue(QStringLiteral(":piCod"), code);
    return firstRow(query, dm.employeeRows().adSenha);
}
