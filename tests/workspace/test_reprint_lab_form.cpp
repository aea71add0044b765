#include "results/ResultsFixture.h"

#include "ordering/ExamOrderingData.h"
#include "results/frmReprintLabForm.h"
#include "results/frmXray.h"
#include "support/TableOutOfReach.h"
#include "workspace/WorkspaceFixture.h"

#include <QTextEdit>

class ReprintLabForm : public WorkspaceTest {
protected:
    ReprintPatient patientOf(const QString& id)
    {
        return {id, hospNumOf(id), QStringLiteral("DELA CRUZ ,JUAN"), QStringLiteral("58"), QStringLiteral("M"), QStringLiteral("301"),
                QStringLiteral("VILLAREAL, ANTONIO CRUZ"), QStringLiteral("ACC-1"), QStringLiteral("D001")};
    }
    static int rowOfSlip(const FlexGrid* g, const QString& slip)
    {
        for (int r = 1; r < g->Rows(); ++r)
            if (g->TextMatrix(r, 3) == slip) return r;
        return -1;
    }
    static void click(FlexGrid* g, int row)
    {
        g->setCurrentCell(row, 1);
        Q_EMIT g->cellClicked(row, 1);
    }
};

TEST_F(ReprintLabForm, ReprintsTheChosenSlipStraightToThePrinter)
{
    const QString id = ResultsStay(conn(), 0);
    frmReprintLabForm w(patientOf(id));
    EXPECT_EQ(w.windowTitle(), "List of Posted Laboratory Exams");
    EXPECT_EQ(w.mshflexLabList->Rows(), 1 + count("SELECT COUNT(*) FROM STATION..TBNURSECOMMUNICATIONFILE WHERE IDNum = ? AND "
                                                  "RevenueID = 'LB' AND RecordStatus = 'X' AND StationID = 'CL'", {id}));
    EXPECT_FALSE(w.cmdOption[0]->isEnabled());
    const QString slip = conn().query("SELECT Reference FROM LABORATORY..tbLabResult WHERE IDNum = ? AND LabExamID = 'TROPI'", {id})
                             .text("Reference");
    const int row = rowOfSlip(w.mshflexLabList, slip);
    ASSERT_GT(row, 0);
    Selection.PatientTransplantText = QStringLiteral("Transplant"); // an earlier patient's
    click(w.mshflexLabList, row);
    w.cmdOption[0]->click();
    ASSERT_EQ(ReportLog::calls().size(), 1) << UiScript::lastText().toStdString();
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), "LabRequestForm_Reprint.RPT");
    EXPECT_EQ(call.shown, ReportShown::Printed);
    EXPECT_EQ(call.caption, "RE-PRINT LABORATORY REQUEST FORM");
    ASSERT_GE(call.params.size(), 18);
    EXPECT_EQ(call.params[2], hospNumOf(id));
    EXPECT_EQ(call.params[3], id);
    EXPECT_EQ(call.params[9], slip);
    EXPECT_EQ(call.params[11], "STAT");
    EXPECT_EQ(call.params[12], "Non_Transplant");
    EXPECT_EQ(call.params[13], "None");
    EXPECT_EQ(call.params[15], "In-Patient");
    EXPECT_EQ(call.params[17], "IMMU");
    const Recordset lines = conn().query("SELECT FormType, AccountNum, DoctorID, Stat, RequestDate FROM LABORATORY..tbLabRequestForm "
                                         "WHERE SessionID = ?", {ExamOrderingData::WorkstationSession()});
    ASSERT_EQ(lines.recordCount(), 2); // the slip's two troponins
    EXPECT_EQ(lines.text("FormType"), "NS");
    EXPECT_EQ(lines.text("AccountNum"), "ACC-1");
    EXPECT_EQ(lines.text("DoctorID"), "D001");
    EXPECT_EQ(lines.text("Stat"), "Y");
    EXPECT_TRUE(lines.toDateTime("RequestDate").isValid());

    // A code the form does not know prints empty, never the previous patient's text.
    conn().execute("UPDATE STATION..TBNURSECOMMUNICATIONFILE SET TransplantID = '7', DialysisID = NULL WHERE ReferenceNum = ?", {slip});
    w.cmdOption[0]->click();
    ASSERT_EQ(ReportLog::calls().size(), 2);
    EXPECT_EQ(ReportLog::calls().last().params[12], "");
    EXPECT_EQ(ReportLog::calls().last().params[13], "");
    EXPECT_EQ(count("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm WHERE SessionID = ?", {ExamOrderingData::WorkstationSession()}), 2);
}

