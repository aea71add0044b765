#include "shared/PatientHeaderFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
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
    auto* header = new QGridLayout(frame);
    for (int i = 0; i < 16; ++i) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(names[i]));
        box->setReadOnly(true);
        *boxes[i] = box;
        header->addWidget(new QLabel(captions.value(i), frame), i / 4, (i % 4) * 2);
        header->addWidget(box, i / 4, (i % 4) * 2 + 1);
    }
    return frame;
}
