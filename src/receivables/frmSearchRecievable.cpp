#include "receivables/frmSearchRecievable.h"

#include "components/patient_search/clsPatientSearch.h"
#include "shared/MainWindowLinks.h"
#include "patients/PatientSelection.h"
#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/text/UpperCaseKey.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "receivables/ReceivableSearchData.h"
#include "receivables/ReceivableValues.h"
#include "shared/lookups/AccountChecks.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/text/TextUtilities.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString kListFormat = QStringLiteral("  |<Hospital #|<ADM. Num.|< Patient Name                    |<Admission Date     "
                                           "|<Discharged Date    |<Billing Date       ");
const char* const kResultColumns[] = {"Hospital #", "Admission #", "Patient Name", "Admission Date", "Discharged Date",
                                      "Billing Date"};

QLabel* legend(const QString& text, const QColor& colour, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

void setAccount(const clsAccount& account)
{
    QString accountNum = account.AccountNumber.trimmed();
    if (accountNum.isEmpty()) accountNum = Receivable.ReceivableHospNum.trimmed();
    Selection.SelectedAccountNum = accountNum;
    Receivable.ReceivableCompany = accountNum != Receivable.ReceivableHospNum.trimmed()
                                       ? account.Company
                                       : QStringLiteral("PERSONAL");
}

QString zeroDateText(const QVariant& date) { return date.isNull() ? QString() : PatientSelection::GeneralDateText(date); }
} // namespace

frmSearchRecievable* frmSearchRecievable::instance()
{
    if (!s_instance) s_instance = new frmSearchRecievable();
    return s_instance;
}

bool frmSearchRecievable::PickPatient()
{
    frmSearchRecievable* d = instance();
    d->m_picked = false;
    runModal(d);
    return isLoaded() && d->m_picked;
}

void frmSearchRecievable::Unload()
{
    if (!s_instance) return;
    MainWindowLinks::EnablePatientMenus(false);
    delete s_instance.data();
}

frmSearchRecievable::frmSearchRecievable()
{
    setObjectName(QStringLiteral("frmSearchRecievable"));
    setWindowTitle(QStringLiteral("Search Patient"));
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Patient Searching"), this);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    title->setFont(f);
    outer->addWidget(title);

    auto* top = new QHBoxLayout;
    auto* category = new QGroupBox(QStringLiteral("Search Category"), this);
    auto* keys = new QGridLayout(category);
    const char* captions[] = {"Enter Lastname :", "Enter Hospital Number :", "Enter Admission Number :"};
    for (int i = 0; i < 3; ++i) {
        txtSearch[i] = new QLineEdit(category);
        txtSearch[i]->setObjectName(QStringLiteral("txtSearch%1").arg(i));
        keys->addWidget(new QLabel(QString::fromLatin1(captions[i]), category), 0, i);
        keys->addWidget(txtSearch[i], 1, i);
        txtSearch[i]->installEventFilter(this);
        connect(txtSearch[i], &QLineEdit::textChanged, this, [this](const QString& text) { Command1->setEnabled(!text.isEmpty()); });
        connect(txtSearch[i], &QLineEdit::returnPressed, this, [this] { LoadReceivablePatients(); });
    }
    top->addWidget(category, 1);
    auto* type = new QGroupBox(QStringLiteral("Patient Type"), this);
    auto* types = new QVBoxLayout(type);
    optPatientType[0] = new QRadioButton(QStringLiteral("In Patient"), type);
    optPatientType[1] = new QRadioButton(QStringLiteral("Out Patient"), type);
    optPatientType[0]->setChecked(true);
    for (QRadioButton* o : optPatientType) {
        types->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this] { ResetReceivableList(); });
    }
    top->addWidget(type);
    auto* buttons = new QVBoxLayout;
    Command1 = new QPushButton(QStringLiteral("&Search"), this);
    Command1->setEnabled(false);
    Command2 = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {Command1, Command2}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    top->addLayout(buttons);
    outer->addLayout(top);
    connect(Command1, &QPushButton::clicked, this, [this] { LoadReceivablePatients(); });
    connect(Command2, &QPushButton::clicked, this, [this] { hide(); });

    MSHFlexList = new FlexGrid(this);
    MSHFlexList->setObjectName(QStringLiteral("MSHFlexList"));
    MSHFlexList->setMinimumSize(TwipsToPixels(11000), TwipsToPixels(4000));
    MSHFlexList->installEventFilter(this);
    connect(MSHFlexList, &QTableWidget::cellDoubleClicked, this, [this] { PickReceivablePatient(); });
    outer->addWidget(MSHFlexList, 1);

    auto* bottom = new QHBoxLayout;
    auto* blue = new QLabel(this);
    blue->setFixedSize(12, 12);
    blue->setStyleSheet(QStringLiteral("background: rgb(0,0,255)"));
    auto* red = new QLabel(this);
    red->setFixedSize(12, 12);
    red->setStyleSheet(QStringLiteral("background: rgb(255,0,0)"));
    bottom->addWidget(blue);
    bottom->addWidget(legend(QStringLiteral("Billed Patient"), BilledColour(), this));
    bottom->addWidget(red);
    bottom->addWidget(legend(QStringLiteral("Cash Basis Patient"), CashBasisColour(), this));
    bottom->addStretch(1);
    lblMessage = new QLabel(QStringLiteral("Loading..."), this);
    ProgressBar1 = new QProgressBar(this);
    lblMessage->hide();
    ProgressBar1->hide();
    bottom->addWidget(lblMessage);
    bottom->addWidget(ProgressBar1);
    outer->addLayout(bottom);
    ResetReceivableList();
}

