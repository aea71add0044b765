#pragma once
#include <QStringList>

class Connection;

// The hospital's twelve databases, one DDL file each (schema/*.sql, built into the program).
namespace HospitalSchema {
QStringList databases();
// Creates every table on an empty database (PostgreSQL: one schema per hospital database).
void create(Connection& conn);
// Whether the hospital's tables are there already.
bool exists(Connection& conn);
}
