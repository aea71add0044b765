#include "RequestsFixture.h"

#include "components/Component.h"
#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

void RequestsTest::SetUp()
{
    DbTest::SetUp();
    StationParameters().LoadParameters();
    m_drugs.reset(ComponentFactory::createAs<clsDrug>(QStringLiteral("prjDrugDLL.clsDrug")));
    m_drugs->setConnection(&conn());
    Session.DrugCatalog = m_drugs.get();
    m_list.reset(ComponentFactory::createAs<clsListDrugs>(QStringLiteral("prjListDrugs.clsListDrugs")));
    m_list->setConnection(&conn());
    Session.DrugList = m_list.get();
    m_listCSR.reset(ComponentFactory::createAs<clsListDrugs>(QStringLiteral("prjListDrugs.clsListDrugs")));
    m_listCSR->setConnection(&conn());
    Session.DrugListCSR = m_listCSR.get();
    m_search.reset(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch")));
    m_search->setConnection(&conn());
    Session.CodeSearch = m_search.get();
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9001', 'REYES', 'JUAN')"));
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, RoomID, AccountNum) "
                                  "VALUES ('TX0001', 'T9001', ?, '205', 'T9001')"),
                   {QDateTime(QDate(2026, 12, 1), QTime(8, 0))});
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, AccountNum) "
                                  "VALUES ('TX0002B', 'T9001', ?, 'T9001')"),
                   {QDateTime(QDate(2026, 12, 2), QTime(8, 0))});
    m_patients.reset(ComponentFactory::createAs<clsPatientSearch>(QStringLiteral("MasterSearch.clsPatientSearch")));
    m_patients->InitConnection(&conn(), QString());
    m_patients->LoadPatient(QStringLiteral("T9001"));
    m_patients->LoadAdmission(QStringLiteral("TX0001"));
    m_patients->LoadOutPatient(QStringLiteral("TX0002B"));
    Session.PatientSearch = m_patients.get();
    Selection.SelectedPatientType = QStringLiteral("I");
}

void RequestsTest::TearDown()
{
    Session.DrugCatalog = nullptr;
    Session.DrugList = Session.DrugListCSR = nullptr;
    Session.CodeSearch = nullptr;
    Session.PatientSearch = nullptr;
    DbTest::TearDown();
}

RequestPatient RequestsTest::patient(const QString& idNum) const
{
    RequestPatient p;
    p.HospNum = QStringLiteral("T9001");
    p.IDNum = idNum;
    p.PatientName = QStringLiteral("REYES, JUAN");
    p.Age = QStringLiteral("61");
    p.Sex = QStringLiteral("M");
    p.Account = QStringLiteral("PERSONAL");
    p.Room = QStringLiteral("205");
    p.PatientType = idNum.endsWith(QLatin1Char('B')) ? QStringLiteral("O") : QStringLiteral("I");
    return p;
}

void RequestsTest::setHospitalFlag(const char* column, bool on)
{
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBHOSPITALINFO SET %1 = ?").arg(QString::fromLatin1(column)), {on ? 1 : 0});
}

void RequestsTest::setNursingFlag(const char* column, bool on)
{
    conn().execute(QStringLiteral("UPDATE STATION..tbNursing_Settings SET %1 = ?").arg(QString::fromLatin1(column)), {on ? 1 : 0});
}

void RequestsTest::enter(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void RequestsTest::queuePick(const QString& code)
{
    UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [code](QDialog* d) {
        auto* list = static_cast<frmCodeSearchList*>(d);
        const int row = list->FindRow(code);
        if (row < 0) return; // not listed: the list is closed without a choice
        list->grdList->setCurrentCell(row, 0);
        list->cmdSelect->click();
    });
}

qint64 RequestsTest::requestCounter()
{
    return conn().query(QStringLiteral("SELECT LastNumber FROM STATION..tbNurseRequestCounter WHERE CounterID = 'REQUEST'"))
        .toLong(QStringLiteral("LastNumber"));
}

int RequestsTest::requestsOf(const QString& revenue)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum IN ('TX0001', 'TX0002B') "
                                "AND RevenueID = ?"),
                 {revenue});
}

MedicationRequestData::RequestSave RequestsTest::requestSave(const QString& revenue)
{
    MedicationRequestData::RequestSave in;
    in.hospNum = QStringLiteral("T9001");
    in.idNum = QStringLiteral("TX0001");
    in.patientType = QStringLiteral("I");
    in.revenue = revenue;
    in.userId = QStringLiteral("CL001");
    in.stationId = QStringLiteral("CL");
    return in;
}
