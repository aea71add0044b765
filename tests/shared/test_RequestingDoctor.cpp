#include "SharedTestSupport.h"

#include "components/Component.h"
#include "components/StationComponents.h"
#include "components/code_search/frmCodeSearchList.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "shared/doctors/frmRequestingDoctor.h"
#include "shared/modGlobals.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {
frmRequestingDoctor* dialog(QDialog* d) { return static_cast<frmRequestingDoctor*>(d); }
QLineEdit* codeBox(QDialog* d) { return dialog(d)->txtRequestingDoctor[1]; }
QLineEdit* nameBox(QDialog* d) { return dialog(d)->txtRequestingDoctor[0]; }
void settle() { QCoreApplication::processEvents(); }
// Gives the box the focus as a person's click does, so that leaving it later runs its check.
void focusBox(QDialog* d, QLineEdit* box)
{
    QApplication::setActiveWindow(d);
    box->setFocus(Qt::MouseFocusReason);
    settle();
}
// The doctor list chooses the row of this code.
void chooseInList(const QString& code)
{
    UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [code](QDialog* d) {
        auto* list = static_cast<frmCodeSearchList*>(d);
        const int row = list->FindRow(code);
        ASSERT_GE(row, 0) << code.toStdString();
        list->grdList->setCurrentCell(row, 0);
        QTest::mouseClick(list->cmdSelect, Qt::LeftButton);
    });
}
}

class RequestingDoctorTest : public SharedTest {
protected:
    void SetUp() override
    {
        SharedTest::SetUp();
        m_search.reset(ComponentFactory::createAs<clsCodeSearch>(QStringLiteral("CodeSearchform.clsCodeSearch")));
        m_search->setConnection(&conn());
        Session.CodeSearch = m_search.get();
    }
    void TearDown() override
    {
        Session.CodeSearch = nullptr;
        SharedTest::TearDown();
    }
    int show() { return runModal(frmRequestingDoctor::instance()); }
    int showFor(const QString& attendingDoctorCode) { return runModal(frmRequestingDoctor::forPatient(attendingDoctorCode)); }
    std::unique_ptr<clsCodeSearch> m_search;
};

TEST_F(RequestingDoctorTest, AttendingDoctorIsLookedUpWhenTheDialogOpens)
{
    // The patient given, not whatever a patient list selected since.
    Selection.AttendingDoctorCode = QStringLiteral("D001");
    DialogAnswers.RequestingDoctorID = QStringLiteral("OLD");
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Enter Requesting Doctor"));
        EXPECT_EQ(DialogAnswers.RequestingDoctorID, QString()); // emptied by the load
        EXPECT_EQ(codeBox(d)->text(), QStringLiteral("D002"));
        EXPECT_EQ(nameBox(d)->text(), QStringLiteral("MAGSAYSAY, ELENA"));
        EXPECT_FALSE(nameBox(d)->isEnabled());
        EXPECT_EQ(d->focusWidget(), dialog(d)->cmdOption);
        QTest::mouseClick(dialog(d)->cmdOption, Qt::LeftButton);
    });
    EXPECT_EQ(showFor(QStringLiteral("D002")), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QStringLiteral("D002"));
    EXPECT_EQ(DialogAnswers.RequestingDoctorName, QStringLiteral("MAGSAYSAY, ELENA"));
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmRequestingDoctor")}); // exact code: no list
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(RequestingDoctorTest, AGivenDoctorServesOneShowingOnly)
{
    // A save for a patient with an attending doctor, then one for a patient without: the second
    // must not start from the first patient's doctor.
    const QStringList codes{QStringLiteral("D002"), QString()};
    QStringList seen;
    for (const QString& code : codes) {
        UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [&seen](QDialog* d) {
            seen << codeBox(d)->text();
            d->reject();
        });
        if (code.isEmpty()) show();
        else showFor(code);
    }
    EXPECT_EQ(seen, codes);
}

TEST_F(RequestingDoctorTest, LeavingAnEmptyCodeOpensTheWholeDoctorList)
{
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        EXPECT_EQ(codeBox(d)->text(), QString());
        EXPECT_EQ(nameBox(d)->text(), QString());
        EXPECT_TRUE(UiScript::dialogsRun().size() == 1); // no look-up at load
        UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [](QDialog* l) {
            auto* list = static_cast<frmCodeSearchList*>(l);
            EXPECT_EQ(list->grdList->rowCount(), 7); // active doctors only
            EXPECT_EQ(list->FindRow(QStringLiteral("D099")), -1);
            list->grdList->setCurrentCell(list->FindRow(QStringLiteral("D004")), 0);
            QTest::keyClick(list->grdList, Qt::Key_Return);
        });
        focusBox(d, codeBox(d));
        QTest::keyClick(codeBox(d), Qt::Key_Tab);
        settle();
        EXPECT_EQ(codeBox(d)->text(), QStringLiteral("D004"));
        EXPECT_EQ(nameBox(d)->text(), QStringLiteral("LACSON, TERESITA"));
        QTest::mouseClick(dialog(d)->cmdOption, Qt::LeftButton);
    });
    EXPECT_EQ(show(), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QStringLiteral("D004"));
    EXPECT_EQ(DialogAnswers.RequestingDoctorName, QStringLiteral("LACSON, TERESITA"));
}

