#include "shell/settings/frmMarkupSettings.h"

#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/UpperCaseKeys.h"
#include "shell/settings/MarkupData.h"
#include "shared/modGlobals.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

frmMarkupSettings::frmMarkupSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMarkupSettings"));
    setWindowTitle(QStringLiteral("Mark Up Settings"));
    resize(900, 440);

    grdListing = new FlexGrid(this);
    grdListing->setObjectName(QStringLiteral("grdListing"));
    grdListing->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(grdListing, &QTableWidget::cellClicked, this, [this] { grdListing_Click(); });

    Label3 = new QLabel(QStringLiteral("Search"), this);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    UpperCaseKeys(txtSearch);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmMarkupSettings::tlbbtnSearch_Click);
    tlbbtnSearch = new QToolButton(this);
    tlbbtnSearch->setObjectName(QStringLiteral("tlbbtnSearch"));
    tlbbtnSearch->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    tlbbtnSearch->setToolTip(QStringLiteral("Search Patient"));
    connect(tlbbtnSearch, &QToolButton::clicked, this, &frmMarkupSettings::tlbbtnSearch_Click);

    Label1 = new QLabel(QStringLiteral("Code"), this);
    txtCode = new QLineEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setReadOnly(true);
    Label2 = new QLabel(QStringLiteral("Description"), this);
    txtDesc = new QLineEdit(this);
    txtDesc->setObjectName(QStringLiteral("txtDesc"));
    txtDesc->setMaxLength(100);
    UpperCaseKeys(txtDesc);
    Label5 = new QLabel(QStringLiteral("Mark up"), this);
    txtMarkup = new QLineEdit(this);
    txtMarkup->setObjectName(QStringLiteral("txtMarkup"));
    txtMarkup->setMaxLength(14);
    const char* opCaptions[] = {"*", "+"};
    for (int i = 0; i < 2; ++i) {
        optMarkup[i] = new QRadioButton(QString::fromLatin1(opCaptions[i]), this);
        optMarkup[i]->setAutoExclusive(false); // both may be cleared
        optMarkup[i]->setObjectName(QStringLiteral("optMarkup%1").arg(i));
        connect(optMarkup[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optMarkup[1 - i]->setChecked(false);
        });
    }
    chkActive = new QCheckBox(QStringLiteral("Active"), this);
    chkActive->setObjectName(QStringLiteral("chkActive"));
    chkActive->setChecked(true);

    cmdAdd = new QPushButton(QStringLiteral("&Add"), this);
    cmdEdit = new QPushButton(QStringLiteral("&Edit"), this);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdExit = new QPushButton(QStringLiteral("&Close"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdSave, cmdExit}) b->setAutoDefault(false);
    connect(cmdAdd, &QPushButton::clicked, this, &frmMarkupSettings::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmMarkupSettings::cmdEdit_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMarkupSettings::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMarkupSettings::cmdExit_Click);

    auto* search = new QHBoxLayout;
    search->addWidget(Label3);
    search->addWidget(txtSearch, 1);
    search->addWidget(tlbbtnSearch);
    auto* left = new QVBoxLayout;
    left->addLayout(search);
    left->addWidget(grdListing, 1);

    auto* entry = new QGroupBox(this);
    auto* form = new QGridLayout(entry);
    form->addWidget(Label1, 0, 0);
    form->addWidget(txtCode, 0, 1);
    form->addWidget(Label2, 1, 0);
    form->addWidget(txtDesc, 1, 1, 1, 2);
    form->addWidget(Label5, 2, 0);
    form->addWidget(txtMarkup, 2, 1);
    auto* opsRow = new QHBoxLayout;
    opsRow->addWidget(optMarkup[0]);
    opsRow->addWidget(optMarkup[1]);
    form->addLayout(opsRow, 2, 2);
    form->addWidget(chkActive, 3, 1);
    form->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdSave, cmdExit}) buttons->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(entry);
    right->addStretch();
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);

    // loading
    EnableEntry(false);
    SetupGrid();
    load_Normalvalues();
}

void frmMarkupSettings::SetupGrid()
{
    grdListing->clearContents();
    grdListing->setRows(2);
    grdListing->setCols(6);
    grdListing->setFormatString(QStringLiteral("|^Code|>MarkUp|<Description|^Status|^Operation"));
    const int widths[] = {200, 800, 1000, 3000, 900, 1200};
    for (int c = 0; c < 6; ++c) grdListing->setColWidth(c, widths[c]);
}

void frmMarkupSettings::FillGrid(Recordset& rows)
{
    SetupGrid();
    grdListing->setRows(1 + rows.recordCount());
    for (int r = 1; !rows.eof(); rows.moveNext(), ++r) {
        grdListing->setTextMatrix(r, 1, rows.text(QStringLiteral("MarkupID")));
        grdListing->setTextMatrix(r, 2, MarkupValueText(rows.value(QStringLiteral("MarkUp"))));
        grdListing->setTextMatrix(r, 3, rows.text(QStringLiteral("Description")));
        grdListing->setTextMatrix(r, 4, rows.text(QStringLiteral("Status")));
        grdListing->setTextMatrix(r, 5, rows.text(QStringLiteral("Operation")));
    }
    grdListing->setCurrentCell(1, 1);
}

