#pragma once
// The floor of an action: its statements through the raw driver (the SQLite C API, or libpq on
// PostgreSQL), each prepared once and kept, every value of every row read as text.
#include "platform/db/Connection.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantList>
#include <memory>
#include <vector>

struct RawStatement {
    QString sql;         // as the engine gets it
    QVariantList values; // as bound
};

class RawFloor {
public:
    explicit RawFloor(const ConnectionSettings& settings);
    ~RawFloor();
    RawFloor(const RawFloor&) = delete;
    RawFloor& operator=(const RawFloor&) = delete;

    // Runs one statement and reads every row; returns the number of rows.
    long run(const RawStatement& st);
    // Runs them in order; inTransaction: between BEGIN and ROLLBACK.
    void replay(const std::vector<RawStatement>& statements, bool inTransaction);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