TEST_F(RequestingDoctorTest, DoctorOutsideTheListIsCodeZeroWithATypedName)
{
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        focusBox(d, codeBox(d));
        QTest::keyClicks(codeBox(d), QStringLiteral("0"));
        QTest::keyClick(codeBox(d), Qt::Key_Return);
        settle();
        EXPECT_TRUE(nameBox(d)->isEnabled());
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please enter the name of the requesting doctor!"));
        EXPECT_EQ(UiScript::shown().last().style, vbExclamation);
        EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
        EXPECT_EQ(QApplication::focusWidget(), nameBox(d));
        // OK with the name still empty does nothing, and says nothing more.
        const int shown = int(UiScript::shown().size());
        QTest::mouseClick(dialog(d)->cmdOption, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(UiScript::shown().size(), shown + 1); // only the name box's own check spoke again
        QTest::keyClicks(nameBox(d), QStringLiteral(" dr. o'neil "));
        EXPECT_EQ(nameBox(d)->text(), QStringLiteral(" DR. ONEIL ")); // upper case, apostrophe swallowed
        QTest::mouseClick(dialog(d)->cmdOption, Qt::LeftButton);
    });
    EXPECT_EQ(show(), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QStringLiteral("0"));
    EXPECT_EQ(DialogAnswers.RequestingDoctorName, QStringLiteral(" DR. ONEIL ")); // OK does not trim
}

TEST_F(RequestingDoctorTest, UnknownCodeKeepsTheFocusAndTheLookUpButtonSaysSoToo)
{
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        focusBox(d, codeBox(d));
        QTest::keyClicks(codeBox(d), QStringLiteral("zz9"));
        EXPECT_EQ(codeBox(d)->text(), QStringLiteral("ZZ9"));
        QTest::keyClick(codeBox(d), Qt::Key_Tab);
        settle();
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Doctor code not exist!"));
        EXPECT_EQ(UiScript::shown().last().style, vbInformation);
        EXPECT_EQ(QApplication::focusWidget(), codeBox(d));
        QTest::mouseClick(dialog(d)->cmdReqDoc, Qt::LeftButton);
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Doctor code does not exist!"));
        EXPECT_EQ(UiScript::shown().last().title, QStringLiteral("Notification"));
        // The look-up button with a partial code lists the matches and takes the choice.
        codeBox(d)->setText(QStringLiteral("VILLA"));
        chooseInList(QStringLiteral("D006"));
        QTest::mouseClick(dialog(d)->cmdReqDoc, Qt::LeftButton);
        EXPECT_EQ(codeBox(d)->text(), QStringLiteral("D006"));
        EXPECT_EQ(nameBox(d)->text(), QStringLiteral("VILLANUEVA, CARMELA"));
    });
    EXPECT_EQ(show(), QDialog::Rejected); // closed by its frame
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QString());
    EXPECT_EQ(DialogAnswers.RequestingDoctorName, QString());
}

TEST_F(RequestingDoctorTest, OkChecksTheCodeBoxItLeaves)
{
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        focusBox(d, codeBox(d));
        QTest::keyClicks(codeBox(d), QStringLiteral("d007"));
        nameBox(d)->setText(QStringLiteral("STALE NAME"));
        QTest::mouseClick(dialog(d)->cmdOption, Qt::LeftButton);
    });
    EXPECT_EQ(show(), QDialog::Accepted);
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QStringLiteral("D007"));
    EXPECT_EQ(DialogAnswers.RequestingDoctorName, QStringLiteral("PEÑAFLOR, JOSE"));

    // A cancelled list answers nothing and keeps the dialog open.
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        EXPECT_EQ(codeBox(d)->text(), QString()); // a fresh showing
        focusBox(d, codeBox(d));
        UiScript::queueDialog(QStringLiteral("frmCodeSearchList"), [](QDialog* l) {
            QTest::mouseClick(static_cast<frmCodeSearchList*>(l)->cmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(dialog(d)->cmdOption, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(UiScript::lastText(), QStringLiteral("Doctor code not exist!"));
    });
    EXPECT_EQ(show(), QDialog::Rejected);
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QString());
}

// The doctor list that cannot be read: the search lets the error reach its caller, and the dialog
// shows the search warning (the server's text) and goes on as with no doctor found.
TEST_F(RequestingDoctorTest, ADoctorListThatCannotBeReadWarnsInTheDialog)
{
    TableOutOfReach away(conn(), QStringLiteral("BUILD_FILE..tbCoDoctor"));
    EXPECT_THROW(m_search->SearchListing(QStringLiteral("D002"), 1), DbError);
    EXPECT_TRUE(UiScript::shown().isEmpty());
    UiScript::queueDialog(QStringLiteral("frmRequestingDoctor"), [](QDialog* d) {
        EXPECT_EQ(codeBox(d)->text(), QStringLiteral("D002"));
        d->reject();
    });
    showFor(QStringLiteral("D002"));
    away.restore();
    ASSERT_FALSE(UiScript::shown().isEmpty());
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(UiScript::shown()[0].style, vbCritical);
    EXPECT_FALSE(UiScript::shown()[0].text.isEmpty());
    EXPECT_EQ(DialogAnswers.RequestingDoctorID, QString());
}
