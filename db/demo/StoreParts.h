#pragma once

#include "StoreContext.h"

// The steps that fill the store, in the order StoreGenerator runs them. Each returns false
// with context.error set when a row cannot be written.
namespace demo {

// The fixed products of the catalogue are written first, so their codes are known.
inline int fixedProductCode(int index) { return index + 1; }

// Store row, configuration, departments and sheet layouts.
bool writeReferenceData(StoreContext &context);
// Products with their promotions, price changes and pending shelf labels; fills
// context.products.
bool writeProducts(StoreContext &context, int count);
bool writeLinkedBarcodes(StoreContext &context, int count);
bool writeCustomers(StoreContext &context, int count);
// Employees, passwords, fingerprint templates and the punches of the last days.
bool writeStaff(StoreContext &context);
// Recipes, what production takes out of stock, and production orders.
bool writeProduction(StoreContext &context);
bool writeOrderTabs(StoreContext &context);
bool writeSales(StoreContext &context);
bool writeStockEntries(StoreContext &context);

} // namespace demo
