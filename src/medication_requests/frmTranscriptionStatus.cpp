#include "medication_requests/frmTranscriptionStatus.h"

#include "medication_requests/MedicationRequestData.h"
#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmTranscriptionStatus::frmTranscriptionStatus(const QString& idNum, QWidget* parent) : QDialog(parent), m_idNum(idNum)
{
    setObjectName(QStringLiteral("frmTranscriptionStatus"));
    setWindowTitle(QStringLiteral("Transcription Status"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    MSHFlexAssess = new FlexGrid(this);
    MSHFlexAssess->setObjectName(QStringLiteral("MSHFlexAssess"));
    MSHFlexAssess->setSelectionBehavior(QAbstractItemView::SelectRows);
    root->addWidget(MSHFlexAssess, 1);
    lblMessage = new QLabel(QStringLiteral("Double Click the Request to Cancel / Revoke the request."), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblMessage, 1);
    const char* captions[] = {"&Revoke", "&Exit"};
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption%1").arg(i));
        cmdOption[i]->setAutoDefault(false);
        buttons->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    root->addLayout(buttons);
    connect(MSHFlexAssess, &QTableWidget::cellDoubleClicked, this, [this] { RevokeTranscriptionNote(); });
    resize(TwipsToPixels(11200), 400);
    Form_Load();
}

void frmTranscriptionStatus::Form_Load()
{
    FlexGrid* g = MSHFlexAssess;
    g->setRows(2);
    g->setCols(8);
    for (int c = 0; c < 8; ++c) g->setTextMatrix(1, c, QString());
    g->setFormatString(QStringLiteral(" |<TRANSNUM|^PATIENT NAME |<CODE|<DESCRIPTION|<ASSESS #|<AMOUNT|<STATUS"));
    const int widths[] = {1, 1000, 3500, 600, 2650, 1000, 1, 2000};
    for (int c = 0; c < 8; ++c) g->setColWidth(c, widths[c]);
    Recordset rs;
    try {
        rs = MedicationRequestData::TranscriptionStatus(SharedConnection(), m_idNum);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    const bool any = !rs.isEmpty();
    if (any) {
        g->setRows(1 + rs.recordCount());
        for (int r = 0; r < rs.recordCount(); ++r)
            for (int c = 0; c < 7 && c < rs.fieldCount(); ++c) g->setTextMatrix(r + 1, c + 1, DbValue::text(rs.valueAt(r, c)).trimmed());
        g->setCurrentCell(1, 1);
    }
    g->setEnabled(any);
    cmdOption[0]->setEnabled(any);
}

void frmTranscriptionStatus::cmdOption_Click(int index)
{
    if (index == 0) return RevokeTranscriptionNote();
    reject();
}

void frmTranscriptionStatus::RevokeTranscriptionNote()
{
    FlexGrid* g = MSHFlexAssess;
    const int row = g->currentRow();
    if (!cmdOption[0]->isEnabled() || row < 1) return;
    const QString refusal = MedicationRequestData::TranscriptionRevokeRefusal(g->TextMatrix(row, 7));
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation, QStringLiteral("Message"));
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure to revoke?"), vbQuestion | vbYesNo) != vbYes) return;
    try {
        MedicationRequestData::RevokeTranscriptionNote(SharedConnection(), m_idNum, g->TextMatrix(row, 3), g->TextMatrix(row, 5));
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    Form_Load();
}
