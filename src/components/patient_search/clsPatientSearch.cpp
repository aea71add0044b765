#include "components/patient_search/clsPatientSearch.h"

#include "platform/db/Connection.h"

namespace {
QVariant orNull(const Recordset& rs, const char* field)
{
    const QVariant v = rs.value(QString::fromLatin1(field));
    if (v.isNull()) return {};
    return QVariant(rs.toDateTime(QString::fromLatin1(field)));
}
}

bool clsAdmission::load(Connection* conn, const QString& idNum)
{
    m_conn = conn;
    IDNum = idNum.trimmed();
    Refresh();
    return loaded;
}

void clsAdmission::Refresh()
{
    loaded = false;
    if (!m_conn || IDNum.isEmpty()) return;
    Recordset rs = m_conn->query(QStringLiteral("SELECT IDNum, HospNum, RoomID, AccountNum, PackageID, AdmDate, DcrDate, "
                                                "BillingDate FROM PATIENT_DATA..tbPatient WHERE IDNum = ?"), {IDNum});
    if (rs.isEmpty()) return;
    HospNum = rs.text(QStringLiteral("HospNum"));
    Room = rs.text(QStringLiteral("RoomID"));
    AccountNum = rs.text(QStringLiteral("AccountNum"));
    PackageID = rs.text(QStringLiteral("PackageID"));
    AdmDate = orNull(rs, "AdmDate");
    DcrDate = orNull(rs, "DcrDate");
    BillingDate = orNull(rs, "BillingDate");
    loaded = true;
}

bool clsOutPatient::load(Connection* conn, const QString& idNum)
{
    m_conn = conn;
    IDNum = idNum.trimmed();
    Refresh();
    return loaded;
}

void clsOutPatient::Refresh()
{
    loaded = false;
    if (!m_conn || IDNum.isEmpty()) return;
    Recordset rs = m_conn->query(QStringLiteral("SELECT IDNum, HospNum, AccountNum, PackageID, OPDClass, AdmDate, DcrDate, "
                                                "BillingDate FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?"), {IDNum});
    if (rs.isEmpty()) return;
    HospNum = rs.text(QStringLiteral("HospNum"));
    AccountNum = rs.text(QStringLiteral("AccountNum"));
    PackageID = rs.text(QStringLiteral("PackageID"));
    OPDClass = rs.text(QStringLiteral("OPDClass"));
    AdmDate = orNull(rs, "AdmDate");
    DcrDate = orNull(rs, "DcrDate");
    BillingDate = orNull(rs, "BillingDate");
    loaded = true;
}

bool clsPatientClass::load(Connection* conn, const QString& hospNum)
{
    loaded = false;
    HospNum = hospNum.trimmed();
    Recordset rs = conn->query(QStringLiteral("SELECT HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, HouseStreet, "
                                              "Barangay, City, Province FROM PATIENT_DATA..tbMaster WHERE HospNum = ?"), {HospNum});
    if (rs.isEmpty()) return false;
    LastName = rs.text(QStringLiteral("LastName"));
    FirstName = rs.text(QStringLiteral("FirstName"));
    MiddleName = rs.text(QStringLiteral("MiddleName"));
    Sex = rs.text(QStringLiteral("Sex"));
    BirthDate = orNull(rs, "BirthDate");
    QStringList parts;
    for (const char* f : {"HouseStreet", "Barangay", "City", "Province"}) {
        const QString p = rs.text(QString::fromLatin1(f)).trimmed();
        if (!p.isEmpty()) parts << p;
    }
    Address = parts.join(QStringLiteral(", "));
    loaded = true;
    return true;
}

bool clsPatientSearch::InitConnection(Connection* conn, const QString& serverName)
{
    Q_UNUSED(serverName);
    return connectTo(QStringLiteral("clsPatientSearch.InitConnection"), conn);
}

bool clsPatientSearch::LoadPatient(const QString& hospNum)
{
    return m_conn && m_patient.load(m_conn, hospNum);
}

bool clsPatientSearch::LoadAdmission(const QString& idNum)
{
    return m_conn && m_admission.load(m_conn, idNum);
}

bool clsPatientSearch::LoadOutPatient(const QString& idNum)
{
    return m_conn && m_patient.clsOutPatient()->load(m_conn, idNum);
}

void clsPatientSearch::Clear()
{
    m_admission.IDNum.clear();
    m_admission.loaded = false;
    m_patient.loaded = false;
    m_patient.clsOutPatient()->IDNum.clear();
    m_patient.clsOutPatient()->loaded = false;
}

CATHLAB_COMPONENT("MasterSearch.clsPatientSearch", clsPatientSearch);
