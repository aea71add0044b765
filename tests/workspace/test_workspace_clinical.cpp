// The clinical summary page: the confinement list, the personal information, the summary text and
// its report.
#include "WorkspaceFixture.h"

#include "components/patient_search/PatientHeaderRecords.h"
#include "components/patient_search/clsPatientSearch.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/FlexGrid.h"
#include "shared/text/TextUtilities.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

namespace {
const QString kHosp = QStringLiteral("990001");
const QString kOld = QStringLiteral("2026990001"), kVisit = QStringLiteral("2026990002B"), kNow = QStringLiteral("2026990003");
const QDateTime kOldAdm(QDate(2025, 3, 4), QTime(9, 15)), kVisitAdm(QDate(2025, 11, 20), QTime(14, 5)),
    kNowAdm(QDate(2026, 12, 2), QTime(7, 30));
}

class WorkspaceClinical : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        savedName = Session.HospName;
        savedAddress = Session.HospAddress;
    }
    void TearDown() override
    {
        Session.HospName = savedName;
        Session.HospAddress = savedAddress;
        if (Session.PatientSearch == ownSearch) Session.PatientSearch = nullptr;
        delete ownSearch;
        WorkspaceTest::TearDown();
    }
    // A patient with a discharged stay, a discharged out-patient visit and a stay still open.
    void makePatient()
    {
        conn().execute("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, CivilStatus, "
                       "HouseStreet, City) VALUES (?, 'BAUTISTA', 'ROMEO', 'DIZON', 'M', ?, 'WIDOWED', ' 12 RIZAL ST.', 'MALOLOS')",
                       {kHosp, QDateTime(QDate(1958, 6, 9), QTime(0, 0))});
        conn().execute("INSERT INTO PATIENT_DATA..tbMasterPersonal (HospNum, BirthPlace, Religion, SpouseName, FatherName, MotherName) "
                       "VALUES (?, 'HAGONOY, BULACAN', 'AGLIPAYAN', NULL, 'ISIDRO BAUTISTA', 'FELISA DIZON')",
                       {kHosp});
        conn().execute("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, AttendingDr1) VALUES "
                       "(?, ?, ?, ?, '305', 'D001'), (?, ?, ?, NULL, '210', 'D003')",
                       {kOld, kHosp, kOldAdm, kOldAdm.addDays(4), kNow, kHosp, kNowAdm});
        conn().execute("INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, AdmittingDiagnosis, ChiefComplaint, FinalDiagnosis) VALUES "
                       "(?, 'ACUTE MI', 'CRUSHING CHEST PAIN', 'STEMI, ANTERIOR WALL'), (?, 'CAD', 'EXERTIONAL DYSPNEA', NULL)",
                       {kOld, kNow});
        conn().execute("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, DcrDate, RequestingDr) VALUES (?, ?, ?, ?, 'D002')",
                       {kVisit, kHosp, kVisitAdm, kVisitAdm.addSecs(7200)});
        conn().execute("INSERT INTO PATIENT_DATA..tbOutPatientHistory (IDNum, ChiefComplaint, FinalDiagnosis) VALUES "
                       "(?, 'PALPITATIONS', 'ATRIAL FIBRILLATION')",
                       {kVisit});
    }
    int rowOf(frmFinal* w, const QString& id)
    {
        for (int r = 1; r < w->mshflexClin->Rows(); ++r)
            if (w->mshflexClin->TextMatrix(r, 1) == id) return r;
        return -1;
    }
    QString summaryOf(frmFinal* w, const QString& id)
    {
        w->mshflexClin->setCurrentCell(rowOf(w, id), 1);
        w->cmdClinical_Click(0);
        return w->rtbClinical->toPlainText();
    }
    // The character format of the first piece that starts with the text.
    QTextCharFormat formatOf(frmFinal* w, const QString& start)
    {
        for (QTextBlock b = w->rtbClinical->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().text().startsWith(start)) return it.fragment().charFormat();
        return {};
    }
    QString savedName, savedAddress;
    clsPatientSearch* ownSearch = nullptr;
};

