#pragma once
#include <QHash>
#include <QList>
#include <QStringList>

class Connection;

// The hospital's twelve databases, one DDL file each (schema/*.sql, built into the program).
//
// Each statement of a file is one step of that database, numbered from 1 in file order. The steps a
// database has had are recorded in the program's own schema, CATHLAB (CATHLAB..tbSchemaSteps), so
// a database made by an earlier build gets only the statements appended since.
namespace HospitalSchema {
QStringList databases();

struct Step {
    QString database; // "station"
    int number = 0;   // from 1, in the order of its file
    QString sql;      // house DDL, comment lines dropped
};
// Every statement of every file, the files in the order of databases().
QList<Step> steps();

// Makes the hospital's tables on an empty database and records every step, in one transaction.
void create(Connection& conn);
// Whether the hospital's tables are there already.
bool exists(Connection& conn);
// Whether the database records its steps (made or adopted by this build or a later one).
bool versioned(Connection& conn);
// The steps recorded per database (empty when the database is not versioned).
QHash<QString, int> appliedSteps(Connection& conn);

// Applies the steps the database has not had, in order, recording each, in one transaction;
// returns how many ran. A database made before steps were recorded is adopted first: each
// statement whose effect is there already (the table, column or index) is recorded without
// running, and a table made by an earlier form of its statement gets the columns it lacks.
// Throws DbError, changing nothing, when the database has steps this program does not know.
int upgrade(Connection& conn);

// The declared type of a column as the schema files leave it: the last CREATE TABLE or
// ALTER TABLE ... ADD COLUMN that names it. length is a VARCHAR's or CHAR's width, or a NUMERIC's
// digits with scale its decimals; 0 for types without a bound (TEXT, INTEGER, MONEY, ...).
struct ColumnType {
    QString type;   // "VARCHAR", "NUMERIC", ... upper case
    int length = 0;
    int scale = 0;
};
// Table as the statements name it ("STATION..tbBillAdjustInfo"), case ignored. Throws DbError for
// a column no schema file declares, so a box tied to a mistyped name fails at once.
ColumnType columnType(const QString& houseTable, const QString& column);
// The width of a text column (VARCHAR(n), CHAR(n)); throws DbError for any other column.
int textWidth(const QString& houseTable, const QString& column);

// What the program does on connecting: an empty database gets the tables and, with createDemo,
// the demo hospital (without it: an error); any other is upgraded, and a demo hospital gets the
// demo sections added since it was made. All in one transaction.
void prepare(Connection& conn, bool createDemo);
}
