#include "shared/PatientHeaderFrame.h"

#include "shared/EntryWindowParts.h"
#include "shared/patient/PatientContext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

QStringList PatientHeaderCaptions()
{
    return {QStringLiteral("Patient Name"), QStringLiteral("Admitting Dr.:"), QStringLiteral("Attending Dr.:"), QStringLiteral("Attending Dr.:"),
            QStringLiteral("Admission#"),   QStringLiteral("Hospital#"),      QStringLiteral("ADM. Date"),      QStringLiteral("DCR. Date"),
            QStringLiteral("Birthdate"),    QStringLiteral("Room #"),         QStringLiteral("Age"),            QStringLiteral("Sex"),
            QStringLiteral("B.T."),         QStringLiteral("Status"),         QStringLiteral("Diet"),           QStringLiteral("Diag.")};
}

QGroupBox* MakePatientHeaderFrame(QWidget* parent, const std::array<QLineEdit**, 16>& boxes, const QStringList& captions)
{
    static const char* names[] = {"txtPatient", "txtDoctor1", "txtDoctor2", "txtDoctor3", "txtID",   "txtPno",  "txtDateAdmitted", "txtDateDischarged",
                                  "txtDob",     "txtRoom",    "txtAge",     "txtSex",     "txtBloodType", "txtStatus", "txtAdiet", "txtDiagnosis"};
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("frame3"));
    QList<HeaderBoxSpec> specs;
    for (int i = 0; i < 16; ++i) specs.append({boxes[i], names[i], captions.value(i)});
    AddPatientHeaderBoxes(new QGridLayout(frame), frame, specs);
    return frame;
}

void ShowPatientInHeader(const std::array<QLineEdit*, 16>& boxes, const PatientContext& patient)
{
    const std::array<QString, 16> texts = patient.headerTexts();
    for (size_t i = 0; i < boxes.size(); ++i) boxes[i]->setText(texts[i]);
}
