#include "procedure_report/frmCoronaryAngiographyVRNK.h"

#include "procedure_report/HtmlReport.h"
#include "platform/report/ReportOutput.h"

#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ProgramFolder.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QStringDecoder>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {
QString timeText(const QTime& t) { return QLatin1Char(' ') + t.toString(QStringLiteral("hh:mm:ss AP")); }
}

frmCoronaryAngiographyVRNK::frmCoronaryAngiographyVRNK()
{
    setObjectName(QStringLiteral("frmCoronaryAngiographyVRNK"));
    setWindowTitle(QStringLiteral("Coronary Angiography Report Generator"));
    auto* outer = new QVBoxLayout(this);
    picContainer = new QScrollArea(this);
    picContainer->setWidgetResizable(true);
    auto* panel = new QWidget(picContainer);
    auto* pl = new QVBoxLayout(panel);
    auto frame = [&](const QString& title) {
        auto* g = new QGroupBox(title, panel);
        auto* f = new QFormLayout(g);
        pl->addWidget(g);
        return f;
    };
    auto line = [&](QFormLayout* f, const QString& label) {
        auto* b = new QLineEdit;
        f->addRow(label, b);
        return b;
    };
    auto text = [&](QFormLayout* f, const QString& label) {
        auto* b = new QPlainTextEdit;
        b->setFixedHeight(70);
        f->addRow(label, b);
        return b;
    };
    auto time = [&](QFormLayout* f, const QString& label) {
        auto* t = new QTimeEdit;
        t->setDisplayFormat(QStringLiteral("hh:mm:ss AP"));
        f->addRow(label, t);
        return t;
    };
    QFormLayout* info = frame(QStringLiteral("Patient Info"));
    txtPatName = line(info, QStringLiteral("Name"));
    cboSex = line(info, QStringLiteral("Age/Sex"));
    txtDate = line(info, QStringLiteral("Date"));
    txtRVS = line(info, QStringLiteral("RVS"));
    txtAddress = line(info, QStringLiteral("Address"));
    txtContact = line(info, QStringLiteral("Contact No."));
    txtHospNo = line(info, QStringLiteral("Hosp. No."));
    txtBirthDate = line(info, QStringLiteral("Birthdate"));
    txtAttending = line(info, QStringLiteral("Attending Phys."));
    txtAngiographers = line(info, QStringLiteral("Angiographers"));
    txtPreDx = text(info, QStringLiteral("Preprocedural DX"));
    txtNurses = line(info, QStringLiteral("Nurses"));
    txtRadTech = line(info, QStringLiteral("Rad.Tech."));
    QFormLayout* angio = frame(QStringLiteral("Angio Details"));
    dtpTimeStarted = time(angio, QStringLiteral("Time Started"));
    dtpTimeEnded = time(angio, QStringLiteral("Time Ended"));
    txtFlowRate = line(angio, QStringLiteral("Flow Rate"));
    txtCatheterSite = line(angio, QStringLiteral("Catheter Site"));
    txtMeds = text(angio, QStringLiteral("Medications"));
    txtCaths = line(angio, QStringLiteral("Catheters Used"));
    txtHeight = line(angio, QStringLiteral("Height"));
    txtWeight = line(angio, QStringLiteral("Weight"));
    txtBSA = line(angio, QStringLiteral("BSA"));
    txtRhythm = line(angio, QStringLiteral("Rhythm"));
    txtApproach = line(angio, QStringLiteral("Approach"));
    txtTechnique = line(angio, QStringLiteral("Technique"));
    txtRate = line(angio, QStringLiteral("Rate"));
    txtDyeVol = line(angio, QStringLiteral("Dye Volume"));
    txtProjections = line(angio, QStringLiteral("Projections"));
    QFormLayout* pressure = frame(QStringLiteral("Pressure Recording"));
    txtAorta = line(pressure, QStringLiteral("Aorta"));
    txtPullAO = line(pressure, QStringLiteral("Pullback (AO)"));
    txtLV = line(pressure, QStringLiteral("LV"));
    txtPullLV = line(pressure, QStringLiteral("Pullback (LV)"));
    QFormLayout* orTech = frame(QStringLiteral("OR Technique"));
    txtORTech = text(orTech, QString());
    txtFlouroscopy = line(orTech, QStringLiteral("Flouroscopy"));
    dtpFlouroscopy = time(orTech, QStringLiteral("Flouroscopy Time"));
    txtLeftLVR = line(orTech, QStringLiteral("Left Ventriculogram in RAO 30"));
    QFormLayout* arteries = frame(QStringLiteral("Coronary Arteriography"));
    txtLMCA = text(arteries, QStringLiteral("Left Main Coronary Artery"));
    txtLAD = text(arteries, QStringLiteral("Left Anterior Descending"));
    txtLCX = text(arteries, QStringLiteral("Left Circumflex Artery"));
    txtRamus = text(arteries, QStringLiteral("Ramus Intermedius"));
    txtRCA = text(arteries, QStringLiteral("Right Coronary Artery"));
    txtConclusion = text(arteries, QStringLiteral("CONCLUSION"));
    txtRec = text(arteries, QStringLiteral("RECOMMENDATION"));
    cmdGenerate = new QPushButton(QStringLiteral("Generate PDF Report"), panel);
    cmdGenerate->setAutoDefault(false);
    pl->addWidget(cmdGenerate);
    picContainer->setWidget(panel);
    outer->addWidget(picContainer);
    resize(760, 720);
    connect(cmdGenerate, &QPushButton::clicked, this, &frmCoronaryAngiographyVRNK::cmdGenerate_Click);
}

void frmCoronaryAngiographyVRNK::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

