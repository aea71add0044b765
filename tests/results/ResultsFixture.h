#pragma once
#include "support/TestDatabase.h"

#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "results/ResultsPage.h"
#include "shared/modGlobals.h"
#include "shared/patient/PatientContext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

// The demo stays with results in every section: 0, 1 and 2 (the last stays by number).
inline QString ResultsStay(Connection& c, int n)
{
    return c.query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum DESC")).textAt(n, QStringLiteral("IDNum"));
}

// A results tab over header boxes of its own, showing one of the demo patients with results.
class ResultsTest : public DbTest {
protected:
    QLineEdit txtID, txtPno, txtPatient, txtSex, txtAge, txtRoom, txtDoctor2, txtStatus;
    PatientContext patient;
    std::unique_ptr<ResultsPage> page;

    void SetUp() override
    {
        DbTest::SetUp();
        ResultsPatientHeader h;
        h.txtID = &txtID, h.txtPno = &txtPno, h.txtPatient = &txtPatient, h.txtSex = &txtSex, h.txtAge = &txtAge;
        h.txtRoom = &txtRoom, h.txtDoctor2 = &txtDoctor2, h.txtStatus = &txtStatus;
        h.patient = &patient;
        page = std::make_unique<ResultsPage>(h);
    }
    void TearDown() override
    {
        page.reset();
        DbTest::TearDown();
    }
    QString stay(int n) { return ResultsStay(conn(), n); }
    void show(const QString& id, const QString& sex = QStringLiteral("M"))
    {
        txtID.setText(id);
        txtPno.setText(QStringLiteral("H-") + id);
        txtPatient.setText(QStringLiteral("DELA CRUZ ,JUAN SANTOS"));
        txtSex.setText(sex);
        txtAge.setText(QStringLiteral("58"));
        txtRoom.setText(QStringLiteral("301"));
        txtDoctor2.setText(QStringLiteral("VILLAREAL, ANTONIO CRUZ"));
        txtStatus.setText(QStringLiteral("MARRIED"));
        patient.IDNum = id;
        patient.HospNum = txtPno.text();
    }
    // Clicks a data row as the user does (the cell becomes current, then the click handler runs).
    static void clickRow(FlexGrid* grid, int row, int col = 1)
    {
        grid->setCurrentCell(row, col);
        Q_EMIT grid->cellClicked(row, col);
    }
    // The grid rows' column-1 texts.
    static QStringList column(const FlexGrid* grid, int col)
    {
        QStringList out;
        for (int r = 1; r < grid->Rows(); ++r) out << grid->TextMatrix(r, col);
        return out;
    }
};
