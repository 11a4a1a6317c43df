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
// The same lists through the embedded store's trigram index of descriptions, for texts it
// can serve (see indexPattern); the server has no such index and runs the statements above.
extern const SqlStatement adProdDescIndexed;
extern const SqlStatement adBuscaIndexed;

// The LIKE pattern that the trigram index answers for a search of `text`: the runs of three
// or more characters that the index folds exactly as the store's LIKE does, in their order,
// between "%"; empty when the text has no such run and only a full scan finds its rows.
QString indexPattern(const QString &text);

// One list of a search, read a batch at a time.
class ProductSearch {
public:
    // The next products of the list, up to `count`; nullopt when the statement fails, and
    // the list then ends. On the embedded store each batch runs the statement again and
    // skips the rows already read, so that no read stays open between batches (it would keep
    // the terminal's other connection from writing to the store); the server's list comes
    // whole in the first batch, as its static cursor gives it.
    std::optional<QList<FoundProduct>> next(int count);
    bool atEnd() const { return m_atEnd; }

private:
    friend ProductSearch plainList(TDMSqls &dm, const QString &text);
    friend ProductSearch nextOccurrenceList(TDMSqls &dm, const QString &text);

    // The product columns a list reads, by the names its statement gives them.
    struct ColumnNames {
        QString code, description, unit, barcode;
        QString promotionStart, promotionEnd, promotionPrice, price;
    };

    ProductSearch(TDMSqls &dm, const SqlStatement &plain, const SqlStatement &indexed, const QString &text,
                  const ColumnNames &names);

    TDMSqls *m_dm;
    const SqlStatement *m_statement;
    QString m_pattern;
    QString m_indexPattern; // empty: the statement does not use the index
    ColumnNames m_names;
    int m_read = 0;
    bool m_atEnd = false;
};

// Active products whose description contains the text, in the order the database returns
// them (adProdDesc).
ProductSearch plainList(TDMSqls &dm, const QString &text);
// The same products ordered by description (adBusca).
ProductSearch nextOccurrenceList(TDMSqls &dm, const QString &text);

} // namespace description_search
