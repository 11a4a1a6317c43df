#include "Catalogue.h"

#include <QRegularExpression>

namespace demo {
namespace {

Family family(int department, int subDepartment, const QString &type, const QStringList &variants,
              const QStringList &brands, const QStringList &packs, double price)
{
    Family f{department, subDepartment, type, variants, brands, {}, price};
    for (const QString &label : packs)
        f.packs.append(pack(label));
    return f;
}

// Weighed at the counter: no pack, priced per kilogram.
Family byWeight(int department, int subDepartment, const QString &type, const QStringList &variants,
                const QStringList &brands, double pricePerKilogram)
{
    Family f = family(department, subDepartment, type, variants, brands, {}, pricePerKilogram);
    f.saleUnit = QStringLiteral("KG");
    return f;
}

Family brandFirst(Family f)
{
    f.brandFirst = true;
    return f;
}

Family shortBarcode(Family f)
{
    f.shortBarcode = true;
    return f;
}

} // namespace

Pack pack(const QString &label)
{
    static const QRegularExpression size(QStringLiteral("(\\d+(?:,\\d+)?)(KG|ML|CM|MT|G|L|M)(?![A-Z0-9])"));
    Pack result{label, 0, {}};
    for (auto it = size.globalMatch(label); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result.content = match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        result.unit = match.captured(2);
    }
    return result;
}

const QList<Department> &departments()
{
    static const QList<Department> list = {
        {1, QStringLiteral("MERCEARIA"), {}, {
            {1, QStringLiteral("GRÃOS E CEREAIS")}, {2, QStringLiteral("MASSAS")},
            {3, QStringLiteral("ENLATADOS E CONSERVAS")}, {4, QStringLiteral("MOLHOS E TEMPEROS")},
            {5, QStringLiteral("ÓLEOS E AZEITES")}, {6, QStringLiteral("AÇÚCAR E ADOÇANTES")},
            {7, QStringLiteral("CAFÉS E CHÁS")}, {8, QStringLiteral("BISCOITOS")},
            {9, QStringLiteral("MATINAIS")}, {10, QStringLiteral("FARINHAS")},
            {11, QStringLiteral("DOCES E SOBREMESAS")}}},
        {2, QStringLiteral("BEBIDAS"), QStringLiteral("F"), {
            {1, QStringLiteral("REFRIGERANTES")}, {2, QStringLiteral("SUCOS E REFRESCOS")},
            {3, QStringLiteral("ÁGUAS")}, {4, QStringLiteral("CERVEJAS")}, {5, QStringLiteral("VINHOS")},
            {6, QStringLiteral("DESTILADOS")}, {7, QStringLiteral("ENERGÉTICOS E ISOTÔNICOS")}}},
        {3, QStringLiteral("LATICÍNIOS"), {}, {
            {1, QStringLiteral("LEITES")}, {2, QStringLiteral("IOGURTES E BEBIDAS LÁCTEAS")},
            {3, QStringLiteral("QUEIJOS")}, {4, QStringLiteral("MANTEIGAS E MARGARINAS")},
            {5, QStringLiteral("REQUEIJÕES E CREMES")}}},
        {4, QStringLiteral("FRIOS E EMBUTIDOS"), QStringLiteral("T"), {
            {1, QStringLiteral("FRIOS FATIADOS")}, {2, QStringLiteral("EMBUTIDOS")}, {3, QStringLiteral("DEFUMADOS")}}},
        {5, QStringLiteral("AÇOUGUE"), QStringLiteral("T"), {
            {1, QStringLiteral("BOVINOS")}, {2, QStringLiteral("SUÍNOS")}, {3, QStringLiteral("AVES")},
            {4, QStringLiteral("PEIXES")}}},
        {6, QStringLiteral("HORTIFRÚTI"), QStringLiteral("T"), {
            {1, QStringLiteral("FRUTAS")}, {2, QStringLiteral("LEGUMES")}, {3, QStringLiteral("VERDURAS")},
            {4, QStringLiteral("OVOS")}}},
        {7, QStringLiteral("PADARIA E CONFEITARIA"), QStringLiteral("T"), {
            {1, QStringLiteral("PÃES")}, {2, QStringLiteral("BOLOS E TORTAS")}, {3, QStringLiteral("SALGADOS")},
            {4, QStringLiteral("PÃES INDUSTRIALIZADOS")}}},
        {8, QStringLiteral("LIMPEZA"), {}, {
            {1, QStringLiteral("LAVA-ROUPAS")}, {2, QStringLiteral("DESINFETANTES")},
            {3, QStringLiteral("DETERGENTES")}, {4, QStringLiteral("ÁGUA SANITÁRIA")},
            {5, QStringLiteral("AMACIANTES")}, {6, QStringLiteral("ESPONJAS E PANOS")}}},
        {9, QStringLiteral("HIGIENE E PERFUMARIA"), {}, {
            {1, QStringLiteral("SABONETES")}, {2, QStringLiteral("CABELOS")}, {3, QStringLiteral("HIGIENE BUCAL")},
            {4, QStringLiteral("DESODORANTES")}, {5, QStringLiteral("PAPEL HIGIÊNICO")},
            {6, QStringLiteral("FRALDAS E ABSORVENTES")}}},
        {10, QStringLiteral("CONGELADOS"), QStringLiteral("F"), {
            {1, QStringLiteral("PIZZAS E LASANHAS")}, {2, QStringLiteral("SORVETES")},
            {3, QStringLiteral("HAMBÚRGUERES E EMPANADOS")}, {4, QStringLiteral("VEGETAIS CONGELADOS")},
            {5, QStringLiteral("PÃO DE QUEIJO")}}},
        {11, QStringLiteral("BAZAR E UTILIDADES"), {}, {
            {1, QStringLiteral("DESCARTÁVEIS")}, {2, QStringLiteral("PILHAS E LÂMPADAS")},
            {3, QStringLiteral("UTILIDADES")}}},
        {12, QStringLiteral("PET SHOP"), {}, {
            {1, QStringLiteral("CÃES")}, {2, QStringLiteral("GATOS")}, {3, QStringLiteral("HIGIENE ANIMAL")}}},
        {13, QStringLiteral("BOMBONIERE"), {}, {
            {1, QStringLiteral("CHOCOLATES")}, {2, QStringLiteral("BALAS E CHICLETES")},
            {3, QStringLiteral("SALGADINHOS")}}},
        {14, QStringLiteral("ROTISSERIA"), QStringLiteral("T"), {
            {1, QStringLiteral("ASSADOS")}, {2, QStringLiteral("PRATOS PRONTOS")}, {3, QStringLiteral("SALADAS")}}},
    };
    return list;
}

const QList<Family> &families()
{
    using L = QStringList;
    static const QList<Family> list = {
        // Mercearia
        family(1, 1, "ARROZ", L{"TIPO 1", "PARBOILIZADO", "INTEGRAL", "ARBÓRIO"},
               L{"TIO JOÃO", "CAMIL", "PRATO FINO", "NAMORADO", "BLUE VILLE"}, L{"1KG", "2KG", "5KG"}, 6.49),
        family(1, 1, "FEIJÃO", L{"CARIOCA", "PRETO", "FRADINHO", "BRANCO", "RAJADO"},
               L{"KICALDO", "CAMIL", "TIO JOÃO", "BROTO LEGAL"}, L{"500G", "1KG", "2KG"}, 4.99),
        family(1, 1, "LENTILHA", L{"", "VERMELHA"}, L{"YOKI", "CAMIL", "KICALDO"}, L{"500G"}, 9.49),
        family(1, 1, "GRÃO DE BICO", L{""}, L{"YOKI", "CAMIL", "KICALDO"}, L{"500G"}, 11.90),
        family(1, 2, "MACARRÃO", L{"ESPAGUETE", "PENNE", "PARAFUSO", "GRAVATA", "AVE MARIA", "TALHARIM"},
               L{"RENATA", "ADRIA", "BARILLA", "DONA BENTA", "SANTA AMÁLIA"}, L{"500G", "1KG"}, 4.29),
        family(1, 2, "MACARRÃO INSTANTÂNEO", L{"GALINHA", "CARNE", "LEGUMES", "GALINHA CAIPIRA"},
               L{"NISSIN MIOJO", "MAGGI", "TURMA DA MÔNICA"}, L{"80G", "85G"}, 1.89),
        family(1, 3, "MILHO VERDE EM CONSERVA", L{""}, L{"QUERO", "PREDILECTA", "BONARE", "FUGINI"},
               L{"170G", "200G"}, 3.99),
        family(1, 3, "ERVILHA EM CONSERVA", L{""}, L{"QUERO", "PREDILECTA", "BONARE", "FUGINI"},
               L{"170G", "200G"}, 3.79),
        family(1, 3, "SARDINHA", L{"EM ÓLEO", "COM TOMATE", "COM LIMÃO"}, L{"GOMES DA COSTA", "COQUEIRO", "88"},
               L{"125G"}, 5.49),
        family(1, 3, "ATUM", L{"SÓLIDO EM ÓLEO", "RALADO", "PEDAÇOS AO NATURAL"}, L{"GOMES DA COSTA", "COQUEIRO"},
               L{"170G"}, 9.99),
        family(1, 3, "EXTRATO DE TOMATE", L{""}, L{"ELEFANTE", "QUERO", "FUGINI", "CICA"}, L{"140G", "340G"}, 3.49),
        family(1, 4, "MOLHO DE TOMATE", L{"TRADICIONAL", "MANJERICÃO", "BOLONHESA", "PIZZA"},
               L{"POMAROLA", "HEINZ", "QUERO", "FUGINI"}, L{"300G", "340G"}, 2.99),
        family(1, 4, "MAIONESE", L{"TRADICIONAL", "LIGHT", "COM LIMÃO"}, L{"HELLMANN'S", "QUERO", "HEINZ", "ARISCO"},
               L{"250G", "500G", "1KG"}, 4.99),
        family(1, 4, "KETCHUP", L{"TRADICIONAL", "PICANTE"}, L{"HEINZ", "QUERO", "HELLMANN'S"}, L{"260G", "397G"}, 7.49),
        family(1, 4, "TEMPERO", L{"ALHO E SAL", "COMPLETO", "PARA CARNES", "PARA AVES"}, L{"ARISCO", "KITANO", "SAZÓN"},
               L{"60G", "300G"}, 2.99),
        family(1, 4, "SAL REFINADO", L{"IODADO"}, L{"CISNE", "LEBRE", "MASTER"}, L{"1KG"}, 2.49),
        family(1, 5, "ÓLEO", L{"DE SOJA", "DE MILHO", "DE GIRASSOL", "DE CANOLA"}, L{"SOYA", "LIZA", "COCAMAR", "SALADA"},
               L{"900ML"}, 7.49),
        family(1, 5, "AZEITE DE OLIVA", L{"EXTRA VIRGEM", "TIPO ÚNICO"},
               L{"GALLO", "ANDORINHA", "BORGES", "LA ESPAÑOLA", "COCINERO"}, L{"250ML", "500ML"}, 19.90),
        family(1, 6, "AÇÚCAR", L{"REFINADO", "CRISTAL", "MASCAVO", "DEMERARA", "CONFEITEIRO"},
               L{"UNIÃO", "DA BARRA", "CARAVELAS", "GUARANI"}, L{"1KG", "2KG", "5KG"}, 4.99),
        family(1, 6, "ADOÇANTE", L{"SUCRALOSE", "STEVIA", "ASPARTAME"}, L{"LINEA", "ZERO-CAL", "ADOCYL", "FINN"},
               L{"65ML", "100ML"}, 9.99),
        family(1, 7, "CAFÉ TORRADO E MOÍDO", L{"TRADICIONAL", "EXTRA FORTE", "GOURMET", "DESCAFEINADO"},
               L{"PILÃO", "MELITTA", "3 CORAÇÕES", "CAFÉ DO PONTO", "SANTA CLARA"}, L{"250G", "500G"}, 11.90),
        family(1, 7, "CAFÉ SOLÚVEL", L{"TRADICIONAL", "EXTRA FORTE"}, L{"NESCAFÉ", "3 CORAÇÕES", "MELITTA"},
               L{"50G", "100G", "200G"}, 10.90),
        family(1, 7, "CHÁ", L{"CAMOMILA", "ERVA DOCE", "HORTELÃ", "CAPIM CIDREIRA", "MATE", "FRUTAS VERMELHAS"},
               L{"LEÃO", "DR. OETKER", "CHÁS DO BRASIL"}, L{"15G"}, 4.29),
        family(1, 8, "BISCOITO RECHEADO", L{"CHOCOLATE", "MORANGO", "BAUNILHA", "LIMÃO"},
               L{"NEGRESCO", "PASSATEMPO", "OREO", "TRAKINAS", "BAUDUCCO", "BONO"}, L{"130G", "140G"}, 2.99),
        family(1, 8, "BISCOITO", L{"CREAM CRACKER", "ÁGUA E SAL", "MARIA", "MAISENA", "ROSQUINHA DE COCO"},
               L{"VITARELLA", "MARILAN", "PIRAQUÊ", "ADRIA", "TOSTINES"}, L{"200G", "400G"}, 3.49),
        family(1, 8, "WAFER", L{"CHOCOLATE", "MORANGO", "LIMÃO", "BAUNILHA"}, L{"BAUDUCCO", "TOSTINES", "ADRIA"},
               L{"140G"}, 2.99),
        family(1, 9, "ACHOCOLATADO EM PÓ", L{"TRADICIONAL", "50% MENOS AÇÚCAR"}, L{"NESCAU", "TODDY", "OVOMALTINE", "ITALAC"},
               L{"200G", "400G", "800G"}, 5.99),
        family(1, 9, "CEREAL MATINAL", L{"FLOCOS DE MILHO", "CHOCOLATE", "INTEGRAL", "GRANOLA"},
               L{"KELLOGG'S", "NESTLÉ", "QUAKER"}, L{"250G", "500G"}, 9.90),
        family(1, 9, "AVEIA EM FLOCOS", L{"FINOS", "GROSSOS"}, L{"QUAKER", "YOKI", "NESTLÉ"}, L{"170G", "450G"}, 4.99),
        family(1, 10, "FARINHA DE TRIGO", L{"TIPO 1", "INTEGRAL", "COM FERMENTO"}, L{"DONA BENTA", "ROSA BRANCA", "SOL", "BUQUÊ"},
               L{"1KG", "5KG"}, 4.99),
        family(1, 10, "FARINHA DE MANDIOCA", L{"CRUA", "TORRADA", "D'ÁGUA"}, L{"YOKI", "KODILAR", "AMAFIL"},
               L{"500G", "1KG"}, 5.49),
        family(1, 10, "FUBÁ MIMOSO", L{""}, L{"YOKI", "SINHÁ", "KODILAR"}, L{"500G", "1KG"}, 2.99),
        shortBarcode(family(1, 11, "GELATINA EM PÓ", L{"MORANGO", "UVA", "LIMÃO", "FRAMBOESA", "ABACAXI", "CEREJA"},
                            L{"ROYAL", "DR. OETKER", "SOL"}, L{"20G", "25G"}, 1.49)),
        family(1, 11, "LEITE CONDENSADO", L{"INTEGRAL", "SEMIDESNATADO"}, L{"MOÇA", "ITALAC", "PIRACANJUBA"}, L{"395G"}, 6.49),
        family(1, 11, "CREME DE LEITE", L{""}, L{"NESTLÉ", "ITALAC", "PIRACANJUBA"}, L{"200G"}, 3.49),
        // Bebidas
        brandFirst(family(2, 1, "REFRIGERANTE", L{"ORIGINAL", "ZERO AÇÚCAR"},
                          L{"COCA-COLA", "PEPSI", "GUARANÁ ANTARCTICA", "FANTA LARANJA", "SPRITE", "SCHWEPPES", "ITUBAÍNA"},
                          L{"LATA 350ML", "600ML", "1L", "2L"}, 3.49)),
        family(2, 2, "SUCO", L{"100% UVA INTEGRAL", "LARANJA", "PÊSSEGO", "MARACUJÁ", "MANGA", "CAJU"},
               L{"DEL VALLE", "MAGUARY", "ALIANÇA", "SUFRESH"}, L{"1L", "1,5L"}, 7.99),
        shortBarcode(family(2, 2, "REFRESCO EM PÓ", L{"LARANJA", "UVA", "MORANGO", "LIMÃO", "MARACUJÁ"},
                            L{"TANG", "CLIGHT", "FRESH", "MID"}, L{"25G"}, 1.29)),
        family(2, 3, "ÁGUA MINERAL", L{"SEM GÁS", "COM GÁS"},
               L{"CRYSTAL", "BONAFONT", "MINALBA", "FONTE D'ÁGUA", "INDAIÁ", "SÃO LOURENÇO"}, L{"500ML", "1,5L", "5L"}, 1.99),
        family(2, 3, "ÁGUA DE COCO", L{""}, L{"KERO COCO", "OBRIGADO", "SOCOCO"}, L{"200ML", "1L"}, 3.49),
        brandFirst(family(2, 4, "CERVEJA", L{"PILSEN", "PURO MALTE"},
                          L{"BRAHMA", "SKOL", "ANTARCTICA", "HEINEKEN", "BUDWEISER", "ITAIPAVA", "ORIGINAL", "STELLA ARTOIS", "AMSTEL"},
                          L{"LATA 350ML", "LATÃO 473ML", "LONG NECK 330ML", "GARRAFA 600ML"}, 3.29)),
        family(2, 5, "VINHO", L{"TINTO SECO", "TINTO SUAVE", "BRANCO SECO", "ROSÉ"},
               L{"CASILLERO DEL DIABLO", "SANTA HELENA", "PERGOLA", "CHALISE", "SALTON", "MIOLO"}, L{"750ML"}, 29.90),
        brandFirst(family(2, 6, "CACHAÇA", L{"OURO", "PRATA"}, L{"YPIÓCA", "51", "VELHO BARREIRO", "SAGATIBA"},
                          L{"965ML"}, 15.90)),
        brandFirst(family(2, 6, "VODKA", L{""}, L{"SMIRNOFF", "ABSOLUT", "ORLOFF"}, L{"600ML", "998ML"}, 39.90)),
        brandFirst(family(2, 7, "ENERGÉTICO", L{"TRADICIONAL", "SEM AÇÚCAR"}, L{"RED BULL", "MONSTER", "TNT"},
                          L{"LATA 250ML", "LATA 473ML"}, 8.99)),
        brandFirst(family(2, 7, "ISOTÔNICO", L{"LIMÃO", "LARANJA", "MORANGO E MARACUJÁ", "TANGERINA"},
                          L{"GATORADE", "POWERADE"}, L{"500ML"}, 5.49)),
        // Laticínios
        family(3, 1, "LEITE", L{"INTEGRAL", "DESNATADO", "SEMIDESNATADO", "ZERO LACTOSE"},
               L{"ITALAC", "PIRACANJUBA", "PARMALAT", "NINHO", "ELEGÊ", "BETÂNIA"}, L{"1L"}, 4.99),
        family(3, 1, "LEITE EM PÓ", L{"INTEGRAL", "DESNATADO", "INSTANTÂNEO"},
               L{"NINHO", "ITALAC", "PIRACANJUBA", "LA SERENÍSSIMA"}, L{"400G", "800G"}, 17.90),
        family(3, 2, "IOGURTE", L{"NATURAL INTEGRAL", "MORANGO", "SALADA DE FRUTAS", "COCO", "DESNATADO 0% GORDURA"},
               L{"NESTLÉ", "DANONE", "BATAVO", "VIGOR", "ITAMBÉ"}, L{"170G", "900G"}, 2.99),
        family(3, 2, "BEBIDA LÁCTEA", L{"MORANGO", "CHOCOLATE", "SALADA DE FRUTAS"}, L{"ITALAC", "PIRACANJUBA", "BATAVO"},
               L{"1L"}, 5.49),
        byWeight(3, 3, "QUEIJO", L{"MUÇARELA", "PRATO", "PROVOLONE", "PARMESÃO", "MINAS FRESCAL", "MINAS PADRÃO", "COALHO"},
                 L{"TIROLEZ", "SCALA", "PRESIDENT", "ITAMBÉ"}, 49.90),
        family(3, 3, "QUEIJO RALADO", L{"PARMESÃO"}, L{"FAIXA AZUL", "VIGOR", "TIROLEZ"}, L{"50G", "100G"}, 6.99),
        family(3, 4, "MANTEIGA", L{"COM SAL", "SEM SAL"}, L{"AVIAÇÃO", "PRESIDENT", "ITAMBÉ", "TIROLEZ", "BATAVO"},
               L{"200G", "500G"}, 12.90),
        family(3, 4, "MARGARINA", L{"COM SAL", "SEM SAL", "LIGHT"}, L{"QUALY", "DORIANA", "BECEL", "DELÍCIA"},
               L{"250G", "500G", "1KG"}, 4.99),
        family(3, 5, "REQUEIJÃO CREMOSO", L{"TRADICIONAL", "LIGHT"}, L{"CATUPIRY", "VIGOR", "ITAMBÉ", "NESTLÉ", "DANÚBIO"},
               L{"200G"}, 7.49),
        // Frios e embutidos
        byWeight(4, 1, "PRESUNTO", L{"COZIDO", "MAGRO"}, L{"SADIA", "PERDIGÃO", "SEARA", "AURORA"}, 34.90),
        byWeight(4, 1, "MORTADELA", L{"TRADICIONAL", "COM AZEITONA", "DEFUMADA"}, L{"SADIA", "PERDIGÃO", "CERATTI", "AURORA"}, 19.90),
        byWeight(4, 1, "PEITO DE PERU", L{"DEFUMADO", "ASSADO"}, L{"SADIA", "PERDIGÃO", "SEARA"}, 59.90),
        byWeight(4, 1, "SALAME", L{"ITALIANO", "HAMBURGUÊS"}, L{"SADIA", "CERATTI", "AURORA"}, 79.90),
        byWeight(4, 2, "LINGUIÇA", L{"TOSCANA", "CALABRESA", "DE FRANGO", "PAIO"}, L{"SADIA", "PERDIGÃO", "SEARA", "AURORA"}, 21.90),
        family(4, 2, "SALSICHA", L{"HOT DOG", "DE FRANGO", "VIENA"}, L{"SADIA", "PERDIGÃO", "SEARA"}, L{"500G"}, 8.99),
        family(4, 3, "BACON", L{"EM CUBOS", "FATIADO", "MANTA"}, L{"SADIA", "SEARA", "AURORA"}, L{"250G"}, 12.90),
        // Açougue
        byWeight(5, 1, "", L{"ALCATRA BOVINA", "PICANHA BOVINA", "CONTRA FILÉ BOVINO", "FRALDINHA BOVINA", "ACÉM BOVINO",
                             "PATINHO BOVINO", "COXÃO MOLE BOVINO", "COXÃO DURO BOVINO", "MÚSCULO BOVINO", "MAMINHA BOVINA",
                             "COSTELA BOVINA", "CUPIM BOVINO", "FILÉ MIGNON BOVINO"},
                 L{"FRIBOI", "SWIFT", "MINERVA", ""}, 42.90),
        byWeight(5, 2, "", L{"PERNIL SUÍNO", "LOMBO SUÍNO", "COSTELINHA SUÍNA", "BISTECA SUÍNA", "PANCETA SUÍNA"},
                 L{"SADIA", "PERDIGÃO", "AURORA", ""}, 22.90),
        byWeight(5, 3, "", L{"PEITO DE FRANGO", "COXA E SOBRECOXA", "ASA DE FRANGO", "FILÉ DE PEITO DE FRANGO",
                             "CORAÇÃO DE FRANGO", "FRANGO A PASSARINHO"},
                 L{"SADIA", "PERDIGÃO", "SEARA", "COPACOL"}, 17.90),
        byWeight(5, 4, "", L{"FILÉ DE TILÁPIA", "FILÉ DE MERLUZA", "POSTA DE CAÇÃO", "SALMÃO EM POSTA"}, L{}, 39.90),
        // Hortifrúti
        byWeight(6, 1, "", L{"BANANA NANICA", "BANANA PRATA", "MAÇÃ FUJI", "MAÇÃ GALA", "LARANJA PERA", "LIMÃO TAHITI",
                             "MAMÃO FORMOSA", "MAMÃO PAPAIA", "MELANCIA", "MELÃO AMARELO", "UVA ITÁLIA", "UVA NIÁGARA",
                             "MANGA PALMER", "MANGA TOMMY", "PERA WILLIAMS", "KIWI", "TANGERINA PONKAN", "GOIABA VERMELHA"},
                 L{}, 6.99),
        byWeight(6, 2, "", L{"TOMATE ITALIANO", "TOMATE CARMEM", "BATATA INGLESA", "BATATA DOCE", "CEBOLA", "ALHO", "CENOURA",
                             "BETERRABA", "ABOBRINHA", "PEPINO", "PIMENTÃO VERDE", "PIMENTÃO VERMELHO", "CHUCHU",
                             "MANDIOCA", "BERINJELA", "ABÓBORA CABOTIÁ", "INHAME", "QUIABO"},
                 L{}, 5.99),
        family(6, 3, "", L{"ALFACE CRESPA", "ALFACE AMERICANA", "RÚCULA", "AGRIÃO", "COUVE MANTEIGA", "CHEIRO VERDE",
                           "ESPINAFRE", "BRÓCOLIS NINJA", "COUVE-FLOR", "SALSINHA", "HORTELÃ"},
               L{"", "HORTA NOBRE"}, L{""}, 3.49),
        family(6, 4, "OVOS", L{"BRANCOS GRANDES", "VERMELHOS GRANDES", "CAIPIRA", "DE CODORNA"},
               L{"MANTIQUEIRA", "GRANJA YABUTA", "KATAYAMA"}, L{"C/12", "C/20", "C/30"}, 9.49),
        // Padaria (industrializados; a produção própria tem código fixo)
        family(7, 4, "PÃO DE FORMA", L{"TRADICIONAL", "INTEGRAL", "SEM CASCA", "MULTIGRÃOS"},
               L{"PULLMAN", "WICKBOLD", "SEVEN BOYS", "PANCO", "PLUS VITA"}, L{"400G", "500G"}, 7.99),
        family(7, 4, "PÃO", L{"DE HAMBÚRGUER", "DE HOT DOG", "BISNAGUINHA"}, L{"PULLMAN", "WICKBOLD", "SEVEN BOYS", "PANCO"},
               L{"300G"}, 6.99),
        family(7, 4, "TORRADA", L{"TRADICIONAL", "INTEGRAL", "LIGHT"}, L{"BAUDUCCO", "MARILAN", "VISCONTI"}, L{"160G"}, 5.49),
        // Limpeza
        family(8, 1, "SABÃO EM PÓ", L{"MULTIAÇÃO", "PRIMAVERA", "COCO", "BEBÊ"},
               L{"OMO", "ARIEL", "BRILHANTE", "TIXAN YPÊ", "SURF"}, L{"800G", "1,6KG", "4KG"}, 12.90),
        family(8, 1, "SABÃO LÍQUIDO", L{"CONCENTRADO", "ROUPAS ESCURAS"}, L{"OMO", "ARIEL", "BRILHANTE", "YPÊ"},
               L{"900ML", "3L"}, 19.90),
        family(8, 1, "SABÃO EM BARRA", L{"GLICERINADO", "NEUTRO", "COCO"}, L{"YPÊ", "MINUANO", "FLOR DE YPÊ"}, L{"C/5 1KG"}, 9.99),
        family(8, 2, "DESINFETANTE", L{"LAVANDA", "EUCALIPTO", "CAMPESTRE", "FLORAL", "PINHO"},
               L{"PINHO SOL", "VEJA", "YPÊ", "CASA & PERFUME", "UAU"}, L{"500ML", "1L", "2L", "1,5L 50% MAIS"}, 4.49),
        family(8, 2, "ÁLCOOL", L{"LÍQUIDO 70%", "GEL 70%", "LÍQUIDO 46,2%"}, L{"SANTA CRUZ", "ZULU", "TUPI"},
               L{"500ML", "1L"}, 6.99),
        family(8, 3, "DETERGENTE LÍQUIDO", L{"NEUTRO", "LIMÃO", "COCO", "MAÇÃ", "CLEAR"}, L{"YPÊ", "LIMPOL", "MINUANO", "ODD"},
               L{"500ML"}, 2.49),
        family(8, 4, "ÁGUA SANITÁRIA", L{""}, L{"QBOA", "YPÊ", "CANDURA", "SUPER CANDIDA"}, L{"1L", "2L", "5L"}, 3.99),
        family(8, 5, "AMACIANTE", L{"AZUL", "BRISA", "FLORAL", "INTENSO"}, L{"COMFORT", "DOWNY", "MON BIJOU", "YPÊ", "FOFO"},
               L{"500ML", "2L"}, 9.90),
        family(8, 6, "ESPONJA", L{"DUPLA FACE", "MULTIUSO", "NÃO RISCA"}, L{"SCOTCH-BRITE", "ASSOLAN", "BOMBRIL"},
               L{"C/3", "C/4"}, 3.49),
        family(8, 6, "LÃ DE AÇO", L{""}, L{"BOMBRIL", "ASSOLAN"}, L{"60G"}, 2.49),
        // Higiene e perfumaria
        family(9, 1, "SABONETE", L{"ERVA DOCE", "AVEIA", "HIDRATANTE", "ANTIBACTERIANO"},
               L{"LUX", "DOVE", "PROTEX", "NIVEA", "PALMOLIVE", "FRANCIS", "GRANADO"}, L{"85G", "90G"}, 2.29),
        family(9, 2, "SHAMPOO", L{"LISO", "CACHOS", "ANTICASPA", "RESTAURAÇÃO", "2 EM 1"},
               L{"PANTENE", "SEDA", "ELSEVE", "CLEAR", "HEAD & SHOULDERS", "TRESEMMÉ"}, L{"200ML", "400ML"}, 14.90),
        family(9, 2, "CONDICIONADOR", L{"LISO", "CACHOS", "RESTAURAÇÃO"}, L{"PANTENE", "SEDA", "ELSEVE", "TRESEMMÉ"},
               L{"200ML"}, 16.90),
        family(9, 3, "CREME DENTAL", L{"TRIPLA AÇÃO", "BRANQUEADOR", "SENSITIVE", "MENTA"},
               L{"COLGATE", "SORRISO", "CLOSE UP", "ORAL-B", "SENSODYNE"}, L{"70G", "90G"}, 4.49),
        family(9, 3, "ESCOVA DENTAL", L{"MACIA", "MÉDIA"}, L{"COLGATE", "ORAL-B", "CONDOR"}, L{"", "C/2"}, 6.99),
        family(9, 4, "DESODORANTE AEROSOL", L{"MASCULINO", "FEMININO", "SEM PERFUME"}, L{"REXONA", "NIVEA", "DOVE", "AXE", "MONANGE"},
               L{"150ML"}, 13.90),
        family(9, 5, "PAPEL HIGIÊNICO", L{"FOLHA SIMPLES", "FOLHA DUPLA", "FOLHA TRIPLA"}, L{"NEVE", "PERSONAL", "SCOTT", "MILI"},
               L{"C/4", "C/12", "C/16"}, 5.49),
        brandFirst(family(9, 6, "FRALDA", L{"P", "M", "G", "XG", "XXG"}, L{"PAMPERS", "HUGGIES", "MAMYPOKO", "PERSONAL BABY"},
                          L{"C/22", "C/44"}, 39.90)),
        family(9, 6, "ABSORVENTE", L{"COM ABAS", "SEM ABAS", "NOTURNO"}, L{"ALWAYS", "INTIMUS", "SEMPRE LIVRE"},
               L{"C/8", "C/16"}, 4.99),
        // Congelados
        family(10, 1, "PIZZA CONGELADA", L{"MUÇARELA", "CALABRESA", "PORTUGUESA", "FRANGO COM CATUPIRY", "QUATRO QUEIJOS"},
               L{"SADIA", "PERDIGÃO", "SEARA"}, L{"460G"}, 17.90),
        family(10, 1, "LASANHA CONGELADA", L{"BOLONHESA", "QUATRO QUEIJOS", "PRESUNTO E QUEIJO", "FRANGO"},
               L{"SADIA", "PERDIGÃO", "SEARA"}, L{"600G"}, 15.90),
        family(10, 2, "SORVETE", L{"CHOCOLATE", "CREME", "FLOCOS", "NAPOLITANO", "MORANGO"}, L{"KIBON", "NESTLÉ", "FRUTOS DO BRASIL"},
               L{"1,5L", "2L"}, 19.90),
        family(10, 3, "HAMBÚRGUER", L{"BOVINO", "DE FRANGO", "DE PICANHA"}, L{"SADIA", "PERDIGÃO", "SEARA", "BASSI"},
               L{"56G", "672G"}, 2.49),
        family(10, 3, "EMPANADO", L{"NUGGETS TRADICIONAL", "NUGGETS CROCANTE", "STEAK DE FRANGO"}, L{"SADIA", "PERDIGÃO", "SEARA"},
               L{"300G", "1KG"}, 11.90),
        family(10, 4, "", L{"BRÓCOLIS CONGELADO", "ERVILHA CONGELADA", "SELETA DE LEGUMES", "BATATA PRÉ-FRITA"},
               L{"PRATIGEL", "BONDUELLE", "MCCAIN"}, L{"300G", "1KG"}, 8.99),
        family(10, 5, "PÃO DE QUEIJO CONGELADO", L{"TRADICIONAL", "COQUETEL"}, L{"FORNO DE MINAS", "PÃO DA VOVÓ", "SADIA"},
               L{"400G", "1KG"}, 13.90),
        // Bazar e utilidades
        family(11, 1, "PAPEL ALUMÍNIO", L{""}, L{"WYDA", "ROCHEDO", "DOVER-ROLL"}, L{"30CM X 4M", "30CM X 7,5M", "45CM X 7,5M"}, 4.99),
        family(11, 1, "FILME PVC", L{""}, L{"WYDA", "ROCHEDO", "DOVER-ROLL"}, L{"28CM X 15M", "28CM X 30M"}, 3.99),
        family(11, 1, "PAPEL CONTACT", L{"TRANSPARENTE", "MADEIRA", "COLORIDO"}, L{"VULCAN", "PLAVITEC"},
               L{"45CM X 100CM", "45CM X 200CM"}, 6.99),
        family(11, 2, "PILHA ALCALINA", L{"AA", "AAA"}, L{"DURACELL", "ENERGIZER", "PANASONIC", "RAYOVAC"}, L{"C/2", "C/4"}, 9.90),
        family(11, 2, "LÂMPADA LED", L{"9W BRANCA", "12W BRANCA", "9W AMARELA"}, L{"PHILIPS", "OSRAM", "ELGIN", "AVANT"},
               L{""}, 12.90),
        family(11, 3, "FITA ADESIVA", L{"TRANSPARENTE 45MM", "CREPE 18MM", "DUPLA FACE 12MM"}, L{"SCOTCH 3M", "ADELBRAS", "EUROCEL"},
               L{"30M", "50M"}, 5.99),
        family(11, 3, "BARBANTE", L{"ALGODÃO 8 FIOS", "CRU 6 FIOS"}, L{"SÃO JOÃO", "EUROROMA"}, L{"100M", "250M"}, 7.99),
        family(11, 3, "CARVÃO VEGETAL", L{""}, L{"BRASA FORTE", "CHAMA VIVA"}, L{"3KG", "5KG"}, 16.90),
        // Pet shop
        family(12, 1, "RAÇÃO PARA CÃES", L{"ADULTO CARNE", "FILHOTE", "ADULTO FRANGO E ARROZ", "RAÇAS PEQUENAS"},
               L{"PEDIGREE", "GOLDEN", "DOG CHOW", "PREMIER", "BILLY DOG"}, L{"1KG", "3KG", "10,1KG", "15KG"}, 14.90),
        family(12, 2, "RAÇÃO PARA GATOS", L{"ADULTO PEIXE", "FILHOTE", "CASTRADOS"}, L{"WHISKAS", "FRISKIES", "GOLDEN", "CAT CHOW"},
               L{"1KG", "3KG", "10,1KG"}, 12.90),
        shortBarcode(family(12, 2, "SACHÊ PARA GATOS", L{"CARNE AO MOLHO", "PEIXE AO MOLHO", "FRANGO"},
                            L{"WHISKAS", "FRISKIES", "FELIX"}, L{"85G"}, 2.99)),
        family(12, 3, "AREIA SANITÁRIA", L{"PERFUMADA", "SÍLICA"}, L{"PIPICAT", "CHALESCO", "KELCO"}, L{"4KG"}, 12.90),
        // Bomboniere
        family(13, 1, "CHOCOLATE", L{"AO LEITE", "MEIO AMARGO", "BRANCO", "70% CACAU", "AO LEITE COM AMENDOIM"},
               L{"LACTA", "NESTLÉ", "GAROTO", "HERSHEY'S", "ARCOR"}, L{"80G", "90G"}, 6.49),
        family(13, 1, "CAIXA DE BOMBONS", L{"SORTIDOS", "ESPECIALIDADES"}, L{"GAROTO", "LACTA", "NESTLÉ"}, L{"250G", "300G"}, 13.90),
        shortBarcode(family(13, 2, "BALA", L{"MENTA", "MORANGO", "CARAMELO", "GENGIBRE", "SORTIDA"},
                            L{"FINI", "HALLS", "DORI", "7 BELO", "ICE KISS"}, L{"28G", "100G"}, 1.99)),
        shortBarcode(family(13, 2, "CHICLETE", L{"MENTA", "HORTELÃ", "MORANGO", "TUTTI FRUTTI", "CANELA"},
                            L{"TRIDENT", "BUBBALOO", "CLORETS"}, L{"8G", "21G"}, 2.49)),
        family(13, 3, "SALGADINHO", L{"QUEIJO", "PRESUNTO", "CEBOLA E SALSA", "ORIGINAL"},
               L{"RUFFLES", "DORITOS", "CHEETOS", "FANDANGOS", "LAY'S"}, L{"50G", "96G"}, 7.99),
        family(13, 3, "AMENDOIM", L{"TORRADO SALGADO", "JAPONÊS", "CROCANTE"}, L{"DORI", "ELMA CHIPS", "YOKI"}, L{"150G", "500G"}, 5.99),
    };
    return list;
}

namespace {

FixedProduct sold(int department, int subDepartment, const QString &description, double price, const QString &packLabel = {})
{
    return {department, subDepartment, description, QStringLiteral("UN"), price, pack(packLabel)};
}

FixedProduct weighed(int department, int subDepartment, const QString &description, double pricePerKilogram)
{
    return {department, subDepartment, description, QStringLiteral("KG"), pricePerKilogram, {}};
}

FixedProduct withShortBarcode(FixedProduct p)
{
    p.shortBarcode = true;
    return p;
}

FixedProduct made(FixedProduct p, const Recipe &recipe)
{
    p.recipe = recipe;
    return p;
}

const QString kBreadNote = QStringLiteral(
    "INGREDIENTES: FARINHA DE TRIGO ENRIQUECIDA COM FERRO E ÁCIDO FÓLICO, ÁGUA, SAL, AÇÚCAR, GORDURA VEGETAL "
    "E FERMENTO BIOLÓGICO. CONTÉM GLÚTEN. ALÉRGICOS: CONTÉM TRIGO. PODE CONTER LEITE.");
const QString kCakeNote = QStringLiteral(
    "INGREDIENTES: FARINHA DE TRIGO ENRIQUECIDA COM FERRO E ÁCIDO FÓLICO, AÇÚCAR, OVOS, ÓLEO DE SOJA, LEITE "
    "INTEGRAL E FERMENTO QUÍMICO. CONTÉM GLÚTEN E LACTOSE. ALÉRGICOS: CONTÉM TRIGO, OVO E LEITE.");
const QString kSnackNote = QStringLiteral(
    "INGREDIENTES: FARINHA DE TRIGO ENRIQUECIDA COM FERRO E ÁCIDO FÓLICO, RECHEIO, ÓLEO DE SOJA, SAL E "
    "CONDIMENTOS NATURAIS. CONTÉM GLÚTEN. CONSUMIR NO MESMO DIA.");
const QString kChilledNote = QStringLiteral(
    "PRODUTO PERECÍVEL. MANTER REFRIGERADO ENTRE 0°C E 5°C. APÓS ABERTO CONSUMIR EM ATÉ 24 HORAS.");

} // namespace

const QList<FixedProduct> &fixedProducts()
{
    static const QList<FixedProduct> list = {
        sold(1, 1, QStringLiteral("ARROZ TIPO 1 TIO JOÃO 5KG"), 27.90, QStringLiteral("5KG")),
        sold(1, 1, QStringLiteral("FEIJÃO CARIOCA KICALDO 1KG"), 8.49, QStringLiteral("1KG")),
        sold(3, 1, QStringLiteral("LEITE INTEGRAL ITALAC 1L"), 5.29, QStringLiteral("1L")),
        sold(2, 3, QStringLiteral("ÁGUA MINERAL SEM GÁS CRYSTAL 500ML"), 2.19, QStringLiteral("500ML")),
        made(weighed(7, 1, QStringLiteral("PÃO FRANCÊS KG"), 16.90), {kBreadNote, 1, 200, 10}),
        sold(1, 6, QStringLiteral("AÇÚCAR REFINADO UNIÃO 1KG"), 4.99, QStringLiteral("1KG")),
        sold(1, 7, QStringLiteral("CAFÉ TORRADO E MOÍDO PILÃO 500G"), 18.90, QStringLiteral("500G")),
        sold(1, 5, QStringLiteral("ÓLEO DE SOJA SOYA 900ML"), 7.49, QStringLiteral("900ML")),
        sold(8, 2, QStringLiteral("DESINFETANTE PINHO SOL ORIGINAL 1,5L 50% MAIS"), 8.99, QStringLiteral("1,5L")),
        sold(8, 2, QStringLiteral("ÁLCOOL LÍQUIDO 70% SANTA CRUZ 1L"), 7.99, QStringLiteral("1L")),
        sold(1, 10, QStringLiteral("FARINHA DE TRIGO TIPO 1 DONA BENTA 5KG"), 21.90, QStringLiteral("5KG")),
        weighed(5, 1, QStringLiteral("CARNE MOÍDA PATINHO KG"), 39.90),
        weighed(5, 3, QStringLiteral("FRANGO INTEIRO CONGELADO SADIA KG"), 12.90),
        weighed(3, 3, QStringLiteral("QUEIJO MUÇARELA FATIADO KG"), 44.90),
        weighed(4, 1, QStringLiteral("PRESUNTO COZIDO FATIADO KG"), 32.90),
        weighed(6, 1, QStringLiteral("BANANA PRATA KG"), 6.49),
        weighed(6, 2, QStringLiteral("TOMATE ITALIANO KG"), 7.98),
        sold(6, 4, QStringLiteral("OVOS BRANCOS GRANDES MANTIQUEIRA C/12"), 10.90),
        sold(11, 1, QStringLiteral("PAPEL ALUMÍNIO WYDA 30CM X 7,5M"), 5.49, QStringLiteral("30CM X 7,5M")),
        sold(11, 1, QStringLiteral("PAPEL CONTACT TRANSPARENTE VULCAN 45CM X 200CM"), 12.90, QStringLiteral("45CM X 200CM")),
        sold(2, 4, QStringLiteral("CERVEJA BRAHMA PILSEN LATA 350ML"), 3.29, QStringLiteral("350ML")),
        sold(2, 1, QStringLiteral("REFRIGERANTE COCA-COLA ORIGINAL 2L"), 10.99, QStringLiteral("2L")),
        withShortBarcode(sold(13, 2, QStringLiteral("CHICLETE TRIDENT MENTA 8G"), 2.49, QStringLiteral("8G"))),
        withShortBarcode(sold(13, 2, QStringLiteral("BALA HALLS EXTRA FORTE 28G"), 2.29, QStringLiteral("28G"))),
        made(weighed(7, 1, QStringLiteral("PÃO D'ÁGUA KG"), 17.90), {kBreadNote, 1, 120, 9}),
        made(weighed(7, 1, QStringLiteral("PÃO DE QUEIJO KG"), 49.90),
             {QStringLiteral("INGREDIENTES: POLVILHO DOCE E AZEDO, QUEIJO MINAS PADRÃO, LEITE INTEGRAL, OVOS, ÓLEO DE "
                             "SOJA E SAL. NÃO CONTÉM GLÚTEN. ALÉRGICOS: CONTÉM LEITE E OVO."), 2, 150, 4.5}),
        made(sold(7, 1, QStringLiteral("PÃO DE FORMA CASEIRO 500G"), 11.90, QStringLiteral("500G")), {kBreadNote, 4, 20, 10}),
        made(weighed(7, 2, QStringLiteral("BOLO DE CENOURA COM CHOCOLATE KG"), 39.90), {kCakeNote, 4, 8, 9.6}),
        made(weighed(7, 2, QStringLiteral("BOLO DE FUBÁ CREMOSO KG"), 34.90), {kCakeNote, 4, 8, 8}),
        made(weighed(7, 2, QStringLiteral("TORTA DE LIMÃO KG"), 59.90), {kChilledNote, 3, 6, 7.2}),
        made(sold(7, 2, QStringLiteral("SONHO DE CREME"), 4.50), {kCakeNote, 2, 60, 4.8}),
        made(sold(7, 3, QStringLiteral("COXINHA DE FRANGO"), 6.50), {kSnackNote, 1, 100, 8}),
        made(sold(7, 3, QStringLiteral("KIBE FRITO"), 6.50), {kSnackNote, 1, 100, 7}),
        made(sold(7, 3, QStringLiteral("ESFIHA DE CARNE"), 5.90), {kSnackNote, 1, 80, 6.4}),
        made(weighed(14, 1, QStringLiteral("FRANGO ASSADO KG"), 29.90), {kChilledNote, 1, 20, 24}),
        made(weighed(14, 1, QStringLiteral("COSTELA BOVINA ASSADA KG"), 69.90), {kChilledNote, 1, 10, 15}),
        made(weighed(14, 2, QStringLiteral("LASANHA À BOLONHESA KG"), 54.90), {kChilledNote, 2, 12, 9}),
        made(weighed(14, 2, QStringLiteral("ARROZ À GREGA KG"), 24.90), {kChilledNote, 1, 10, 5}),
        made(weighed(14, 3, QStringLiteral("SALADA DE MAIONESE KG"), 29.90), {kChilledNote, 2, 10, 5}),
        made(weighed(14, 3, QStringLiteral("VINAGRETE KG"), 22.90), {kChilledNote, 2, 10, 3}),
    };
    return list;
}

const QList<ProductionLink> &productionLinks()
{
    // Flour, minced meat, chicken and cheese taken out of stock for the bakery and the kitchen.
    static const QList<ProductionLink> list = {
        {10, 4, 10}, {10, 24, 8}, {10, 26, 6}, {10, 30, 3}, {10, 31, 4},
        {11, 32, 4}, {11, 33, 3}, {11, 36, 3},
        {12, 34, 24}, {12, 31, 5},
        {13, 36, 1.5}, {13, 25, 1.2},
    };
    return list;
}

const QList<Shift> &shifts()
{
    using L = QStringList;
    static const QList<Shift> list = {
        {L{"08:00", "12:00", "13:00", "17:00", "08:00", "10:00", "10:15", "12:00", "08:00", "10:00", "10:15", "12:00"}, 10, true},
        {L{"06:00", "10:00", "11:00", "14:20", "06:00", "09:00", "09:15", "12:00", "07:00", "09:00", "09:15", "13:00"}, 10, true},
        {L{"14:00", "18:00", "19:00", "22:20", "13:00", "16:00", "16:15", "20:00", "13:00", "15:00", "15:15", "19:00"}, 15, true},
        // Night shift: entry before midnight, exit the next morning.
        {L{"22:00", "02:00", "03:00", "06:00", "22:00", "02:00", "03:00", "06:00", "22:00", "02:00", "03:00", "06:00"}, 10, true},
        {L{"08:00", "10:00", "10:15", "14:00", "08:00", "10:00", "10:15", "12:00", "08:00", "10:00", "10:15", "12:00"}, 0, false},
        {L{"07:00", "11:00", "12:00", "16:00", "07:00", "09:00", "09:15", "12:00", "07:00", "09:00", "09:15", "12:00"}, 0, true},
    };
    return list;
}

const QList<Employee> &employees()
{
    static const QList<Employee> list = {
        {QStringLiteral("CARLOS ALBERTO MENDES"), 5, true},
        {QStringLiteral("ANA PAULA FERREIRA"), 0, true},
        {QStringLiteral("MARCOS VINÍCIUS ROCHA"), 1, true},
        {QStringLiteral("JOSÉ APARECIDO DOS SANTOS"), 1, false},
        {QStringLiteral("MARIA DAS GRAÇAS LIMA"), 1, false},
        {QStringLiteral("FRANCISCO DE ASSIS PEREIRA"), 1, false},
        {QStringLiteral("JULIANA CRISTINA ALVES"), 0, false},
        {QStringLiteral("ANTÔNIO CARLOS SOUZA"), 0, false},
        {QStringLiteral("PATRÍCIA GONÇALVES"), 2, false},
        {QStringLiteral("RAFAEL AUGUSTO MOREIRA"), 2, false},
        {QStringLiteral("FERNANDA RIBEIRO CAMPOS"), 2, false},
        {QStringLiteral("LUCAS HENRIQUE DA CONCEIÇÃO"), 4, false},
        {QStringLiteral("GABRIELA DE ARAÚJO"), 4, false},
        {QStringLiteral("SEBASTIÃO RODRIGUES NETO"), 3, false},
        {QStringLiteral("JOÃO BATISTA D'ÁVILA"), 3, false},
        {QStringLiteral("SANDRA REGINA MACHADO"), 0, false},
        {QStringLiteral("EDUARDO FALCÃO"), 0, false},
        {QStringLiteral("VANESSA CASTRO MELO"), 1, false},
        {QStringLiteral("PAULO ROBERTO TEIXEIRA"), 2, false},
        {QStringLiteral("ALINE BEATRIZ MONTEIRO"), 1, false},
        {QStringLiteral("RODRIGO NASCIMENTO"), 0, false},
        {QStringLiteral("TATIANE CARDOSO"), 2, false},
        {QStringLiteral("ROBERTO CARLOS BRAGA"), 0, false, false},
        {QStringLiteral("LUCIANA MAGALHÃES"), 4, false},
    };
    return list;
}

const QList<SheetLayout> &sheetLayouts()
{
    // Adhesive label sheets: letter (215,9 x 279,4) and A4 (210 x 297); the third row is the
    // layout the sheet screens start with.
    static const QList<SheetLayout> list = {
        {8, QStringLiteral("PIMACO 6180 - 3 X 10 - 66,7 X 25,4 MM"), 279.4, 215.9, 4.76, 4.76, 12.7, 12.7, 69.85, 25.4, 3, 10, 66.675, 25.4},
        {10, QStringLiteral("PIMACO A4260 - 3 X 7 - 63,5 X 38,1 MM"), 297, 210, 7.21, 7.21, 15.15, 15.15, 66.04, 38.1, 3, 7, 63.5, 38.1},
        {12, QStringLiteral("PIMACO A4263 - 2 X 7 - 99,0 X 38,1 MM"), 297, 210, 4.7, 4.7, 15.15, 15.15, 101.6, 38.1, 2, 7, 99.0, 38.1},
        {6, QStringLiteral("PIMACO 6187 - 4 X 20 - 44,5 X 12,7 MM"), 279.4, 215.9, 7.62, 7.62, 12.7, 12.7, 52.07, 12.7, 4, 20, 44.45, 12.7},
        {7, QStringLiteral("PIMACO A4251 - 5 X 13 - 38,2 X 21,2 MM"), 297, 210, 4.62, 4.62, 10.7, 10.7, 40.64, 21.2, 5, 13, 38.2, 21.2},
        {8, QStringLiteral("PIMACO A4256 - 3 X 11 - 63,5 X 25,4 MM"), 297, 210, 7.21, 7.21, 8.8, 8.8, 66.04, 25.4, 3, 11, 63.5, 25.4},
    };
    return list;
}

const QStringList &maleNames()
{
    static const QStringList list = {
        "JOSÉ", "JOÃO", "ANTÔNIO", "FRANCISCO", "CARLOS", "PAULO", "PEDRO", "LUCAS", "LUIZ", "MARCOS",
        "LUÍS", "GABRIEL", "RAFAEL", "DANIEL", "MARCELO", "BRUNO", "EDUARDO", "FELIPE", "RAIMUNDO", "RODRIGO",
        "SEBASTIÃO", "FÁBIO", "SÉRGIO", "VINÍCIUS", "CAIO", "ANDRÉ", "MATHEUS", "GUSTAVO", "HÉLIO", "OTÁVIO",
    };
    return list;
}

const QStringList &femaleNames()
{
    static const QStringList list = {
        "MARIA", "ANA", "FRANCISCA", "ANTÔNIA", "ADRIANA", "JULIANA", "MÁRCIA", "FERNANDA", "PATRÍCIA", "ALINE",
        "SANDRA", "CAMILA", "AMANDA", "BRUNA", "JÉSSICA", "LETÍCIA", "JÚLIA", "LUCIANA", "VANESSA", "MARIANA",
        "CONCEIÇÃO", "CÉLIA", "LÚCIA", "GLÓRIA", "BEATRIZ", "TÂNIA", "SÔNIA", "RENATA", "SIMONE", "ÂNGELA",
    };
    return list;
}

const QStringList &surnames()
{
    static const QStringList list = {
        "SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA", "LIMA", "GOMES",
        "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES", "SOARES", "FERNANDES", "VIEIRA", "BARBOSA",
        "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE", "MOREIRA", "NUNES", "MARQUES", "MACHADO", "MENDES", "FREITAS",
        "CARDOSO", "RAMOS", "GONÇALVES", "SANTANA", "TEIXEIRA", "ARAÚJO", "CONCEIÇÃO", "MAGALHÃES", "FALCÃO",
        "BRAGANÇA", "D'ÁVILA", "ASSUNÇÃO", "GALVÃO", "CASTRO", "PINTO", "MONTEIRO", "CAMPOS", "BRANDÃO", "SIMÕES",
    };
    return list;
}

} // namespace demo
