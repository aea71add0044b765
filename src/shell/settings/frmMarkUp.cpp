#include "shell/settings/frmMarkUp.h"

#include "platform/db/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shell/settings/MarkupData.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmMarkUp::frmMarkUp(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMarkUp"));
    setWindowTitle(QString());
    lblHeading = new QLabel(QStringLiteral("Mark-Up Entry"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setStyleSheet(QStringLiteral("font-size:15px; font-weight:bold; color:#1b3a5b;"));
    chkHoliday = new QCheckBox(QStringLiteral("Is this Day a Holiday ?"), this);
    chkHoliday->setObjectName(QStringLiteral("chkHoliday"));
    connect(chkHoliday, &QCheckBox::clicked, this, &frmMarkUp::chkHoliday_Click);
    const char* captions[] = {"30% for Scheduled", "60% for STAT"};
    for (int i = 0; i < 2; ++i) {
        opt30[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        opt30[i]->setAutoExclusive(false); // both may be cleared
        opt30[i]->setObjectName(QStringLiteral("opt30_%1").arg(i));
        connect(opt30[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) opt30[1 - i]->setChecked(false);
        });
    }
    chkMarkup = new QCheckBox(QStringLiteral("With Additional Mark-Up?"), this);
    chkMarkup->setObjectName(QStringLiteral("chkMarkup"));
    connect(chkMarkup, &QCheckBox::clicked, this, &frmMarkUp::chkMarkup_Click);
    Label1 = new QLabel(QStringLiteral(" Mark-up Type"), this);
    mshFlexMarkUp = new FlexGrid(this);
    mshFlexMarkUp->setObjectName(QStringLiteral("mshFlexMarkUp"));
    mshFlexMarkUp->setSelectionBehavior(QAbstractItemView::SelectRows);
    mshFlexMarkUp->setMinimumHeight(140);
    cmdOption = new QPushButton(QStringLiteral("OK"), this);
    cmdOption->setObjectName(QStringLiteral("cmdOption"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOption, &QPushButton::clicked, this, &frmMarkUp::cmdOption_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMarkUp::cmdCancel_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(chkHoliday);
    auto* rateRow = new QHBoxLayout;
    rateRow->addSpacing(20);
    rateRow->addWidget(opt30[0]);
    rateRow->addWidget(opt30[1]);
    layout->addLayout(rateRow);
    layout->addWidget(chkMarkup);
    layout->addWidget(Label1);
    layout->addWidget(mshFlexMarkUp, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOption);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    resize(330, 330);

    cmdOption->setEnabled(false);
    mshFlexMarkUp->setEnabled(false);
}

void frmMarkUp::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) Form_Load();
}

void frmMarkUp::clearRateOptions()
{
    opt30[0]->setChecked(false);
    opt30[1]->setChecked(false);
}

void frmMarkUp::Form_Load()
{
    m_loaded = true;
    DialogAnswers.MarkupOperation = 0;
    DialogAnswers.MarkupValue = 0;
    clearRateOptions();
    try {
        GetServerDate();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    chkHoliday->setChecked(false);
    opt30[0]->setEnabled(false);
    opt30[1]->setEnabled(false);
    // Sunday by the server's clock counts as a holiday without asking
    const bool sunday = Session.ServerDate.isValid() && Session.ServerDate.date().dayOfWeek() == Qt::Sunday;
    chkHoliday->setEnabled(!sunday);
    opt30[0]->setEnabled(sunday);
    opt30[1]->setEnabled(sunday);

    mshFlexMarkUp->clearContents();
    mshFlexMarkUp->setRows(2);
    mshFlexMarkUp->setCols(4);
    mshFlexMarkUp->setTextMatrix(0, 1, QStringLiteral("Mark-Up Type"));
    const int widths[] = {0, 3800, 0, 0};
    for (int c = 0; c < 4; ++c) mshFlexMarkUp->setColWidth(c, widths[c]);
    try {
        Recordset rows = LoadActiveMarkups(SharedConnection());
        if (!rows.isEmpty()) {
            mshFlexMarkUp->setRows(1 + rows.recordCount());
            for (int r = 1; !rows.eof(); rows.moveNext(), ++r) {
                mshFlexMarkUp->setTextMatrix(r, 1, rows.text(QStringLiteral("MarkUpType")));
                mshFlexMarkUp->setTextMatrix(r, 2, MarkupValueText(rows.value(QStringLiteral("MarkUp"))));
                mshFlexMarkUp->setTextMatrix(r, 3, rows.text(QStringLiteral("Operation")));
            }
        }
        mshFlexMarkUp->setCurrentCell(1, 1);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    DialogAnswers.MarkupValue = 0;
}

void frmMarkUp::chkHoliday_Click()
{
    const bool on = chkHoliday->isChecked();
    if (!on) clearRateOptions();
    opt30[0]->setEnabled(on);
    opt30[1]->setEnabled(on);
}

void frmMarkUp::chkMarkup_Click()
{
    const bool on = chkMarkup->isChecked();
    mshFlexMarkUp->setEnabled(on);
    cmdOption->setEnabled(on);
}

void frmMarkUp::cmdOption_Click()
{
    const int row = mshFlexMarkUp->currentRow() < 1 ? 1 : mshFlexMarkUp->currentRow();
    if (row < mshFlexMarkUp->Rows() && !mshFlexMarkUp->TextMatrix(row, 1).isEmpty()) {
        bool numeric = false;
        const double value = mshFlexMarkUp->TextMatrix(row, 2).trimmed().toDouble(&numeric);
        const QString op = mshFlexMarkUp->TextMatrix(row, 3).trimmed();
        // a value that is not a number gives no mark-up
        if (numeric && op == QLatin1String("*")) {
            DialogAnswers.MarkupValue = value;
            DialogAnswers.MarkupOperation = 1;
        } else if (numeric && op == QLatin1String("+")) {
            DialogAnswers.MarkupValue = value;
            DialogAnswers.MarkupOperation = 2;
        } else {
            DialogAnswers.MarkupValue = 0;
            DialogAnswers.MarkupOperation = 0;
        }
    }
    accept();
}

void frmMarkUp::cmdCancel_Click()
{
    clearRateOptions();
    chkHoliday->setChecked(false);
    opt30[0]->setEnabled(false);
    opt30[1]->setEnabled(false);
    DialogAnswers.MarkupOperation = 0;
    reject();
}