void frmMarkupSettings::load_Normalvalues()
{
    try {
        Recordset rows = LoadMarkups(SharedConnection());
        if (!rows.isEmpty()) FillGrid(rows);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmMarkupSettings::tlbbtnSearch_Click()
{
    try {
        Recordset rows = SearchMarkups(SharedConnection(), txtSearch->text());
        if (!rows.isEmpty()) FillGrid(rows); // nothing found: the list stays as it was
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmMarkupSettings::EnableEntry(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(txtDesc), static_cast<QWidget*>(txtMarkup), static_cast<QWidget*>(chkActive),
                       static_cast<QWidget*>(optMarkup[0]), static_cast<QWidget*>(optMarkup[1])})
        w->setEnabled(enabled);
}

bool frmMarkupSettings::ShowRow(int row)
{
    Recordset rs;
    try {
        rs = FindMarkup(SharedConnection(), grdListing->TextMatrix(row, 1));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
    if (rs.isEmpty()) {
        MsgBox(QStringLiteral("No data found."), vbOKOnly, QStringLiteral("Message"));
        return false;
    }
    txtCode->setText(rs.text(QStringLiteral("MarkupID")));
    txtMarkup->setText(MarkupValueText(rs.value(QStringLiteral("Markup"))));
    txtDesc->setText(rs.text(QStringLiteral("Description")));
    chkActive->setChecked(rs.text(QStringLiteral("Status")).trimmed() == QLatin1String("A"));
    const QString op = rs.text(QStringLiteral("Operation")).trimmed();
    if (op == QLatin1String("*")) optMarkup[0]->setChecked(true);
    else if (op == QLatin1String("+")) optMarkup[1]->setChecked(true);
    return true;
}

void frmMarkupSettings::grdListing_Click()
{
    const int row = grdListing->currentRow();
    if (row < 1) return;
    ShowRow(row);
}

void frmMarkupSettings::cmdAdd_Click()
{
    txtCode->setText(QStringLiteral("NEW"));
    EnableEntry(true);
    txtMarkup->setFocus();
    txtDesc->clear();
    cmdAdd->setEnabled(false);
    cmdEdit->setEnabled(false);
    grdListing->setEnabled(false);
}

void frmMarkupSettings::cmdEdit_Click()
{
    const int row = qMax(grdListing->currentRow(), 1);
    if (row >= grdListing->Rows() || grdListing->TextMatrix(row, 1).isEmpty()) {
        MsgBox(QStringLiteral("Sorry, no code to edit."), vbOKOnly | vbCritical, QStringLiteral("Notification"));
        return;
    }
    if (!ShowRow(row)) return;
    cmdAdd->setEnabled(false);
    cmdEdit->setEnabled(false);
    EnableEntry(true);
    grdListing->setEnabled(false);
}

void frmMarkupSettings::cmdSave_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to save this entry?"), vbYesNo | vbQuestion,
               QStringLiteral("Notification")) == vbNo) {
        load_Normalvalues();
        return;
    }
    if (txtDesc->text().isEmpty()) {
        MsgBox(QStringLiteral("Can't save blank description."), vbOKOnly | vbExclamation, QStringLiteral("Notification"));
        return;
    }
    if (txtCode->text().trimmed().isEmpty()) {
        // nothing chosen and nothing added: there is no row to save
        MsgBox(QStringLiteral("Sorry, no code to edit."), vbOKOnly | vbCritical, QStringLiteral("Notification"));
        return;
    }
    if (!IsMarkupValue(txtMarkup->text())) {
        MsgBox(QStringLiteral("Please enter the mark up as a number (for example 0.10 or 50)."), vbOKOnly | vbExclamation,
               QStringLiteral("Notification"));
        txtMarkup->setFocus();
        return;
    }
    MarkupEntry e;
    e.code = txtCode->text();
    e.value = txtMarkup->text().trimmed();
    e.description = txtDesc->text();
    e.status = chkActive->isChecked() ? QStringLiteral("A") : QStringLiteral("I");
    e.operation = optMarkup[0]->isChecked() ? QStringLiteral("*") : QStringLiteral("+");
    try {
        SaveMarkup(SharedConnection(), e);
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex); // nothing saved; the entry stays on screen
        return;
    }
    MsgBox(QStringLiteral("Mark up successfully saved."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
    txtCode->clear();
    txtDesc->clear();
    txtMarkup->clear();
    optMarkup[0]->setChecked(false);
    optMarkup[1]->setChecked(false);
    cmdAdd->setEnabled(true);
    cmdEdit->setEnabled(true);
    EnableEntry(false);
    grdListing->setEnabled(true);
    load_Normalvalues();
}

void frmMarkupSettings::cmdExit_Click() { close(); }
