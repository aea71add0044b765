#pragma once
// The registration window opened for entry and filled for a new person, as the tests of
// registration and of the ledger use it.
#include <QString>

class frmRegistration;

// The registration entry filled for a new person who passes every check (Personal plan), numbers
// left to the counters; shown, not saved.
frmRegistration* NewPersonEntry(const QString& last = QStringLiteral("ZAMORA"), const QString& first = QStringLiteral("LUALHATI"));
