// The control panel's "RVS" tab: the PHIC RVS codes of each of the department's procedures.
#include "shell/settings/frmControlPanel.h"

#include "access/UserValidation.h"
#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/settings/RvsData.h"
#include "shell/settings/frmPHICRVS.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* frmControlPanel::buildRvsTab()
{
    auto* page = new QWidget;
    lblProcedures = new QLabel(QStringLiteral("Cathlab Procedures"), page);
    grdProcedures = new FlexGrid(page);
    grdProcedures->setObjectName(QStringLiteral("grdProcedures"));
    grdProcedures->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(grdProcedures, &QTableWidget::cellClicked, this, [this] { grdProcedures_Click(); });
    frRVS = new QGroupBox(QStringLiteral("RVS Codes"), page);
    frRVS->setObjectName(QStringLiteral("frRVS"));
    grdRVS = new FlexGrid(frRVS);
    grdRVS->setObjectName(QStringLiteral("grdRVS"));
    grdRVS->setTabKeyNavigation(false); // the hidden entry box's focus is not a Tab
    connect(grdRVS, &QTableWidget::currentCellChanged, this, [this](int r, int c, int pr, int pc) {
        if (r != pr || c != pc) grdRVS_EnterCell();
    });
    connect(grdRVS, &QTableWidget::cellClicked, this, [this] { grdRVS_EnterCell(); });
    txtRVSEntry = new QLineEdit(grdRVS->viewport());
    txtRVSEntry->setObjectName(QStringLiteral("txtRVSEntry"));
    txtRVSEntry->hide();
    UpperCaseKeys(txtRVSEntry);
    txtRVSEntry->installEventFilter(this);
    auto* frame = new QVBoxLayout(frRVS);
    frame->addWidget(grdRVS);
    cmdSaveRVS = new QPushButton(QStringLiteral("Edit"), page);
    cmdSaveRVS->setObjectName(QStringLiteral("cmdSaveRVS"));
    cmdCloseRVS = new QPushButton(QStringLiteral("Close"), page);
    cmdCloseRVS->setObjectName(QStringLiteral("cmdCloseRVS"));
    for (QPushButton* b : {cmdSaveRVS, cmdCloseRVS}) b->setAutoDefault(false);
    connect(cmdSaveRVS, &QPushButton::clicked, this, &frmControlPanel::cmdSaveRVS_Click);
    connect(cmdCloseRVS, &QPushButton::clicked, this, &frmControlPanel::cmdCloseRVS_Click);
    frRVS->setEnabled(false);

    auto* left = new QVBoxLayout;
    left->addWidget(lblProcedures);
    left->addWidget(grdProcedures, 1);
    auto* grids = new QHBoxLayout;
    grids->addLayout(left, 1);
    grids->addWidget(frRVS, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSaveRVS);
    buttons->addWidget(cmdCloseRVS);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grids, 1);
    layout->addLayout(buttons);
    return page;
}

void frmControlPanel::SetupRVSGrid(FlexGrid* grid, const QString& format, int col1Twips, int col2Twips)
{
    grid->clearContents();
    grid->setRows(2);
    grid->setCols(3);
    grid->setFormatString(format);
    grid->setColWidth(0, 0);
    grid->setColWidth(1, col1Twips);
    grid->setColWidth(2, col2Twips);
    grid->horizontalHeader()->setStretchLastSection(true); // the names fit the grid's width
}

bool frmControlPanel::rvsEditing() const { return cmdSaveRVS->text() == QLatin1String("Save"); }

void frmControlPanel::setRvsEditing(bool editing)
{
    cmdSaveRVS->setText(editing ? QStringLiteral("Save") : QStringLiteral("Edit"));
    cmdCloseRVS->setText(editing ? QStringLiteral("Cancel") : QStringLiteral("Close"));
    frRVS->setEnabled(editing);
    if (!editing) txtRVSEntry->hide();
}

