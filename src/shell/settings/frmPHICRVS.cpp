#include "shell/settings/frmPHICRVS.h"

#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/UpperCaseKeys.h"
#include "shell/settings/RvsData.h"
#include "shared/modGlobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

frmPHICRVS::frmPHICRVS(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPHICRVS"));
    setWindowTitle(QStringLiteral("PHIC (RVS Code)"));
    resize(860, 440);
    Label1 = new QLabel(QStringLiteral("RVS Code/Description:"), this);
    txtKey = new QLineEdit(this);
    txtKey->setObjectName(QStringLiteral("txtKey"));
    UpperCaseKeys(txtKey);
    connect(txtKey, &QLineEdit::returnPressed, this, &frmPHICRVS::cmdSearch_Click);
    cmdSearch = new QToolButton(this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(cmdSearch, &QToolButton::clicked, this, &frmPHICRVS::cmdSearch_Click);
    mshflexEntry = new FlexGrid(this);
    mshflexEntry->setObjectName(QStringLiteral("mshflexEntry"));
    mshflexEntry->setSelectionBehavior(QAbstractItemView::SelectRows);
    cmdSelect = new QPushButton(QStringLiteral("&Select"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdSelect->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    connect(cmdSelect, &QPushButton::clicked, this, &frmPHICRVS::cmdSelect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPHICRVS::cmdClose_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(txtKey, 1);
    top->addWidget(cmdSearch);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mshflexEntry, 1);
    layout->addLayout(buttons);
}

void frmPHICRVS::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmPHICRVS::Form_Load()
{
    m_loaded = true;
    clearAnswers(); // an earlier choice never counts
    SetupRVSGrid();
    txtKey->setText(m_key);
    SearchRVS();
}

void frmPHICRVS::clearAnswers()
{
    m_code.clear();
    m_description.clear();
    m_unit.clear();
}

void frmPHICRVS::SetupRVSGrid()
{
    mshflexEntry->clearContents();
    mshflexEntry->setRows(2);
    mshflexEntry->setCols(4);
    mshflexEntry->setFormatString(QStringLiteral("|<PHIC Code|<Description|<Unit"));
    const int widths[] = {0, 1100, 10000, 800};
    for (int c = 0; c < 4; ++c) mshflexEntry->setColWidth(c, widths[c]);
}

void frmPHICRVS::SearchRVS()
{
    Recordset rows;
    try {
        rows = SearchPHICProcedures(SharedConnection(), m_key, m_procedure);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        clearAnswers();
        return;
    }
    if (rows.isEmpty()) {
        if (m_procedure.trimmed().isEmpty())
            MsgBox(QStringLiteral("Sorry, no match for code or description was found."), vbOKOnly | vbInformation,
                   QStringLiteral("Notification"));
        else
            MsgBox(QStringLiteral("No RVS code assigned to this procedure yet.\r\n\r\nPlease notify your IT department."),
                   vbOKOnly | vbInformation, QStringLiteral("Notification"));
        clearAnswers();
        return;
    }
    mshflexEntry->setRows(1 + rows.recordCount() + 1); // the rows and one empty line
    for (int r = 1; !rows.eof(); rows.moveNext(), ++r) {
        mshflexEntry->setTextMatrix(r, 1, rows.text(QStringLiteral("RVSCODE")));
        mshflexEntry->setTextMatrix(r, 2, rows.text(QStringLiteral("DESCRIPTION")).toUpper());
        mshflexEntry->setTextMatrix(r, 3, RvsUnitText(rows.value(QStringLiteral("UNIT"))));
    }
    mshflexEntry->setCurrentCell(1, 1);
}

void frmPHICRVS::cmdSearch_Click()
{
    m_key = txtKey->text();
    SetupRVSGrid();
    SearchRVS();
}

void frmPHICRVS::cmdSelect_Click()
{
    const int row = mshflexEntry->currentRow() < 1 ? 1 : mshflexEntry->currentRow();
    m_code = mshflexEntry->TextMatrix(row, 1);
    m_description = mshflexEntry->TextMatrix(row, 2);
    m_unit = mshflexEntry->TextMatrix(row, 3);
    accept();
}

void frmPHICRVS::cmdClose_Click()
{
    clearAnswers();
    QDialog::reject();
}

void frmPHICRVS::reject()
{
    clearAnswers();
    QDialog::reject();
}
