#include "procedure_report/frmAngiogram.h"

#include "access/UserValidation.h"
#include "procedure_report/AngiogramData.h"
#include "procedure_report/FormattingToolbar.h"
#include "procedure_report/Measurements.h"
#include "procedure_report/RichText.h"
#include "procedure_report/RvsPickerLink.h"
#include "procedure_report/frmHeartDiagram.h"
#include "procedure_report/frmStaff.h"

#include "components/StationComponents.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/text/Format.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextLimit.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"
#include "shared/text/ColumnFit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* box(QWidget* parent, const char* name, bool locked)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setReadOnly(locked);
    return b;
}

void addRow(QGridLayout* g, int row, const QString& label, QWidget* a, QWidget* b = nullptr)
{
    g->addWidget(new QLabel(label), row, 0);
    if (b) {
        g->addWidget(a, row, 1);
        g->addWidget(b, row, 2);
    } else {
        g->addWidget(a, row, 1, 1, 2);
    }
}

bool isEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

// A date-time kept for a time picker: the time on the day the server takes for "no date".
QDateTime timeValue(const QTime& t) { return QDateTime(QDate(1900, 1, 1), t); }

// The feet, inches and weight boxes take digits, the point and Backspace only.
bool measurementKeyAllowed(const QKeyEvent* k)
{
    if (k->key() == Qt::Key_Backspace) return true;
    const QString t = k->text();
    if (t.isEmpty() || !t.at(0).isPrint()) return true; // moving keys, Tab
    return t.size() == 1 && (t.at(0).isDigit() || t.at(0) == QLatin1Char('.'));
}

} // namespace

