// The master patient search: what its birth-date parts find, the name checks, the search's own
// checks, and the three roads into the registration entry.
#include "support/RegistrationFixture.h"

#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "registration/RegistrationData.h"
#include "registration/RegistrationKeys.h"
#include "registration/frmMasterSearch.h"
#include "registration/frmRegistration.h"
#include "shared/modGlobals.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class MasterSearch : public RegistrationTest {
protected:
    frmMasterSearch* open()
    {
        frmMasterSearch* s = frmMasterSearch::instance();
        s->show();
        return s;
    }
    QStringList foundHospNums(frmMasterSearch* s)
    {
        QStringList out;
        for (int r = 1; r < s->grdPatient->Rows(); ++r)
            if (!s->grdPatient->TextMatrix(r, 3).isEmpty()) out << s->grdPatient->TextMatrix(r, 3);
        return out;
    }
};

TEST_F(MasterSearch, TheBirthDatePartsNarrowTheSearchAsFarAsTheyAreValid)
{
    // ABELLERA was born on 1 January 1950 (the first of the cast).
    struct Case { const char *year, *month, *day; bool found; };
    const Case cases[] = {{"1950", "1", "1", true},   {"1950", "", "", true},  {"1950", "1", "", true},
                          {"1950", "2", "", false},   {"1951", "", "", false}, {"1950", "", "15", true}, // no month: the day is dropped
                          {"1950", "1", "2", false}};
    frmMasterSearch* s = open();
    s->txtName[0]->setText(QStringLiteral("ABELLERA"));
    s->Option1[0]->click(); // searches, and enables "Search"
    for (const Case& c : cases) {
        s->txtBirthYear->setText(QString::fromLatin1(c.year));
        s->cboBirthMonth->setCurrentText(QString::fromLatin1(c.month));
        s->cboBirthDay->setCurrentText(QString::fromLatin1(c.day));
        s->vkCommand1[0]->click();
        EXPECT_EQ(foundHospNums(s).contains(QStringLiteral("900001")), c.found) << c.year << "." << c.month << "." << c.day;
        EXPECT_EQ(s->MatchesFound, c.found);
        EXPECT_EQ(s->grdPatient->isEnabled(), c.found);
    }
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(MasterSearch, TheSearchAsksForALastNameThenAGender)
{
    frmMasterSearch* s = open();
    s->SearchPatient();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please fill up the LastName!"));
    s->txtName[0]->setText(QStringLiteral("ABELLERA"));
    s->SearchPatient();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Please fill up the Gender!"));
    EXPECT_EQ(UiScript::shown().last().style, int(vbCritical));
    EXPECT_FALSE(s->Animation1->isVisible()); // a refused search plays nothing
    // a gender click searches, with the search animation playing; the same gender again does not
    s->Option1[0]->click();
    EXPECT_EQ(foundHospNums(s), QStringList{QStringLiteral("900001")});
    EXPECT_TRUE(s->Animation1->isVisible());
    ASSERT_TRUE(s->Animation1->movie());
    EXPECT_GT(s->Animation1->movie()->frameCount(), 1);
    EXPECT_EQ(s->Animation1->movie()->state(), QMovie::Running);
    UiScript::reset();
    s->txtName[0]->clear();
    s->Option1[0]->click();
    EXPECT_TRUE(UiScript::shown().isEmpty());
}

TEST_F(MasterSearch, TheNameChecks)
{
    frmMasterSearch* s = open();
    const QString labels = QStringLiteral("Please enter labels like Jr, Sr, II, VI or the like in the patient's firstname...");
    struct Case { QString name; bool allowBlank, isLastName; int answer; bool result; QString message; };
    const Case cases[] = {
        {QStringLiteral(""), false, true, 0, false, QString()},
        {QStringLiteral(""), true, false, 0, true, QString()},
        {QStringLiteral("DELA CRUZ JR"), false, true, 0, false, labels},
        {QStringLiteral("IVANOV"), true, false, 0, false, labels},
        {QStringLiteral("SR SANTOS"), false, true, 0, false, labels},
        {QStringLiteral("ABELLERA"), false, true, 0, true, QString()},
        {QStringLiteral("XYZZY"), false, true, vbYes, true,
         QStringLiteral("The last name ' XYZZY ' may not be spelled correctly. Select the 'Yes' botton if correct or 'No' botton if not...")},
        {QStringLiteral("XYZZY"), true, false, vbNo, false,
         QStringLiteral("The middle name ' XYZZY ' may not be spelled correctly. Select the 'Yes' botton if correct or 'No' botton if not...")},
    };
    for (const Case& c : cases) {
        UiScript::reset();
        if (c.answer) UiScript::queueAnswer(c.answer);
        EXPECT_EQ(s->ChkSurname2(c.name, c.allowBlank, c.isLastName), c.result) << c.name.toStdString();
        EXPECT_EQ(UiScript::lastText(), c.message) << c.name.toStdString();
    }
}

TEST_F(MasterSearch, NamesAndYearAreFilteredAsTyped)
{
    frmMasterSearch* s = open();
    s->activateWindow();
    QTest::keyClicks(s->txtName[0], QStringLiteral("o'ne1l.-x"));
    EXPECT_EQ(s->txtName[0]->text(), QStringLiteral("ONEL-X"));
    s->txtBirthYear->setText(QStringLiteral("2999"));
    EXPECT_FALSE(s->txtBirthYear_Validate());
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Invalid year of birth..."));
    s->txtBirthYear->clear();
    EXPECT_TRUE(s->txtBirthYear_Validate());
}

TEST_F(MasterSearch, APickWantsAChosenPersonWhoseStaysAreClosed)
{
    frmMasterSearch* s = open();
    s->PickPatient();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("You must choose a name from the list")});
    // ABELLERA is in the hospital
    s->txtName[0]->setText(QStringLiteral("ABELLERA"));
    s->Option1[0]->click();
    UiScript::reset();
    s->PickPatient();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("This patient is already registered. Please verify on the patient's list ")});
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Information"));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());
}

