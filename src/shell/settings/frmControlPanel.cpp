// The control panel: the window, its "Feature Settings" tab and its "Package Code Link" tab.
#include "shell/settings/frmControlPanel.h"

#include "access/UserValidation.h"
#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/clsRevenueCode.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/settings/ControlPanelData.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

frmControlPanel::frmControlPanel()
{
    setObjectName(QStringLiteral("frmControlPanel"));
    setWindowTitle(QStringLiteral("Station - Control Panel"));
    resize(940, 560);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildFeatureTab(), QStringLiteral("Feature Settings"));
    SSTab1->addTab(buildPackageTab(), QStringLiteral("Package Code Link"));
    SSTab1->addTab(buildRvsTab(), QStringLiteral("RVS"));
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmControlPanel::SSTab1_Click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    Form_Load();
}

frmControlPanel::~frmControlPanel() = default;

QWidget* frmControlPanel::buildFeatureTab()
{
    auto* page = new QWidget;
    Frame0 = new QGroupBox(QStringLiteral("Post Charges"), page);
    Frame0->setObjectName(QStringLiteral("Frame0"));
    const char* captions[] = {"Cathlab Main Revenue",        "Cathlab Hospital Supplies", "Cathlab Hospital Medicines",
                              "Cathlab NHI Supplies",        "Cathlab NHI Medicines",     "Cathlab NHI Miscellaneous",
                              "Cathlab Consigned Supplies",  "Cathlab Consigned Medicines", "Cathlab Consigned Packages",
                              "Cathlab Equipment"};
    auto* grid = new QGridLayout(Frame0);
    for (int i = 0; i < 10; ++i) {
        lblRev[i] = new QLabel(QString::fromLatin1(captions[i]), Frame0);
        txtRev[i] = new QLineEdit(Frame0);
        txtRev[i]->setObjectName(QStringLiteral("txtRev%1").arg(i));
        txtRev[i]->setReadOnly(true);
        txtRev[i]->setAlignment(Qt::AlignCenter);
        txtRev[i]->setMaximumWidth(120);
        QFont f = txtRev[i]->font();
        f.setBold(true);
        txtRev[i]->setFont(f);
        grid->addWidget(lblRev[i], i, 0);
        grid->addWidget(txtRev[i], i, 1);
    }
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame0);
    layout->addStretch();
    return page;
}

QWidget* frmControlPanel::buildPackageTab()
{
    auto* page = new QWidget;
    grdPackage = new FlexGrid(page);
    grdPackage->setObjectName(QStringLiteral("grdPackage"));
    // hiding the focused entry box hands the focus on; the grid must not take that as a Tab
    grdPackage->setTabKeyNavigation(false);
    connect(grdPackage, &QTableWidget::cellClicked, this, [this] { grdPackage_Click(); });
    connect(grdPackage, &QTableWidget::currentCellChanged, this, [this](int r, int c, int pr, int pc) {
        if (r == pr && c == pc) return;
        grdPackage_LeaveCell();
        grdPackage_EnterCell();
    });
    connect(grdPackage->verticalScrollBar(), &QScrollBar::valueChanged, this, &frmControlPanel::grdPackage_Scroll);
    connect(grdPackage->horizontalScrollBar(), &QScrollBar::valueChanged, this, &frmControlPanel::grdPackage_Scroll);
    txtEntry = new QLineEdit(grdPackage->viewport());
    txtEntry->setObjectName(QStringLiteral("txtEntry"));
    txtEntry->hide();
    txtEntry->installEventFilter(this);
    cmdSave = new QPushButton(QStringLiteral("Edit"), page);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdExit = new QPushButton(QStringLiteral("Close"), page);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    for (QPushButton* b : {cmdSave, cmdExit}) b->setAutoDefault(false);
    connect(cmdSave, &QPushButton::clicked, this, &frmControlPanel::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmControlPanel::cmdExit_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grdPackage, 1);
    layout->addLayout(buttons);
    return page;
}

void frmControlPanel::Form_Load()
{
    SSTab1->setCurrentIndex(0);
    ShowRevenueParameters();
    EnablePackageEditing(false);
    SetupPackageGrid();
    LoadPackageLinks();
}