frmAngiogram::frmAngiogram()
{
    setObjectName(QStringLiteral("frmAngiogram"));
    setWindowTitle(QStringLiteral("Coronary Angiogram Format"));
    auto* main = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* hosp = new QGroupBox(QStringLiteral("Hospital Information"), this);
    auto* hg = new QGridLayout(hosp);
    txtCaseNo = box(hosp, "txtCaseNo", false);
    txtHospNum = box(hosp, "txtHospNum", true);
    txtIDNum = box(hosp, "txtIDNum", true);
    txtAdmDate = box(hosp, "txtAdmDate", true);
    txtRoom = box(hosp, "txtRoom", true);
    txtRequestNum = box(hosp, "txtRequestNum", true);
    txtTransDate = box(hosp, "txtTransDate", true);
    addRow(hg, 0, QStringLiteral("Case No."), txtCaseNo);
    addRow(hg, 1, QStringLiteral("Hospital No."), txtHospNum);
    addRow(hg, 2, QStringLiteral("Admission No."), txtIDNum);
    addRow(hg, 3, QStringLiteral("Admission Date"), txtAdmDate);
    addRow(hg, 4, QStringLiteral("Room No."), txtRoom);
    addRow(hg, 5, QStringLiteral("Trans. No."), txtRequestNum);
    addRow(hg, 6, QStringLiteral("Trans. Date"), txtTransDate);
    for (QLineEdit* b : {txtCaseNo, txtHospNum, txtIDNum, txtAdmDate, txtRoom, txtRequestNum, txtTransDate}) b->setMinimumWidth(110);
    auto* pat = new QGroupBox(QStringLiteral("Patient Information"), this);
    auto* pg = new QGridLayout(pat);
    txtPname = box(pat, "txtPname", true);
    txtBdate = box(pat, "txtBdate", true);
    txtAge = box(pat, "txtAge", true);
    txtSex = box(pat, "txtSex", true);
    txtCivilStatus = box(pat, "txtCivilStatus", true);
    addRow(pg, 0, QStringLiteral("Patient Name"), txtPname);
    addRow(pg, 1, QStringLiteral("Birth Date"), txtBdate);
    addRow(pg, 2, QStringLiteral("Age"), txtAge);
    addRow(pg, 3, QStringLiteral("Sex"), txtSex);
    addRow(pg, 4, QStringLiteral("Civil Status"), txtCivilStatus);
    // measurements beside the patient
    txtHtFt = box(pat, "txtHtFt", false);
    txtHtIn = box(pat, "txtHtIn", false);
    txtHeight = box(pat, "txtHeight", true);
    txtHeight->hide();
    txtWeight = box(pat, "txtWeight", false);
    txtBSA = box(pat, "txtBSA", true);
    txtRace = box(pat, "txtRace", true);
    auto* height = new QHBoxLayout;
    height->addWidget(txtHtFt);
    height->addWidget(new QLabel(QStringLiteral("ft")));
    height->addWidget(txtHtIn);
    height->addWidget(new QLabel(QStringLiteral("in")));
    pg->addWidget(new QLabel(QStringLiteral("Height")), 5, 0);
    pg->addLayout(height, 5, 1, 1, 2);
    auto* weight = new QHBoxLayout;
    weight->addWidget(txtWeight);
    weight->addWidget(new QLabel(QStringLiteral("kg")));
    weight->addWidget(new QLabel(QStringLiteral("BSA")));
    weight->addWidget(txtBSA);
    weight->addWidget(new QLabel(QStringLiteral("m\u00B2")));
    pg->addWidget(new QLabel(QStringLiteral("Weight")), 6, 0);
    pg->addLayout(weight, 6, 1, 1, 2);
    addRow(pg, 7, QStringLiteral("Race"), txtRace);

    auto* proc = new QGroupBox(this);
    auto* prg = new QGridLayout(proc);
    txtProcedure = box(proc, "txtProcedure", true);
    txtRefNo = box(proc, "txtRefNo", true);
    txtRefNo->hide();
    dtpDatePerformed = new QDateEdit(proc);
    dtpResultDate = new QDateEdit(proc);
    for (QDateEdit* d : {dtpDatePerformed, dtpResultDate}) {
        d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        d->setCalendarPopup(true);
    }
    dtpTimeStart = new QTimeEdit(proc);
    dtpTimeEnded = new QTimeEdit(proc);
    dtpOutCCL = new QTimeEdit(proc);
    for (QTimeEdit* t : {dtpTimeStart, dtpTimeEnded, dtpOutCCL}) t->setDisplayFormat(QStringLiteral("hh:mm:ss AP"));
    cboCathlabRoom = new QComboBox(proc);
    cboCathlabRoom->setEditable(true);
    cboCathlabRoom->setObjectName(QStringLiteral("cboCathlabRoom"));
    addRow(prg, 0, QStringLiteral("Procedure"), txtProcedure);
    addRow(prg, 1, QStringLiteral("Date Performed"), dtpDatePerformed);
    addRow(prg, 2, QStringLiteral("Time Started"), dtpTimeStart);
    addRow(prg, 3, QStringLiteral("Time Ended"), dtpTimeEnded);
    addRow(prg, 4, QStringLiteral("Out of CCL"), dtpOutCCL);
    addRow(prg, 5, QStringLiteral("Result Date"), dtpResultDate);
    addRow(prg, 6, QStringLiteral("Cathlab Room"), cboCathlabRoom);
    txtRVSCode = box(proc, "txtRVSCode", false);
    txtRVSDesc = box(proc, "txtRVSDesc", true);
    cmdMoreRVS = new QPushButton(QStringLiteral("+"), proc);
    cmdMoreRVS->setFixedWidth(28);
    auto* rvs1 = new QHBoxLayout;
    rvs1->addWidget(txtRVSCode, 1);
    rvs1->addWidget(txtRVSDesc, 3);
    txtRVSDesc->setMinimumWidth(160); // with the other frames, the window fits a 1440-pixel screen
    txtRVSCode->setMinimumWidth(60);
    for (QLineEdit* b : {txtHtFt, txtHtIn, txtWeight, txtBSA}) b->setMinimumWidth(50);
    rvs1->addWidget(cmdMoreRVS);
    prg->addWidget(new QLabel(QStringLiteral("RVS Code 1:")), 7, 0);
    prg->addLayout(rvs1, 7, 1, 1, 2);
    pctMoreRVS = new QWidget(proc);
    pctMoreRVS->setObjectName(QStringLiteral("pctMoreRVS"));
    auto* more = new QGridLayout(pctMoreRVS);
    more->setContentsMargins(0, 0, 0, 0);
    txtRVSCode2 = box(pctMoreRVS, "txtRVSCode2", false);
    txtRVSDesc2 = box(pctMoreRVS, "txtRVSDesc2", true);
    txtRVSCode3 = box(pctMoreRVS, "txtRVSCode3", false);
    txtRVSDesc3 = box(pctMoreRVS, "txtRVSDesc3", true);
    addRow(more, 0, QStringLiteral("RVS Code 2:"), txtRVSCode2, txtRVSDesc2);
    addRow(more, 1, QStringLiteral("RVS Code 3:"), txtRVSCode3, txtRVSDesc3);
    prg->addWidget(pctMoreRVS, 8, 0, 1, 3);
    pctMoreRVS->hide();

    auto* staff = new QGroupBox(this);
    auto* sg = new QGridLayout(staff);
    txtDoctorID = box(staff, "txtDoctorID", false);
    txtDoctor = box(staff, "txtDoctor", true);
    txtInterventionistID = box(staff, "txtInterventionistID", false);
    txtInterventionist = box(staff, "txtInterventionist", true);
    txtAnesID = box(staff, "txtAnesID", false);
    txtAnes = box(staff, "txtAnes", true);
    txtRadTechID = box(staff, "txtRadTechID", false);
    txtRadTech = box(staff, "txtRadTech", true);
    txtScrubID = box(staff, "txtScrubID", false);
    txtScrub = box(staff, "txtScrub", true);
    txtCircID = box(staff, "txtCircID", false);
    txtCirc = box(staff, "txtCirc", true);
    txtPhysioID = box(staff, "txtPhysioID", false);
    txtPhysio = box(staff, "txtPhysio", true);
    addRow(sg, 0, QStringLiteral("Referring MD"), txtDoctorID, txtDoctor);
    addRow(sg, 1, QStringLiteral("Interventionist"), txtInterventionistID, txtInterventionist);
    addRow(sg, 2, QStringLiteral("Anesthesiologist"), txtAnesID, txtAnes);
    addRow(sg, 3, QStringLiteral("Radtech"), txtRadTechID, txtRadTech);
    addRow(sg, 4, QStringLiteral("Scrub RN"), txtScrubID, txtScrub);
    addRow(sg, 5, QStringLiteral("Circulator RN"), txtCircID, txtCirc);
    addRow(sg, 6, QStringLiteral("Physio RN"), txtPhysioID, txtPhysio);
    for (QLineEdit* name : {txtDoctor, txtInterventionist, txtAnes, txtRadTech, txtScrub, txtCirc, txtPhysio})
        name->setMinimumWidth(170);
    for (QLineEdit* code : {txtDoctorID, txtInterventionistID, txtAnesID, txtRadTechID, txtScrubID, txtCircID, txtPhysioID})
        code->setMinimumWidth(60);

    top->addWidget(hosp);
    top->addWidget(pat);
    top->addWidget(proc);
    top->addWidget(staff);
    main->addLayout(top);

    txtInterpretation = new QTextEdit(this);
    txtInterpretation->setObjectName(QStringLiteral("txtInterpretation"));
    UseReportFont(txtInterpretation);
    tbrFormatting = new FormattingToolbar(txtInterpretation, this);
    main->addWidget(tbrFormatting);
    main->addWidget(txtInterpretation, 1);

    auto* bar = new QHBoxLayout;
    txtUserID = box(this, "txtUserID", true);
    txtUserName = box(this, "txtUserName", true);
    bar->addWidget(txtUserID);
    bar->addWidget(txtUserName, 1);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdVerify = new QPushButton(QStringLiteral("&Verify"), this);
    cmdPrintSave = new QPushButton(QStringLiteral("&Print"), this);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), this);
    cmdDiagram = new QPushButton(QStringLiteral("Heart Diagram"), this);
    for (QPushButton* b : {cmdDiagram, cmdSave, cmdVerify, cmdPrintSave, cmdDelete, cmdCancel}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    main->addLayout(bar);
    cmdPrintSave->setEnabled(false);
    cmdDelete->hide();

    connect(cmdSave, &QPushButton::clicked, this, &frmAngiogram::cmdSave_Click);
    connect(cmdVerify, &QPushButton::clicked, this, &frmAngiogram::cmdVerify_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmAngiogram::cmdPrintSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmAngiogram::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAngiogram::cmdCancel_Click);
    connect(cmdDiagram, &QPushButton::clicked, this, &frmAngiogram::cmdDiagram_Click);
    connect(cmdMoreRVS, &QPushButton::clicked, this, &frmAngiogram::cmdMoreRVS_Click);
    for (QLineEdit* b : {txtDoctorID, txtInterventionistID, txtAnesID, txtRadTechID, txtScrubID, txtCircID, txtPhysioID,
                         txtRVSCode, txtRVSCode2, txtRVSCode3, txtHtFt, txtHtIn, txtWeight})
        b->installEventFilter(this);

    // What is typed fits the result's columns and a person's measurements.
    const QString result = QStringLiteral("CLINICAL_AREA..tbCL_Angiogram");
    const QList<QPair<QLineEdit*, const char*>> typed = {
        {txtCaseNo, "CaseNo"},       {txtDoctorID, "ReferringID"}, {txtInterventionistID, "InterventionistID"},
        {txtAnesID, "AnesID"},       {txtRadTechID, "RadTechID"},  {txtScrubID, "ScrubID"},
        {txtCircID, "CircID"},       {txtPhysioID, "PhysioID"},    {txtRVSCode, "RVSCode"},
        {txtRVSCode2, "RVSCode2"},   {txtRVSCode3, "RVSCode3"}};
    for (const auto& [b, column] : typed) FitToColumn(b, result, QString::fromLatin1(column));
    FitToRange(txtHtFt, Measurements::FeetRange());
    FitToRange(txtHtIn, Measurements::InchesRange());
    FitToRange(txtWeight, Measurements::WeightRange());
}