TEST_F(MasterSearch, APickFillsTheEntryAndReportsAnUnpaidBill)
{
    // HIDALGO's visit is discharged and left 1,250.50 unpaid.
    conn().execute(QStringLiteral("UPDATE PATIENT_DATA..TBOUTPATIENT SET DcrDate = AdmDate WHERE HospNum = '900008'"));
    frmMasterSearch* s = open();
    s->txtName[0]->setText(QStringLiteral("HIDALGO"));
    s->Option1[1]->click();
    ASSERT_EQ(foundHospNums(s), QStringList{QStringLiteral("900008")});
    QString hosp, id, last, account;
    bool female = false, namesOpen = false;
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmRegistration"), [&](QDialog* d) {
        auto* reg = static_cast<frmRegistration*>(d);
        hosp = reg->txtHospNum->text();
        id = reg->txtIDNum->text();
        last = reg->txtLastName->text();
        account = reg->txtAccount->text();
        female = reg->optFemale->isChecked();
        namesOpen = !reg->txtLastName->isReadOnly() && reg->Frame3->isEnabled();
    });
    s->PickPatient();
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("The patient has unpaid bill of 1250.5")});
    EXPECT_EQ(UiScript::dialogsRun(), QStringList{QStringLiteral("frmRegistration")});
    EXPECT_EQ(hosp, QStringLiteral("900008"));
    EXPECT_TRUE(RegistrationData::IsAuto(id));
    EXPECT_EQ(last, QStringLiteral("HIDALGO"));
    EXPECT_EQ(account, QStringLiteral("PERSONAL"));
    EXPECT_TRUE(female);
    EXPECT_TRUE(namesOpen);
}

TEST_F(MasterSearch, NewPatientAsksOnlyWhenTheSearchFoundSomeone)
{
    frmMasterSearch* s = open();
    s->txtName[0]->setText(QStringLiteral("ABELLERA"));
    s->Option1[0]->click();
    UiScript::reset();
    UiScript::queueAnswer(vbNo);
    s->vkCommand1[3]->click();
    ASSERT_EQ(UiScript::shown().size(), 1);
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("Verification"));
    EXPECT_TRUE(UiScript::dialogsRun().isEmpty());

    s->txtName[0]->setText(QStringLiteral("NOBODYHERE"));
    s->vkCommand1[0]->click();
    EXPECT_FALSE(s->MatchesFound);
    UiScript::reset();
    QString hosp, last;
    UiScript::queueDialog(QStringLiteral("frmRegistration"), [&](QDialog* d) {
        auto* reg = static_cast<frmRegistration*>(d);
        hosp = reg->txtHospNum->text();
        last = reg->txtLastName->text();
    });
    s->vkCommand1[3]->click();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_TRUE(RegistrationData::IsAuto(hosp));
    EXPECT_EQ(last, QStringLiteral("NOBODYHERE"));
}

TEST_F(MasterSearch, TheCardRoadRunsOnEnterAndLoadsTheCardedPerson)
{
    frmMasterSearch* s = open();
    s->activateWindow();
    // typing key by key asks nothing
    QTest::keyClicks(s->txtHospNum, QStringLiteral("90000"));
    EXPECT_TRUE(UiScript::shown().isEmpty());
    QTest::keyClick(s->txtHospNum, Qt::Key_Return);
    EXPECT_EQ(UiScript::texts(), QStringList{QStringLiteral("Patient card does not exist.")});
    EXPECT_EQ(UiScript::shown()[0].title, QStringLiteral("MESSAGE"));
    // DIMAGIBA carries a card and is no longer in the hospital
    s->txtHospNum->setText(QStringLiteral("900004"));
    QString last, hosp;
    UiScript::reset();
    UiScript::queueDialog(QStringLiteral("frmRegistration"), [&](QDialog* d) {
        auto* reg = static_cast<frmRegistration*>(d);
        last = reg->txtLastName->text();
        hosp = reg->txtHospNum->text();
    });
    QTest::keyClick(s->txtHospNum, Qt::Key_Return);
    EXPECT_TRUE(UiScript::shown().isEmpty()) << UiScript::lastText().toStdString();
    EXPECT_EQ(last, QStringLiteral("DIMAGIBA"));
    EXPECT_EQ(hosp, QStringLiteral("900004"));
    EXPECT_EQ(Selection.SelectedHospNum, QStringLiteral("900004"));
}

} // namespace
