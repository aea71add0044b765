#include "patients/frmListERAdmission.h"

#include "patients/AdmissionRequestData.h"
#include "patients/CaseChecks.h"
#include "patients/PatientGrid.h"
#include "platform/text/Format.h"
#include "platform/text/Twips.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const int kWidths[13] = {1, 2500, 1000, 1000, 1000, 1000, 2000, 900, 2000, 900, 2000, 900, 1000};
const char* const kCaptions[13] = {"",          "Patient Name", "Hospital #", "OPD No.", "Visit Date",
                                   "Adm. No.",  "Requested By", "Req. Date",  "Diagnosis", "Sex",
                                   "Address",   "User ID",      "Status"};

void tell(const QString& text) { MsgBox(text, vbOKOnly | vbInformation, QStringLiteral("Notification")); }
}

frmListERAdmission::frmListERAdmission()
{
    setWindowTitle(QStringLiteral("CathLab Patients for Admission"));
    auto* layout = new QVBoxLayout(this);
    MSHFlexList = new PatientGrid(this);
    layout->addWidget(MSHFlexList, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOption[0] = new QPushButton(QStringLiteral("&Revoke"), this);
    cmdOption[1] = new QPushButton(QStringLiteral("&Close"), this);
    for (int i = 0; i < 2; ++i) {
        cmdOption[i]->setAutoDefault(false);
        buttons->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    layout->addLayout(buttons);
    connect(MSHFlexList, &PatientGrid::Click, this, &frmListERAdmission::MSHFlexList_Click);
    resize(TwipsToPixels(17100), TwipsToPixels(6000));
    Form_Load();
}

void frmListERAdmission::Form_Load()
{
    cmdOption[0]->setEnabled(true);
    LoadList();
}

void frmListERAdmission::LoadList()
{
    MSHFlexList->Clear();
    MSHFlexList->setRows(2);
    MSHFlexList->setCols(13);
    for (int c = 0; c < 13; ++c) {
        MSHFlexList->setColWidth(c, kWidths[c]);
        MSHFlexList->setTextMatrix(0, c, QString::fromLatin1(kCaptions[c]));
    }
    try {
        const Recordset rs = AdmissionRequestData::PatientsForAdmission(SharedConnection());
        MSHFlexList->bind(rs);
        // the visit and request dates, as dates
        for (int r = 1; r < MSHFlexList->Rows(); ++r)
            for (int c : {4, 7}) {
                const QDateTime dt = DbValue::toDateTime(rs.valueAt(r - 1, c - 1));
                MSHFlexList->setTextMatrix(r, c, dt.isValid() ? Fmt::shortDate(dt.date()) : QString());
            }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    if (MSHFlexList->Rows() > 1) {
        MSHFlexList->setEnabled(true);
    } else {
        MSHFlexList->setRows(2);
        MSHFlexList->setEnabled(false);
    }
}

void frmListERAdmission::MSHFlexList_Click()
{
    cmdOption[0]->setEnabled(MSHFlexList->TextMatrix(MSHFlexList->Row(), 12).trimmed() == QLatin1String("Pending"));
}

void frmListERAdmission::cmdOption_Click(int index)
{
    if (index == 0) Revoke();
    else close();
}

void frmListERAdmission::Revoke()
{
    const QString requestNum = MSHFlexList->TextMatrix(MSHFlexList->Row(), 3).trimmed();
    try {
        const std::optional<QString> status = AdmissionRequestData::RequestStatus(SharedConnection(), requestNum);
        if (!status) {
            tell(QStringLiteral("Please select admission request to revoke."));
        } else if (*status == QLatin1String("A")) {
            tell(QStringLiteral("Can't revoke this record! Patient is already admitted."));
        } else if (status->trimmed().isEmpty() &&
                   MsgBox(QStringLiteral("Are you sure you want to revoke this admission request?"), vbYesNo | vbQuestion,
                          QStringLiteral("Confirmation")) == vbYes) {
            if (CaseChecks::AskUserValidation().isEmpty()) return;
            if (AdmissionRequestData::RevokePendingRequests(SharedConnection(), requestNum) > 0)
                tell(QStringLiteral("Admission request successfully revoked."));
            else
                tell(QStringLiteral("The admission request is no longer pending."));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    LoadList();
}
