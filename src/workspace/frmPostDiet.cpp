#include "workspace/frmPostDiet.h"

#include "access/UserValidation.h"
#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/ColumnFit.h"
#include "workspace/ChartRequestData.h"
#include "workspace/frmFinal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmPostDiet::frmPostDiet(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPostDiet"));
    setWindowTitle(QStringLiteral("Post New Diet"));
    auto* g = new QGridLayout(this);
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->installEventFilter(this);
        return e;
    };
    txtOldDiet = edit("txtOldDiet");
    txtOldDiet->setReadOnly(true);
    txtNewDiet = edit("txtNewDiet");
    txtDietCode = edit("txtDietCode");
    txtDietCode->setReadOnly(true);
    txtRemarks = edit("txtRemarks");
    FitToColumn(txtRemarks, QStringLiteral("PATIENT_DATA..tbPatient2"), QStringLiteral("DietRemarks"));
    cmdSearchDiet = new QPushButton(QStringLiteral("..."), this);
    chkExtraMeal = new QCheckBox(QStringLiteral("Extra Meal"), this);
    Command1[0] = new QPushButton(QStringLiteral("Save New diet"), this);
    Command1[1] = new QPushButton(QStringLiteral("Cancel"), this);
    g->addWidget(new QLabel(QStringLiteral("Old Diet"), this), 0, 0);
    g->addWidget(txtOldDiet, 0, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("New Diet"), this), 1, 0);
    g->addWidget(txtNewDiet, 1, 1);
    g->addWidget(cmdSearchDiet, 1, 2);
    g->addWidget(txtDietCode, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("Remarks"), this), 3, 0);
    g->addWidget(txtRemarks, 3, 1, 1, 2);
    g->addWidget(chkExtraMeal, 4, 1);
    g->addWidget(Command1[0], 5, 1);
    g->addWidget(Command1[1], 5, 2);
    for (int i = 0; i < 2; ++i) {
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    cmdSearchDiet->setAutoDefault(false);
    connect(cmdSearchDiet, &QPushButton::clicked, this, &frmPostDiet::cmdSearchDiet_Click);
    Form_Load();
}

void frmPostDiet::Form_Load()
{
    txtOldDiet->setText(frmFinal::instance()->txtAdiet->text());
    if (!LoadCurrentDiet()) {
        txtDietCode->clear();
        txtRemarks->clear();
    }
    m_loadedRemarks = txtRemarks->text();
}

bool frmPostDiet::LoadCurrentDiet()
{
    try {
        const ChartRequestData::CurrentDiet d = ChartRequestData::ReadCurrentDiet(SharedConnection(), frmFinal::instance()->txtID->text());
        if (!d.found) return false;
        txtDietCode->setText(d.dietID);
        txtRemarks->setText(d.remarks);
        return true;
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return false;
    }
}

void frmPostDiet::searchDiet(const QString& text)
{
    if (!Session.CodeSearch) return;
    if (OrSearchWarning([&] { return Session.CodeSearch->SearchListing(text, 6); })) {
        txtNewDiet->setText(Session.CodeSearch->DietRecord.Diet);
        txtDietCode->setText(Session.CodeSearch->DietRecord.ResultCode);
        txtRemarks->setText(Session.CodeSearch->DietRecord.Remarks);
    }
}

void frmPostDiet::cmdSearchDiet_Click() { searchDiet(QString()); }

bool frmPostDiet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->text() == QLatin1String("'")) return true;
        if (watched == txtNewDiet) {
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                searchDiet(txtNewDiet->text());
                return false;
            }
            if (SendKeyInUpperCase(txtNewDiet, k)) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPostDiet::Command1_Click(int index)
{
    if (index == 1) {
        reject();
        return;
    }
    if (txtDietCode->text().isEmpty()) {
        cmdSearchDiet_Click();
        return;
    }
    frmFinal* w = frmFinal::instance();
    Connection& c = SharedConnection();
    try {
        // A diet name the catalogue does not know under the chosen code (typed over after the choice) is refused.
        if (!txtNewDiet->text().trimmed().isEmpty() && !ChartRequestData::DietNameMatches(c, txtDietCode->text(), txtNewDiet->text())) {
            MsgBox(QStringLiteral("Invalid Diet Name!"), vbInformation, QStringLiteral("Notification"));
            return;
        }
        const QString extra = chkExtraMeal->isChecked() ? QStringLiteral("Y") : QString();
        GetServerDate();
        const std::optional<ValidatedUser> validated = ValidateUser();
        if (!validated) return;
        ChartRequestData::DietChange d;
        d.idNum = w->txtID->text();
        d.hospNum = w->txtPno->text();
        d.dietID = txtDietCode->text();
        d.when = Session.ServerDate;
        d.remarks = txtRemarks->text();
        d.validatedUserName = validated->userName;
        d.extraMeal = extra;
        d.logRemarks = QStringLiteral("OLDDIET:") + txtOldDiet->text() + QStringLiteral(" ") + QStringLiteral("OLDREMARKS:") +
                       m_loadedRemarks + QStringLiteral(" ") + QStringLiteral("NEWDIET:") + txtNewDiet->text() + QStringLiteral(" ") +
                       QStringLiteral("NEWREMARKS:") + txtRemarks->text();
        d.validatedUserID = DialogAnswers.ValidatedUserID;
        d.stationID = Session.CurrentStationID.toString();
        ChartRequestData::SaveDiet(c, d);
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("Error While Saving New Diet  ") + QString::fromUtf8(e.what()), vbOKOnly);
        return;
    }
    w->txtAdiet->setText(txtNewDiet->text());
    MsgBox(QStringLiteral("Successfully updated patient's diet."), vbInformation, QStringLiteral("Notification"));
    accept();
}
