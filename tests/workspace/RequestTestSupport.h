#pragma once
#include "support/TestDatabase.h"

#include "components/Component.h"
#include "components/StationComponents.h"
#include "exam_requests/RequestEntryRow.h"
#include "exam_requests/frmRequest.h"
#include "ordering/frmRemarks.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/orders/OrderRow.h"
#include "shared/orders/ProfileGrid.h"
#include "workspace/frmFinal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

// The remarks dialog's answers, as its Enter button leaves them.
struct RemarksAnswers {
    QString stat = QStringLiteral("N"), remarks, specimen, transplant = QStringLiteral("0"), dialysis = QStringLiteral("0"),
            reason;
    bool amPickUp = false, portable = false;
};

// The demo hospital, the code search, and an open workspace of a test patient whose room is of
// class C (so a laboratory exam is priced at its rate C).
class RequestTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        StationParameters().LoadParameters();
        m_search.reset(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch")));
        m_search->setConnection(&conn());
        Session.CodeSearch = m_search.get();
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, NationalityID) "
                                      "VALUES ('T9001', 'SMITH', 'JOHN', 'USA'), ('T9002', 'SANTOS', 'MARIA', 'FIL')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID) VALUES "
                                      "('TX0001', 'T9002', '205'), ('TX0002', 'T9001', '205')"));
        Selection.SelectedPatientType = QStringLiteral("I");
        openPatient(QStringLiteral("TX0001"), QStringLiteral("205"));
    }
    void TearDown() override
    {
        delete frmRequest::existing();
        delete frmRemarks::existing();
        delete frmFinal::existing();
        Session.CodeSearch = nullptr;
        DbTest::TearDown();
    }
    void openPatient(const QString& idNum, const QString& room)
    {
        frmFinal* ws = frmFinal::instance();
        ws->txtID->setText(idNum);
        ws->Timer1->stop(); // the header is not reloaded: the test gives the room
        ws->txtRoom->setText(room);
        ws->Patient = PatientContext();
        ws->Patient.IDNum = idNum;
        ws->Patient.Room = room;
        ws->Patient.PatientType = QStringLiteral("I");
    }
    // The request window of a department, shown (not modally) and ready for keys.
    frmRequest* open(const QString& dept)
    {
        frmRequest* w = frmRequest::instance();
        w->setPatient(frmFinal::instance()->Patient);
        w->setWindowTitle(dept);
        w->txtDept->setText(dept);
        w->Department = dept;
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    frmRequest* w() { return frmRequest::instance(); }
    EntryGrid* grid() { return w()->mshflexEntry; }
    QString cell(int row, int col) { return grid()->TextMatrix(row, col); }
    void key(Qt::Key k) { QTest::keyClick(w()->txtEntry, k); }
    void type(const QString& text)
    {
        w()->txtEntry->selectAll();
        QTest::keyClick(w()->txtEntry, Qt::Key_Backspace);
        QTest::keyClicks(w()->txtEntry, text);
    }
    void enter(const QString& text)
    {
        type(text);
        key(Qt::Key_Return);
    }
    // The next remarks dialog answers with its Enter button.
    static void answerRemarks(const RemarksAnswers& a = RemarksAnswers())
    {
        UiScript::queueDialog(QStringLiteral("frmRemarks"), [a](QDialog* d) {
            // answered through the dialog's own controls and its Enter button
            auto* r = static_cast<frmRemarks*>(d);
            r->Option1[a.stat == QLatin1String("Y") ? 1 : 0]->setChecked(true);
            r->txtRemarks->setPlainText(a.remarks);
            r->txtReason->setPlainText(a.reason);
            if (!a.specimen.isEmpty()) {
                DialogAnswers.ExamOrderSpecimen = a.specimen;
                if (r->lblSpecimen[1]->text().isEmpty()) r->lblSpecimen[1]->setText(a.specimen);
            }
            static const QHash<QString, QString> transplants{{"0", "Non-Transplant"}, {"1", "Transplant"}};
            static const QHash<QString, QString> dialyses{{"0", "None"}, {"1", "Pre-Dialysis"}, {"2", "Post-Dialysis"}};
            r->cboTransplant->setEditText(transplants.value(a.transplant));
            r->cboDialysis->setEditText(dialyses.value(a.dialysis));
            r->chkAMPickUp->setChecked(a.amPickUp);
            r->chkPortable->setChecked(a.portable);
            r->Command1->click();
        });
    }
    // An exam typed into the current code cell and answered in the remarks dialog.
    void enterExam(const QString& code, const RemarksAnswers& a = RemarksAnswers())
    {
        answerRemarks(a);
        enter(code);
    }
    FlexGrid& orders() { return *frmFinal::instance()->mshflexOrders; }
    FlexGrid& workspaceProfiles() { return *frmFinal::instance()->mshflexProfileList; }

    std::unique_ptr<clsCodeSearch> m_search;
};
