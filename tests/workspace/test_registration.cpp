// The registration entry's checks and its save: the rows and numbers of a new person, a save that
// fails or is cancelled leaving nothing behind, two workstations registering at once, the edit of
// a case.
#include "support/RegistrationFixture.h"

#include "exam_requests/frmRequest.h"
#include "ordering/frmRemarks.h"
#include "patients/PatientGrid.h"
#include "patients/frmCathPatients.h"
#include "platform/db/Connection.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/FlexGrid.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationData.h"
#include "registration/frmRegistration.h"
#include "shared/modGlobals.h"
#include "support/TableOutOfReach.h"
#include "workspace/frmFinal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class Registration : public RegistrationTest {};

TEST_F(Registration, TheChecksRunInOrderAndTheFirstFailureRefusesTheSave)
{
    struct Case {
        const char* what;
        std::function<void(frmRegistration*)> spoil;
        QString text, title;
        int style;
    };
    const Case cases[] = {
        {"last name", [](frmRegistration* r) { r->txtLastName->setText(QStringLiteral("  ")); },
         QStringLiteral("Last name should not be empty."), QStringLiteral("Notification"), 80},
        {"first name", [](frmRegistration* r) { r->txtFirstName->clear(); }, QStringLiteral("First name should not be empty."),
         QStringLiteral("Notification"), 80},
        {"gender",
         [](frmRegistration* r) {
             r->optFemale->setAutoExclusive(false);
             r->optFemale->setChecked(false);
         },
         QStringLiteral("Gender is required."), QStringLiteral("Notification"), vbInformation},
        {"birth date", [](frmRegistration* r) { r->txtBirthDate->clear(); }, QStringLiteral("Please enter patient's birth date."),
         QStringLiteral("Notification"), 0},
        {"zip code", [](frmRegistration* r) { r->txtZipCodeName4->clear(); }, QStringLiteral("Zip code is required."),
         QStringLiteral("Notification"), 0},
        {"civil status", [](frmRegistration* r) { r->cboCivilStatus->setCurrentIndex(-1); }, QStringLiteral("Civil status is required."),
         QStringLiteral("Notification"), 0},
        {"nationality", [](frmRegistration* r) { r->txtNationality->clear(); }, QStringLiteral("Nationality is required."),
         QStringLiteral("Notification"), 0},
        {"religion", [](frmRegistration* r) { r->txtReligionID->clear(); }, QStringLiteral("Religion is required."),
         QStringLiteral("Notification"), 0},
        {"doctor", [](frmRegistration* r) { r->txtDoctorName->clear(); }, QStringLiteral("Attending doctor is required."),
         QStringLiteral("Notification"), 0},
        // ABELLERA still has an open case of a stay not discharged
        {"open case", [](frmRegistration* r) { r->txtHospNum->setText(QStringLiteral("900001")); },
         QStringLiteral("This patient is currently registered as Cathlab patient."), QStringLiteral("Message"), vbInformation},
    };
    const int persons = count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster"));
    for (const Case& c : cases) {
        frmRegistration* reg = newPersonEntry();
        c.spoil(reg);
        UiScript::reset();
        reg->cmdSave->click();
        ASSERT_EQ(UiScript::shown().size(), 1) << c.what;
        EXPECT_EQ(UiScript::shown()[0].text, c.text) << c.what;
        EXPECT_EQ(UiScript::shown()[0].title, c.title) << c.what;
        EXPECT_EQ(UiScript::shown()[0].style, c.style) << c.what;
        EXPECT_TRUE(frmRegistration::isLoaded()) << c.what;
        delete frmRegistration::existing();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster")), persons);
    EXPECT_EQ(counters(), (QStringList{"910000", "910000", "0"}));
}

TEST_F(Registration, ANewPersonGetsAllThreeNumbersAndEveryRow)
{
    frmRegistration* reg = newPersonEntry();
    reg->cmdSave->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Successfully registered as Cathlab patient.")});
    EXPECT_FALSE(frmRegistration::existing() && frmRegistration::existing()->isVisible());
    EXPECT_EQ(counters(), (QStringList{"910001", "910001", "1"}));

    EXPECT_EQ(text(QStringLiteral("SELECT LastName || '/' || FirstName || '/' || Sex || '/' || CivilStatus || '/' || HouseStreet "
                                  "|| '/' || CellNum FROM PATIENT_DATA..tbMaster WHERE HospNum = '910001'")),
              QStringLiteral("ZAMORA/LUALHATI/F/2/12 O'DONNELL ST./09191234567"));
    EXPECT_EQ(text(QStringLiteral("SELECT NationalityID || ReligionID FROM PATIENT_DATA..tbMaster2 WHERE HospNum = '910001'")),
              QStringLiteral("FILRC"));
    // The personal account is the person's own hospital number, never the placeholder.
    EXPECT_EQ(text(QStringLiteral("SELECT HospNum || '/' || AccountNum || '/' || UserID || '/' || DoctorID1 || '/' || isCathLab "
                                  "FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = '910001B'")),
              QStringLiteral("910001/910001/CL001/D001/1"));
    EXPECT_EQ(text(QStringLiteral("SELECT ChiefComplaint FROM PATIENT_DATA..tbOutPatientHistory WHERE IDNum = '910001B'")),
              QStringLiteral("CHEST PAIN"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLPatient WHERE IDNum = '910001B'")), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT CathLabNum || '/' || HospNum || '/' || RecordStatus || '/' || AccountNum || '/' || DoctorID "
                                  "|| '/' || PatientType FROM CLINICAL_AREA..tbCLPatient WHERE IDNum = '910001B'")),
              QStringLiteral("1/910001/X/910001/D001/O"));
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls()[0].params, QVariantList{QStringLiteral("910001B")});
    EXPECT_EQ(ReportLog::calls()[0].caption, QStringLiteral("Print Registration Form"));
    EXPECT_TRUE(ReportLog::calls()[0].error.isEmpty()) << ReportLog::calls()[0].error.toStdString();
    EXPECT_TRUE(ReportLog::calls()[0].text.contains(QStringLiteral("ZAMORA, LUALHATI PEREZ")));
    EXPECT_TRUE(ReportLog::calls()[0].text.contains(QStringLiteral("MARRIED")));
}

