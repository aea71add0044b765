// The patient profile page: allergies, histories, brief history and physical examination.
#include "workspace/frmFinal.h"

#include "access/UserValidation.h"
#include "components/login/clsCurrentuser.h"
#include "platform/db/Connection.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "workspace/ProfileData.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const char* const kAllergies[] = {"Fish (tuna)", "Eggs", "Shrimps", "Crabs", "Chicken", "Salted Fish", "Anchovy Sauce",
                                  "Penicillin", "Aspirin", "Urobison (IVP)", "Pollens", "House Dust"};
const char* const kAllergyCodes[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "M1", "M2", "M3", "O1", "O2"};
const char* const kPast[] = {"Measles", "Whooping Cough", "Mumps", "Chicken Pox", "Tonsilitis", "Scarlet Fever",
                             "Diptheria", "Rhuematic Fever", "Typhoid Fever", "Malaria", "Pleurisy", "Asthma",
                             "Influenza", "Arthritis", "Amoebiasis", "HIV", "Gonorrhea", "Syphilis"};
const char* const kFamily[] = {"Cancer", "Tuberculosis", "Kidney Disease", "Heart Disease", "Diabetes", "Henophilia",
                               "Arthritis", "Nervous"};
const char* const kPersonal[] = {"Smoking", "Alcohol Intake", "Use/Abuse of Prohibited Drugs"};

QStringList numberCodes(int n)
{
    QStringList c;
    for (int i = 1; i <= n; ++i) c << QString::number(i);
    return c;
}

template <int N>
QList<bool> states(QCheckBox* const (&boxes)[N])
{
    QList<bool> s;
    for (QCheckBox* b : boxes) s << b->isChecked();
    return s;
}

// Checks box n-1 for each slot holding "n".
template <int N>
void checkNumbered(QCheckBox* const (&boxes)[N], const QStringList& codes)
{
    for (const QString& c : codes) {
        bool ok = false;
        const int n = c.trimmed().toInt(&ok);
        if (ok && n >= 1 && n <= N) boxes[n - 1]->setChecked(true);
    }
}

// Enter in the lymph-node box moves on to the next box instead of starting a new line.
class EnterMovesOn : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(static_cast<QWidget*>(watched)->window(), &tab);
        return true;
    }
};

} // namespace