void frmControlPanel::ShowRevenueParameters()
{
    try {
        StationParameters().LoadParameters();
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("ShowRevenueParameters"), e); // the boxes show what the parameters held
    }
    const clsParameters& p = StationParameters();
    const QString values[] = {p.MainRevenueID(),     p.CLHospitalSuppliesRev(), p.CLHospitalMedsRev(),
                              p.CLNHISuppliesRev(),  p.CLNHIMedicinesRev(),     QString(),
                              p.CLConsignedSuppliesRev(), p.CLConsignedMedicinesRev()};
    for (int i = 0; i < 8; ++i)
        if (i != 5) txtRev[i]->setText(values[i]);
}

void frmControlPanel::EnablePackageEditing(bool enabled) { grdPackage->setEnabled(enabled); }

bool frmControlPanel::packageEditing() const { return cmdSave->text() == QLatin1String("Save"); }

void frmControlPanel::SetupPackageGrid()
{
    grdPackage->setFixedCols(0);
    grdPackage->setCols(4);
    grdPackage->setFormatString(QStringLiteral("<Code|<Nurse Code|<Package|<Status"));
    grdPackage->setColWidth(0, 1500);
    grdPackage->setColWidth(1, 1500);
    grdPackage->setColWidth(3, 1500);
    const int gridTwips = PixelsToTwips(qMax(grdPackage->viewport()->width(), 700));
    grdPackage->setColWidth(2, qMax(1500, gridTwips - 1500 * 3 - 100));
}

