#pragma once
#include "components/ConnectedComponent.h"

#include <QDateTime>
#include <QVariant>

// One in-patient admission as the patient search holds it.
class clsAdmission : public QObject {
    Q_OBJECT
public:
    QString IDNum, HospNum, Room, AccountNum, PackageID;
    QVariant AdmDate, DcrDate, BillingDate; // null while not set
    bool loaded = false;
    // Re-reads the admission, so that a billing date set meanwhile is seen.
    void Refresh();
    bool load(Connection* conn, const QString& idNum);

private:
    Connection* m_conn = nullptr;
};

// One out-patient visit as the patient search holds it.
class clsOutPatient : public QObject {
    Q_OBJECT
public:
    QString IDNum, HospNum, AccountNum, PackageID, OPDClass;
    QVariant AdmDate, DcrDate, BillingDate;
    bool loaded = false;
    void Refresh();
    bool load(Connection* conn, const QString& idNum);

private:
    Connection* m_conn = nullptr;
};

// The chosen person, with the out-patient visit.
class clsPatientClass : public QObject {
    Q_OBJECT
public:
    QString HospNum, LastName, FirstName, MiddleName, Sex, Address;
    QVariant BirthDate;
    bool loaded = false;
    ::clsOutPatient* clsOutPatient() { return &m_outPatient; }
    bool load(Connection* conn, const QString& hospNum);

private:
    ::clsOutPatient m_outPatient;
};

// The patient search component ("MasterSearch.clsPatientSearch"): holds the patient chosen in a
// patient list together with the admission or visit.
class clsPatientSearch : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    // First call of start-up's connection chain: the run's connection and the server name.
    bool InitConnection(Connection* conn, const QString& serverName);

    clsAdmission* Admission() { return &m_admission; }
    clsPatientClass* PatientClass() { return &m_patient; }

    // The patient lists load the chosen patient first, then the admission or the visit.
    bool LoadPatient(const QString& hospNum);
    bool LoadAdmission(const QString& idNum);
    bool LoadOutPatient(const QString& idNum);
    void Clear();

private:
    clsAdmission m_admission;
    clsPatientClass m_patient;
};