void frmFinal::buildProfilePage(QWidget* page, QGridLayout* admitting)
{
    QWidget* adm = admitting->parentWidget();
    auto text = [](QWidget* parent, const char* name) {
        auto* e = new QPlainTextEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return e;
    };
    auto group = [&](const char* title, QCheckBox** boxes, const char* const* captions, int n, const char* name, int row) {
        auto* g = new QGroupBox(QString::fromLatin1(title), adm);
        auto* l = new QGridLayout(g);
        for (int i = 0; i < n; ++i) {
            boxes[i] = new QCheckBox(QString::fromLatin1(captions[i]), g);
            boxes[i]->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
            l->addWidget(boxes[i], i / 3, i % 3);
        }
        admitting->addWidget(g, row, 0, 1, 2);
        return l;
    };
    QGridLayout* al = group("Allergies:", chkAllergy, kAllergies, 12, "chkAllergy", 4);
    txtAllergyOthers = text(adm, "txtAllergyOthers");
    al->addWidget(txtAllergyOthers, 4, 0, 1, 3);
    QGridLayout* fl = group("Family History:", chkFH, kFamily, 8, "chkFH", 5);
    txtFMOthers = text(adm, "txtFMOthers");
    fl->addWidget(txtFMOthers, 3, 0, 1, 3);
    group("Personal && Social History", chkPSH, kPersonal, 3, "chkPSH", 6);
    group("Past History:", chkPH, kPast, 18, "chkPH", 7);
    for (int i = 0; i < 18; ++i)
        connect(chkPH[i], &QCheckBox::clicked, this, [this, i] { chkHistory_Click(chkPH, i); });
    for (int i = 0; i < 8; ++i)
        connect(chkFH[i], &QCheckBox::clicked, this, [this, i] { chkHistory_Click(chkFH, i); });
    admitting->addWidget(new QLabel(QStringLiteral("Brief History:"), adm), 8, 0);
    txtBriefHistory = text(adm, "txtBriefHistory");
    txtBriefHistory->setReadOnly(true);
    admitting->addWidget(txtBriefHistory, 8, 1);

    QWidget* pe = new QWidget(tabPatientProfile);
    tabPatientProfile->addTab(pe, QStringLiteral("Physical Examination"));
    auto* pl = new QGridLayout(pe);
    const struct { QPlainTextEdit** box; const char* name; const char* label; } exams[] = {
        {&txtSkin, "txtSkin", "Skin"}, {&txtHeadNeck, "txtHeadNeck", "Head/ Neck"}, {&txtThorax, "txtThorax", "Thorax"},
        {&txtAbdomen, "txtAbdomen", "Abdo- men"}, {&txtExtremeties, "txtExtremeties", "Extre- meties"},
        {&txtLympNodes, "txtLympNodes", "Lymp Nodes"}, {&txtGenitalia, "txtGenitalia", "Genitalia"},
        {&txtRectal, "txtRectal", "Rectal"}, {&txtNeurological, "txtNeurological", "Neuro Exam"},
        {&txtOtherPE, "txtOtherPE", "Other Physical Examination Data"}};
    int r = 0;
    for (const auto& e : exams) {
        *e.box = text(pe, e.name);
        pl->addWidget(new QLabel(QString::fromLatin1(e.label), pe), r / 2, (r % 2) * 2);
        pl->addWidget(*e.box, r / 2, (r % 2) * 2 + 1);
        ++r;
    }
    txtLympNodes->installEventFilter(new EnterMovesOn(txtLympNodes));
    auto* buttons = new QHBoxLayout;
    cmdUpdate = new QPushButton(QStringLiteral("&Edit"), page);
    cmdSaveprofile = new QPushButton(QStringLiteral("&Save"), page);
    cmdProfileRefresh = new QPushButton(QStringLiteral("Refresh"), page);
    cmdEXitProfile = new QPushButton(QStringLiteral("Exit"), page);
    cmdSaveprofile->setEnabled(false);
    for (QPushButton* b : {cmdUpdate, cmdSaveprofile, cmdProfileRefresh, cmdEXitProfile}) buttons->addWidget(b);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(buttons);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmFinal::cmdUpdate_Click);
    connect(cmdSaveprofile, &QPushButton::clicked, this, &frmFinal::cmdSaveprofile_Click);
    connect(cmdProfileRefresh, &QPushButton::clicked, this, &frmFinal::LoadPatientProfile);
    connect(cmdEXitProfile, &QPushButton::clicked, this, &frmFinal::cmdEXitProfile_Click);
}

