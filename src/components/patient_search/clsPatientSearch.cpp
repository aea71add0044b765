#include "components/patient_search/clsPatientSearch.h"

#include "platform/db/Connection.h"

namespace {
QVariant orNull(const Recordset& rs, const char* field)
{
    const QVariant v = rs.value(QString::fromLatin1(field));
    if (v.isNull()) return {};
    return QVariant(rs.toDateTime(QString::fromLatin1(field)));
}

clsAccount accountOf(const Recordset& rs)
{
    return {rs.text(QStringLiteral("AccountNum")), rs.text(QStringLiteral("Company"))};
}
}

bool clsAdmission::load(Connection* conn, const QString& idNum)
{
    m_conn = conn;
    IDNumber = idNum.trimmed();
    Refresh();
    return loaded;
}

void clsAdmission::Refresh()
{
    loaded = false;
    if (!m_conn || IDNumber.isEmpty()) return;
    Recordset rs = m_conn->query(QStringLiteral(
        "SELECT P.IDNum, P.HospNum, P.RoomID, R.RoomClass, R.RoomRate, P.AccountNum, C.Company, P.PackageID, "
        "P.AdmDate, P.DcrDate, P.BillingDate FROM PATIENT_DATA..tbPatient P "
        "LEFT JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
        "LEFT JOIN BUILD_FILE..TBCOCOMPANY C ON C.AccountNum = P.AccountNum WHERE P.IDNum = ?"), {IDNumber});
    if (rs.isEmpty()) return;
    HospitalNumber = rs.text(QStringLiteral("HospNum"));
    Room.RoomID = rs.text(QStringLiteral("RoomID"));
    Room.RoomClassID = rs.text(QStringLiteral("RoomClass"));
    Room.RoomRate = rs.toDouble(QStringLiteral("RoomRate"));
    Account = accountOf(rs);
    PackageID = rs.text(QStringLiteral("PackageID"));
    AdmissionDate = orNull(rs, "AdmDate");
    DischargeDate = orNull(rs, "DcrDate");
    BillingDate = orNull(rs, "BillingDate");
    History = {};
    const Recordset h = m_conn->query(QStringLiteral("SELECT AdmittingDiagnosis, ChiefComplaint, FinalDiagnosis, Procedures "
                                                     "FROM PATIENT_DATA..tbPatientHistory WHERE IDNum = ?"),
                                      {IDNumber});
    if (!h.isEmpty())
        History = {h.text(QStringLiteral("AdmittingDiagnosis")), h.text(QStringLiteral("ChiefComplaint")),
                   h.text(QStringLiteral("FinalDiagnosis")), h.text(QStringLiteral("Procedures"))};
    loaded = true;
}

bool clsOutPatient::load(Connection* conn, const QString& idNum)
{
    m_conn = conn;
    return OpenOutPatient(idNum, QString());
}

bool clsOutPatient::OpenOutPatient(const QString& idNum, const QString& hospNum)
{
    IDNumber = idNum.trimmed();
    m_hospFilter = hospNum.trimmed();
    Refresh();
    return loaded;
}

void clsOutPatient::Refresh()
{
    loaded = false;
    if (!m_conn || IDNumber.isEmpty()) return;
    Recordset rs = m_conn->query(QStringLiteral(
        "SELECT O.IDNum, O.HospNum, O.AccountNum, C.Company, O.PackageID, O.OPDClass, O.AdmDate, O.DcrDate, "
        "O.BillingDate FROM PATIENT_DATA..TBOUTPATIENT O "
        "LEFT JOIN BUILD_FILE..TBCOCOMPANY C ON C.AccountNum = O.AccountNum "
        "WHERE O.IDNum = ? AND (? = '' OR O.HospNum = ?)"), {IDNumber, m_hospFilter, m_hospFilter});
    if (rs.isEmpty()) return;
    HospitalNumber = rs.text(QStringLiteral("HospNum"));
    Account = accountOf(rs);
    PackageID = rs.text(QStringLiteral("PackageID"));
    OPDClass = rs.text(QStringLiteral("OPDClass"));
    AdmissionDate = orNull(rs, "AdmDate");
    DischargeDate = orNull(rs, "DcrDate");
    BillingDate = orNull(rs, "BillingDate");
    loaded = true;
}

bool clsPatientMaster::LoadPatient(const QString& hospNum)
{
    return m_conn && load(m_conn, hospNum);
}

bool clsPatientMaster::load(Connection* conn, const QString& hospNum)
{
    m_conn = conn;
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
    Address.CompleteAddress = parts.join(QStringLiteral(", "));
    loaded = true;
    return true;
}

bool clsPatientSearch::InitConnection(Connection* conn, const QString& serverName)
{
    Q_UNUSED(serverName);
    const bool ok = connectTo(QStringLiteral("clsPatientSearch.InitConnection"), conn);
    if (ok) {
        m_admission.setConnection(conn);
        m_class.clsOutPatient()->setConnection(conn);
        m_master.setConnection(conn);
    }
    return ok;
}

bool clsPatientSearch::ValidatePatient(const QString& hospNum)
{
    return m_conn && m_master.load(m_conn, hospNum);
}

bool clsPatientSearch::ValidateAdmission(const QString& idNum)
{
    return m_conn && m_admission.load(m_conn, idNum);
}

void clsPatientSearch::Clear()
{
    m_admission.IDNumber.clear();
    m_admission.loaded = false;
    m_master.loaded = false;
    m_class.clsOutPatient()->IDNumber.clear();
    m_class.clsOutPatient()->loaded = false;
}

CATHLAB_COMPONENT("MasterSearch.clsPatientSearch", clsPatientSearch);
