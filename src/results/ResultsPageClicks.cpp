// The row clicks of the results lists and the prints of the imaging, neurology and heart-station
// results.
#include "results/ResultsPage.h"

#include "platform/db/Connection.h"
#include "results/SignedInUser.h"
#include "platform/text/Rtf.h"
#include "platform/ui/FlexGrid.h"
#include "results/ResultGrids.h"
#include "results/ResultsData.h"
#include "shared/patient/PatientContext.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

QString cell(const FlexGrid* grid, int col)
{
    const int row = grid->currentRow();
    if (row < 1 || row >= grid->Rows() || col >= grid->Cols()) return QString();
    return grid->TextMatrix(row, col);
}

// The one blank row of an empty list.
bool emptyList(const FlexGrid* grid)
{
    return cell(grid, 1).isEmpty() && grid->Rows() == 2;
}


// The page's imaging sections and the look-up's sources are listed in the same order.
ResultsData::InterpretationSource sourceOf(int imaging)
{
    return static_cast<ResultsData::InterpretationSource>(imaging);
}

} // namespace

// ---- row clicks ----------------------------------------------------------------------------

void ResultsPage::ImagingRowClick(Imaging s)
{
    const ImagingControls k = controlsOf(s);
    QLabel* const* l = k.labels;
    for (int i : {k.number, k.transDate, k.resultDate, k.exam, k.doctor}) l[i]->clear();
    if (s == Imaging::WomenCentre) l[k.films]->clear();
    k.interp->clear();
    if (emptyList(k.grid)) {
        k.view->setEnabled(false);
        return;
    }
    l[k.number]->setText(cell(k.grid, 1));
    l[k.transDate]->setText(cell(k.grid, 3));
    l[k.resultDate]->setText(cell(k.grid, 4));
    l[k.exam]->setText(cell(k.grid, 2));
    l[k.doctor]->setText(ResultGrids::DoctorName(cell(k.grid, 5), cell(k.grid, 6), cell(k.grid, 7)));
    try {
        const ResultsData::Interpretation found =
            ResultsData::LookUpInterpretation(SharedConnection(), sourceOf(int(s)), cell(k.grid, 1));
        if (found.found) {
            // The rich boxes show stored RTF formatted; the plain boxes show its text.
            if (s == Imaging::MRI || s == Imaging::WomenCentre) k.interp->setHtml(StoredTextToHtml(found.text));
            else k.interp->setPlainText(StoredTextToPlain(found.text));
        }
        k.view->setEnabled(true);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void ResultsPage::mshflexXray_Click() { ImagingRowClick(Imaging::Xray); }
void ResultsPage::mshflexUltra_Click() { ImagingRowClick(Imaging::Ultrasound); }
void ResultsPage::mshflexCT_Click() { ImagingRowClick(Imaging::CT); }
void ResultsPage::MSHFlexMRI_Click() { ImagingRowClick(Imaging::MRI); }
void ResultsPage::mshWCResults_Click() { ImagingRowClick(Imaging::WomenCentre); }

namespace {
void listRowClick(const FlexGrid* grid, QLabel* const* l, QTextEdit* interp)
{
    for (int i = 5; i <= 9; ++i) l[i]->clear();
    interp->clear();
    if (grid->Rows() <= 1) return;
    l[5]->setText(cell(grid, 1));
    l[6]->setText(cell(grid, 3));
    l[7]->setText(cell(grid, 4));
    l[8]->setText(cell(grid, 2));
    l[9]->setText(ResultGrids::DoctorName(cell(grid, 5), cell(grid, 6), cell(grid, 7)));
    interp->setPlainText(StoredTextToPlain(cell(grid, 8)));
}
}

void ResultsPage::mshflexNuclear_Click() { listRowClick(mshflexNuclear, lblNuclearInfo, txtNucInterp); }
void ResultsPage::mshflexPulmo_Click() { listRowClick(mshflexPulmo, lblPulmoInfo, txtPulmoInterpretation); }

void ResultsPage::mshflexHeart_Click()
{
    for (int i = 6; i <= 11; ++i) lblHEart[i]->clear();
    lblHEart[6]->setText(cell(mshflexHeart, 1));
    lblHEart[7]->setText(cell(mshflexHeart, 3));
    lblHEart[8]->setText(cell(mshflexHeart, 4));
    lblHEart[9]->setText(cell(mshflexHeart, 2));
    lblHEart[10]->setText(cell(mshflexHeart, 6));
    lblHEart[11]->setText(cell(mshflexHeart, 7));
    cmdExitResultE[2]->setEnabled(true);
}

void ResultsPage::mshflexPT_Click()
{
    for (QTextEdit* t : txtPT) t->clear();
    txtPT[0]->setPlainText(StoredTextToPlain(cell(mshflexPT, 5)));
    txtPT[1]->setPlainText(StoredTextToPlain(cell(mshflexPT, 6)));
    txtPT[2]->setPlainText(StoredTextToPlain(cell(mshflexPT, 7)));
}

void ResultsPage::mshflexNeuro_Click()
{
    cmdNeuro[1]->setEnabled(true);
}

// ---- imaging prints ------------------------------------------------------------------------

void ResultsPage::cmdResultX_Click(int index)
{
    if (index == 0) LoadXrayResults();
    else PrintImagingResult(Imaging::Xray);
}

void ResultsPage::cmdResultU_Click(int index)
{
    if (index == 0) LoadUltrasoundResults();
    else PrintImagingResult(Imaging::Ultrasound);
}

void ResultsPage::cmdCtexit_Click(int index)
{
    if (index == 0) LoadCTResults();
    else PrintImagingResult(Imaging::CT);
}

void ResultsPage::cmdMRIResult_Click(int index)
{
    if (index == 0) LoadMRIResults();
    else if (index == 2) PrintImagingResult(Imaging::MRI);
}

void ResultsPage::cmdResultWC_Click(int index)
{
    if (index == 3) LoadWomenCentreResults();
    else if (index == 1) PrintImagingResult(Imaging::WomenCentre);
}

void ResultsPage::PrintImagingResult(Imaging s)
{
    const ImagingControls k = controlsOf(s);
    const bool mriOrWc = s == Imaging::MRI || s == Imaging::WomenCentre;
    const QString number = cell(k.grid, 1).trimmed();
    const QString admission = m_header.txtID->text();
    const QString doctor = cell(k.grid, 5) + QStringLiteral(", ") + cell(k.grid, 6) + QLatin1Char(' ') + cell(k.grid, 7);
    // The header's own copy: the print describes the patient the workspace shows.
    const QString patient = m_header.txtPatient->text(), hospNum = m_header.txtPno->text(), attending = m_header.txtDoctor2->text(),
                  status = m_header.txtStatus->text(), age = m_header.txtAge->text(), room = m_header.txtRoom->text();
    // Sex read trimmed and in any case; an unknown code stays empty.
    const QString sexCode = m_header.txtSex->text().trimmed().toUpper();
    const QString sexWord = sexCode == QLatin1String("M") ? QStringLiteral("Male")
                            : sexCode == QLatin1String("F") ? QStringLiteral("Female")
                                                            : QString();
    try {
        Connection& c = SharedConnection();
        int section = 1;
        if (s == Imaging::CT) section = 2;
        if (s == Imaging::Ultrasound) section = 3;
        const Recordset rs = s == Imaging::MRI           ? ResultsData::MRIResult(c, number)
                             : s == Imaging::WomenCentre ? ResultsData::WomenCentreResult(c, number)
                                                         : ResultsData::RadiologyResult(c, section, number);
        if (!rs.isEmpty()) {
            // A missing radiologist, encoder or code is printed empty.
            auto field = [&](const char* name) { return rs.text(QString::fromLatin1(name)); };
            QString title, caption, file;
            QVariantList params;
            if (!mriOrWc) {
                const QStringList values = {patient, hospNum, attending, cell(k.grid, 2), status, age, m_header.txtSex->text(), admission,
                                            field("XrayNum"), room, cell(k.grid, 3), field("Interpretation"), doctor,
                                            m_header.patient->Address, field("TelNum"), field("XrayNum"), field("ControlNum"),
                                            SignedInEmployeeCode(), field("Radiologist2"), field("Remarks"), QString(),
                                            field("RadCode").trimmed(), field("Radiologist3"), field("Radiologist4")};
                ResultsData::StageRadiologyPrint(c, SignedInEmployeeCode(), admission, values);
                title = s == Imaging::Xray ? QStringLiteral("X-RAY SECTION") : s == Imaging::Ultrasound ? QStringLiteral("ULTRASOUND SECTION")
                                                                                                       : QStringLiteral("C.T. SCAN SECTION");
                caption = s == Imaging::Xray ? QStringLiteral("Xray Result") : s == Imaging::Ultrasound ? QStringLiteral("ULTRASOUND Result")
                                                                                                       : QStringLiteral("CTSCAN Result");
                file = QStringLiteral("RadioResult.Rpt");
                params = {title, m_header.patient->HospNum.trimmed(), Session.HospAddress.trimmed(), SignedInEmployeeCode().trimmed(),
                          admission.trimmed()};
            } else {
                const QStringList values = {patient, hospNum, attending, cell(k.grid, 2), status, age, sexWord, admission,
                                            QStringLiteral("CTNUM"), room, cell(k.grid, 3), field("Interpretation"), doctor,
                                            m_header.patient->Address, QStringLiteral("TELNO"), field("XrayNum"),
                                            field("ControlNum"), SignedInEmployeeCode(), field("RadCode2"), QStringLiteral("Remarks")};
                ResultsData::StageMRIOrWomenCentrePrint(c, s == Imaging::WomenCentre, values);
                const bool wc = s == Imaging::WomenCentre;
                title = wc ? QStringLiteral("CENTER FOR WOMEN") : QStringLiteral("MAGNETIC RESONANCE IMAGING");
                caption = wc ? QStringLiteral("Center for Women Result") : QStringLiteral("MRI Result");
                file = wc ? QStringLiteral("RadioResult.rpt") : QStringLiteral("MRIResult.rpt");
                params = {title, m_header.patient->HospNum.trimmed(), Session.HospAddress.trimmed(), SignedInEmployeeCode(), admission.trimmed(),
                          field("Encoder").trimmed(), QStringLiteral("VERIFIER"), QStringLiteral("RADIOLOGIST"), QString(),
                          QStringLiteral("INTERPRETATION"), field("RadCode").trimmed()};
            }
            PrepareReport(ReportFilePath(file), params);
            ShowReport(false, caption, false, false);
        }
        k.view->setEnabled(false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

// ---- neurology -----------------------------------------------------------------------------

void ResultsPage::cmdNeuro_Click(int index)
{
    if (index == 0) {
        LoadNeurologyResults();
        return;
    }
    if (index != 1) return;
    const QString section = cell(mshflexNeuro, 6).trimmed(), fileNumber = cell(mshflexNeuro, 7).trimmed();
    try {
        if (section == QLatin1String("A")) {
            PrepareReport(ReportFilePath(QStringLiteral("EEGReport.Rpt")), {fileNumber});
        } else {
            const QString hospNum = m_header.txtPno->text().trimmed();
            PrepareReport(ReportFilePath(QStringLiteral("EMG-NCVReport.Rpt")), {fileNumber});
            PrepareSubreport(QStringLiteral("NCVDataReport"), {fileNumber, hospNum});
            PrepareSubreport(QStringLiteral("EMGDataReport"), {fileNumber, hospNum});
        }
        ShowReport(false, QStringLiteral("Neurology Results Viewing"), false, false);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

// ---- heart station -------------------------------------------------------------------------

void ResultsPage::PrintHeartForm(const QString& formType, const QString& requestNum)
{
    const QString patient = m_header.txtPatient->text(), attending = lblHEart[10]->text(), cardiologist = lblHEart[11]->text();
    for (const ResultsData::HeartReport& report : ResultsData::HeartFormReports(formType)) {
        QVariantList params{requestNum};
        if (report.params == ResultsData::HeartReport::Params::Hemodynamic) {
            params = {requestNum, patient, attending, cardiologist};
        } else if (report.params == ResultsData::HeartReport::Params::Echo) {
            // The echo report takes one list on both roads (a single result or an exam of a package),
            // so one layout fits both.
            params = {Session.HospAddress, requestNum, patient, m_header.patient->Address, m_header.txtAge->text(),
                      m_header.txtSex->text(), attending, QString(), QString(), QString(), QString(), m_header.txtRoom->text(),
                      cardiologist, QString(), requestNum};
        }
        PrepareReport(ReportFilePath(report.file), params);
        ShowReport(false, report.caption, false, false);
    }
}

void ResultsPage::cmdExitResultE_Click(int index)
{
    if (index == 1) {
        Get_HeartResults();
        cmdExitResultE[2]->setEnabled(false);
        return;
    }
    // A form type with blanks around it is the same form.
    const QString formType = cell(mshflexHeart, 5).trimmed();
    const QString requestNum = cell(mshflexHeart, 1).trimmed();
    if (formType.isEmpty()) {
        PrintHeartPackageResults(m_header.txtID->text(), requestNum);
    } else {
        try {
            PrintHeartForm(formType, requestNum);
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
            return;
        }
    }
    cmdExitResultE[2]->setEnabled(false);
}

void ResultsPage::PrintHeartPackageResults(const QString& idNum, const QString& requestNum)
{
    try {
        for (const auto& [formType, examRequest] : ResultsData::HeartPackageExams(SharedConnection(), idNum, requestNum))
            PrintHeartForm(formType, examRequest);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

// ---- ECG and pulmonary reports -------------------------------------------------------------

void ResultsPage::mshflexHeart_DblClick()
{
    const QString code = cell(mshflexHeart, 8).trimmed();
    if (code != QLatin1String("E") && code != QLatin1String("R")) return;
    const QString requestNum = cell(mshflexHeart, 1).trimmed();
    try {
        Connection& c = SharedConnection();
        const Recordset rs = ResultsData::HeartSearchResult(c, code, requestNum);
        if (rs.isEmpty()) return;
        auto measured = [&](const char* name) { return rs.text(QString::fromLatin1(name)) + QLatin1Char(' '); };
        const QString resultDate = cell(mshflexHeart, 4);
        if (code == QLatin1String("E")) {
            ResultsData::SendEcgReport(
                c, {measured("rhythm"), measured("atrial"), measured("ventric"), measured("pwave"), measured("pr_inter"), measured("qrs"),
                    measured("st_seg"), measured("twave"), measured("qt_inter"), measured("interpret"), m_header.txtPatient->text(),
                    m_header.txtID->text(), m_header.txtAge->text(), resultDate, measured("ExamTime"), m_header.txtRoom->text(),
                    lblHEart[10]->text(), lblHEart[11]->text(), measured("ResidentID"), measured("bp"), measured("WT")});
        } else {
            // The list has no column for the third value: it is sent empty.
            ResultsData::SendPulmonaryReport(
                c, {m_header.txtPatient->text(), m_header.txtAge->text(), cell(mshflexHeart, 10), m_header.txtRoom->text(),
                    m_header.txtSex->text(), lblHEart[10]->text(), measured("Transtime"), measured("Height"), resultDate,
                    measured("result"), lblHEart[11]->text(), m_header.txtID->text()});
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