TEST_F(Registration, AFailedSaveLeavesNoRowAndUsesNoNumber)
{
    frmRegistration* reg = newPersonEntry();
    {
        TableOutOfReach away(conn(), QStringLiteral("PATIENT_DATA..tbOutPatientHistory"));
        reg->cmdSave->click();
    }
    ASSERT_EQ(UiScript::shown().size(), 2);
    EXPECT_TRUE(UiScript::shown()[0].text.endsWith(QStringLiteral("Please notify your IT department.")));
    EXPECT_EQ(UiScript::shown()[1].text, QStringLiteral("Registration failed."));
    EXPECT_EQ(counters(), (QStringList{"910000", "910000", "0"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster WHERE LastName = 'ZAMORA'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = '910001B'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLPatient WHERE IDNum = '910001B'")), 0);
    // What was typed stays, and the next try takes the numbers the failed one gave back.
    ASSERT_TRUE(frmRegistration::isLoaded());
    EXPECT_EQ(reg->txtLastName->text(), QStringLiteral("ZAMORA"));
    EXPECT_TRUE(RegistrationData::IsAuto(reg->txtHospNum->text()));
    UiScript::reset();
    reg->cmdSave->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Successfully registered as Cathlab patient.")});
    EXPECT_EQ(counters(), (QStringList{"910001", "910001", "1"}));
}

TEST_F(Registration, CancellingTheSimilarPersonQuestionUsesNoNumber)
{
    // A person of the same names and age is on file.
    newPersonEntry()->cmdSave->click();
    const QStringList after = counters();
    frmRegistration* reg = newPersonEntry();
    UiScript::reset();
    UiScript::queueAnswer(vbNo);
    reg->cmdSave->click();
    EXPECT_EQ(UiScript::texts(),
              (QStringList{QStringLiteral("There is a registered patient(s) with the same last name, first name and age. Would you "
                                          "like to continue?"),
                           QStringLiteral("Registration Cancelled."), QStringLiteral("Registration failed.")}));
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("NOTIFICATION"));
    EXPECT_EQ(counters(), after);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster WHERE LastName = 'ZAMORA'")), 1);
}

TEST_F(Registration, TwoWorkstationsRegisteringAtOnceGetDistinctNumbers)
{
    auto other = TestDatabase::openAnother();
    RegistrationData::Entry e;
    e.hospNum = e.idNum = e.caseNum = RegistrationData::kAuto;
    e.accountID = RegistrationData::kAuto;
    e.patientType = QStringLiteral("O");
    e.lastName = QStringLiteral("UNO");
    e.firstName = QStringLiteral("PRIMO");
    e.sex = QStringLiteral("M");
    e.birthDate = QDate(1970, 1, 1);
    e.civilStatus = 1;
    e.employeeCode = QStringLiteral("CL001");
    // The counters live in the hospital's database: a save on another workstation's connection
    // moves them for this one too.
    const RegistrationData::Numbers first = RegistrationData::Save(*other, e);
    e.lastName = QStringLiteral("DOS");
    const RegistrationData::Numbers second = RegistrationData::Save(conn(), e);
    EXPECT_NE(first.hospNum, second.hospNum);
    EXPECT_NE(first.idNum, second.idNum);
    EXPECT_NE(first.caseNum, second.caseNum);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster WHERE HospNum IN (?, ?)"),
                    {first.hospNum, second.hospNum}),
              2);
    // A number already on file (entered before the counter) is passed over.
    conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName) VALUES (?, 'OLDER')"),
                   {QString::number(second.hospNum.toInt() + 1)});
    e.lastName = QStringLiteral("TRES");
    EXPECT_EQ(RegistrationData::Save(conn(), e).hospNum, QString::number(second.hospNum.toInt() + 2));
}

