#pragma once
// A patient of the workspace with the components the request windows use, the settings they read
// from the database, and the keys a nurse types into the floating entry box.
#include "support/ScriptedValidation.h"
#include "support/TestDatabase.h"
#include "QtPrint.h"

#include "medication_requests/MedicationRequestData.h"
#include "medication_requests/RequestPatient.h"

#include <QStringList>
#include <memory>

#include "components/Drugs.h"
#include "components/StationComponents.h"
#include "components/patient_search/clsPatientSearch.h"

class QLineEdit;

class RequestsTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The in-patient TX0001 (hospital number T9001) and the visit TX0002B of the same person.
    RequestPatient patient(const QString& idNum = QStringLiteral("TX0001")) const;
    // A flag of the hospital row or of the station settings row, as the windows read them.
    void setHospitalFlag(const char* column, bool on);
    void setNursingFlag(const char* column, bool on);
    // Types the text into the box (replacing what it holds) and presses Enter.
    static void enter(QLineEdit* box, const QString& text);
    // The next pick list (drugs, dosages) chooses the row with this code.
    static void queuePick(const QString& code);
    // The request counter's last number (the log book numbers requests from it).
    qint64 requestCounter();
    // A save of the in-patient's requests to that department by the head nurse at this station.
    static MedicationRequestData::RequestSave requestSave(const QString& revenue);
    // Rows of a table for the test admissions.
    int requestsOf(const QString& revenue);

    std::unique_ptr<clsDrug> m_drugs;
    std::unique_ptr<clsListDrugs> m_list, m_listCSR;
    std::unique_ptr<clsCodeSearch> m_search;
    std::unique_ptr<clsPatientSearch> m_patients;
};