TEST_F(WorkspaceClinical, ConfinementsFillTheGridNewestFirst)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->tabSSTab1->setCurrentIndex(6);
    ASSERT_EQ(w->mshflexClin->Rows(), 4);
    const QString rows[3][4] = {{kNow, Fmt::serverDateText(kNowAdm), "", "210"},
                                {kVisit, Fmt::serverDateText(kVisitAdm), Fmt::serverDateText(kVisitAdm.addSecs(7200)), "ER/OPD"},
                                {kOld, Fmt::serverDateText(kOldAdm), Fmt::serverDateText(kOldAdm.addDays(4)), "305"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(w->mshflexClin->TextMatrix(r + 1, c + 1), rows[r][c]) << r << c;
    const char* headers[] = {"Admision No.", "Admision Date/Time", "Discharged Date/Time", "Room No."};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(w->mshflexClin->TextMatrix(0, c + 1).trimmed(), headers[c]);
    EXPECT_TRUE(on(w->mshflexClin));
    EXPECT_TRUE(on(w->cmdClinical[0]));
}

TEST_F(WorkspaceClinical, PersonalInformationOfTheWorkspacePatient)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    const std::pair<int, const char*> values[] = {{9, "12 RIZAL ST., MALOLOS"}, {12, "HAGONOY, BULACAN"}, {14, "AGLIPAYAN"},
                                                  {15, "WIDOWED"}, {16, ""}, {17, "ISIDRO BAUTISTA"}, {18, "FELISA DIZON"}};
    for (const auto& v : values) EXPECT_EQ(w->lblClinHEad[v.first]->text(), v.second) << v.first;
    // The labels keep showing the workspace's patient whichever confinement is summarised.
    summaryOf(w, kVisit);
    EXPECT_EQ(w->lblClinHEad[17]->text(), "ISIDRO BAUTISTA");
}

TEST_F(WorkspaceClinical, InPatientSummaryLayout)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    const QString text = summaryOf(w, kOld);
    const QString age = PatientHeaderRecords::AgeOn(QDateTime(QDate(1958, 6, 9), QTime(0, 0)), QDate::currentDate());
    EXPECT_TRUE(text.contains("Lastname   : BAUTISTA        Age         : " + age.leftJustified(10) + " Admission Number : " + kOld + "\n"));
    EXPECT_TRUE(text.contains("Firstname  : ROMEO           Sex         : Male       Hospital Number  : " + kHosp + "\n"));
    EXPECT_TRUE(text.contains("Middlename : DIZON           Civil Status: WIDOWED    Room/Ward Number : 305\n"));
    EXPECT_TRUE(text.contains("Birthdate  : 6/9/1958\n" + QString(57, '_') + "\n\n"));
    EXPECT_TRUE(text.contains("Date Admitted        :     03/04/2025\nDate Discharged      :     03/08/2025\n"));
    EXPECT_TRUE(text.contains("Admitting Diagnosis  :     ACUTE MI\nChief Complaints     :     CRUSHING CHEST PAIN\n"
                              "Final Diagnosis      :     STEMI, ANTERIOR WALL\n"));
    EXPECT_TRUE(text.contains("Attending Physician  :     VILLAREAL, ANTONIO CRUZ\n"));
    // No medicines and no examinations: two empty lines for the medicines, one for each of the
    // x-ray and ultrasound sections, nothing for the CT-scan section.
    EXPECT_TRUE(text.endsWith("STEMI, ANTERIOR WALL\n\n\n\n\n\n")) << text.right(60).toStdString();
    EXPECT_FALSE(text.contains("Medications :"));

    const QTextCharFormat label = formatOf(w, "Date Admitted");
    EXPECT_EQ(label.fontFamilies().toStringList().value(0), "Courier New");
    EXPECT_EQ(label.fontWeight(), QFont::Bold);
    EXPECT_FALSE(label.fontItalic());
    EXPECT_EQ(label.foreground().color(), QColor(0, 0, 255));
    const QTextCharFormat value = formatOf(w, "     03/04/2025");
    EXPECT_EQ(value.fontFamilies().toStringList().value(0), "Arial");
    EXPECT_EQ(value.fontPointSize(), 8);
    EXPECT_EQ(value.fontWeight(), QFont::Normal);
    EXPECT_EQ(formatOf(w, "Lastname").fontWeight(), QFont::Normal);
    EXPECT_EQ(formatOf(w, QString(62, ' ') + "Clinical Summary").fontFamilies().toStringList().value(0), "Monotype Corsiva");
}

TEST_F(WorkspaceClinical, OutPatientVisitSummary)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    const QString text = summaryOf(w, kVisit);
    EXPECT_TRUE(text.contains("Room/Ward Number : ER/OPD\n"));
    EXPECT_TRUE(text.contains("Hospital Number  : " + kHosp + "\n"));
    EXPECT_TRUE(text.contains("Admission Number : " + kVisit + "\n"));
    EXPECT_TRUE(text.contains("Attending Physician  :     MAGSAYSAY, ELENA REYES\nAdmitting Doctor     :     \n"
                              "Admitting Diagnosis  :     \nChief Complaints     :     PALPITATIONS\n"
                              "Final Diagnosis      :     ATRIAL FIBRILLATION\n"));
    EXPECT_TRUE(text.contains("Date Discharged      :     11/20/2025\n"));
}

