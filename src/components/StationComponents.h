#pragma once
#include "components/ConnectedComponent.h"
#include "platform/text/UpperCaseKey.h"

#include <QVariant>

class Connection;
class QLabel;

// Laboratory result viewer ("LabResultInquiry.Labresultviewer"): the caller sets the patient and
// the charge slip, then Show_Results shows the laboratory's results of that slip (narrowed to one
// request when RequestNum is given) in the viewer's own modal window.
class Labresultviewer : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    QString CSnumber, RequestNum;
    bool AutoPrint = false; // the first result is chosen when the window opens
    short ViewMode = 0;
    Connection* sqlConnection = nullptr;
    QString HospitalNumber, IDNumber, RoomNumber, PatientName, Age, Sex, Status, UserID, StationID;
    // Database errors reach the caller.
    void Show_Results();
};

// Key-press filter ("ActiveX100.KeyPress"): turns typed letters to upper case.
class KeyPress : public Component {
    Q_OBJECT
public:
    using Component::Component;
    // True for a digit.
    static bool isNumber(int keyAscii) { return keyAscii >= '0' && keyAscii <= '9'; }
    // The code of the upper-case character, accented letters included ("ñ" gives "Ñ").
    static int AllUppers(int keyAscii) { return UpperCaseKeyCode(keyAscii); }
};

// The doctor chosen in the code search's doctor list.
struct CodeSearchDoctor {
    QString ResultCode, LastName, FirstName, MiddleName;
};

// The station chosen in the code search's station list.
struct CodeSearchStation {
    QString ResultCode, Station;
};

// The diet chosen in the code search's diet list.
struct CodeSearchDiet {
    QString ResultCode, Diet, Remarks;
};

// The dosage chosen in the code search's dosage list (kind 16): its code and units a day.
struct CodeSearchDosage {
    QString ResultCode, Dosage, Frequency;
};

// The rows chosen in the registration's lists: zip code (kind 0), religion (2), company (3),
// nationality (7).
struct CodeSearchAddress {
    QString ResultCode, Town, Province;
};
struct CodeSearchReligion {
    QString ResultCode, Religion;
};
struct CodeSearchCompany {
    QString AccountNumber, CompanyName;
};
struct CodeSearchNationality {
    QString ResultCode, Nationality;
};

// The class rates A to H of a priced item; a rate the catalogue leaves empty is a null QVariant.
struct CodeSearchRates {
    QVariant RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH;
    // The rate of a class letter "A" to "H"; a null QVariant for any other letter.
    QVariant rate(const QString& letter) const;
};

// The item chosen in the code search's other-revenue list.
struct CodeSearchOtherRevenue : CodeSearchRates {
    QString ResultCode, OtherRevenue;
    QString FixRate; // "N": the price may be edited at entry
};
// The exams chosen in the laboratory (kind 18), x-ray (29) and ultrasound (27) lists.
struct CodeSearchLabExam : CodeSearchRates {
    QString ResultCode, LabExam, LabSectionID;
};
struct CodeSearchXrayExam : CodeSearchRates {
    QString ResultCode, XrayExam;
};
struct CodeSearchUltraExam : CodeSearchRates {
    QString ResultCode, UltraExam;
};
// The exams chosen in the CT (kind 14), heart station (17), nuclear medicine (20), physical therapy
// (23) and pulmonary (25) lists: the services of those sections.
struct CodeSearchSectionExam : CodeSearchRates {
    QString ResultCode, CTExam, HSExam, NuclearExam, PTExam, RTSExam; // the name, under the field of its kind
};

