#include "shared/doctors/frmRequestingDoctor.h"

#include "components/StationComponents.h"
#include "platform/db/Recordset.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QScopedValueRollback>

#include <utility>

frmRequestingDoctor* frmRequestingDoctor::instance()
{
    static QPointer<frmRequestingDoctor> s_instance;
    if (!s_instance) {
        s_instance = new frmRequestingDoctor();
        WindowRegistry::add(s_instance);
    }
    return s_instance;
}

frmRequestingDoctor* frmRequestingDoctor::forPatient(const QString& attendingDoctorCode)
{
    frmRequestingDoctor* dialog = instance();
    dialog->m_attendingDoctorCode = attendingDoctorCode;
    return dialog;
}

frmRequestingDoctor::frmRequestingDoctor()
{
    setWindowTitle(QStringLiteral("Enter Requesting Doctor"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("Requesting Doctor :"), this);
    Label2 = new QLabel(QStringLiteral("-"), this);
    txtRequestingDoctor[1] = new QLineEdit(this);
    txtRequestingDoctor[0] = new QLineEdit(this);
    txtRequestingDoctor[1]->setObjectName(QStringLiteral("txtRequestingDoctor_1"));
    txtRequestingDoctor[0]->setObjectName(QStringLiteral("txtRequestingDoctor_0"));
    txtRequestingDoctor[0]->setMinimumWidth(260);
    txtRequestingDoctor[0]->setEnabled(false);
    fraReqDoc = new QFrame(this);
    fraReqDoc->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QHBoxLayout(fraReqDoc);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    cmdReqDoc = new QToolButton(fraReqDoc);
    cmdReqDoc->setText(QStringLiteral("..."));
    cmdReqDoc->setToolTip(QStringLiteral("Look up the doctor"));
    cmdReqDoc->setFocusPolicy(Qt::NoFocus);
    frameLayout->addWidget(cmdReqDoc);
    cmdOption = new QPushButton(QStringLiteral("OK"), this);
    // Clicking OK leaves the focus where it is, so that the box's own check runs first (below).
    cmdOption->setFocusPolicy(Qt::TabFocus);
    cmdOption->setAutoDefault(false);

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtRequestingDoctor[1], 0, 1);
    grid->addWidget(fraReqDoc, 0, 2);
    grid->addWidget(Label2, 0, 3);
    grid->addWidget(txtRequestingDoctor[0], 0, 4);
    grid->addWidget(cmdOption, 1, 4, Qt::AlignRight);

    setTabOrder(cmdOption, txtRequestingDoctor[1]);
    setTabOrder(txtRequestingDoctor[1], txtRequestingDoctor[0]);
    for (QLineEdit* box : txtRequestingDoctor) box->installEventFilter(this);
    connect(cmdReqDoc, &QToolButton::clicked, this, [this] { cmdReqDoc_Click(); });
    connect(cmdOption, &QPushButton::clicked, this, [this] { cmdOption_Click(); });
}

void frmRequestingDoctor::setVisible(bool visible)
{
    // Each showing loads afresh, before the window appears.
    if (visible && !m_loaded) {
        m_loaded = true;
        Form_Load();
    } else if (!visible) {
        m_loaded = false;
    }
    QDialog::setVisible(visible);
    if (visible) {
        if (QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
        cmdOption->setFocus(Qt::OtherFocusReason);
    }
}

void frmRequestingDoctor::Form_Load()
{
    // A fresh form: nothing of an earlier showing stays in the boxes.
    name()->clear();
    name()->setEnabled(false);
    setTabOrder(cmdOption, code());
    code()->setText(std::exchange(m_attendingDoctorCode, QString()));
    DialogAnswers.resetRequestingDoctor();
    if (!code()->text().trimmed().isEmpty()) CheckDoctorCode(nullptr);
}

bool frmRequestingDoctor::searchDoctor()
{
    return Session.CodeSearch && OrSearchWarning([&] { return Session.CodeSearch->SearchListing(code()->text().trimmed(), 1); });
}

void frmRequestingDoctor::keepFocusIn(QLineEdit* box)
{
    if (!box) return;
    // After the focus change in progress has ended.
    QTimer::singleShot(0, box, [this, box] {
        if (!box->isVisible()) return;
        m_checking = true;
        box->setFocus(Qt::OtherFocusReason);
        m_checking = false;
    });
}

bool frmRequestingDoctor::CheckDoctorCode(QLineEdit* leaving)
{
    const QScopedValueRollback<bool> busy(m_checking, true);
    if (code()->text().trimmed() != QLatin1String("0")) {
        name()->setEnabled(false);
        if (searchDoctor()) {
            code()->setText(Session.CodeSearch->DoctorRecord.ResultCode);
            name()->setText(Session.CodeSearch->DoctorRecord.LastName.trimmed() + QStringLiteral(", ")
                            + Session.CodeSearch->DoctorRecord.FirstName.trimmed());
            return true;
        }
        MsgBox(QStringLiteral("Doctor code not exist!"), vbInformation, QStringLiteral("Notification"));
        keepFocusIn(leaving);
        return false;
    }
    name()->setEnabled(true);
    const bool empty = name()->text().isEmpty();
    if ((leaving == code() || empty) && name()->isVisible()) keepFocusIn(name());
    if (!empty) return true;
    MsgBox(QStringLiteral("Please enter the name of the requesting doctor!"), vbExclamation, QStringLiteral("Notification"));
    if (name()->isVisible()) keepFocusIn(name());
    return false;
}

void frmRequestingDoctor::cmdReqDoc_Click()
{
    if (searchDoctor()) {
        code()->setText(Session.CodeSearch->DoctorRecord.ResultCode);
        name()->setText(Session.CodeSearch->DoctorRecord.LastName.trimmed() + QStringLiteral(", ")
                        + Session.CodeSearch->DoctorRecord.FirstName.trimmed());
    } else {
        MsgBox(QStringLiteral("Doctor code does not exist!"), vbInformation, QStringLiteral("Notification"));
    }
}

void frmRequestingDoctor::cmdOption_Click()
{
    QWidget* focus = focusWidget();
    if ((focus == code() || focus == name()) && !CheckDoctorCode(static_cast<QLineEdit*>(focus))) return;
    if (code()->text().isEmpty() || name()->text().isEmpty()) return;
    DialogAnswers.RequestingDoctorID = code()->text();
    DialogAnswers.RequestingDoctorName = name()->text();
    accept();
}

bool frmRequestingDoctor::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || (box != code() && box != name())) return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftByUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                                || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason
                                || reason == Qt::OtherFocusReason;
        if (leftByUser && !m_checking && isVisible()) CheckDoctorCode(box);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QLatin1String("'")) return true;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (box == code()) {
            name()->clear();
            CheckDoctorCode(code());
        } else {
            focusNextChild();
        }
        return true;
    }
    return SendKeyInUpperCase(box, key);
}