TEST_F(WorkspaceClinical, OpenStayAndLowerCaseBAndUnknownNumber)
{
    makePatient();
    conn().execute("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, RoomID) VALUES ('2026990004b', ?, ?, '401')",
                   {kHosp, kNowAdm.addDays(-1)});
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    // Still confined: the discharge date is empty after its five spaces.
    EXPECT_TRUE(summaryOf(w, kNow).contains("Date Discharged      :     \n"));
    // A lower-case "b" is an in-patient admission.
    EXPECT_TRUE(summaryOf(w, "2026990004b").contains("Room/Ward Number : 401\n"));
    // A number the patient search does not find leaves out the patient block and the details.
    w->mshflexClin->setTextMatrix(1, 1, "2099000000");
    w->mshflexClin->setCurrentCell(1, 1);
    w->cmdClinical_Click(0);
    const QString text = w->rtbClinical->toPlainText();
    EXPECT_FALSE(text.contains("Lastname"));
    EXPECT_FALSE(text.contains("Date Admitted"));
    EXPECT_TRUE(text.endsWith("Clinical Summary\n\n\n\n\n\n")) << UiScript::texts().join("/").toStdString();
}

TEST_F(WorkspaceClinical, HeadingCentredOnEightyColumns)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    struct Case { QString name; int indent; };
    const Case cases[] = {{QString(25, 'H'), 28}, {QString(27, 'H'), 26}, {"  " + QString(26, 'H') + "  ", 27}, {"", 40}};
    for (const Case& c : cases) {
        Session.HospName = c.name;
        Session.HospAddress = "MALOLOS CITY";
        const QString text = summaryOf(w, kOld);
        EXPECT_TRUE(text.startsWith("\n" + QString(c.indent, ' ') + c.name.trimmed() + "\n" + QString(34, ' ') + "MALOLOS CITY\n" +
                                    QString(62, ' ') + "Clinical Summary\n\n"))
            << c.indent << text.left(200).toStdString();
    }
}

