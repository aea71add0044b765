#include "SharedTestSupport.h"

#include "platform/db/Dialect.h"
#include "platform/ui/MessageBox.h"
#include "shared/WorkspaceLink.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QVBoxLayout>

QVariant nullDate() { return QVariant(QMetaType(QMetaType::QDateTime)); }
QVariant nullText() { return QVariant(QMetaType(QMetaType::QString)); }

void SharedTest::SetUp()
{
    DbTest::SetUp();
    StationParameters().LoadParameters();
}

void SharedTest::exec(const QString& sql, const QVariantList& params) { conn().execute(sql, params); }

void SharedTest::addPerson(const QString& hospNum, const QDate& born, const QString& nationality)
{
    exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, BirthDate, NationalityID) "
                        "VALUES (?, 'TESTER', 'TINA', ?, ?)"),
         {hospNum, QDateTime(born, QTime(0, 0)), nationality.isEmpty() ? nullText() : QVariant(nationality)});
}

void SharedTest::addInPatient(const QString& idNum, const QString& hospNum, const QDateTime& admitted,
                              const QVariant& discharged, const QString& room, const QVariant& account,
                              const QVariant& account2)
{
    exec(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, RoomID, AccountNum, AccountNumII) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)"),
         {idNum, hospNum, admitted, discharged.isValid() ? discharged : nullDate(), room,
          account.isValid() ? account : nullText(), account2.isValid() ? account2 : nullText()});
}

void SharedTest::addOutPatient(const QString& idNum, const QString& hospNum, const QDateTime& visited, const QString& opdClass)
{
    exec(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, AdmDate, AccountNum, OPDClass) VALUES (?, ?, ?, ?, ?)"),
         {idNum, hospNum, visited, hospNum, opdClass.isEmpty() ? nullText() : QVariant(opdClass)});
}

int SharedTest::errorNotices() const
{
    int n = 0;
    for (const ShownMessage& m : UiScript::shown())
        if (m.text.endsWith(QStringLiteral("Please notify your IT department.")) && m.title == QLatin1String("Notification")) ++n;
    return n;
}

FakeWorkspace::FakeWorkspace()
{
    auto* layout = new QVBoxLayout(&window);
    txtID = new QLineEdit(&window);
    rtbClinical = new QTextEdit(&window);
    layout->addWidget(txtID);
    layout->addWidget(rtbClinical);
    m_previousLoader = WorkspaceLink::setLoader([this] {
        ++loads;
        return WorkspaceLink::Controls{&window, txtID, rtbClinical};
    });
}

FakeWorkspace::~FakeWorkspace() { WorkspaceLink::setLoader(std::move(m_previousLoader)); }