// Code search ("CodeSearchform.clsCodeSearch").
class clsCodeSearch : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    // The pick list of one kind (1: doctors) filtered by the text (empty: everything). True when the
    // user chose a row, or when the text is exactly the code of one row; the row is then in the
    // record of the kind. A list that finds nothing is not shown. A database error reaches the caller
    // (the window shows the search warning).
    bool SearchListing(const QString& text, int kind);
    CodeSearchDoctor DoctorRecord;
    CodeSearchDiet DietRecord; // kind 6
    CodeSearchAddress AddressRecord;
    CodeSearchReligion ReligionRecord;
    CodeSearchCompany CompanyRecord;
    CodeSearchNationality NationalityRecord;
    // Kinds 0, 2, 3 and 7: an exact code is taken without a list.
    bool SearchRegistrationCodes(const QString& text, int kind);
    // Kind 21: the other-revenue items of the section OtherSectionID.
    QString OtherSectionID;
    CodeSearchOtherRevenue OtherRevenueRecord;
    bool SearchOtherRevenue(const QString& text);
    // Kinds 18, 29 and 27: the active exams of the catalogue; an exact code is taken without a list.
    CodeSearchLabExam LabExamRecord;
    CodeSearchXrayExam XrayExamRecord;
    CodeSearchUltraExam UltrasoundRecord;
    bool SearchExams(const QString& text, int kind);
    // Kinds 14, 17, 20, 23 and 25: the active services of the section; an exact code is taken without a list.
    CodeSearchSectionExam CTExamRecord, HSExamRecord, NuclearExamRecord, PTExamRecord, RTSExamRecord;
    bool SearchSectionExams(const QString& text, int kind);
    // The diet list (kind 6) filtered by the start of the diet's name or code.
    bool SearchDiets(const QString& text);
    // The active stations (kind 10) filtered by the start of the code or name.
    CodeSearchStation StationRecord;
    bool SearchStations(const QString& text);
    // Kind 16: the dosages whose code or name starts with the text; an exact code is taken without a list.
    CodeSearchDosage DosageRecord;
    bool SearchDosages(const QString& text);
    bool Cancelled = false; // after False: the user closed the list without a choice
    QString MTS_Server;
    bool SearchMode = false;
    QString CompanyName;
    bool classesInitialized = false;
    void Initialize_Classes()
    {
        ComponentTrace::record(QStringLiteral("clsCodeSearch.Initialize_Classes"));
        classesInitialized = true;
    }
    void setConnection(Connection* conn)
    {
        ComponentTrace::record(QStringLiteral("clsCodeSearch.Connection"));
        m_conn = conn;
    }

private:
    // The listing's rows (every column, trimmed) whose code or name starts with the text (any
    // case; empty text: all).
    QList<QStringList> listingRows(const QString& sql, const QVariantList& params, const QString& text,
                                   int nameColumn = 1);
    // Reads the chosen item's eight class rates into the record; False without a row.
    bool loadRates(CodeSearchRates& record, const QString& table, const QString& where, const QVariantList& params);
    // The row whose code (column 0) is exactly the text, found without a list; otherwise the
    // row chosen from the list (chooseRow).
    int exactOrChosenRow(const QString& text, const QString& title, const QStringList& headers,
                         const QList<QStringList>& rows);
    // Shows the rows to choose from: the chosen row, or -1 with Cancelled set.
    int chooseRow(const QString& title, const QStringList& headers, const QList<QStringList>& rows);
};

// ICD-10 code search ("ICD10.ICDCodeSearch").
class clsICDCodeSearch : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    void setActiveConnection(Connection* conn)
    {
        ComponentTrace::record(QStringLiteral("ICDCodeSearch.ActiveConnection"));
        m_conn = conn;
    }
    // Shows and runs the component's own ICD-10 code validation; the caller passes and reads nothing.
    void ValidateICDCode();
};

// Charge slip list, issued medicines and patient components (used by the returns).
class clsChargeSlip : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    bool InitConnection(const QString& cs) { return connectByString(QStringLiteral("clsChargeSlip.InitConnection"), cs); }
};
// The items issued to an admission, as pick lists: one line per charge slip and item, with what is
// still issued on that slip (issues less what came back).
class clsIssuedMedicines : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    bool InitConnection(const QString& cs) { return connectByString(QStringLiteral("clsIssuedMedicines.InitConnection"), cs); }
    bool DrugsORCSR = true; // True: medicines (pharmacy stock); False: supplies (central supply stock)
    // Every item of the kind issued to the admission; the chosen item's code ("" when none), its
    // slip in Chargeslip and what is still issued in IssuedQuantity. Database errors reach the caller.
    QString ListIssuedbyDrugs(const QString& idNum, const QString& title);
    // The same, narrowed to one charge slip; the list names the patient of the label given.
    QString ShowList(const QString& idNum, const QString& chargeSlip, const QLabel* patientName);
    QString Chargeslip;
    double IssuedQuantity = 0;

private:
    QString pick(const QString& idNum, const QString& chargeSlip, const QString& title);
};
// The patient of an admission or out-patient visit, as the returns and the posted list show it.
class Patient : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    bool InitConnect(const QString& cs) { return connectByString(QStringLiteral("Patient.InitConnect"), cs); }
    // True when the admission (or visit, a number ending in "B") exists; the members then describe
    // it until the next successful load. Database errors reach the caller.
    bool LoadInfo(const QString& idNum);
    QString AdmissionNumber, HospitalNumber, StationID, Station, PatientName, Doctor, RoomNumber, Room, Age, Sex;
};