void frmSearchRecievable::layoutList()
{
    FlexGrid& g = *MSHFlexList;
    g.clear();
    g.setRows(2);
    g.setFormatString(kListFormat);
    g.setCols(7);
    const int w = PixelsToTwips(std::max(g.width(), g.minimumWidth()));
    const int number = int(std::lround(w / 13.0 + 350));
    g.setColWidth(0, 300);
    g.setColWidth(1, number);
    g.setColWidth(2, number);
    g.setColWidth(3, number * 4);
    for (int c = 4; c <= 6; ++c) g.setColWidth(c, number + 1050);
}

void frmSearchRecievable::ResetReceivableList()
{
    layoutList();
    MSHFlexList->setEnabled(false);
}

bool frmSearchRecievable::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // One key at a time: the box taking the focus empties the other two.
        for (QLineEdit* box : txtSearch)
            if (box != watched) box->clear();
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QLatin1String("'")) return true;
        if (watched == txtSearch[0] && !key->text().isEmpty()) {
            const QChar ch = key->text().at(0);
            if (ch.isDigit()) return true;
            if (ch.isLower()) {
                // the name box takes letters in upper case
                txtSearch[0]->insert(key->text().toUpper());
                return true;
            }
        }
        if (watched == MSHFlexList && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            PickReceivablePatient();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSearchRecievable::LoadReceivablePatients()
{
    FlexGrid& g = *MSHFlexList;
    g.setEnabled(true);
    g.setUpdatesEnabled(false);
    layoutList();
    const bool inPatients = optPatientType[0]->isChecked();
    m_listedType = inPatients ? QStringLiteral("I") : QStringLiteral("O");
    Selection.SelectedPatientType = m_listedType;
    try {
        const Recordset rs = ReceivableSearchData::ReceivablePatients(SharedConnection(), inPatients ? QStringLiteral("A")
                                                                                                      : QStringLiteral("O"),
                                                                      txtSearch[0]->text(), txtSearch[1]->text(), txtSearch[2]->text());
        const int count = rs.recordCount();
        if (count > 0) {
            ProgressBar1->show();
            lblMessage->setText(QStringLiteral("Loading..."));
            lblMessage->show();
            SetRangeMax(ProgressBar1, 1, count);
            g.setRows(count + 1);
            for (int r = 0; r < count; ++r) {
                for (int c = 0; c < 6; ++c)
                    g.setTextMatrix(r + 1, c + 1, DbValue::text(rs.valueAt(r, QString::fromLatin1(kResultColumns[c]))));
                ProgressBar1->setValue(r + 1);
            }
            g.setCurrentCell(1, 1);
            g.setFocus();
        } else {
            g.setEnabled(false);
        }
        MarkCashBasisRows();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
    g.setUpdatesEnabled(true);
    ProgressBar1->hide();
    lblMessage->hide();
}

void frmSearchRecievable::MarkCashBasisRows()
{
    FlexGrid& g = *MSHFlexList;
    g.setUpdatesEnabled(false);
    for (int r = 1; r < g.Rows(); ++r) {
        QColor colour = QApplication::palette().color(QPalette::WindowText);
        if (!g.TextMatrix(r, 6).trimmed().isEmpty())
            colour = BilledColour();
        else if (!g.TextMatrix(r, 2).trimmed().isEmpty()
                 && ReceivableSearchData::IsCashBasis(SharedConnection(), g.TextMatrix(r, 2), m_listedType))
            colour = CashBasisColour();
        for (int c = 1; c <= 6; ++c) {
            if (!g.item(r, c)) g.setTextMatrix(r, c, QString());
            g.item(r, c)->setForeground(colour);
        }
    }
    g.setUpdatesEnabled(true);
}

void frmSearchRecievable::PickReceivablePatient()
{
    try {
        pick();
    } catch (const std::exception& e) {
        // a failed look-up picks nothing
        Receivable.ReceivableHospNum.clear();
        Receivable.ReceivableIDNum.clear();
        ShowErrorNotice(e);
    }
}

void frmSearchRecievable::pick()
{
    const int r = MSHFlexList->currentRow();
    if (!MSHFlexList->isEnabled() || r < 1 || MSHFlexList->TextMatrix(r, 2).trimmed().isEmpty()) return;
    Receivable.reset();
    Receivable.ReceivableHospNum = MSHFlexList->TextMatrix(r, 1);
    Receivable.ReceivableIDNum = MSHFlexList->TextMatrix(r, 2);
    Selection.SelectedGridRow = r;
    Selection.SelectedListRow = r;
    const auto refuse = [](const QString& text, const QString& title) {
        MsgBox(text, vbOKOnly | vbInformation, title);
        // nothing stays picked after a refusal
        Receivable.ReceivableHospNum.clear();
        Receivable.ReceivableIDNum.clear();
    };
    if (!NeedsReceivableUpdate(SharedConnection(), Receivable.ReceivableIDNum)) {
        refuse(QStringLiteral("Record indicates that the Patient's Account was already been invoiced ! \r\n Please contact "
                              "Accounts Receivable Section......"),
               QStringLiteral("Message"));
        return;
    }
    clsPatientSearch* search = Session.PatientSearch;
    if (!search) return;
    if (search->ValidatePatient(Receivable.ReceivableHospNum.trimmed())) {
        clsPatientMaster* m = search->PatientMaster();
        Selection.SelectedPatientName = PatientSelection::SelectionName(m->LastName, m->FirstName, m->MiddleName);
        Selection.SelectedPatientAddress = m->Address.CompleteAddress;
    }
    if (optPatientType[0]->isChecked()) {
        if (!search->ValidateAdmission(Receivable.ReceivableIDNum)) {
            refuse(QStringLiteral("No Records Found!"), QString());
            return;
        }
        clsAdmission* a = search->Admission();
        Selection.SelectedRoomClass = a->Room.RoomClassID;
        Selection.SelectedRoom = a->Room.RoomID;
        Selection.SelectedAdmissionDate = PatientSelection::GeneralDateText(a->AdmissionDate);
        Selection.SelectedDischargeDate = zeroDateText(a->DischargeDate);
        setAccount(a->Account);
    } else {
        clsOutPatient* v = search->PatientClass()->clsOutPatient();
        if (!v->OpenOutPatient(Receivable.ReceivableIDNum, Receivable.ReceivableHospNum)) {
            refuse(QStringLiteral("No Records Found!"), QString());
            return;
        }
        Selection.SelectedRoomClass = QStringLiteral("A");
        Selection.SelectedAdmissionDate = PatientSelection::GeneralDateText(v->AdmissionDate);
        Selection.SelectedDischargeDate = zeroDateText(v->DischargeDate);
        Selection.SelectedRoom = QStringLiteral("OPD");
        setAccount(v->Account);
    }
    MainWindowLinks::EnablePatientMenu(MainWindowLinks::PatientMenu::Info, false);
    MainWindowLinks::EnablePatientMenu(MainWindowLinks::PatientMenu::Ledger, true);
    MainWindowLinks::EnablePatientMenu(MainWindowLinks::PatientMenu::RequestStatus, true);
    m_picked = true;
    hide();
}

void frmSearchRecievable::closeEvent(QCloseEvent* event)
{
    // Closed by its frame: unloaded, as at shutdown.
    QDialog::closeEvent(event);
    MainWindowLinks::EnablePatientMenus(false);
    deleteLater();
}