void frmFinal::LoadPatientProfile()
{
    tabPatientProfile->setCurrentIndex(0);
    for (QCheckBox* b : chkAllergy) b->setChecked(false);
    for (QCheckBox* b : chkPH) b->setChecked(false);
    for (QCheckBox* b : chkFH) b->setChecked(false);
    for (QCheckBox* b : chkPSH) b->setChecked(false);
    QPlainTextEdit* const exams[] = {txtSkin, txtHeadNeck, txtThorax, txtAbdomen, txtExtremeties, txtLympNodes,
                                     txtGenitalia, txtRectal, txtNeurological};
    for (QPlainTextEdit* b : exams) b->clear();
    for (QPlainTextEdit* b : {txtBriefHistory, txtAllergyOthers, txtFMOthers, txtOtherPE}) b->clear();
    // Each read fills its boxes before the next one, so a failure keeps what was filled before it.
    try {
        Connection& c = SharedConnection();
        const ProfileData::Allergies allergies = ProfileData::ReadAllergies(c, txtPno->text());
        txtAllergyOthers->setPlainText(allergies.others);
        for (const QString& code : allergies.codes)
            for (int i = 0; i < 12; ++i)
                if (code == QLatin1String(kAllergyCodes[i])) chkAllergy[i]->setChecked(true);
        const ProfileData::NurseProfile p = ProfileData::ReadNurseProfile(c, txtPno->text(), txtID->text());
        if (p.found) {
            txtBriefHistory->setPlainText(p.briefHistory);
            for (int i = 0; i < 9; ++i) exams[i]->setPlainText(p.pe[i]);
            txtOtherPE->setPlainText(p.peOthers);
            txtFMOthers->setPlainText(p.fhOthers);
        }
        const ProfileData::HistoryTexts h = ProfileData::ReadHistoryTexts(c, txtID->text());
        if (h.found) {
            txtBriefHistory->setPlainText(h.briefHistory);
            txtOtherPE->setPlainText(h.physicalExamination);
        }
        checkNumbered(chkPH, p.ph);
        checkNumbered(chkFH, p.fh);
        checkNumbered(chkPSH, p.psh);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::chkHistory_Click(QCheckBox* const* group, int index)
{
    const int n = group == chkPH ? 18 : 8;
    int checked = 0;
    for (int i = 0; i < n; ++i) checked += group[i]->isChecked() ? 1 : 0;
    if (checked > 4) {
        MsgBox(QStringLiteral("You may only choose four(4) items."), vbInformation, QStringLiteral("Notification"));
        group[index]->setChecked(false);
    }
}

void frmFinal::cmdUpdate_Click()
{
    for (QPlainTextEdit* b : {txtBriefHistory, txtSkin, txtHeadNeck, txtThorax, txtAbdomen, txtExtremeties, txtLympNodes,
                              txtGenitalia, txtRectal, txtNeurological, txtAllergyOthers, txtOtherPE, txtFMOthers})
        b->setReadOnly(false);
    const bool inPatient = !IsOutPatientNumber(txtID->text());
    txtADMDiagnosis->setReadOnly(!inPatient);
    txtChiefComplaints->setReadOnly(!inPatient);
    cmdSaveprofile->setEnabled(true);
}

void frmFinal::cmdSaveprofile_Click()
{
    ProfileData::SaveArgs a;
    Connection& c = SharedConnection();
    bool began = false;
    try {
        QStringList allergyCodes;
        for (const char* code : kAllergyCodes) allergyCodes << QString::fromLatin1(code);
        a.allergies = ProfileData::Slots(states(chkAllergy), allergyCodes, 5);
        a.ph = ProfileData::Slots(states(chkPH), numberCodes(18), 4);
        a.fh = ProfileData::Slots(states(chkFH), numberCodes(8), 4);
        a.psh = ProfileData::Slots(states(chkPSH), numberCodes(3), 3);
        if (!ValidateUser({.retryQuestion = QStringLiteral("Unable to continue this transaction! \r\nAre you sure you want to update the Patient Profile?"), .retryTitle = QStringLiteral("Message")})) return;
        a.serverTime = GetServerDate();
        a.hospNum = txtPno->text();
        a.idNum = txtID->text();
        a.allergyOthers = txtAllergyOthers->toPlainText();
        a.briefHistory = txtBriefHistory->toPlainText();
        QPlainTextEdit* const exams[] = {txtSkin, txtHeadNeck, txtThorax, txtAbdomen, txtExtremeties, txtLympNodes,
                                         txtGenitalia, txtRectal, txtNeurological};
        for (int i = 0; i < 9; ++i) a.pe[i] = exams[i]->toPlainText();
        a.fhOthers = txtFMOthers->toPlainText();
        a.peOthers = txtOtherPE->toPlainText();
        a.admDiagnosis = txtADMDiagnosis->text();
        a.chiefComplaint = txtChiefComplaints->text();
        a.employeeCode = Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
        c.beginTrans();
        began = true;
        ProfileData::SaveProfile(c, a);
        cmdSaveprofile->setEnabled(false);
        ProfileData::UpdateHistory(c, a);
        c.commitTrans();
        began = false;
    } catch (const std::exception& e) {
        if (began) {
            try {
                c.rollbackTrans();
            } catch (const std::exception& rollbackError) {
                LogPassedOverError(QStringLiteral("cmdSaveprofile_Click"), rollbackError);
            }
        }
        MsgBox(QStringLiteral("Error While Saving Patient Profile  ") + QString::fromUtf8(e.what()), vbOKOnly);
        return;
    }
    // Success is told only once the profile is committed.
    MsgBox(QStringLiteral("Patient Profile Successfully Updated!"), vbInformation, QStringLiteral("Message"));
    for (QPlainTextEdit* b : {txtBriefHistory, txtSkin, txtHeadNeck, txtThorax, txtAbdomen, txtExtremeties, txtLympNodes,
                              txtGenitalia, txtRectal, txtNeurological, txtAllergyOthers, txtOtherPE, txtFMOthers})
        b->setReadOnly(true);
    txtADMDiagnosis->setReadOnly(true);
    txtChiefComplaints->setReadOnly(true);
    try {
        LoadPatientHeader();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmFinal::cmdEXitProfile_Click()
{
    if (txtPatient->text().startsWith(QLatin1Char(' '))) return;
    cmdExit_Click();
}
