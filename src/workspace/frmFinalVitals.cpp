// The vital-signs page of the workspace: entry with its range questions, the list and its report.
#include "workspace/frmFinal.h"

#include "components/NurseActivity.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/text/NumberRange.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextLimit.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "workspace/ChartData.h"

#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kVitalFormat =
    QStringLiteral("  |<Date / Time         |<Blood Pressure        |<Temperature |<Respiratory Rate|<Pulse Rate |<Encoder");

// What a person's readings can be; the boxes' lengths (three and four characters) bound them too.
const NumberRange kSystolic{QStringLiteral("Blood Pressure"), 0, 300, 0};
const NumberRange kDiastolic{QStringLiteral("Blood Pressure"), 0, 300, 0};
const NumberRange kTemperature{QStringLiteral("Temperature"), 20, 45, 2};
const NumberRange kRespiratoryRate{QStringLiteral("Respiratory Rate"), 0, 150, 0};
const NumberRange kPulseRate{QStringLiteral("Pulse Rate"), 0, 300, 0};

} // namespace

void frmFinal::buildVitalsPage(QWidget* page)
{
    auto* g = new QGridLayout(page);
    auto* frame = new QGroupBox(QStringLiteral("Vital Signs Data Entry:"), page);
    auto* f = new QGridLayout(frame);
    auto make = [&](const char* name, int maxLength) {
        auto* e = new QLineEdit(frame);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        return e;
    };
    txtBloodPressure[0] = make("txtBloodPressure0", 3);
    txtBloodPressure[1] = make("txtBloodPressure1", 3);
    txtTemperature = make("txtTemperature", 4);
    txtRespiratoryrate = make("txtRespiratoryrate", 3);
    txtPulserate = make("txtPulserate", 3);
    f->addWidget(new QLabel(QStringLiteral("Blood Pressure"), frame), 0, 0);
    f->addWidget(txtBloodPressure[0], 0, 1);
    f->addWidget(new QLabel(QStringLiteral("/"), frame), 0, 2);
    f->addWidget(txtBloodPressure[1], 0, 3);
    f->addWidget(new QLabel(QStringLiteral("Temperature"), frame), 1, 0);
    f->addWidget(txtTemperature, 1, 1);
    f->addWidget(new QLabel(QStringLiteral("°C"), frame), 1, 2);
    f->addWidget(new QLabel(QStringLiteral("Respiratory Rate"), frame), 2, 0);
    f->addWidget(txtRespiratoryrate, 2, 1);
    f->addWidget(new QLabel(QStringLiteral("/ min."), frame), 2, 2);
    f->addWidget(new QLabel(QStringLiteral("Pulse Rate"), frame), 3, 0);
    f->addWidget(txtPulserate, 3, 1);
    f->addWidget(new QLabel(QStringLiteral("/ min."), frame), 3, 2);
    g->addWidget(frame, 0, 0, 1, 4);
    cmdSaveVitalSign = new QPushButton(QStringLiteral("&Save"), page);
    cmdSaveVitalSign->setObjectName(QStringLiteral("cmdSaveVitalSign"));
    cmdPrintVitalSigns = new QPushButton(QStringLiteral("Print &Vital Signs"), page);
    cmdPrintVitalSigns->setObjectName(QStringLiteral("cmdPrintVitalSigns"));
    cmdPrintVitalSigns->setEnabled(false);
    const char* exits[] = {"&Exit", "&Refresh"};
    for (int i = 0; i < 2; ++i) {
        cmdVitalExit[i] = new QPushButton(QString::fromLatin1(exits[i]), page);
        cmdVitalExit[i]->setObjectName(QStringLiteral("cmdVitalExit%1").arg(i));
        g->addWidget(cmdVitalExit[i], 2, 2 + i);
        connect(cmdVitalExit[i], &QPushButton::clicked, this, [this, i] {
            if (i == 0)
                cmdExit_Click();
            else
                Get_VitalSigns();
        });
    }
    g->addWidget(cmdSaveVitalSign, 2, 0);
    g->addWidget(cmdPrintVitalSigns, 2, 1);
    mshflexProcessed3 = new FlexGrid(page);
    mshflexProcessed3->setObjectName(QStringLiteral("mshflexProcessed3"));
    g->addWidget(mshflexProcessed3, 1, 0, 1, 4);
    connect(cmdSaveVitalSign, &QPushButton::clicked, this, &frmFinal::cmdSaveVitalSign_Click);
    connect(cmdPrintVitalSigns, &QPushButton::clicked, this, &frmFinal::cmdPrintVitalSigns_Click);
}

