#pragma once
#include "support/ScriptedValidation.h"
#include "support/TestDatabase.h"

#include "platform/ui/MessageBox.h"
#include "components/login/clsCurrentuser.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

#include <QLineEdit>
#include "platform/text/Format.h"

// A workspace opened as the hand-off opens it, for one demo stay, with the first tick run.
class WorkspaceTest : public DbTest {
protected:
    // The control's own state: the chart pages sit on tabs that the workspace switches off.
    static bool on(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }
    void TearDown() override
    {
        delete frmFinal::existing();
        DbTest::TearDown();
    }
    // The n-th demo admission (0-based, by number) or out-patient visit.
    QString admission(int n) { return conn().query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum"))
                                   .textAt(n, QStringLiteral("IDNum")); }
    QString visit(int n) { return conn().query(QStringLiteral("SELECT IDNum FROM PATIENT_DATA..TBOUTPATIENT ORDER BY IDNum"))
                               .textAt(n, QStringLiteral("IDNum")); }
    QString hospNumOf(const QString& id)
    {
        const QString table = id.endsWith(QLatin1Char('B')) ? QStringLiteral("PATIENT_DATA..TBOUTPATIENT")
                                                            : QStringLiteral("PATIENT_DATA..tbPatient");
        return conn().query(QStringLiteral("SELECT HospNum FROM %1 WHERE IDNum = ?").arg(table), {id}).text(QStringLiteral("HospNum"));
    }
    frmFinal* open(const QString& id)
    {
        Selection.SelectedIDNum = id;
        Selection.SelectedHospNum = hospNumOf(id);
        Selection.SelectedPatientType = id.endsWith(QLatin1Char('B')) ? QStringLiteral("O") : QStringLiteral("I");
        frmFinal::instance()->txtPno->setText(Selection.SelectedHospNum);
        frmFinal* w = frmFinal::instance();
        w->txtID->setText(id);
        w->Timer1_Timer();
        return w;
    }
    void setRights(const QString& rights)
    {
        conn().execute(QStringLiteral("UPDATE STATION..tbNurseUserRights SET EmployeeRights = ? WHERE EmployeeID = 'CL001'"), {rights});
    }
    void setParameter(const QString& field, const QString& value)
    {
        setStationParameter(field, value);
    }
};

// The next user validation dialog answers with this user and code.
inline void validateAs(const char* user, const char* code)
{
    queueValidationAs(QString::fromLatin1(user), QString::fromLatin1(code));
}