void frmControlPanel::LoadProcedures()
{
    SetupRVSGrid(grdProcedures, QStringLiteral("|<Code|<Procedure"), 1000, 5000);
    try {
        Recordset rows = LoadDepartmentProcedures(SharedConnection(), StationParameters().MainRevenueID());
        if (rows.isEmpty()) return;
        grdProcedures->setRows(1 + rows.recordCount());
        for (int r = 1; !rows.eof(); rows.moveNext(), ++r) {
            grdProcedures->setTextMatrix(r, 1, rows.text(QStringLiteral("Code")));
            grdProcedures->setTextMatrix(r, 2, rows.text(QStringLiteral("ProcedureName")));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmControlPanel::LoadProcedureRVS(const QString& itemID)
{
    txtRVSEntry->hide();
    const QSignalBlocker block(grdRVS);
    SetupRVSGrid(grdRVS, QStringLiteral("|<RVS Code|<Description"), 2000, 5000);
    grdRVS->setCurrentCell(1, 1);
    m_rvsItem = itemID.trimmed();
    if (m_rvsItem.isEmpty()) return;
    try {
        const QStringList codes = LoadProcedureRVSCodes(SharedConnection(), itemID);
        grdRVS->setRows(1 + codes.size() + 1);
        for (int i = 0; i < codes.size(); ++i) {
            grdRVS->setTextMatrix(1 + i, 1, codes[i]);
            grdRVS->setTextMatrix(1 + i, 2, GetRVSDescription(SharedConnection(), codes[i]));
        }
        grdRVS->setCurrentCell(grdRVS->Rows() - 1, 1); // the empty line
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmControlPanel::grdProcedures_Click()
{
    if (rvsEditing() && MsgBox(QStringLiteral("Change selected procedure? Unsaved changes will be lost."),
                               vbYesNo | vbQuestion, QStringLiteral("Confirmation")) == vbNo) {
        grdProcedures->setCurrentCell(LastProcedureRow, 1);
        grdProcedures->selectRow(LastProcedureRow);
        return;
    }
    const int row = grdProcedures->currentRow();
    if (row < 1) return;
    LoadProcedureRVS(grdProcedures->TextMatrix(row, 1));
    LastProcedureRow = row;
}

void frmControlPanel::cmdSaveRVS_Click()
{
    if (!rvsEditing()) {
        setRvsEditing(true);
        return;
    }
    SaveProcedureRVS();
}

void frmControlPanel::cmdCloseRVS_Click()
{
    if (!rvsEditing()) {
        close();
        return;
    }
    if (MsgBox(QStringLiteral("Changes made will not be saved.\r\n\r\nAre you sure to cancel changes?"), vbYesNo | vbQuestion,
               QStringLiteral("Confirmation")) == vbYes)
        setRvsEditing(false);
}

void frmControlPanel::grdRVS_EnterCell()
{
    const int row = grdRVS->currentRow();
    const int col = grdRVS->currentColumn();
    if (row < 1) return;
    if (col == 1) {
        txtRVSEntry->setText(grdRVS->TextMatrix(row, 1));
        txtRVSEntry->selectAll();
        PlaceRVSEntryBox(col, row);
        if (txtRVSEntry->isVisible()) txtRVSEntry->setFocus();
    } else if (col == 2) {
        txtRVSEntry->hide();
    }
}

void frmControlPanel::PlaceRVSEntryBox(int col, int row)
{
    if (col == 2) return;
    const QRect cell = grdRVS->visualRect(grdRVS->model()->index(row, col));
    txtRVSEntry->setGeometry(cell.adjusted(1, 1, -1, -1));
    if (!txtRVSEntry->isVisible()) txtRVSEntry->show();
    txtRVSEntry->setText(grdRVS->TextMatrix(row, col));
}

void frmControlPanel::txtRVSEntry_KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    const int row = grdRVS->currentRow();
    if (row < 1) return;
    if (grdRVS->currentColumn() == 1) {
        const QString typed = txtRVSEntry->text();
        const QString description = GetRVSDescription(SharedConnection(), typed);
        grdRVS->setTextMatrix(row, 2, description);
        if (!description.trimmed().isEmpty()) {
            grdRVS->setTextMatrix(row, 1, typed);
        } else {
            frmPHICRVS picker(this);
            picker.setSetKey(typed);
            picker.setSetNursePackageCode(QString());
            runModal(&picker);
            grdRVS->setTextMatrix(row, 1, picker.PHICCode());
            grdRVS->setTextMatrix(row, 2, picker.PHICDescription());
        }
    }
    if (grdRVS->TextMatrix(row, 2).trimmed().isEmpty()) {
        // nothing found: the box stays on its cell
        txtRVSEntry->setText(grdRVS->TextMatrix(row, 1));
        return;
    }
    if (row == grdRVS->Rows() - 1) grdRVS->setRows(grdRVS->Rows() + 1);
    grdRVS->setCurrentCell(row + 1, 1);
    grdRVS_EnterCell();
}

void frmControlPanel::SaveProcedureRVS()
{
    txtRVSEntry->hide();
    // the codes belong to the procedure whose list is on screen, whatever line is current now
    if (m_rvsItem.isEmpty()) {
        MsgBox(QStringLiteral("Please select a procedure first."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    QStringList codes;
    for (int r = 1; r < grdRVS->Rows(); ++r)
        if (!grdRVS->TextMatrix(r, 1).trimmed().isEmpty() && !grdRVS->TextMatrix(r, 2).trimmed().isEmpty())
            codes << grdRVS->TextMatrix(r, 1);
    const QString duplicate = FirstDuplicateCode(codes);
    if (!duplicate.isEmpty()) {
        MsgBox(QStringLiteral("The RVS code %1 is entered more than once.").arg(duplicate), vbOKOnly | vbExclamation,
               QStringLiteral("Notification"));
        return; // still editing: the user removes the second one
    }
    if (const std::optional<ValidatedUser> validated = ValidateUser()) {
        try {
            SaveProcedureRVSCodes(SharedConnection(), m_rvsItem, codes, validated->userID);
            setRvsEditing(false);
            LoadProcedures();
            LoadProcedureRVS(QString());
            return;
        } catch (const std::exception& e) {
            ShowErrorNotice(e);
        }
    }
    setRvsEditing(false);
}
