#include "procedure_report/frmInterpretBuild.h"

#include "procedure_report/FormattingToolbar.h"
#include "shared/GridBinding.h"
#include "procedure_report/RichText.h"
#include "procedure_report/TemplateData.h"

#include "access/UserValidation.h"
#include "components/StationComponents.h"
#include "platform/db/DbError.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const QString kTabSpaces = QStringLiteral("     ");

void notify(const QString& text, const QString& title = QStringLiteral("Notification"))
{
    MsgBox(text, vbOKOnly | vbInformation, title);
}
}

frmInterpretBuild::frmInterpretBuild()
{
    setObjectName(QStringLiteral("frmInterpretBuild"));
    auto* main = new QVBoxLayout(this);
    auto* band = new QLabel(QStringLiteral("CATHLAB INTERPRETATION TEMPLATES"), this);
    band->setStyleSheet(QStringLiteral("background-color: #808080; color: white; font-weight: bold; padding: 6px;"));
    main->addWidget(band);
    auto* body = new QHBoxLayout;
    auto* commands = new QGroupBox(QStringLiteral("Commands"), this);
    auto* cl = new QVBoxLayout(commands);
    cmdNew = new QPushButton(QStringLiteral("&New"), commands);
    cmdEdit = new QPushButton(QStringLiteral("&Edit"), commands);
    cmdRefresh = new QPushButton(QStringLiteral("&Refresh"), commands);
    cmdClose = new QPushButton(QStringLiteral("&Close"), commands);
    for (QPushButton* b : {cmdNew, cmdEdit, cmdRefresh, cmdClose}) {
        b->setAutoDefault(false);
        cl->addWidget(b);
    }
    cl->addStretch(1);
    body->addWidget(commands);

    tabBuild = new QTabWidget(this);
    auto* listing = new QWidget(tabBuild);
    auto* ll = new QVBoxLayout(listing);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Search"), listing));
    txtSearch = new QLineEdit(listing);
    search->addWidget(txtSearch, 1);
    ll->addLayout(search);
    grdTable = new FlexGrid(listing);
    grdTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTable->setMinimumSize(560, 360);
    ll->addWidget(grdTable, 1);
    tabBuild->addTab(listing, QStringLiteral("Listing") + kTabSpaces);

    auto* entry = new QWidget(tabBuild);
    auto* el = new QVBoxLayout(entry);
    auto* upper = new QGroupBox(entry);
    auto* ug = new QGridLayout(upper);
    txtCode = new QLineEdit(upper);
    txtCode->setReadOnly(true);
    txtDescription = new QLineEdit(upper);
    txtExamID = new QLineEdit(upper);
    cmdExam = new QPushButton(QStringLiteral("..."), upper);
    cmdExam->setAutoDefault(false);
    txtExamName = new QLineEdit(upper);
    txtExamName->setReadOnly(true);
    ug->addWidget(new QLabel(QStringLiteral(" Code : ")), 0, 0);
    ug->addWidget(txtCode, 0, 1);
    ug->addWidget(new QLabel(QStringLiteral("Description : ")), 1, 0);
    ug->addWidget(txtDescription, 1, 1, 1, 3);
    ug->addWidget(new QLabel(QStringLiteral("Exam: ")), 2, 0);
    ug->addWidget(txtExamID, 2, 1);
    ug->addWidget(cmdExam, 2, 2);
    ug->addWidget(txtExamName, 2, 3);
    el->addWidget(upper);
    txtInterpretation = new QTextEdit(entry);
    UseReportFont(txtInterpretation);
    tbrFormatting = new FormattingToolbar(txtInterpretation, entry);
    el->addWidget(tbrFormatting);
    el->addWidget(txtInterpretation, 1);
    auto* lower = new QHBoxLayout;
    cmdPrint = new QPushButton(QStringLiteral("&Print"), entry);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), entry);
    cmdSave = new QPushButton(QStringLiteral("&Save"), entry);
    cmdCancel = new QPushButton(QStringLiteral("Ca&ncel"), entry);
    lower->addWidget(cmdPrint);
    lower->addWidget(cmdDelete);
    lower->addStretch(1);
    lower->addWidget(cmdSave);
    lower->addWidget(cmdCancel);
    for (QPushButton* b : {cmdPrint, cmdDelete, cmdSave, cmdCancel}) b->setAutoDefault(false);
    el->addLayout(lower);
    tabBuild->addTab(entry, QStringLiteral("Add / Edit") + kTabSpaces);
    body->addWidget(tabBuild, 1);
    main->addLayout(body, 1);

    connect(cmdNew, &QPushButton::clicked, this, &frmInterpretBuild::cmdNew_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmInterpretBuild::cmdEdit_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmInterpretBuild::cmdRefresh_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(grdTable, &QTableWidget::cellDoubleClicked, this, [this] { cmdEdit_Click(); });
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { LoadTemplateList(); });
    connect(cmdExam, &QPushButton::clicked, this, &frmInterpretBuild::cmdExam_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmInterpretBuild::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmInterpretBuild::cmdCancel_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmInterpretBuild::cmdDelete_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmInterpretBuild::cmdPrint_Click);
    connect(txtInterpretation, &QTextEdit::textChanged, this,
            [this] { cmdSave->setEnabled(!txtInterpretation->toPlainText().isEmpty()); });
    UpperCaseKeys(txtSearch);
    txtExamID->installEventFilter(this);
    txtCode->installEventFilter(this);
}

