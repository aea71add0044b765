#include "workspace/frmPrecautions.h"

#include "access/UserValidation.h"
#include "platform/ui/MessageBox.h"
#include "shared/lookups/PatientLookups.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/ColumnFit.h"
#include "workspace/ChartRequestData.h"
#include "workspace/frmFinal.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

frmPrecautions::frmPrecautions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrecautions"));
    setWindowTitle(QStringLiteral("Precautions Entry"));
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("Please review the precautions that should be taken for the patient."), this), 0, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Precaution details:"), this), 1, 0, 1, 2);
    txtPrecautions = new QPlainTextEdit(this);
    txtPrecautions->setObjectName(QStringLiteral("txtPrecautions"));
    txtPrecautions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FitToColumn(txtPrecautions, QStringLiteral("PATIENT_DATA..tbPatientHistory"), QStringLiteral("Precautions"));
    g->addWidget(txtPrecautions, 2, 0, 1, 2);
    cmdBtn[1] = new QPushButton(QStringLiteral("Edit"), this);
    cmdBtn[0] = new QPushButton(QStringLiteral("Close"), this);
    for (int i = 0; i < 2; ++i) {
        cmdBtn[i]->setObjectName(QStringLiteral("cmdBtn%1").arg(i));
        cmdBtn[i]->setAutoDefault(false);
        g->addWidget(cmdBtn[i], 3, 1 - i);
        connect(cmdBtn[i], &QPushButton::clicked, this, [this, i] { cmdBtn_Click(i); });
    }
    Form_Load();
}

void frmPrecautions::Form_Load()
{
    txtPrecautions->setPlainText(
        OrErrorNotice(QString(), [] { return GetPrecautions(SharedConnection(), frmFinal::instance()->txtID->text()); }));
    txtPrecautions->setReadOnly(true);
    cmdBtn[1]->setText(QStringLiteral("Edit"));
}

void frmPrecautions::cmdBtn_Click(int index)
{
    if (index == 0) {
        reject();
        return;
    }
    if (cmdBtn[1]->text() == QLatin1String("Edit")) {
        txtPrecautions->setReadOnly(false);
        txtPrecautions->setFocus();
        cmdBtn[1]->setText(QStringLiteral("Save"));
        return;
    }
    if (MsgBox(QStringLiteral("You are about to save the changes made. Do you want to continue?"), vbYesNo | vbInformation,
               QStringLiteral("Confirmation")) != vbYes)
        return;
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString id = frmFinal::instance()->txtID->text();
    const QString text = txtPrecautions->toPlainText();
    try {
        if (!ChartRequestData::SavePrecautions(SharedConnection(), id, text, validated->userID, Session.CurrentStationID.toString())) {
            // Nothing was stored: the window stays in editing with the text as typed.
            MsgBox(QStringLiteral("The patient's history record was not found. The precautions were not saved."),
                   vbOKOnly | vbExclamation, QStringLiteral("Notification"));
            return;
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // rolled back; the window stays in editing
        return;
    }
    MsgBox(QStringLiteral("Successfully updated precautions for the patient."), vbInformation, QStringLiteral("Notification"));
    accept();
}
