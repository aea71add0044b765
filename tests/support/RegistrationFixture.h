#pragma once
// The demo hospital with the patient search and code search components connected and the station
// parameters read; the registration windows and the workspace are closed after each test.
#include "support/QtPrint.h"
#include "support/TestDatabase.h"

#include <QString>

class frmRegistration;

class RegistrationTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;
    QString text(const QString& houseSql, const QVariantList& params = {});
    // The registration entry filled for a new person who passes every check (Personal plan).
    frmRegistration* newPersonEntry(const QString& last = QStringLiteral("ZAMORA"), const QString& first = QStringLiteral("LUALHATI"));
    // The counters' values: hospital number, out-patient number, case number.
    QStringList counters();
};

