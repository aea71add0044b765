#include "shared/reports/frmReport.h"

#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowRegistry.h"
#include "shared/modGlobals.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

frmReport* frmReport::instance()
{
    static QPointer<frmReport> window;
    if (!window) window = new frmReport();
    return window;
}

frmReport::frmReport()
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("ENTER Report Date"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* grid = new QGridLayout(this);
    lblFrom = new QLabel(QStringLiteral("FROM"), this);
    lblFrom->setObjectName(QStringLiteral("lblFrom"));
    dtpFrom = new QDateEdit(this);
    dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    lblTo = new QLabel(QStringLiteral("TO"), this);
    lblTo->setObjectName(QStringLiteral("lblTo"));
    dtpTo = new QDateEdit(this);
    dtpTo->setObjectName(QStringLiteral("dtpTo"));
    for (QDateEdit* d : {dtpFrom, dtpTo}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    }
    dtpFrom->setMinimumDate(QDate(1998, 1, 1));
    dtpTo->setMinimumDate(QDate(1601, 1, 1));
    grid->addWidget(lblFrom, 0, 0);
    grid->addWidget(dtpFrom, 0, 1);
    grid->addWidget(lblTo, 1, 0);
    grid->addWidget(dtpTo, 1, 1);

    auto* buttons = new QHBoxLayout();
    const QStringList captions = {QStringLiteral("&View"), QStringLiteral("&Close")};
    const QStyle::StandardPixmap icons[] = {QStyle::SP_FileDialogContentsView, QStyle::SP_DialogCloseButton};
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(style()->standardIcon(icons[i]), captions[i], this);
        b->setObjectName(QStringLiteral("cmdOption_%1").arg(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
        buttons->addWidget(b);
        cmdOption << b;
    }
    cmdOption[0]->setDefault(true);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

void frmReport::Load()
{
    if (m_loaded) return;
    m_loaded = true;
    WindowRegistry::add(this);
    Form_Load();
}

void frmReport::setCaption(const QString& caption)
{
    Load();
    setWindowTitle(caption);
}

void frmReport::Form_Load()
{
    // A new question: no answer yet.
    ReportValues.ReportDateFrom.clear();
    ReportValues.ReportDateTo.clear();
    // The server's date of the last read (start-up reads it first).
    const QDate today = Session.ServerDate.isValid() ? Session.ServerDate.date() : QDate::currentDate();
    dtpFrom->setMaximumDate(today);
    dtpTo->setMaximumDate(m_noMaxDate ? QDate(9999, 12, 31) : today);
    dtpFrom->setDate(today);
    dtpTo->setDate(today);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmReport::ShowModal()
{
    Load();
    runModal(this);
}

void frmReport::cmdOption_Click(int index)
{
    ReportValues.ReportDateFrom.clear();
    ReportValues.ReportDateTo.clear();
    if (index == 1) {
        reject();
        return;
    }
    if (dtpFrom->date() > dtpTo->date()) {
        MsgBox(QStringLiteral("Invalid dates!"), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    ReportValues.ReportDateFrom = Fmt::shortDate(dtpFrom->date());
    ReportValues.ReportDateTo = Fmt::shortDate(dtpTo->date());
    accept();
}

void frmReport::done(int result)
{
    QDialog::done(result);
    // Unloaded: the next showing starts from the window as designed and asks for its own limits.
    m_loaded = false;
    m_noMaxDate = false;
    setWindowTitle(QStringLiteral("ENTER Report Date"));
    WindowRegistry::remove(this);
}
