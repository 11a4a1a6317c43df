#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the demo supermarket sells and who works and shops there: plain data, in the
// upper-case Portuguese that Brazilian store systems keep.
namespace demo {

struct SubDepartment {
    int code;
    QString name;
};

struct Department {
    int code;
    QString name;
    // DEPARTAMENTO.CHK_ESTOQUE_LOCAL: 'T', 'F' or empty for NULL.
    QString localStock;
    QList<SubDepartment> subDepartments;
};

// A package size as printed in the description ("5KG", "30CM X 7,5M", "C/12") and the
// content the unit-price text is worked out from (0 and an empty unit when it has none).
struct Pack {
    QString label;
    double content = 0;
    QString unit;
};

// One kind of goods whose descriptions are the combinations of its variants, brands and
// packs: "ARROZ" x "TIPO 1" x "TIO JOÃO" x "5KG".
struct Family {
    int department;
    int subDepartment;
    QString type;
    QStringList variants;
    QStringList brands;
    QList<Pack> packs;
    // Price of the first pack, or of one kilogram for goods sold by weight.
    double price;
    // FLG_UNIDADE_VENDA: "UN" or "KG" (weighed at the counter, no pack).
    QString saleUnit = QStringLiteral("UN");
    // "REFRIGERANTE COCA-COLA ZERO AÇÚCAR" rather than "ARROZ TIPO 1 TIO JOÃO".
    bool brandFirst = false;
    // Small items that carry an EAN-8 code.
    bool shortBarcode = false;
};

struct Recipe {
    QString note;          // RECEITA.OBS_ETIQUETA
    int validityDays;
    double batchUnits;     // QTDE_PRODUCAO_UND
    double batchKilograms; // QTDE_PRODUCAO_KG
};

// A product that every demo store has, with a fixed code: the store's own production
// (with its recipe) and the well-known items the demo is shown with.
struct FixedProduct {
    int department;
    int subDepartment;
    QString description;
    QString saleUnit;
    double price;
    Pack pack;
    bool shortBarcode = false;
    // Made by the store itself: it has a recipe and goes into production orders.
    std::optional<Recipe> recipe = std::nullopt;
};

// A production product made from a product taken out of stock (TRANSF_PROD_PRODUCAO),
// both given by their index in fixedProducts().
struct ProductionLink {
    int rawMaterial;
    int product;
    double quantity;
};

struct Employee {
    QString name;
    // Index into shifts().
    int shift;
    // Holds the permissions that other employees ask for (Senha.CHK_SANGRIAS and the like).
    bool supervisor;
    bool active = true;
};

// Twelve schedule times (weekday, Saturday, Sunday: entry, break start, break end, exit).
struct Shift {
    QStringList times;
    int toleranceMinutes;
    bool punchesBreak;
};

struct SheetLayout {
    int fontSize;
    QString title;
    double pageHeight, pageWidth;
    double marginLeft, marginRight, marginTop, marginBottom;
    double pitchHorizontal, pitchVertical;
    int columns, rows;
    double labelWidth, labelHeight;
};

const QList<Department> &departments();
const QList<Family> &families();
const QList<FixedProduct> &fixedProducts();
const QList<ProductionLink> &productionLinks();
const QList<Shift> &shifts();
const QList<Employee> &employees();
const QList<SheetLayout> &sheetLayouts();
const QStringList &maleNames();
const QStringList &femaleNames();
const QStringList &surnames();

// "5KG" -> 5 KG, "30CM X 7,5M" -> 7.5 M (the last size in the label), "C/12" -> none.
Pack pack(const QString &label);

} // namespace demo
