#pragma once
#include "support/TestDatabase.h"

#include "access/frmTransaction_UserValidation.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"

#include <QPlainTextEdit>
#include <QTableWidget>
#include <QLineEdit>
#include <QTest>
#include <memory>

// The demo hospital with the components the returns use on the test's connection, the head
// nurse signed in.
class ReturnsTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        signIn();
        m_drugs = std::make_unique<clsDrug>(QStringLiteral("prjDrugDLL.clsDrug"));
        m_drugs->setConnection(&conn());
        m_issued = std::make_unique<clsIssuedMedicines>(QStringLiteral("prjissuedmedsdll.clsIssuedMedicines"));
        m_patient = std::make_unique<Patient>(QStringLiteral("prjpatientdll.Patient"));
        m_issued->InitConnection(conn().connectionString());
        m_patient->InitConnect(conn().connectionString());
        Session.DrugCatalog = m_drugs.get();
        Session.IssuedMedicineList = m_issued.get();
        Session.PatientRecord = m_patient.get();
    }
    void TearDown() override
    {
        Session.DrugCatalog = nullptr;
        Session.IssuedMedicineList = nullptr;
        Session.PatientRecord = nullptr;
        DbTest::TearDown();
    }
    // The next issued-items list chooses the line of this code (and slip, when given).
    static void queuePick(const QString& code, const QString& slip = QString())
    {
        UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [code, slip](QDialog* d) {
            auto* l = static_cast<frmCodeSearchList*>(d);
            for (int r = 0; r < l->grdList->rowCount(); ++r)
                if (l->grdList->item(r, 0)->text() == code && (slip.isEmpty() || l->grdList->item(r, 2)->text() == slip)) {
                    l->grdList->setCurrentCell(r, 0);
                    l->cmdSelect_Click();
                    return;
                }
        });
    }
    // The next user validation accepts the head nurse with this reason.
    static void queueValidationWithReason(const QString& reason)
    {
        UiScript::queueDialog(QStringLiteral("frmTransaction_UserValidation"), [reason](QDialog* d) {
            auto* v = static_cast<frmTransaction_UserValidation*>(d);
            v->txtRemarks->setPlainText(reason);
            QTest::keyClicks(v->txtUserID, QStringLiteral("CL001"));
            QTest::keyClick(v->txtUserID, Qt::Key_Return);
            QTest::keyClicks(v->txtAccessCode, QStringLiteral("CATH1"));
            QTest::keyClick(v->txtAccessCode, Qt::Key_Return);
        });
    }
    std::unique_ptr<clsDrug> m_drugs;
    std::unique_ptr<clsIssuedMedicines> m_issued;
    std::unique_ptr<Patient> m_patient;
};