void frmFinal::Get_VitalSigns()
{
    cmdPrintVitalSigns->setEnabled(false);
    for (QLineEdit* b : {txtBloodPressure[0], txtBloodPressure[1], txtTemperature, txtRespiratoryrate, txtPulserate}) b->clear();
    txtBloodPressure[0]->setFocus();
    mshflexProcessed3->clear();
    mshflexProcessed3->setCols(7);
    mshflexProcessed3->setRows(2);
    mshflexProcessed3->setFormatString(kVitalFormat);
    const int widths[] = {1, 1901, 1201, 1051, 1251, 951, 751};
    for (int c = 0; c < 7; ++c) mshflexProcessed3->setColWidth(c, widths[c]);
    try {
        Recordset rs = RequestComponent().GetRequests(SharedConnection().connectionString(), txtID->text(), QStringLiteral("4"));
        static const char* const fields[] = {"DATE / TIME", "BLOOD PRESSURE", "Temperature", "RESPIRATORY RATE", "PULSE RATE",
                                             "Encoder"};
        for (int r = 0; r < rs.recordCount(); ++r) {
            cmdPrintVitalSigns->setEnabled(true);
            if (!mshflexProcessed3->TextMatrix(1, 1).isEmpty()) mshflexProcessed3->AddItem(QString());
            const int row = mshflexProcessed3->Rows() - 1;
            for (int c = 0; c < 6; ++c) mshflexProcessed3->setTextMatrix(row, c + 1, rs.textAt(r, QString::fromLatin1(fields[c])));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::VitalSignEnter(QLineEdit* box)
{
    using ChartData::VitalBox;
    QLineEdit* const order[] = {txtBloodPressure[0], txtBloodPressure[1], txtTemperature, txtRespiratoryrate, txtPulserate};
    int i = 0;
    while (order[i] != box) ++i;
    const VitalBox kind = VitalBox(i);
    const QString question = ChartData::VitalQuestion(kind, Fmt::val(box->text()));
    if (!question.isEmpty() && MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("Message")) != vbYes) {
        (kind == VitalBox::Diastolic ? txtBloodPressure[0] : box)->setFocus();
        return;
    }
    if (kind == VitalBox::Diastolic && Fmt::val(txtBloodPressure[0]->text()) < Fmt::val(txtBloodPressure[1]->text())) {
        MsgBox(QStringLiteral("Invalid entry."), vbInformation, QStringLiteral("Notification"));
        txtBloodPressure[0]->setFocus();
        return;
    }
    if (kind == VitalBox::Pulse) {
        cmdSaveVitalSign->setEnabled(true);
        cmdSaveVitalSign->setFocus();
    } else {
        order[i + 1]->setFocus();
    }
}

void frmFinal::cmdSaveVitalSign_Click()
{
    if (txtTemperature->text().isEmpty() || txtBloodPressure[0]->text().isEmpty()) {
        MsgBox(QStringLiteral("Can't Save Incomplete Vital Signs"), vbOKOnly);
        return;
    }
    // Out-of-range values are only questioned on Enter; what is saved must still be a reading.
    const QPair<QLineEdit*, NumberRange> readings[] = {
        {txtBloodPressure[0], kSystolic}, {txtBloodPressure[1], kDiastolic}, {txtTemperature, kTemperature},
        {txtRespiratoryrate, kRespiratoryRate}, {txtPulserate, kPulseRate}};
    for (const auto& [box, range] : readings)
        if (RefuseOutOfRange(box, range, true)) return;
    try {
        const QDateTime now = GetServerDate();
        ChartData::SaveVitalSigns(SharedConnection(), txtID->text(), now, txtBloodPressure[0]->text(), txtBloodPressure[1]->text(),
                                  txtTemperature->text(), txtPulserate->text(), txtRespiratoryrate->text(),
                                  Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString());
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back; the entry stays
        return;
    }
    Get_VitalSigns();
}

void frmFinal::cmdPrintVitalSigns_Click()
{
    try {
        PrepareReport(ReportFilePath(QStringLiteral("Vital Signs.rpt")),
                      {txtID->text(), txtPatient->text(), txtDateAdmitted->text(), txtID->text(), txtPno->text(), txtRoom->text(),
                       txtSex->text(), txtAge->text()});
        ShowReport(false, QStringLiteral("Vital Signs"), false, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

bool frmFinal::VitalSignKey(QObject* watched, const QKeyEvent* key)
{
    for (QLineEdit* v : {txtBloodPressure[0], txtBloodPressure[1], txtTemperature, txtRespiratoryrate, txtPulserate}) {
        if (watched != v) continue;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            VitalSignEnter(v);
            return true;
        }
        const QString t = key->text();
        return !t.isEmpty() && key->key() != Qt::Key_Backspace && !QStringLiteral("0123456789./").contains(t);
    }
    return false;
}

clsRequest& frmFinal::RequestComponent()
{
    static clsRequest local(QStringLiteral("Nurse_activity.clsRequest"));
    auto* shared = qobject_cast<clsRequest*>(Session.RequestService);
    clsRequest& r = shared ? *shared : local;
    r.attach(&SharedConnection());
    return r;
}