void frmCoronaryAngiographyVRNK::Form_Load()
{
    QDateTime now;
    try {
        now = GetServerDate();
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("frmCoronaryAngiographyVRNK.Form_Load"), e);
        now = Session.ServerDate;
    }
    if (!now.isValid()) return;
    txtDate->setText(Fmt::shortDate(now.date()));
    for (QTimeEdit* t : {dtpFlouroscopy, dtpTimeStarted, dtpTimeEnded}) t->setTime(now.time());
}

QString frmCoronaryAngiographyVRNK::OutputPath()
{
    QString folder = ReportOutput::documentsFolder();
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("report_generated.html"));
}

QList<QPair<QString, QString>> frmCoronaryAngiographyVRNK::PlaceholderValues() const
{
    using HtmlReport::Escape;
    auto one = [](const QLineEdit* b) { return Escape(b->text(), false); };
    auto lines = [](const QPlainTextEdit* b) { return Escape(b->toPlainText(), true); };
    return {
        {QStringLiteral("PATIENT_NAME"), one(txtPatName)}, {QStringLiteral("AGE_SEX"), one(cboSex)},
        {QStringLiteral("DATE"), one(txtDate)}, {QStringLiteral("RVS"), one(txtRVS)},
        {QStringLiteral("ADDRESS"), one(txtAddress)}, {QStringLiteral("CONTACT_NO"), one(txtContact)},
        {QStringLiteral("HOSP_NO"), one(txtHospNo)}, {QStringLiteral("BIRTHDATE"), one(txtBirthDate)},
        {QStringLiteral("ATTENDING_PHYSICIAN"), one(txtAttending)}, {QStringLiteral("ANGIOGRAPHERS"), one(txtAngiographers)},
        {QStringLiteral("NURSES"), one(txtNurses)}, {QStringLiteral("RADTECH"), one(txtRadTech)},
        {QStringLiteral("PRE_DX"), lines(txtPreDx)}, {QStringLiteral("MEDICATIONS"), Escape(txtMeds->toPlainText(), false)},
        {QStringLiteral("CATHETERS"), one(txtCaths)}, {QStringLiteral("HEIGHT"), one(txtHeight)},
        {QStringLiteral("WEIGHT"), one(txtWeight)}, {QStringLiteral("BSA"), one(txtBSA)},
        {QStringLiteral("RHYTHM"), one(txtRhythm)}, {QStringLiteral("APPROACH"), one(txtApproach)},
        {QStringLiteral("TECHNIQUE"), one(txtTechnique)}, {QStringLiteral("RATE"), one(txtRate)},
        {QStringLiteral("DYE_VOL"), one(txtDyeVol)}, {QStringLiteral("PROJECTIONS"), one(txtProjections)},
        {QStringLiteral("FLOWRATE"), one(txtFlowRate)}, {QStringLiteral("CATHERTERSITE"), one(txtCatheterSite)},
        {QStringLiteral("TIMESTARTED"), timeText(dtpTimeStarted->time())}, {QStringLiteral("TIMEENDED"), timeText(dtpTimeEnded->time())},
        {QStringLiteral("R_AORTA"), one(txtAorta)}, {QStringLiteral("R_PULLBACK_AO"), one(txtPullAO)},
        {QStringLiteral("R_LV"), one(txtLV)}, {QStringLiteral("R_PULLBACK_LV"), one(txtPullLV)},
        {QStringLiteral("OR_TECHNIQUE"), lines(txtORTech)}, {QStringLiteral("FLUORO"), QString()},
        {QStringLiteral("FLUORO_TIME"), QString()}, {QStringLiteral("LV_RAO"), QString()},
        {QStringLiteral("LMCA"), lines(txtLMCA)}, {QStringLiteral("LADA"), lines(txtLAD)}, {QStringLiteral("LCX"), lines(txtLCX)},
        {QStringLiteral("RAMUS"), lines(txtRamus)}, {QStringLiteral("RCA"), lines(txtRCA)},
        {QStringLiteral("CONCLUSION"), lines(txtConclusion)}, {QStringLiteral("RECOMMENDATION"), lines(txtRec)},
    };
}

void frmCoronaryAngiographyVRNK::cmdGenerate_Click()
{
    const QString templatePath = ProgramFolder::file(QStringLiteral("assets/Template.html"));
    if (!QFile::exists(templatePath)) {
        MsgBox(QStringLiteral("Cannot find Template.html. Make sure it is in the same folder as the Project/Executable."),
               vbOKOnly | vbCritical, QStringLiteral("Error"));
        return;
    }
    const QString output = OutputPath();
    try {
        QFile in(templatePath);
        if (!in.open(QIODevice::ReadOnly)) throw std::runtime_error(in.errorString().toStdString());
        const QString page = HtmlReport::Fill(QString::fromUtf8(in.readAll()), PlaceholderValues());
        QSaveFile out(output);
        // The page is written afresh each time and keeps the mode of the one it replaces unless told.
        if (!out.open(QIODevice::WriteOnly) || !out.setPermissions(QFile::ReadOwner | QFile::WriteOwner) ||
            out.write(page.toUtf8()) < 0 || !out.commit())
            throw std::runtime_error(out.errorString().toStdString());
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("An error occurred generating the report: ") + ErrorDescription(e), vbOKOnly | vbCritical, QString());
        return;
    }
    MsgBox(QStringLiteral("Report successfully generated!"), vbOKOnly | vbInformation, QStringLiteral("Success"));
    if (!HtmlReport::OpenPage(output))
        MsgBox(QStringLiteral("An error occurred generating the report: ") + HtmlReport::NotOpenedText(output),
               vbOKOnly | vbCritical, QString());
}