void frmInterpretBuild::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

void frmInterpretBuild::Form_Load()
{
    LoadTemplateList();
    tabBuild->setCurrentIndex(0);
}

void frmInterpretBuild::LoadTemplateList()
{
    for (int r = 1; r < grdTable->Rows(); ++r)
        for (int c = 0; c < grdTable->Cols(); ++c) grdTable->setTextMatrix(r, c, QString());
    try {
        const Recordset rows = TemplateData::ListTemplates(SharedConnection(), txtSearch->text());
        if (!rows.isEmpty()) BindRecordset(grdTable, rows);
        const int widths[] = {200, 1000, 5500, 0};
        for (int c = 0; c < 4 && c < grdTable->Cols(); ++c) grdTable->setColWidth(c, widths[c]);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmInterpretBuild::ClearTemplateEntry()
{
    txtCode->clear();
    txtDescription->clear();
    txtInterpretation->clear();
    txtExamID->clear();
    txtExamName->clear();
    txtExamID->setReadOnly(false);
    cmdExam->setEnabled(true);
}

void frmInterpretBuild::cmdNew_Click()
{
    ClearTemplateEntry();
    tabBuild->setCurrentIndex(1);
    txtCode->setText(QStringLiteral("NEW"));
    txtDescription->setFocus();
}

void frmInterpretBuild::cmdEdit_Click()
{
    const int row = grdTable->currentRow() > 0 ? grdTable->currentRow() : 1;
    if (grdTable->Rows() <= 1 || grdTable->Cols() < 2 || row >= grdTable->Rows()) return;
    const QString exam = grdTable->TextMatrix(row, 1);
    if (exam.trimmed().isEmpty()) return;
    LoadTemplate(exam);
    tabBuild->setCurrentIndex(1);
    txtExamID->setReadOnly(true);
    cmdExam->setEnabled(false);
}

void frmInterpretBuild::cmdRefresh_Click() { LoadTemplateList(); }

void frmInterpretBuild::LoadTemplate(const QString& examID)
{
    try {
        const Recordset rs = TemplateData::LoadTemplate(SharedConnection(), examID);
        if (rs.isEmpty()) return;
        txtCode->setText(rs.text(QStringLiteral("Code")));
        txtExamID->setText(rs.text(QStringLiteral("ExamID")));
        txtDescription->setText(rs.text(QStringLiteral("Description")));
        SetRichText(txtInterpretation, rs.text(QStringLiteral("Interpretation")).replace(QStringLiteral("`ba"), QStringLiteral("\u00BA")));
        cmdExam_Click();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

void frmInterpretBuild::cmdExam_Click()
{
    if (!Session.CodeSearch) return;
    Session.CodeSearch->OtherSectionID = StationParameters().MainRevenueID();
    if (!OrSearchWarning([&] { return Session.CodeSearch->SearchListing(txtExamID->text().trimmed(), 21); })) return;
    const CodeSearchOtherRevenue& r = Session.CodeSearch->OtherRevenueRecord;
    txtExamID->setText(r.ResultCode);
    txtExamName->setText(r.OtherRevenue);
    if (txtDescription->text().trimmed().isEmpty()) txtDescription->setText(r.OtherRevenue);
}

bool frmInterpretBuild::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtCode && event->type() == QEvent::FocusIn) // txtCode_GotFocus
        QMetaObject::invokeMethod(txtCode, &QLineEdit::selectAll, Qt::QueuedConnection);
    if (watched == txtExamID && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !txtExamID->isReadOnly()) {
            cmdExam_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmInterpretBuild::cmdSave_Click()
{
    if (txtCode->text().trimmed().isEmpty()) {
        notify(QStringLiteral("Nothing to save: click New or Edit first."));
        return;
    }
    if (txtExamID->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select an exam first."), vbOKOnly | vbInformation);
        return;
    }
    if (txtDescription->text().trimmed().isEmpty()) {
        notify(QStringLiteral("Please provide description for the template."));
        return;
    }
    if (txtInterpretation->toPlainText().trimmed().isEmpty()) {
        notify(QStringLiteral("Please enter interpretation text."));
        return;
    }
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString user = validated->userID;
    const QString rtf = RichTextOf(txtInterpretation);
    try {
        TemplateData::SaveTemplate(SharedConnection(), txtExamID->text(), txtDescription->text(), rtf);
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    WriteStationLog(QString(),
                    TemplateData::LogRemark(QStringLiteral("ADD INTERPRETATION TEMPLATE: ") + txtCode->text() + QStringLiteral(":") +
                                            txtDescription->text() + QStringLiteral(":") + rtf),
                    user, QStringLiteral("CL"));
    notify(QStringLiteral("Interpretation successfully saved."));
    ClearTemplateEntry();
    tabBuild->setCurrentIndex(0);
    LoadTemplateList();
}

void frmInterpretBuild::cmdCancel_Click()
{
    if (!txtCode->text().isEmpty() &&
        MsgBox(QStringLiteral("Current entry will not be saved! Do you want to continue?"), vbYesNo | vbQuestion) != vbYes)
        return;
    ClearTemplateEntry();
    tabBuild->setCurrentIndex(0);
    LoadTemplateList();
}

void frmInterpretBuild::cmdDelete_Click()
{
    if (MsgBox(QStringLiteral("Delete intepretation template of exam ") + txtExamName->text().toUpper() + QStringLiteral("?"),
               vbYesNo | vbQuestion, QStringLiteral("Confirmation")) != vbYes)
        return;
    const std::optional<ValidatedUser> validated = ValidateUser();
    if (!validated) return;
    const QString user = validated->userID;
    const QString rtf = RichTextOf(txtInterpretation);
    int deleted = 0;
    try {
        deleted = TemplateData::DeleteTemplate(SharedConnection(), txtExamID->text());
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
        return;
    }
    if (deleted == 0) {
        notify(QStringLiteral("There is no interpretation template of this exam to delete."));
        return;
    }
    WriteStationLog(QString(),
                    TemplateData::LogRemark(QStringLiteral("DELETE CATHLAB TEMPLATE: ") + txtExamID->text() + QStringLiteral(":") + rtf +
                                            QStringLiteral(":") + txtDescription->text()),
                    user, QStringLiteral("CL"));
    notify(QStringLiteral("Interpretation template successfully deleted."));
    ClearTemplateEntry();
    tabBuild->setCurrentIndex(0);
    LoadTemplateList();
}

void frmInterpretBuild::cmdPrint_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        PrepareReport(ReportFilePath(QStringLiteral("CodedInterpretation.rpt")), {txtExamID->text().trimmed()});
        ShowReport(false, QStringLiteral("Sample Interpretation Print-out"), false, true);
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        ShowErrorNotice(e);
        return;
    }
    QApplication::restoreOverrideCursor();
}

void frmInterpretBuild::SelectAlignLeft() { tbrFormatting->SelectAlignLeft(); }
void frmInterpretBuild::SelectAlignCenter() { tbrFormatting->SelectAlignCenter(); }
void frmInterpretBuild::SelectAlignRight() { tbrFormatting->SelectAlignRight(); }
