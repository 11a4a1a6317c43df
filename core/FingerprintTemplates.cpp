#include "FingerprintTemplates.h"

#include "TDMSqls.h"
#include "platform/FingerprintKit.h"

namespace {

const SqlStatement adAcessoEnroll{
    QStringLiteral("adAcessoEnroll"),
    DbConnection::Server,
    QStringLiteral("select TEMPLATE, COD_FUN, COD_CLI  from Enroll where (cod_fun is not null) or (cod_cli is not null)"),
    QStringLiteral("select TEMPLATE, COD_FUN, COD_CLI  from Enroll where (cod_fun is not null) or (cod_cli is not null)"),
};

} // namespace

void loadFingerprintTemplates(TDMSqls &dm)
{
    using platform::FingerprintKit;
    FingerprintKit &kit = platform::fingerprintKit();
    if (!kit.BioInicia(FingerprintKit::kTerminalSlot))
        return;
    QSqlQuery query = dm.prepare(adAcessoEnroll);
    if (!query.exec())
        return;
    try {
        while (query.next()) {
            const int employee = query.value(QStringLiteral("COD_FUN")).toInt();
            if (employee > 0)
                kit.BioAdiciona(FingerprintKit::kTerminalSlot, query.value(QStringLiteral("TEMPLATE")).toString(), employee);
        }
    } catch (const platform::FingerprintKitError &) {
        // A template the kit rejects ends the loading; the ones before it stay in the index.
    }
}
