#include "results/frmXray.h"

#include "platform/db/Connection.h"
#include "platform/text/Rtf.h"
#include "platform/ui/FlexGrid.h"
#include "results/ResultGrids.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

frmXray::frmXray(const QString& hospNum, const QString& sectionCode, QWidget* parent)
    : QDialog(parent), m_hospNum(hospNum), m_sectionCode(sectionCode)
{
    setObjectName(QStringLiteral("frmXray"));
    setWindowTitle(QStringLiteral("Form1"));
    auto* v = new QVBoxLayout(this);
    fraXrayList = new QGroupBox(QStringLiteral("List of Examinations with Results"), this);
    auto* l1 = new QVBoxLayout(fraXrayList);
    mshflexXray = new FlexGrid(fraXrayList);
    mshflexXray->setObjectName(QStringLiteral("mshflexXray"));
    l1->addWidget(mshflexXray);
    fraXray = new QGroupBox(QStringLiteral("INTERPRETATIONS"), this);
    auto* l2 = new QVBoxLayout(fraXray);
    txtXrayInterp = new QTextEdit(fraXray);
    txtXrayInterp->setObjectName(QStringLiteral("txtXrayInterp"));
    txtXrayInterp->setReadOnly(true);
    l2->addWidget(txtXrayInterp);
    v->addWidget(fraXrayList, 2);
    v->addWidget(fraXray, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const char* captions[] = {"&Print", "&Exit"};
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption%1").arg(i));
        buttons->addWidget(cmdOption[i]);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
    }
    cmdOption[0]->hide();
    v->addLayout(buttons);
    connect(mshflexXray, &QTableWidget::cellClicked, this, [this] { mshflexXray_Click(); });
    Form_Load();
}

void frmXray::Form_Load()
{
    cmdOption[0]->setEnabled(false);
    mshflexXray->clearContents();
    mshflexXray->setRows(2);
    mshflexXray->setCols(9);
    mshflexXray->setColWidth(0, 1);
    const int steps[] = {1000, 3000, 2000, 2000, 1500, 1500, 1500, 1500};
    for (int c = 1; c < 9; ++c) mshflexXray->setColWidth(c, mshflexXray->ColWidth(0) + steps[c - 1]);
    const QString& code = m_sectionCode;
    const QString procedure = code == QLatin1String("XR")   ? QStringLiteral("Nurse_GetXray")
                              : code == QLatin1String("US") ? QStringLiteral("Nurse_GetUltra")
                              : code == QLatin1String("CT") ? QStringLiteral("Nurse_GetCT")
                                                            : QString();
    if (procedure.isEmpty()) return;
    try {
        const Recordset rs = SharedConnection().call(procedure, {m_hospNum});
        // The grid shows the procedure's columns as they come, from column 1.
        mshflexXray->setRows(rs.recordCount() + 1);
        for (int f = 0; f < rs.fieldCount() && f + 1 < mshflexXray->Cols(); ++f) {
            mshflexXray->setTextMatrix(0, f + 1, rs.fieldName(f));
            for (int r = 0; r < rs.recordCount(); ++r) mshflexXray->setTextMatrix(r + 1, f + 1, ResultGrids::CellText(rs.valueAt(r, f)));
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmXray::mshflexXray_Click()
{
    const int row = mshflexXray->currentRow();
    if (mshflexXray->Rows() <= 1 || row < 1) return;
    txtXrayInterp->setPlainText(StoredTextToPlain(mshflexXray->TextMatrix(row, 8)));
    cmdOption[0]->setEnabled(true);
}

void frmXray::cmdOption_Click(int index)
{
    if (index != 0) close();
}