void frmAngiogram::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

void frmAngiogram::MaxFormHeight(QWidget* form)
{
    if (const QScreen* s = form->screen() ? form->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        form->move(form->x(), area.top());
        form->resize(form->width(), area.height());
    }
}

void frmAngiogram::Form_Load()
{
    QDateTime now;
    try {
        now = GetServerDate();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        now = Session.ServerDate.isValid() ? Session.ServerDate : QDateTime::currentDateTime();
    }
    for (QDateEdit* d : {dtpDatePerformed, dtpResultDate}) {
        d->setMaximumDate(now.date());
        d->setDate(now.date());
    }
    for (QTimeEdit* t : {dtpTimeStart, dtpTimeEnded, dtpOutCCL}) t->setTime(now.time());
    if (Session.CurrentUser) {
        txtUserID->setText(Session.CurrentUser->EmployeeCode());
        txtUserName->setText(Session.CurrentUser->EmployeeName());
    }
    txtHospNum->setText(m_hospNum);
    txtIDNum->setText(m_idNum);
    txtRequestNum->setText(m_requestNo);
    txtTransDate->setText(m_transDate);
    txtPname->setText(m_pName);
    txtBdate->setText(m_bdate);
    txtAge->setText(m_age);
    txtSex->setText(m_sex);
    txtCivilStatus->setText(m_cStatus);
    txtAdmDate->setText(m_admDate);
    txtRoom->setText(m_room);
    txtProcedure->setText(m_procedure);
    txtDoctorID->setText(m_doctorID);
    txtDoctor->setText(m_doctor);
    txtRefNo->setText(m_refNo);
    LoadPatientMeasurements();
    LoadCathLabRooms();
    if (!LoadAngiogramResult()) {
        // The saved result cannot be read: the window does not offer an entry over it.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
    MaxFormHeight(this);
}

void frmAngiogram::LoadCathLabRooms()
{
    cboCathlabRoom->clear();
    try {
        cboCathlabRoom->addItems(AngiogramData::LoadCathLabRooms(SharedConnection()));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    cboCathlabRoom->setCurrentIndex(-1);
}

bool frmAngiogram::LoadAngiogramResult()
{
    try {
        const Recordset rs = AngiogramData::LoadAngiogramResult(SharedConnection(), txtRequestNum->text());
        if (rs.isEmpty()) {
            LoadInterpretationTemplate();
            return true;
        }
        auto date = [&](const char* f) { return rs.toDateTime(QString::fromLatin1(f)); };
        if (date("DatePerformed").isValid()) dtpDatePerformed->setDate(date("DatePerformed").date());
        if (date("TimeStarted").isValid()) dtpTimeStart->setTime(date("TimeStarted").time());
        if (date("TimeEnded").isValid()) dtpTimeEnded->setTime(date("TimeEnded").time());
        if (date("Resultdate").isValid()) dtpResultDate->setDate(date("Resultdate").date());
        if (date("OutOfCCL").isValid()) dtpOutCCL->setTime(date("OutOfCCL").time());
        const QList<QPair<QLineEdit*, const char*>> boxes = {
            {txtDoctorID, "ReferringID"}, {txtDoctor, "Referring"}, {txtInterventionistID, "InterventionistID"},
            {txtInterventionist, "Interventionist"}, {txtRadTechID, "RadTechID"}, {txtRadTech, "RadTech"},
            {txtScrubID, "ScrubID"}, {txtScrub, "Scrub"}, {txtCircID, "CircID"}, {txtCirc, "Circ"},
            {txtPhysioID, "PhysioID"}, {txtPhysio, "Physio"}, {txtAnesID, "AnesID"}, {txtAnes, "Anes"},
            {txtCaseNo, "CaseNo"}, {txtRVSCode, "RVSCode"}, {txtRVSCode2, "RVSCode2"}, {txtRVSCode3, "RVSCode3"}};
        for (const auto& [b, field] : boxes) b->setText(rs.text(QString::fromLatin1(field)));
        cboCathlabRoom->setEditText(rs.text(QStringLiteral("CathLabRoom")));
        SetRichText(txtInterpretation, rs.text(QStringLiteral("ResultRTF")));
        txtRVSDesc->setText(RvsPickerLink::describe(txtRVSCode->text()));
        txtRVSDesc2->setText(RvsPickerLink::describe(txtRVSCode2->text()));
        txtRVSDesc3->setText(RvsPickerLink::describe(txtRVSCode3->text()));
        cmdDelete->show();
        cmdPrintSave->setEnabled(!rs.text(QStringLiteral("DateVerified")).isEmpty());
        return true;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
}

void frmAngiogram::LoadInterpretationTemplate()
{
    try {
        const QString rtf = AngiogramData::LoadInterpretationTemplate(SharedConnection(), m_examID);
        if (!rtf.isEmpty()) SetRichText(txtInterpretation, rtf);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

// ---- measurements ------------------------------------------------------------------------

void frmAngiogram::LoadPatientMeasurements()
{
    txtBSA->clear();
    try {
        const AngiogramData::PatientMeasurements m =
            AngiogramData::LoadPatientMeasurements(SharedConnection(), txtIDNum->text(), txtHospNum->text());
        txtHeight->setText(m.height);
        txtWeight->setText(m.weight);
        txtRace->setText(m.race);
        if (!txtHeight->text().trimmed().isEmpty()) {
            HeightToFeetInches();
            ComputeBSA();
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmAngiogram::HeightToFeetInches()
{
    const Measurements::FeetInches fi = Measurements::HeightToFeetInches(txtHeight->text());
    txtHtFt->setText(fi.feet);
    txtHtIn->setText(fi.inches);
}

void frmAngiogram::HeightToCentimeters() { txtHeight->setText(Measurements::HeightToCentimeters(txtHtFt->text(), txtHtIn->text())); }

void frmAngiogram::ComputeBSA() { txtBSA->setText(Measurements::ComputeBSA(txtHeight->text(), txtWeight->text())); }

// ---- keys ----------------------------------------------------------------------------------

bool frmAngiogram::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == txtHtFt || watched == txtHtIn || watched == txtWeight) {
        if (event->type() == QEvent::KeyPress) return !measurementKeyAllowed(key);
        HeightToCentimeters();
        ComputeBSA();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    try {
        if (watched == txtDoctorID) return doctorKey(txtDoctorID, txtDoctor, key);
        if (watched == txtInterventionistID) return doctorKey(txtInterventionistID, txtInterventionist, key);
        if (watched == txtAnesID) return doctorKey(txtAnesID, txtAnes, key);
        if (watched == txtRadTechID) return staffKey(txtRadTechID, txtRadTech, QStringLiteral("R"), key);
        if (watched == txtScrubID) return staffKey(txtScrubID, txtScrub, QStringLiteral("N"), key);
        if (watched == txtCircID) return staffKey(txtCircID, txtCirc, QStringLiteral("N"), key);
        if (watched == txtPhysioID) return staffKey(txtPhysioID, txtPhysio, QStringLiteral("N"), key);
        if (watched == txtRVSCode) return rvsKey(1, key);
        if (watched == txtRVSCode2) return rvsKey(2, key);
        if (watched == txtRVSCode3) return rvsKey(3, key);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmAngiogram::doctorKey(QLineEdit* id, QLineEdit* name, QKeyEvent* key)
{
    if (!key->text().isEmpty()) name->clear();
    if (!isEnter(key)) return SendKeyInUpperCase(id, key);
    if (!Session.CodeSearch) throw DbError(QStringLiteral("The code search is not available."));
    Session.CodeSearch->SearchMode = true;
    if (OrSearchWarning([&] { return Session.CodeSearch->SearchListing(id->text(), 1); })) {
        const CodeSearchDoctor& d = Session.CodeSearch->DoctorRecord;
        id->setText(d.ResultCode);
        name->setText(d.LastName.trimmed() + QStringLiteral(", ") + d.FirstName.trimmed());
        focusNextChild();
    }
    return true;
}

bool frmAngiogram::staffKey(QLineEdit* id, QLineEdit* name, const QString& mode, QKeyEvent* key)
{
    if (!key->text().isEmpty()) name->clear();
    if (!isEnter(key)) return SendKeyInUpperCase(id, key);
    frmStaff picker(this);
    picker.setSetMode(mode);
    picker.setSearchKey(id->text());
    picker.lblHead->setText(Session.HospName);
    runModal(&picker);
    id->setText(picker.PickedStaffCode());
    name->setText(picker.PickedStaffName());
    focusNextChild();
    return true;
}

bool frmAngiogram::rvsKey(int index, QKeyEvent* key)
{
    QLineEdit* code = index == 1 ? txtRVSCode : index == 2 ? txtRVSCode2 : txtRVSCode3;
    QLineEdit* desc = index == 1 ? txtRVSDesc : index == 2 ? txtRVSDesc2 : txtRVSDesc3;
    if (!key->text().isEmpty()) desc->clear();
    if (!isEnter(key)) return SendKeyInUpperCase(code, key);
    if (index == 1) {
        if (!code->text().trimmed().isEmpty()) {
            bool linked = false;
            try {
                linked = AngiogramData::IsRVSValidForExam(SharedConnection(), code->text(), m_examID);
            } catch (const std::exception& e) {
                ShowErrorNotice(e);
            }
            if (linked)
                desc->setText(RvsPickerLink::describe(code->text()));
            else
                MsgBox(QStringLiteral("Invalid RVS code for the exam."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        }
    } else {
        desc->setText(RvsPickerLink::describe(code->text()));
    }
    if (desc->text().trimmed().isEmpty()) {
        const RvsPickerLink::Choice choice = RvsPickerLink::pick(code->text(), m_examID);
        code->setText(choice.code);
        desc->setText(choice.description);
    }
    return true;
}

void frmAngiogram::cmdMoreRVS_Click()
{
    const bool show = pctMoreRVS->isHidden();
    pctMoreRVS->setVisible(show);
    cmdMoreRVS->setText(show ? QStringLiteral("-") : QStringLiteral("+"));
}

// ---- save, verify, delete, print ------------------------------------------------------------

void frmAngiogram::cmdSave_Click() { SaveAngiogramResult(QStringLiteral("D")); }

void frmAngiogram::cmdVerify_Click()
{
    if (MsgBox(QStringLiteral("You are about to verify the result. Would you like to proceed?"), vbYesNo | vbQuestion,
               QStringLiteral("Confirmation")) != vbYes)
        return;
    SaveAngiogramResult(QStringLiteral("W"));
}

void frmAngiogram::SaveAngiogramResult(const QString& mode)
{
    // The result and the patient's history get the same measurements, so they must be numbers.
    if (RefuseOutOfRange(txtHtFt, Measurements::FeetRange(), true) || RefuseOutOfRange(txtHtIn, Measurements::InchesRange(), true)
        || RefuseOutOfRange(txtWeight, Measurements::WeightRange(), true))
        return;
    const std::optional<ValidatedUser> validated =
        ValidateUser({.right = QStringLiteral("34"),
                      .rightRefusal = mode == QLatin1String("W") ? QStringLiteral("Sorry, you are not allowed to verify Cathlab results.")
                                                                 : QStringLiteral("Sorry, you are not allowed to save Cathlab results.")});
    if (!validated) return;
    const QString user = validated->userID;
    AngiogramData::ResultSave s;
    s.rtf = RichTextOf(txtInterpretation);
    s.fixedRtf = QString(s.rtf).replace(QStringLiteral("\\ulnone"), QStringLiteral("\\ul0"));
    HeightToCentimeters();
    s.record = {txtRequestNum->text(),
                mode,
                QDateTime(dtpDatePerformed->date(), QTime(0, 0)),
                timeValue(dtpTimeStart->time()),
                timeValue(dtpTimeEnded->time()),
                QDateTime(dtpResultDate->date(), QTime(0, 0)),
                txtBSA->text(),
                Measurements::WholeCentimetres(txtHeight->text()),
                txtWeight->text(),
                txtRace->text(),
                user,
                timeValue(dtpOutCCL->time()),
                txtDoctorID->text(),
                txtDoctor->text(),
                txtInterventionistID->text(),
                txtInterventionist->text(),
                txtRadTechID->text(),
                txtRadTech->text(),
                txtScrubID->text(),
                txtScrub->text(),
                cboCathlabRoom->currentText(),
                s.fixedRtf,
                txtRVSCode->text(),
                txtCircID->text(),
                txtCirc->text(),
                txtPhysioID->text(),
                txtPhysio->text(),
                txtAnesID->text(),
                txtAnes->text(),
                txtCaseNo->text(),
                txtRVSCode2->text(),
                txtRVSCode3->text()};
    s.requestNo = txtRequestNum->text();
    s.refNo = txtRefNo->text();
    s.hospNum = txtHospNum->text();
    s.idNum = txtIDNum->text();
    s.examID = m_examID;
    s.userID = user;
    s.toGenericTable = !StationParameters().DontSaveResultToGenericTB();
    s.mainRevenueID = StationParameters().MainRevenueID();
    s.weight = txtWeight->text();
    s.heightCentimetres = Measurements::CentimetresTwoDecimals(txtHeight->text());
    try {
        AngiogramData::SaveAngiogramResult(SharedConnection(), s);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (mode == QLatin1String("W")) {
        MsgBox(QStringLiteral("Result successfully verified."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        cmdPrintSave->setEnabled(true);
        cmdDelete->show();
    } else {
        MsgBox(QStringLiteral("Result successfully saved."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
    }
}

void frmAngiogram::cmdDelete_Click()
{
    if (MsgBox(QStringLiteral("Are you sure to delete this result?"), vbYesNo | vbQuestion, QStringLiteral("Confirmation")) != vbYes)
        return;
    const std::optional<ValidatedUser> validated =
        ValidateUser({.right = QStringLiteral("34"), .rightRefusal = QStringLiteral("Sorry, you are not allowed to delete Cathlab results.")});
    if (!validated) return;
    const QString user = validated->userID;
    try {
        AngiogramData::DeleteAngiogramResult(SharedConnection(), txtRequestNum->text(), txtIDNum->text(),
                                             !StationParameters().DontSaveResultToGenericTB(), user);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    MsgBox(QStringLiteral("Result successfully deleted."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
    close();
}

void frmAngiogram::cmdPrintSave_Click()
{
    try {
        // The stored, verified result is printed, never what the boxes hold unsaved.
        const Recordset rs = AngiogramData::LoadAngiogramResult(SharedConnection(), txtRequestNum->text());
        if (rs.isEmpty() || rs.text(QStringLiteral("DateVerified")).isEmpty())
            throw DbError(QStringLiteral("The result of request %1 is not verified.").arg(txtRequestNum->text().trimmed()));
        const QString height = rs.text(QStringLiteral("Height"));
        Measurements::FeetInches fi;
        if (!height.trimmed().isEmpty()) fi = Measurements::HeightToFeetInches(height);
        PrepareReport(ReportFilePath(QStringLiteral("CathLab_Result.RPT")),
                      {txtRequestNum->text(), txtPname->text(), txtBdate->text(), txtAge->text(), txtSex->text(),
                       fi.feet + QStringLiteral("ft. ") + fi.inches + QStringLiteral("in."),
                       rs.text(QStringLiteral("Weight")) + QStringLiteral(" kgs."), rs.text(QStringLiteral("BSA")),
                       txtProcedure->text(), rs.text(QStringLiteral("Race"))});
        ShowReport(false, QStringLiteral("Result"), false, true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmAngiogram::cmdCancel_Click() { close(); }

void frmAngiogram::cmdDiagram_Click()
{
    frmHeartDiagram* d = frmHeartDiagram::instance();
    d->setSetRequestNo(txtRequestNum->text().trimmed());
    d->setSetIDNum(txtIDNum->text());
    d->setSetHospNum(txtHospNum->text());
    d->setSetBdate(txtBdate->text());
    d->setSetAge(txtAge->text());
    d->setSetSex(txtSex->text());
    d->setSetCivil(txtCivilStatus->text());
    d->setSetRoom(txtRoom->text());
    d->setSetInterventionist(txtInterventionist->text());
    d->setSetProcedure(txtProcedure->text());
    d->setSetDatePerformed(Fmt::shortDate(dtpDatePerformed->date()));
    runModal(d);
}

void frmAngiogram::SelectAlignLeft() { tbrFormatting->SelectAlignLeft(); }
void frmAngiogram::SelectAlignCenter() { tbrFormatting->SelectAlignCenter(); }
void frmAngiogram::SelectAlignRight() { tbrFormatting->SelectAlignRight(); }
