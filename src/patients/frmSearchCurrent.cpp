#include "patients/frmSearchCurrent.h"

#include "components/patient_search/clsPatientSearch.h"
#include "patients/PatientGrid.h"
#include "patients/PatientListCommon.h"
#include "patients/PatientListData.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "platform/ui/modMouseWheel.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace PatientListCommon;

namespace {
constexpr int px(int twips) { return twips / 15; }
constexpr qint64 kEvenRowColour = 0xFEE2C5;
constexpr qint64 kCashBasisColour = 0xFF;

void clearPicked()
{
    DialogAnswers.PickedHospNum.clear();
    DialogAnswers.PickedIDNum.clear();
    DialogAnswers.PickedPatientName.clear();
}

}

frmSearchCurrent* frmSearchCurrent::instance()
{
    if (!s_instance) {
        s_instance = new frmSearchCurrent();
        WindowRegistry::add(s_instance);
        s_instance->MouseWheelSetup();
    }
    return s_instance;
}

frmSearchCurrent::frmSearchCurrent()
{
    setWindowTitle(QStringLiteral("Patient List"));
    setModal(true);
    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->resize(px(3600), px(900));
    Label1[0] = new QLabel(QStringLiteral("Patient Searching"), Frame1);
    QFont heading = Label1[0]->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 3);
    Label1[0]->setFont(heading);
    (new QVBoxLayout(Frame1))->addWidget(Label1[0]);

    Frame2 = new QFrame(this);
    Frame2->setFrameShape(QFrame::StyledPanel);
    auto* types = new QGridLayout(Frame2);
    types->setContentsMargins(8, 2, 8, 2);
    types->setVerticalSpacing(0);
    Label2 = new QLabel(QStringLiteral("Patient Type"), Frame2);
    optPatientType[0] = new QRadioButton(QStringLiteral("In Patient"), Frame2);
    optPatientType[1] = new QRadioButton(QStringLiteral("Out Patient"), Frame2);
    optPatientType[0]->setChecked(true);
    types->addWidget(Label2, 0, 0, 1, 2);
    types->addWidget(optPatientType[0], 1, 0);
    types->addWidget(optPatientType[1], 1, 1);
    for (QRadioButton* opt : optPatientType) connect(opt, &QRadioButton::clicked, this, &frmSearchCurrent::cmdSearch_Click);

    Picture1 = new QWidget(this);
    auto* v = new QVBoxLayout(Picture1);
    const SearchButtons buttons = BuildSearchPanel(*this, Picture1, v, QStringLiteral("Enter Lastname :"), QStringLiteral("&Close"), kCashBasisColour, [this] { cmdSearch_Click(); });
    Label6 = buttons.category;
    cmdSearch = buttons.search;
    cmdClose = buttons.second;
    connect(cmdSearch, &QPushButton::clicked, this, &frmSearchCurrent::cmdSearch_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSearchCurrent::cmdClose_Click);
    v->addStretch(1);

    MSHFlexList = new PatientGrid(this);
    connect(MSHFlexList, &PatientGrid::RowColChange, this, &frmSearchCurrent::MSHFlexList_RowColChange);
    connect(MSHFlexList, &PatientGrid::Click, this, &frmSearchCurrent::MSHFlexList_Click);
    connect(MSHFlexList, &PatientGrid::DblClick, this, &frmSearchCurrent::MSHFlexList_DblClick);
    connect(MSHFlexList, &PatientGrid::EnterPressed, this, [this] {
        MSHFlexList_Click();
        MSHFlexList_DblClick();
    });
    new KeyPreview(this);
    resize(px(16500), px(8400));
}

void frmSearchCurrent::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Load();
}

bool frmSearchCurrent::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(e);
}

void frmSearchCurrent::Form_Load()
{
    // Each showing opens afresh.
    optPatientType[0]->setChecked(true);
    for (QLineEdit* box : txtSearch) box->clear();
    cmdSearch->setEnabled(false);
    lblLegend[1]->hide();
    SetupListGrid(MSHFlexList, 960);
    MSHFlexList->setEnabled(false);
    cmdSearch_Click();
}

void frmSearchCurrent::Form_Activate() { cmdSearch_Click(); }

void frmSearchCurrent::cmdSearch_Click()
{
    clearPicked();
    LoadPatientList();
}

void frmSearchCurrent::cmdClose_Click()
{
    clearPicked();
    accept();
}

void frmSearchCurrent::LoadPatientList()
{
    Selection.SelectedHospNum.clear();
    Selection.SelectedIDNum.clear();
    lblRecNum->clear();
    MSHFlexList->setEnabled(true);
    MSHFlexList->setRedraw(false);
    SetupListGrid(MSHFlexList, 960);
    MSHFlexList->setRedraw(true);
    try {
        const bool inPatients = optPatientType[0]->isChecked();
        Selection.SelectedPatientType = inPatients ? QStringLiteral("I") : QStringLiteral("O");
        const Recordset rs = PatientListData::StationPatients(SharedConnection(), inPatients, txtSearch[0]->text(),
                                                              txtSearch[1]->text(), txtSearch[2]->text());
        FillPatientList(MSHFlexList, rs, [this] { ColourPatientRows(); }, [this] { MSHFlexList_RowColChange(); });
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmSearchCurrent::ColourPatientRows()
{
    PatientListCommon::ColourPatientRows(MSHFlexList, kEvenRowColour, kCashBasisColour);
}

void frmSearchCurrent::MSHFlexList_RowColChange()
{
    const int row = MSHFlexList->Row();
    if (row < 1) return;
    DialogAnswers.PickedHospNum = MSHFlexList->TextMatrix(row, 1);
    DialogAnswers.PickedIDNum = MSHFlexList->TextMatrix(row, 2);
    ShowRowState(MSHFlexList, row, lblLegend[1], lblRecNum);
}

void frmSearchCurrent::MSHFlexList_Click()
{
    clearPicked();
    const int row = MSHFlexList->Row();
    DialogAnswers.PickedHospNum = MSHFlexList->TextMatrix(row, 1);
    DialogAnswers.PickedIDNum = MSHFlexList->TextMatrix(row, 2);
    try {
        if (Session.PatientSearch && Session.PatientSearch->ValidatePatient(DialogAnswers.PickedHospNum.trimmed())) {
            clsPatientMaster* m = Session.PatientSearch->PatientMaster();
            DialogAnswers.PickedPatientName = m->LastName.trimmed() + QStringLiteral(", ") + m->FirstName.trimmed() + QLatin1Char(' ') +
                                m->MiddleName.trimmed();
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmSearchCurrent::MSHFlexList_DblClick() { accept(); }

void frmSearchCurrent::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmSearchCurrent::Form_Resize()
{
    Frame1->move(px(20), 0);
    Frame2->setGeometry(px(20), Frame1->height(), Frame1->width(), Frame1->height());
    const int top = Frame1->height() + Frame2->height();
    Picture1->setGeometry(px(20), top, Frame1->width(), qMax(0, height() - top));
    const int gridLeft = Frame2->width() + px(100);
    MSHFlexList->setGeometry(gridLeft, 0, qMax(0, width() - gridLeft), height());
}

void frmSearchCurrent::MouseWheelSetup() { HookMouseWheel(this); }

void frmSearchCurrent::MousewheelUnload() { UnhookMouseWheel(this); }

void frmSearchCurrent::MouseWheel(long mouseKeys, long rotation, long x, long y)
{
    for (PatientGrid* grid : findChildren<PatientGrid*>())
        if (IsPointInWindow(grid, int(x), int(y))) ScrollGridByWheel(grid, int(mouseKeys), int(rotation), int(x), int(y));
}
