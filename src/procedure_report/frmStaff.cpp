#include "procedure_report/frmStaff.h"

#include "shared/GridBinding.h"
#include "procedure_report/StaffData.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/KeyFilters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

frmStaff::frmStaff(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStaff"));
    auto* grid = new QGridLayout(this);
    lblHead = new QLabel(this);
    lblHead->setAlignment(Qt::AlignCenter);
    QFont headFont = lblHead->font();
    headFont.setBold(true);
    lblHead->setFont(headFont);
    lblTitle = new QLabel(QStringLiteral("Nurse"), this);
    lblSTitle = new QLabel(QStringLiteral("Nurse"), this);
    Text1 = new QLineEdit(this);
    cmdConnect = new QToolButton(this);
    cmdConnect->setText(QStringLiteral("..."));
    cmdExit = new QPushButton(QStringLiteral("&Exit"), this);
    MSHFlexGrid1 = new FlexGrid(this);
    MSHFlexGrid1->setMinimumSize(520, 300);
    lblHelpTip = new QLabel(QStringLiteral("Type the Lastname to Search, Use the Arrow Keys to Select and  then Press <Enter> "
                                           "Press <Esc> Key to change search item"),
                            this);
    lblHelpTip->setWordWrap(true);
    grid->addWidget(lblHead, 0, 0, 1, 3);
    grid->addWidget(lblTitle, 1, 0, 1, 3);
    grid->addWidget(lblSTitle, 2, 0);
    grid->addWidget(Text1, 2, 1);
    grid->addWidget(cmdConnect, 2, 2);
    grid->addWidget(MSHFlexGrid1, 3, 0, 1, 3);
    grid->addWidget(lblHelpTip, 4, 0, 1, 2);
    grid->addWidget(cmdExit, 4, 2);
    connect(cmdConnect, &QToolButton::clicked, this, &frmStaff::cmdConnect_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(Text1, &QLineEdit::textChanged, this, [this] {
        if (m_loaded) cmdConnect_Click();
    });
    connect(MSHFlexGrid1, &QTableWidget::cellDoubleClicked, this, [this] { MSHFlexGrid1_DblClick(); });
    Text1->installEventFilter(this);
    MSHFlexGrid1->installEventFilter(this);
}

void frmStaff::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmStaff::layOutGrid(const QString& nameHeading)
{
    MSHFlexGrid1->clear();
    MSHFlexGrid1->setCols(3);
    MSHFlexGrid1->setFormatString(QStringLiteral(" |^CODE  #|") + nameHeading + QStringLiteral("                            "));
    const int codeWidth = static_cast<int>(std::lround(MSHFlexGrid1->width() * 15 / 13.0 + 500));
    MSHFlexGrid1->setColWidth(0, 1);
    MSHFlexGrid1->setColWidth(1, codeWidth);
    MSHFlexGrid1->setColWidth(2, codeWidth + 3000);
}

void frmStaff::Form_Load()
{
    m_code.clear();
    m_name.clear();
    layOutGrid(QStringLiteral("NURSE"));
    Text1->setText(m_key);
    m_loaded = true;
    cmdConnect_Click();
    if (m_mode == QLatin1String("N") || m_mode == QLatin1String("R")) {
        const QString title = m_mode == QLatin1String("N") ? QStringLiteral("Nurse") : QStringLiteral("RadTech");
        lblTitle->setText(title);
        lblSTitle->setText(title);
    }
    Text1->setFocus();
}

void frmStaff::cmdConnect_Click()
{
    try {
        const Recordset rows = StaffData::SearchStaff(SharedConnection(), m_mode, Text1->text());
        layOutGrid(m_mode == QLatin1String("R") ? QStringLiteral("RADTECH") : QStringLiteral("NURSE"));
        const QStringList headings{MSHFlexGrid1->TextMatrix(0, 1), MSHFlexGrid1->TextMatrix(0, 2)};
        BindRecordset(MSHFlexGrid1, rows);
        MSHFlexGrid1->setTextMatrix(0, 1, headings[0]);
        MSHFlexGrid1->setTextMatrix(0, 2, headings[1]);
        if (MSHFlexGrid1->Rows() > 1) MSHFlexGrid1->setCurrentCell(1, 1);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmStaff::MSHFlexGrid1_DblClick()
{
    m_code.clear();
    m_name.clear();
    const int row = MSHFlexGrid1->currentRow();
    if (row > 0 && row < MSHFlexGrid1->Rows()) {
        m_code = MSHFlexGrid1->TextMatrix(row, 1);
        m_name = MSHFlexGrid1->TextMatrix(row, 2);
    }
    accept();
}

bool frmStaff::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Text1) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            cmdConnect_Click();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            MSHFlexGrid1->setFocus();
            return true;
        }
        return SendKeyInUpperCase(Text1, key);
    }
    if (watched == MSHFlexGrid1) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            MSHFlexGrid1_DblClick();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Text1->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