TEST_F(Registration, TheEditOfACaseKeepsItsNumberAndSavesTheCaseOnce)
{
    // The window takes the numbers it is given; the lists have moved on to an admission since.
    Selection.SelectedHospNum = QStringLiteral("910001");
    Selection.SelectedIDNum = QStringLiteral("2026000001");
    Selection.SelectedPatientType = QStringLiteral("I");
    frmRegistration* reg = frmRegistration::instance();
    reg->Pno = QStringLiteral("900006");
    reg->IDNo = QStringLiteral("900101B");
    reg->EditCathLabPatient = true;
    reg->CurrentlyRegistered = true;
    reg->OpenForEntry();
    reg->show();
    EXPECT_EQ(reg->txtLastName->text(), QStringLiteral("FAJARDO"));
    EXPECT_EQ(reg->txtCLNum->text(), QStringLiteral("CL-900006"));
    EXPECT_EQ(reg->cboCivilStatus->currentText(), QStringLiteral("Married")); // "MARRIED" as kept by older entries
    // the rest the checks ask for
    reg->txtZipCodeName4->setText(QStringLiteral("CALAMBA, LAGUNA"));
    reg->txtNationalityID->setText(QStringLiteral("FIL"));
    reg->txtNationality->setText(QStringLiteral("FILIPINO"));
    reg->txtReligionID->setText(QStringLiteral("INC"));
    reg->txtReligion->setText(QStringLiteral("IGLESIA NI CRISTO"));
    reg->txtDoctorID->setText(QStringLiteral("D002"));
    reg->txtDoctorName->setText(QStringLiteral("DR. MAGSAYSAY, ELENA REYES"));
    reg->cmdSave->click();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Registration details updated.")});
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLPatient WHERE IDNum = '900101B'")), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT DoctorID FROM CLINICAL_AREA..tbCLPatient WHERE CathLabNum = 'CL-900006'")),
              QStringLiteral("D002"));
    EXPECT_EQ(text(QStringLiteral("SELECT ReligionID FROM PATIENT_DATA..tbMaster2 WHERE HospNum = '900006'")), QStringLiteral("INC"));
    EXPECT_EQ(counters(), (QStringList{"910000", "910000", "0"}));
}

