#pragma once
#include "components/ConnectedComponent.h"

#include <QDateTime>
#include <QVariant>

// The account a stay is charged to: the company's account number, or the patient's own hospital
// number for a self-paying patient (then the company is empty).
struct clsAccount {
    QString AccountNumber, Company;
};

struct clsAddress {
    QString CompleteAddress;
};

// The room of an in-patient stay. Read as text it is the room shown (its ID).
struct clsRoom {
    QString RoomID, RoomClassID;
    double RoomRate = 0;
    struct {
        QString Description;
    } Station; // the nurse station the room belongs to
    operator QString() const { return RoomID; }
};

// The clinical history of a stay (empty texts when it has none).
struct clsHistory {
    QString AdmittingDiagnosis, ChiefComplaint, FinalDiagnosis, Procedures;
};

// One in-patient admission as the patient search holds it.
class clsAdmission : public QObject {
    Q_OBJECT
public:
    QString IDNumber, HospitalNumber, PackageID;
    clsRoom Room;
    clsAccount Account;
    clsHistory History;
    QVariant AdmissionDate, DischargeDate, BillingDate; // null while not set
    bool loaded = false;
    // Re-reads the admission, so that a billing date set meanwhile is seen.
    void Refresh();
    bool load(Connection* conn, const QString& idNum);
    // Discharges the stay of that admission number (an out-patient visit when it ends in "B") in
    // one transaction, which first checks again that no request of the stay is still pending.
    // False, with DischargeRefusal saying why, when the stay has pending requests or is not open;
    // a database error rolls back and reaches the caller.
    bool DischargePatient(const QString& idNum, const QDateTime& dischargeAt, const QString& resultCode,
                          const QString& dispositionCode, const QString& employeeCode, const QString& room,
                          const QString& doctorCode);
    QString DischargeRefusal;
    void setConnection(Connection* conn) { m_conn = conn; }

private:
    Connection* m_conn = nullptr;
};

// One out-patient visit as the patient search holds it.
class clsOutPatient : public QObject {
    Q_OBJECT
public:
    QString IDNumber, HospitalNumber, PackageID, OPDClass;
    clsAccount Account;
    QVariant AdmissionDate, DischargeDate, BillingDate;
    bool loaded = false;
    // Loads the visit of that admission number (and hospital number, when one is given); False
    // when there is none.
    bool OpenOutPatient(const QString& idNum, const QString& hospNum);
    void Refresh();
    bool load(Connection* conn, const QString& idNum);
    void setConnection(Connection* conn) { m_conn = conn; }

private:
    Connection* m_conn = nullptr;
    QString m_hospFilter;
};

// A person of the master patient file.
class clsPatientMaster : public QObject {
    Q_OBJECT
public:
    QString HospNum, LastName, FirstName, MiddleName, Sex;
    clsAddress Address;
    QVariant BirthDate;
    bool loaded = false;
    bool LoadPatient(const QString& hospNum);
    bool load(Connection* conn, const QString& hospNum);
    void setConnection(Connection* conn) { m_conn = conn; }

private:
    Connection* m_conn = nullptr;
};

// The chosen person's class: holds the out-patient visit.
class clsPatientClass : public QObject {
    Q_OBJECT
public:
    ::clsOutPatient* clsOutPatient() { return &m_outPatient; }

private:
    ::clsOutPatient m_outPatient;
};

// The patient search component ("MasterSearch.clsPatientSearch"): holds the patient chosen in a
// patient list (master record) together with the in-patient admission or the out-patient visit.
class clsPatientSearch : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    // First call of start-up's connection chain: the run's connection and the server name.
    bool InitConnection(Connection* conn, const QString& serverName);

    clsAdmission* Admission() { return &m_admission; }
    clsPatientClass* PatientClass() { return &m_class; }
    clsPatientMaster* PatientMaster() { return &m_master; }

    // Loads the master record; False when the hospital number has none.
    bool ValidatePatient(const QString& hospNum);
    // Loads the in-patient admission; False when there is none.
    bool ValidateAdmission(const QString& idNum);

    // Older names of the same loads.
    bool LoadPatient(const QString& hospNum) { return ValidatePatient(hospNum); }
    bool LoadAdmission(const QString& idNum) { return ValidateAdmission(idNum); }
    bool LoadOutPatient(const QString& idNum) { return m_conn && m_class.clsOutPatient()->load(m_conn, idNum); }
    void Clear();

    // True when the room exists and is in use; Room() then describes it (ID as the catalogue
    // spells it, rate, station). Errors reach the caller.
    bool ValidateRoom(const QString& roomID);
    clsRoom* Room() { return &m_room; }

private:
    clsRoom m_room;
    clsAdmission m_admission;
    clsPatientClass m_class;
    clsPatientMaster m_master;
};