TEST_F(ReprintLabForm, AFailedStagingKeepsTheEarlierRowsAndPrintsNothing)
{
    const QString id = ResultsStay(conn(), 0);
    frmReprintLabForm w(patientOf(id));
    click(w.mshflexLabList, 1);
    w.cmdOption[0]->click();
    const int before = count("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm");
    ASSERT_GT(before, 0);
    ReportLog::clear();
    {
        TableOutOfReach gone(conn(), QStringLiteral("LABORATORY..tbLabRequestForm"), QStringLiteral("DoctorID"));
        w.cmdOption[0]->click();
    }
    EXPECT_EQ(UiScript::shown().last().title, "Notification");
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM LABORATORY..tbLabRequestForm"), before); // the clean-up was rolled back
}

TEST_F(ReprintLabForm, AnAdmissionWithoutPostedExamsCannotReprint)
{
    ReprintPatient none;
    none.idNum = QStringLiteral("NONE");
    frmReprintLabForm w(none);
    EXPECT_EQ(w.mshflexLabList->Rows(), 2);
    EXPECT_FALSE(w.mshflexLabList->isEnabled());
    EXPECT_FALSE(w.cmdOption[0]->isEnabled());
}

TEST_F(ReprintLabForm, TheWorkspaceButtonOpensItForItsOwnPatient)
{
    frmFinal* ws = open(ResultsStay(conn(), 1));
    QString shownFor;
    UiScript::queueDialog("frmReprintLabForm", [&](QDialog* d) {
        auto* w = static_cast<frmReprintLabForm*>(d);
        shownFor = w->mshflexLabList->TextMatrix(1, 10); // a request of the stay
    });
    Selection.SelectedIDNum = ResultsStay(conn(), 2); // another list selects another patient meanwhile
    ws->cmdNextPatient_Click(0); // the button is hidden in the workspace's design
    ASSERT_FALSE(shownFor.isEmpty());
    EXPECT_EQ(conn().query("SELECT IDNum FROM STATION..TBNURSECOMMUNICATIONFILE WHERE RequestNum = ?", {shownFor}).text("IDNum"),
              ResultsStay(conn(), 1));
}

class ImagingWindow : public WorkspaceTest {};

TEST_F(ImagingWindow, ListsTheSelectedPatientsResultsOfItsSection)
{
    {
        frmXray w;
        EXPECT_EQ(w.windowTitle(), "Form1");
        EXPECT_EQ(w.mshflexXray->Rows(), 2);
        EXPECT_EQ(w.mshflexXray->Cols(), 9);
        EXPECT_TRUE(w.cmdOption[0]->isHidden());
    }
    // The patient and section given, not the lists' selection.
    Selection.SelectedHospNum = QStringLiteral("NOBODY");
    Selection.ImagingSectionCode = QStringLiteral("XR");
    frmXray w(hospNumOf(ResultsStay(conn(), 0)), QStringLiteral("CT"));
    ASSERT_EQ(w.mshflexXray->Rows(), 2);
    EXPECT_EQ(w.mshflexXray->TextMatrix(1, 2), "CT CORONARY ANGIOGRAPHY");
    w.mshflexXray->setCurrentCell(1, 1);
    Q_EMIT w.mshflexXray->cellClicked(1, 1);
    EXPECT_TRUE(w.txtXrayInterp->toPlainText().startsWith("Calcium score 120."));
    EXPECT_TRUE(w.cmdOption[0]->isEnabled());
    w.show();
    w.cmdOption[1]->click();
    EXPECT_FALSE(w.isVisible());
}
