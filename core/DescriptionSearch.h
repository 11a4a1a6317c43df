#pragma once

#include "SqlStatement.h"

#include <QList>
#include <QString>

#include <optional>

class TDMSqls;

// A product as the description search lists it.
struct FoundProduct {
    QString code;
    QString description;
    QString unit;
    double price = 0; // PrecoReal on the terminal's day
    QString barcode;

    bool operator==(const FoundProduct &) const = default;
};

// The two searches of products by part of their description. Each list is built and run in
// one place, so that how substring search runs can change there alone. The text is bound
// inside "%...%"; "%" and "_" typed in it keep their pattern meaning.
namespace description_search {

extern const SqlStatement adProdDesc;
extern const SqlStatement adBusca;

// Active products whose description contains the text, in the order the database returns
// them (adProdDesc); nullopt when the statement fails.
std::optional<QList<FoundProduct>> plainList(TDMSqls &dm, const QString &text);
// The same products ordered by description (adBusca); nullopt when the statement fails.
std::optional<QList<FoundProduct>> nextOccurrenceList(TDMSqls &dm, const QString &text);

} // namespace description_search
