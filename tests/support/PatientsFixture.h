#pragma once
// The demo hospital with the patient search component connected and the station parameters
// read, as start-up leaves them; the patient windows are closed after each test.
#include "support/QtPrint.h"
#include "support/TestDatabase.h"

#include <QString>

class PatientsTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Sets a station parameter ("1" on, "0" off) and reads the parameters again.
    void setParameter(const QString& field, const QString& value);
    // The user validation dialog answers with this user and code (CL001 / CATH1 by default).
    void validateAs(const QString& user = QStringLiteral("CL001"), const QString& code = QStringLiteral("CATH1"));
    // The validation dialog is closed without an answer.
    void cancelValidation();
    QString scalarText(const QString& houseSql, const QVariantList& params = {});
};