TEST_F(WorkspaceClinical, MedicinesAndCTScanSections)
{
    const QString first = admission(0), second = admission(1);
    frmFinal* w = open(first);
    w->LoadConfinements();
    QString text = summaryOf(w, first);
    const Recordset med = conn().query("SELECT B.TransDate, I.ItemName, I.UnitOfMeasure FROM BILLING..tbBillDailyBill B "
                                       "JOIN INVENTORY..TBINVMASTER I ON I.ItemID = B.ItemID WHERE B.IDNum = ? AND B.RevenueID = 'PH'",
                                       {first});
    ASSERT_EQ(med.recordCount(), 1);
    const QString header = QString(7, ' ') + QString("Rx Date").leftJustified(14) + QString(3, ' ') +
                           QString("Brand Name").leftJustified(45) + QString(5, ' ') + QString("Dosage").leftJustified(25) +
                           QString(5, ' ') + "Qty  ";
    const QString line = Fmt::shortDate(med.toDateTime("TransDate").date()).leftJustified(14) + QString(3, ' ') +
                         med.text("ItemName").trimmed().leftJustified(45) + QString(5, ' ') +
                         med.text("UnitOfMeasure").trimmed().leftJustified(25) + QString(5, ' ') + "2    " + "  ";
    EXPECT_TRUE(text.contains("Medications :\n" + header + "\n" + line + "\n\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("CT-Scan Examinations :"));

    w->txtPno->setText(hospNumOf(second));
    w->txtID->setText(second);
    w->Timer1_Timer();
    w->LoadConfinements();
    text = summaryOf(w, second);
    const QDateTime ct = conn().query("SELECT ExamDate FROM RADIOLOGY..tbRadExamResults WHERE IDNum = ? AND Kind = '4'", {second})
                             .toDateTime("ExamDate");
    EXPECT_TRUE(text.endsWith("CT-Scan Examinations :\n          CT CORONARY ANGIOGRAPHY " + Fmt::shortDate(ct.date()) +
                              "\nCALCIUM SCORE 120. 50% STENOSIS OF THE PROXIMAL LAD.\n\n"))
        << text.right(200).toStdString();
    EXPECT_EQ(formatOf(w, "CT-Scan").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(w, "          CT CORONARY").foreground().color(), QColor(0, 0, 255));
}

TEST_F(WorkspaceClinical, PatientSearchHoldsTheWorkspacePatientAfterASummary)
{
    makePatient();
    ownSearch = new clsPatientSearch(QStringLiteral("MasterSearch.clsPatientSearch"));
    ownSearch->InitConnection(&conn(), QString());
    Session.PatientSearch = ownSearch;
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    ownSearch->ValidateAdmission(kOld);
    summaryOf(w, kVisit);
    EXPECT_EQ(ownSearch->Admission()->IDNumber, kNow);
    // For an out-patient workspace the visit is reloaded with the workspace's hospital number.
    conn().execute("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate) VALUES ('2026990005B', ?, ?)", {kHosp, kNowAdm});
    w = open("2026990005B");
    w->LoadConfinements();
    summaryOf(w, kOld);
    EXPECT_EQ(ownSearch->PatientClass()->clsOutPatient()->IDNumber, "2026990005B");
}

TEST_F(WorkspaceClinical, ClickChoosesTheRowAndDoubleClickBuilds)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    const int row = rowOf(w, kVisit);
    w->mshflexClin->setCurrentCell(row, 1);
    Q_EMIT w->mshflexClin->cellClicked(row, 1);
    EXPECT_EQ(w->ConfinementIDNum, kVisit);
    EXPECT_TRUE(on(w->cmdClinicalOption[1]));
    // Refresh keeps the chosen number but disables Print until the next click.
    w->cmdClinicalOption_Click(0);
    EXPECT_EQ(w->ConfinementIDNum, kVisit);
    EXPECT_FALSE(on(w->cmdClinicalOption[1]));
    EXPECT_TRUE(w->rtbClinical->toPlainText().isEmpty());
    w->mshflexClin->setCurrentCell(row, 1);
    Q_EMIT w->mshflexClin->cellDoubleClicked(row, 1);
    EXPECT_TRUE(w->rtbClinical->toPlainText().contains("Admission Number : " + kVisit));
    // A new patient marks the list stale and empties the summary.
    w->txtID->setText(kOld);
    EXPECT_TRUE(WorkspacePages.ConfinementsStale);
    EXPECT_TRUE(w->rtbClinical->toPlainText().isEmpty());
}

TEST_F(WorkspaceClinical, ViewClinicalSummaryLeavesPrintAlone)
{
    makePatient();
    frmFinal* w = open(kNow);
    w->LoadConfinements();
    w->cmdViewSummary_Click();
    ASSERT_EQ(ReportLog::calls().size(), 1);
    EXPECT_EQ(ReportLog::calls()[0].params, QVariantList({kNow, Session.HospAddress}));
    EXPECT_EQ(ReportLog::calls()[0].caption, "Clinical Summary");
    EXPECT_FALSE(on(w->cmdClinicalOption[1]));
    w->mshflexClin->setCurrentCell(1, 1);
    w->mshflexClin_Click();
    w->cmdViewSummary_Click();
    EXPECT_TRUE(on(w->cmdClinicalOption[1]));
}

TEST_F(WorkspaceClinical, ThePrintedSummaryShowsTheScreensMedicinesAndTheAddressOnce)
{
    const QString first = admission(0);
    Session.HospName = QStringLiteral("ST. BRIGID MEDICAL CENTER");
    Session.HospAddress = QStringLiteral("1450 Rizal Avenue, San Isidro City");
    frmFinal* w = open(first);
    w->LoadConfinements();
    const QString screen = summaryOf(w, first);
    const Recordset med = conn().query("SELECT I.ItemName, I.UnitOfMeasure FROM BILLING..tbBillDailyBill B "
                                       "JOIN INVENTORY..TBINVMASTER I ON I.ItemID = B.ItemID WHERE B.IDNum = ? AND B.RevenueID = 'PH'",
                                       {first});
    ASSERT_EQ(med.recordCount(), 1);
    ASSERT_TRUE(screen.contains(med.text("ItemName").trimmed()));

    w->mshflexClin->setCurrentCell(rowOf(w, first), 1);
    w->mshflexClin_Click();
    w->cmdClinicalOption_Click(1); // Print
    ASSERT_EQ(ReportLog::calls().size(), 1);
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("Clinical_Summary.RPT"));
    EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
    EXPECT_EQ(call.text.count(Session.HospAddress), 1) << call.text.toStdString(); // the page header's, not again below it
    EXPECT_TRUE(call.text.contains(QStringLiteral("Medications"))) << call.text.toStdString();
    for (const char* heading : {"Rx Date", "Brand Name", "Dosage", "Qty"}) EXPECT_TRUE(call.text.contains(QLatin1String(heading))) << heading;
    EXPECT_TRUE(call.text.contains(med.text("ItemName").trimmed())) << call.text.toStdString();
    EXPECT_TRUE(call.text.contains(med.text("UnitOfMeasure").trimmed()));
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmReportViewer")) top->close();
}
