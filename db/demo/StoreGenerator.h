#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

namespace demo {

struct StoreSize {
    int products = 2500;
    int linkedBarcodes = 400;
    int customers = 600;
};

// Builds a believable Brazilian supermarket in an empty embedded store: the same content
// for the same sizes and seed, with promotions, sales and punches placed around `now`.
// Scales from the demo store to a million products for the benchmarks.
class StoreGenerator {
public:
    StoreGenerator(const StoreSize &size, quint32 seed, const QDateTime &now);

    // Creates the schema and fills every table in one transaction. The connection is set
    // up for a bulk load (journal in memory, no syncing): build into a file that is not in
    // use yet and move it into place afterwards.
    bool generate(QSqlDatabase &database, QString *error = nullptr);
    // Builds the store into the file `path` under a temporary name and renames it when
    // complete, so that a failure never leaves a half-written store behind. An existing file
    // at `path` is replaced.
    bool writeFile(const QString &path, QString *error = nullptr);

    static constexpr quint32 kDemoSeed = 20240607;

private:
    StoreSize m_size;
    quint32 m_seed;
    QDateTime m_now;
};

} // namespace demo