void frmControlPanel::LoadPackageLinks()
{
    try {
        grdPackage->clearContents();
        Recordset rows = LoadPackageLinkRows(SharedConnection());
        if (rows.isEmpty()) return; // the cleared lines stay
        grdPackage->setRows(1 + rows.recordCount());
        const QStringList headers{QStringLiteral("Code"), QStringLiteral("Nurse Code"), QStringLiteral("Package"),
                                  QStringLiteral("Status")};
        for (int c = 0; c < 4; ++c) grdPackage->setTextMatrix(0, c, headers[c]);
        for (int r = 1; !rows.eof(); rows.moveNext(), ++r) {
            grdPackage->setTextMatrix(r, 0, rows.text(QStringLiteral("Code")));
            grdPackage->setTextMatrix(r, 1, rows.text(QStringLiteral("NurseCode")));
            grdPackage->setTextMatrix(r, 2, rows.text(QStringLiteral("Package")));
            grdPackage->setTextMatrix(r, 3, rows.text(QStringLiteral("Status")));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmControlPanel::cmdSave_Click()
{
    if (!packageEditing()) {
        cmdSave->setText(QStringLiteral("Save"));
        cmdExit->setText(QStringLiteral("Cancel"));
        EnablePackageEditing(true);
        return;
    }
    grdPackage_LeaveCell();
    cmdSave->setEnabled(false);
    ConfirmAndLogSettings();
    cmdSave->setEnabled(true);
    cmdSave->setText(QStringLiteral("Edit"));
    EnablePackageEditing(false);
    cmdExit->setText(QStringLiteral("Close"));
}

void frmControlPanel::ConfirmAndLogSettings()
{
    // the lines with both codes are the links
    QList<PackageLink> links;
    for (int r = 1; r < grdPackage->Rows(); ++r) {
        PackageLink l{grdPackage->TextMatrix(r, 0), grdPackage->TextMatrix(r, 1), grdPackage->TextMatrix(r, 3)};
        if (!l.code.trimmed().isEmpty() && !l.nurseCode.trimmed().isEmpty()) links << l;
    }
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    try {
        SavePackageLinks(SharedConnection(), links, validated->userID, Session.CurrentStationID.toString());
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // nothing was written
        close();
        return;
    }
    ShowRevenueParameters();
    LoadPackageLinks(); // the grid shows what is now stored
    MsgBox(QStringLiteral("Some changes may take in effect only after restarting the program."), vbOKOnly | vbInformation,
           QStringLiteral("Notification"));
}

void frmControlPanel::cmdExit_Click()
{
    if (!packageEditing()) {
        close();
        return;
    }
    if (MsgBox(QStringLiteral("Changes made will not be saved.\r\n\r\nAre you sure to cancel changes?"), vbYesNo | vbQuestion,
               QStringLiteral("Confirmation")) != vbYes)
        return;
    grdPackage_LeaveCell();
    cmdExit->setText(QStringLiteral("Close"));
    cmdSave->setText(QStringLiteral("Edit"));
    EnablePackageEditing(false);
    ShowRevenueParameters();
    LoadPackageLinks();
}

void frmControlPanel::SSTab1_Click(int tab)
{
    if (tab != 2) return;
    LoadProcedures();
    LoadProcedureRVS(QString());
}

void frmControlPanel::grdPackage_Click() { grdPackage_EnterCell(); }

void frmControlPanel::grdPackage_EnterCell()
{
    if (!grdPackage->isEnabled()) return;
    const int row = grdPackage->currentRow();
    const int col = grdPackage->currentColumn();
    if (row < 1 || col < 0) return;
    // a line is filled from left to right
    if (col != 0 && grdPackage->TextMatrix(row, col - 1).trimmed().isEmpty()) return;
    txtEntry->setText(grdPackage->TextMatrix(row, col));
    txtEntry->selectAll();
    PlaceEntryBox(col, row);
    if (txtEntry->isVisible()) txtEntry->setFocus();
}

void frmControlPanel::PlaceEntryBox(int col, int row)
{
    if (col == 2) return;
    const QRect cell = grdPackage->visualRect(grdPackage->model()->index(row, col));
    txtEntry->setGeometry(cell.adjusted(1, 1, -1, -1));
    if (!txtEntry->isVisible()) txtEntry->show();
    txtEntry->setText(grdPackage->TextMatrix(row, col));
    txtEntry->selectAll();
}

void frmControlPanel::grdPackage_LeaveCell()
{
    txtEntry->hide();
    txtEntry->clear();
}

void frmControlPanel::grdPackage_Scroll() { txtEntry->hide(); }

bool frmControlPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == txtEntry || watched == txtRVSEntry)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == txtEntry && (enter || key == Qt::Key_Up || key == Qt::Key_Down)) {
            txtEntry_KeyDown(key);
            return true;
        }
        if (watched == txtRVSEntry && enter) {
            txtRVSEntry_KeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmControlPanel::txtEntry_KeyDown(int key)
{
    try {
        const int row = grdPackage->currentRow();
        const int col = grdPackage->currentColumn();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            grdPackage_EnterCell(); // the cell's stored text comes back
            return;
        }
        if (!m_revenueCode) m_revenueCode = std::make_unique<clsRevenueCode>();
        m_revenueCode->HospNum = Selection.SelectedHospNum; // the patient the lists have selected
        int nextRow = row, nextCol = col;
        if (col == 0) {
            const QString code = m_revenueCode->ValidatePackageCode(txtEntry->text()).trimmed();
            if (code.isEmpty()) return;
            grdPackage->setTextMatrix(row, 0, code);
            // the package's name, so that the line can be completed
            grdPackage->setTextMatrix(row, 2, AdmissionPackageName(SharedConnection(), code));
            nextCol = 1;
        } else if (col == 1) {
            const QString code = m_revenueCode->ValidateNursePackageCode(txtEntry->text()).trimmed();
            if (code.isEmpty()) return;
            grdPackage->setTextMatrix(row, 1, code);
            nextCol = 3;
        } else if (col == 3) {
            const QString status = txtEntry->text().trimmed();
            if (status != QLatin1String("A") && status != QLatin1String("I")) {
                MsgBox(QStringLiteral("Enter 'A' to set it active and 'I' to inactive."), vbOKOnly | vbInformation,
                       QStringLiteral("Notification"));
                return;
            }
            grdPackage->setTextMatrix(row, 3, txtEntry->text());
            if (row == grdPackage->Rows() - 1) grdPackage->setRows(grdPackage->Rows() + 1);
            nextRow = row + 1;
            nextCol = 0;
        } else {
            return;
        }
        grdPackage->setCurrentCell(nextRow, nextCol); // enters the new cell
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
