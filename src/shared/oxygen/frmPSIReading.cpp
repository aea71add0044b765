#include "shared/oxygen/frmPSIReading.h"

#include "platform/text/Format.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/oxygen/OxygenTanks.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kTankRequired = QStringLiteral("Please enter the tank number.");

QString plainNumber(double v) { return QString::number(v, 'g', 15); }
} // namespace

frmPSIReading::frmPSIReading()
{
    setObjectName(QStringLiteral("frmPSIReading"));
    setWindowTitle(QStringLiteral("PSI READING"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    lblCode = new QLabel(this);
    lblDescription = new QLabel(this);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(240); // an item's description on one line
    txtTank = new QLineEdit(this);
    txtInitialReading = new QLineEdit(this);
    txtLastReading = new QLineEdit(this);
    lblConsumed = new QLabel(this);
    const struct {
        const char* caption;
        QWidget* field;
        const char* name;
    } rows[] = {{"Code", lblCode, "lblCode"},
                {"Description", lblDescription, "lblDescription"},
                {"Tank #", txtTank, "txtTank"},
                {"Initial Reading", txtInitialReading, "txtInitialReading"},
                {"Last Reading", txtLastReading, "txtLastReading"},
                {"Qty. Consumed", lblConsumed, "lblConsumed"}};
    int r = 0;
    for (const auto& row : rows) {
        row.field->setObjectName(QString::fromLatin1(row.name));
        form->addWidget(new QLabel(QString::fromLatin1(row.caption), this), r, 0);
        form->addWidget(row.field, r, 1);
        ++r;
    }
    layout->addLayout(form);
    // the tank number fits its column; nine characters keep a reading's consumed PSI a whole number
    txtTank->setMaxLength(20);
    txtInitialReading->setMaxLength(9);
    txtLastReading->setMaxLength(9);
    for (QLineEdit* box : {txtTank, txtInitialReading, txtLastReading}) box->installEventFilter(this);
    setTabOrder(txtTank, txtInitialReading);
    setTabOrder(txtInitialReading, txtLastReading);

    auto* buttons = new QHBoxLayout;
    imgLegend = new QToolButton(this);
    imgLegend->setObjectName(QStringLiteral("imgLegend"));
    imgLegend->setText(QStringLiteral("?"));
    imgLegend->setToolTip(QStringLiteral("Exit"));
    imgLegend->setFocusPolicy(Qt::NoFocus);
    connect(imgLegend, &QToolButton::clicked, this, [this] { reject(); });
    buttons->addWidget(imgLegend);
    buttons->addStretch(1);
    const char* captions[] = {"Exit", "Save"};
    for (int i : {1, 0}) {
        lblExit[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        lblExit[i]->setObjectName(QStringLiteral("lblExit%1").arg(i));
        lblExit[i]->setAutoDefault(false);
        lblExit[i]->setFocusPolicy(Qt::NoFocus);
        connect(lblExit[i], &QPushButton::clicked, this, [this, i] { lblExit_Click(i); });
        buttons->addWidget(lblExit[i]);
    }
    layout->addLayout(buttons);
}

void frmPSIReading::showEvent(QShowEvent* event)
{
    Form_Load(); // every showing starts afresh
    QDialog::showEvent(event);
}

void frmPSIReading::Form_Load()
{
    DialogAnswers.ConsumedPSI = 0;
    m_lookedUpTank.clear();
    lblCode->setText(Code + QStringLiteral(" "));
    lblDescription->setText(Description + QStringLiteral(" "));
    lblConsumed->clear();
    for (QLineEdit* box : {txtInitialReading, txtLastReading}) {
        box->clear();
        box->setReadOnly(true);
        box->setEnabled(true);
    }
    txtTank->clear();
    txtTank->setReadOnly(false);
    txtTank->setFocus();
    // a longer description than the last one shows whole
    if (layout()) layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void frmPSIReading::refuse(const QString& text, QLineEdit* box, bool selectAll)
{
    MsgBox(text, vbCritical, QStringLiteral("Notification"));
    if (selectAll) box->selectAll();
    box->setFocus();
}

void frmPSIReading::LookupOxygenTank()
{
    const QString tank = txtTank->text().trimmed();
    if (tank.isEmpty()) return refuse(kTankRequired, txtTank, false);
    OxygenTankUse use;
    try {
        use = LatestTankUse(SharedConnection(), Code, tank);
    } catch (const std::exception& e) {
        ShowErrorNotice(e); // the readings stay as they were
        return;
    }
    m_lookedUpTank = tank;
    if (use.partlyUsed()) {
        // the tank goes on from where its last use left it
        txtInitialReading->setText(plainNumber(use.lastR));
        txtInitialReading->setReadOnly(true);
        txtInitialReading->setEnabled(false);
        txtTank->setText(use.tankNum);
        m_lookedUpTank = use.tankNum.trimmed();
        txtLastReading->setReadOnly(false);
        txtLastReading->setEnabled(true);
        txtLastReading->setFocus();
        return;
    }
    for (QLineEdit* box : {txtInitialReading, txtLastReading}) {
        box->setEnabled(true);
        box->setReadOnly(false);
    }
    txtInitialReading->setFocus();
}

void frmPSIReading::txtInitialReading_Enter()
{
    const double initial = Fmt::val(txtInitialReading->text());
    if (initial <= 0) return refuse(QStringLiteral("INVALID Initial Reading! It should be > 0"), txtInitialReading, false);
    if (Fmt::val(txtLastReading->text()) > initial)
        return refuse(QStringLiteral("INVALID Initial Reading! It should be > Last Reading"), txtInitialReading, true);
    focusNextChild();
}

void frmPSIReading::txtLastReading_Enter()
{
    const double last = Fmt::val(txtLastReading->text());
    if (last < 0) return refuse(QStringLiteral("INVALID Last Reading! It should be >= 0"), txtLastReading, false);
    const double initial = Fmt::val(txtInitialReading->text());
    if (initial > last) {
        lblConsumed->setText(plainNumber(initial - last));
        focusNextChild();
        return;
    }
    refuse(QStringLiteral("INVALID Last Reading! It should be < Initial Reading"), txtLastReading, true);
}

bool frmPSIReading::CheckInitialReading()
{
    const double initial = Fmt::val(txtInitialReading->text());
    QString refusal;
    if (initial <= 0) refusal = QStringLiteral("INVALID Initial Reading! It should be greater than zero(0)");
    else if (Fmt::val(txtLastReading->text()) > initial)
        refusal = QStringLiteral("INVALID Initial Reading! It should be greater than the Last Reading");
    if (refusal.isEmpty()) return true;
    refuse(refusal, txtInitialReading, true);
    return false;
}

bool frmPSIReading::CheckLastReading()
{
    const double last = Fmt::val(txtLastReading->text());
    QString refusal;
    if (txtLastReading->text().trimmed().isEmpty() || last < 0)
        refusal = QStringLiteral("INVALID Last Reading! It should be zero(0) or greater than zero(0).");
    else if (!(Fmt::val(txtInitialReading->text()) > last))
        refusal = QStringLiteral("INVALID Last Reading! It should be less than the Initial Reading");
    if (refusal.isEmpty()) {
        lblConsumed->setText(plainNumber(Fmt::val(txtInitialReading->text()) - last));
        return true;
    }
    refuse(refusal, txtLastReading, true);
    return false;
}

void frmPSIReading::writeRow(int col, const QString& text)
{
    if (Grid && SelectedRow >= 1 && SelectedRow < Grid->Rows() && col < Grid->Cols()) Grid->setTextMatrix(SelectedRow, col, text);
}

void frmPSIReading::lblExit_Click(int index)
{
    if (index == 0) {
        writeRow(11, QStringLiteral("0"));
        for (int col : {12, 13, 14}) writeRow(col, QString());
        DialogAnswers.ConsumedPSI = 0;
        accept();
        return;
    }
    // The tank is recorded with the readings: it must be named, and be the tank looked up.
    if (txtTank->text().trimmed().isEmpty()) return refuse(kTankRequired, txtTank, false);
    if (txtTank->text().trimmed() != m_lookedUpTank) return LookupOxygenTank();
    if (!CheckInitialReading() || !CheckLastReading()) return;
    writeRow(12, txtInitialReading->text());
    writeRow(13, txtLastReading->text());
    writeRow(14, txtTank->text());
    DialogAnswers.ConsumedPSI = ConsumedPressure(Fmt::val(txtInitialReading->text()), Fmt::val(txtLastReading->text()));
    accept();
}

bool frmPSIReading::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (watched == txtTank) LookupOxygenTank();
        else if (watched == txtInitialReading) txtInitialReading_Enter();
        else if (watched == txtLastReading) txtLastReading_Enter();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Backspace) return QDialog::eventFilter(watched, event);
    // the full stop, the slash and the digits; nothing else is typed
    for (const QChar ch : text)
        if (ch.isPrint() && (ch.unicode() < 46 || ch.unicode() > 57)) return true;
    return QDialog::eventFilter(watched, event);
}
