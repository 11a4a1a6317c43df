#include "Catalogue.h"
#include "StoreParts.h"

namespace demo {

bool writeReferenceData(StoreContext &context)
{
    TableWriter store = context.writer(QStringLiteral("loja"), {"cod_loja", "NOME_REDUZIDO", "RAZAO_SOCIAL", "CNPJ", "CIDADE", "UF"});
    if (!store.insert({1, QStringLiteral("SUPERMERCADO BOM PREÇO"), QStringLiteral("BOM PREÇO COMÉRCIO DE ALIMENTOS LTDA"),
                       QStringLiteral("45.231.087/0001-46"), QStringLiteral("CAMPINAS"), QStringLiteral("SP")}))
        return context.failed(store);

    // Withdrawals need stock; scale labels carry five digits of the product code.
    TableWriter configuration = context.writer(QStringLiteral("CONFIGURACAO"), {"ID", "CHK_RET_SEM_CONSULTA", "COD_BAL"});
    if (!configuration.insert({1, "F", 5}))
        return context.failed(configuration);

    TableWriter departments = context.writer(QStringLiteral("DEPARTAMENTO"), {"COD_DEPART", "DESCRICAO", "CHK_ESTOQUE_LOCAL"});
    TableWriter subDepartments =
        context.writer(QStringLiteral("SUB_DEPARTAMENTO"), {"cod_depart", "cod_subdepart", "DSC_SUBDEPART"});
    for (const Department &d : demo::departments()) {
        if (!departments.insert({d.code, d.name, d.localStock.isEmpty() ? QVariant() : QVariant(d.localStock)}))
            return context.failed(departments);
        for (const SubDepartment &s : d.subDepartments)
            if (!subDepartments.insert({d.code, s.code, s.name}))
                return context.failed(subDepartments);
    }

    TableWriter sheets = context.writer(QStringLiteral("etq_cfg"),
                                        {"COD_ETQ", "FONTE", "TITULO", "ALT_PAG", "LAR_PAG", "MAR_ESQ", "MAR_DIR", "MAR_SUP",
                                         "MAR_INF", "DIS_HOR", "DIS_VER", "NUM_COL", "NUM_LIN", "LAR_ETQ", "ALT_ETQ"});
    int code = 1;
    for (const SheetLayout &s : sheetLayouts())
        if (!sheets.insert({code++, s.fontSize, s.title, s.pageHeight, s.pageWidth, s.marginLeft, s.marginRight, s.marginTop,
                            s.marginBottom, s.pitchHorizontal, s.pitchVertical, s.columns, s.rows, s.labelWidth, s.labelHeight}))
            return context.failed(sheets);
    return true;
}

} // namespace demo
