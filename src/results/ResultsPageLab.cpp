// The laboratory sub-tab: the list coloured by section, the table by day with its graph, and the
// laboratory's own result viewer.
#include "results/ResultsPage.h"

#include "components/NurseActivity.h"
#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "results/LabGraph.h"
#include "results/SignedInUser.h"
#include "results/ResultGrids.h"
#include "results/clsLabTabularFormat.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

Labresultviewer& LabViewer()
{
    static Labresultviewer local(QStringLiteral("LabResultInquiry.Labresultviewer"));
    return Session.LabResultViewer ? *Session.LabResultViewer : local;
}

// The shared formatter, created on first use; the main window releases it.
clsLabTabularFormat& TabularFormatter()
{
    auto* f = qobject_cast<clsLabTabularFormat*>(Session.LabTabularFormatter);
    if (!f) {
        f = new clsLabTabularFormat;
        Session.LabTabularFormatter = f;
    }
    return *f;
}

QString cellOf(const FlexGrid* grid, int col)
{
    const int row = grid->currentRow();
    if (row < 1 || row >= grid->Rows() || col >= grid->Cols()) return QString();
    return grid->TextMatrix(row, col);
}

} // namespace

QWidget* ResultsPage::buildLabTab()
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    mshflexLab = newGrid(page, "mshflexLab");
    mshflexLabTabular = newGrid(page, "mshflexLabTabular");
    mshflexLabTabular->setSelectionBehavior(QAbstractItemView::SelectItems);
    mshflexLabTabular->hide();
    v->addWidget(mshflexLab, 1);
    v->addWidget(mshflexLabTabular, 1);
    auto* buttons = new QHBoxLayout;
    cmdLabView[0] = newButton(page, QStringLiteral("cmdLabView0"), QStringLiteral("View Result Per Exam"));
    cmdLabView[1] = newButton(page, QStringLiteral("cmdLabView1"), QStringLiteral("View Result Per ChargeSlip"));
    cmdTabular = newButton(page, QStringLiteral("cmdTabular"), QStringLiteral("View Tabular Format"));
    cmdExitResultL[1] = newButton(page, QStringLiteral("cmdExitResultL1"), QStringLiteral("Refresh"));
    cmdTabular->setEnabled(false);
    for (QPushButton* b : cmdLabView) b->setEnabled(false);
    buttons->addWidget(cmdLabView[0]);
    buttons->addWidget(cmdLabView[1]);
    buttons->addStretch();
    buttons->addWidget(cmdTabular);
    buttons->addWidget(cmdExitResultL[1]);
    v->addLayout(buttons);
    for (int i : {0, 1}) connect(cmdLabView[i], &QPushButton::clicked, this, [this, i] { cmdLabView_Click(i); });
    connect(cmdExitResultL[1], &QPushButton::clicked, this, [this] { cmdExitResultL_Click(1); });
    connect(cmdTabular, &QPushButton::clicked, this, [this] { cmdTabular_Click(); });
    connect(mshflexLab, &QTableWidget::cellClicked, this, [this] { mshflexLab_Click(); });
    connect(mshflexLabTabular, &QTableWidget::cellClicked, this, [this] { mshflexLabTabular_Click(); });
    return page;
}

bool ResultsPage::LoadLabResults()
{
    for (QPushButton* b : cmdLabView) b->setEnabled(false);
    const ResultGridLayout layout = ResultGrids::LabList();
    mshflexLab->setUpdatesEnabled(false);
    bool loaded = false;
    try {
        ResultGrids::Reset(*mshflexLab, layout);
        const Recordset rs = ResultComponent().GetResults(SharedConnection().connectionString(), m_header.txtID->text(),
                                                             QStringLiteral("4"));
        mshflexLab->setEnabled(!rs.isEmpty());
        ResultGrids::Fill(*mshflexLab, layout, rs);
        for (int r = 1; r < mshflexLab->Rows(); ++r) {
            const QColor colour = ResultGrids::LabSectionColour(mshflexLab->TextMatrix(r, 5));
            if (!colour.isValid()) continue;
            for (int c = 1; c <= 6; ++c) mshflexLab->item(r, c)->setBackground(colour);
        }
        clsLabTabularFormat& tabular = TabularFormatter();
        tabular.AdmissionNumber = m_header.txtID->text();
        tabular.Load_Results(mshflexLabTabular);
        cmdTabular->setEnabled(mshflexLabTabular->Rows() > 2 && !mshflexLabTabular->TextMatrix(2, 0).isEmpty());
        loaded = true;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    // Drawn again after a failure too: the grid shows what was written.
    mshflexLab->setUpdatesEnabled(true);
    return loaded;
}

void ResultsPage::mshflexLab_Click()
{
    SelectedLabReference = cellOf(mshflexLab, 6).trimmed();
    for (QPushButton* b : cmdLabView) b->setEnabled(true);
}

void ResultsPage::cmdLabView_Click(int index)
{
    try {
        Labresultviewer& v = LabViewer();
        v.CSnumber = SelectedLabReference;
        v.RequestNum = index == 0 ? cellOf(mshflexLab, 1).trimmed() : QString();
        v.AutoPrint = index == 0;
        v.ViewMode = 0;
        v.sqlConnection = &SharedConnection();
        v.HospitalNumber = m_header.txtPno->text().trimmed();
        v.IDNumber = m_header.txtID->text().trimmed();
        v.RoomNumber = m_header.txtRoom->text().trimmed();
        v.PatientName = m_header.txtPatient->text();
        v.Age = m_header.txtAge->text();
        v.Sex = m_header.txtSex->text();
        v.Status = QString();
        v.UserID = SignedInEmployeeCode();
        v.StationID = QStringLiteral("ER");
        v.Show_Results();
    } catch (const std::exception& e) {
        MsgBox(ErrorDescription(e), vbCritical, QStringLiteral("Warning"));
    }
}

void ResultsPage::cmdExitResultL_Click(int index)
{
    if (index == 1) LoadLabResults();
}

void ResultsPage::cmdTabular_Click()
{
    const bool toTable = mshflexLabTabular->isHidden();
    mshflexLabTabular->setVisible(toTable);
    mshflexLab->setVisible(!toTable);
    cmdTabular->setText(toTable ? QStringLiteral("View Complete List") : QStringLiteral("View Tabular Format"));
    for (QPushButton* b : cmdLabView) b->setEnabled(!toTable);
}

void ResultsPage::mshflexLabTabular_Click()
{
    if (cellOf(mshflexLabTabular, 1).trimmed().isEmpty()) return;
    if (MsgBox(QStringLiteral("View Graph?"), vbYesNo, QStringLiteral("Message")) != vbYes) return;
    const QString idNum = m_header.txtID->text().trimmed();
    const QString examCode = cellOf(mshflexLabTabular, mshflexLabTabular->Cols() - 1).trimmed();
    try {
        // The graph goes into the report as its picture; the file lives only until the report has it.
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("labgraph.png"));
        if (!dir.isValid() || !LabGraph::Draw(LabGraph::Read(SharedConnection(), idNum, examCode)).save(picture))
            throw std::runtime_error("The graph could not be drawn.");
        ReportValues.ReportPicturePending = true;
        ReportValues.ReportPicturePath = picture;
        PrepareReport(ReportFilePath(QStringLiteral("LaboratoryResult_InTabularFormat_Graph.rpt")), {idNum, examCode});
        ShowReport(false, QString(), false, false);
    } catch (const std::exception& e) {
        ReportValues.ReportPicturePending = false;
        ReportValues.ReportPicturePath.clear();
        ShowErrorNotice(e);
    }
}