TEST_F(Registration, TheCivilStatusFindsItsListItem)
{
    frmRegistration* reg = frmRegistration::instance();
    struct Case { QString value; int index; };
    for (const Case& c : {Case{QStringLiteral("WIDOW/ER"), 3}, Case{QStringLiteral("SINGLE"), 1}, Case{QStringLiteral("Divorced"), 5},
                          Case{QStringLiteral("WIDOW"), -1}}) {
        reg->cboCivilStatus->setCurrentIndex(-1);
        reg->MatchCivilStatus(c.value);
        EXPECT_EQ(reg->cboCivilStatus->currentIndex(), c.index) << c.value.toStdString();
    }
}

TEST_F(Registration, TheCaseListShowsANewCaseWithoutARefresh)
{
    frmCathPatients* cases = frmCathPatients::instance();
    cases->show();
    cases->Command1_Click();
    const auto listed = [cases] {
        for (int r = 1; r < cases->MSHFlexList->Rows(); ++r)
            if (cases->MSHFlexList->TextMatrix(r, 2).trimmed() == QLatin1String("910001B")) return true;
        return false;
    };
    ASSERT_FALSE(listed());
    newPersonEntry()->cmdSave->click();
    EXPECT_TRUE(listed());
}

// What the registration stores is what the workspace shows and prices: the civil status as its
// word, the visit's doctor as admitting and attending doctor, and a laboratory exam at the
// out-patient's rate, accepted into the orders.
TEST_F(Registration, ANewOutPatientOpensInTheWorkspaceAndOrdersExams)
{
    frmRegistration* reg = newPersonEntry();
    reg->cboCivilStatus->setCurrentIndex(1);
    reg->txtDoctorID->setText(QStringLiteral("D003"));
    reg->cmdSave->click();
    ASSERT_EQ(UiScript::texts(), QStringList{QStringLiteral("Successfully registered as Cathlab patient.")});

    Selection.SelectedIDNum = QStringLiteral("910001B");
    Selection.SelectedHospNum = QStringLiteral("910001");
    Selection.SelectedPatientType = QStringLiteral("O");
    frmFinal::instance()->txtPno->setText(Selection.SelectedHospNum);
    frmFinal* ws = frmFinal::instance();
    ws->txtID->setText(Selection.SelectedIDNum);
    ws->Timer1_Timer();
    const QString doctor = text(QStringLiteral("SELECT LastName || ', ' || FirstName || ' ' || MiddleName FROM BUILD_FILE..tbCoDoctor "
                                               "WHERE DoctorID = 'D003'"));
    EXPECT_EQ(ws->txtStatus->text(), QStringLiteral("SINGLE"));
    EXPECT_EQ(ws->txtDoctor1->text(), doctor);
    EXPECT_EQ(ws->txtDoctor2->text(), doctor);
    EXPECT_EQ(Selection.AttendingDoctorCode, QStringLiteral("D003"));

    UiScript::queueDialog(QStringLiteral("frmRequest"), [](QDialog* d) {
        auto* r = static_cast<frmRequest*>(d);
        UiScript::queueDialog(QStringLiteral("frmRemarks"), [](QDialog* remarks) { static_cast<frmRemarks*>(remarks)->Command1->click(); });
        QTest::keyClicks(r->txtEntry, QStringLiteral("CBC"));
        for (int i = 0; i < 3; ++i) QTest::keyClick(r->txtEntry, Qt::Key_Return); // code, STAT, remarks
        r->cmdOption[0]->click();
    });
    ws->cmdLabMore->click();
    EXPECT_EQ(ws->mshflexOrders->TextMatrix(1, 2), QStringLiteral("CBC"));
    EXPECT_EQ(ws->mshflexOrders->TextMatrix(1, 5), QStringLiteral("350"));
}

} // namespace
