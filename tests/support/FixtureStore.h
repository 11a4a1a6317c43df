#pragma once

#include "core/TDMSqls.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

// A terminal folder of its own for one test: an empty embedded store with the full schema,
// a Consulta.INI written by the test, and the data module over them.
class FixtureStore {
public:
    FixtureStore();
    ~FixtureStore();

    QString folder() const { return m_dir.path(); }
    QString databasePath() const;
    // Writes Consulta.INI (UTF-8 source text, stored as Windows-1252).
    void writeIni(const QString &text, const QString &fileName = QStringLiteral("Consulta.INI")) const;
    // Runs statements on the store directly (fixture rows); fails the test on error.
    void exec(const QString &sql, const QVariantMap &values = {}) const;
    // Inserts a row; columns not given take their defaults.
    void insert(const QString &table, const QVariantMap &row) const;

    TDMSqls &dm() { return *m_dm; }

private:
    QTemporaryDir m_dir;
    QString m_connection;
    std::unique_ptr<TDMSqls> m_dm;
};
