#include "shared/frmMessage.h"

#include "shared/modGlobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

namespace {
// The messages break their lines with runs of blanks (sized for the label's width); shown here,
// each run of three or more blanks is a line break, whatever the font's width.
class MessageLabel : public QLabel {
public:
    using QLabel::QLabel;
    static QString shown(const QString& text)
    {
        static const QRegularExpression run(QStringLiteral(" {3,}"));
        return QString(text).replace(run, QStringLiteral("\n")).trimmed();
    }
    QSize sizeHint() const override
    {
        const QRect r = fontMetrics().boundingRect(QRect(0, 0, width() > 0 ? width() : 330, 10000),
                                                   Qt::TextWordWrap, shown(text()));
        return QSize(330, r.height() + 4);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(contentsRect(), int(alignment()) | Qt::TextWordWrap, shown(text()));
    }
};
}

QString frmMessage::designMessage()
{
    return QStringLiteral("  The request entered were not yet sent to the departments!") + QString(22, QLatin1Char(' ')) +
           QStringLiteral("Press Yes Button to send the request now") + QString(34, QLatin1Char(' ')) +
           QStringLiteral("Press No Button to cancel the request.");
}

frmMessage::frmMessage()
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(QStringLiteral("IMPORTANT MESSAGE"));
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    lblMessage = new MessageLabel(designMessage(), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setFixedWidth(330);
    QFont f = lblMessage->font();
    f.setBold(true);
    lblMessage->setFont(f);

    const char* captions[] = {"YES", "NO"};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        cmdOption[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdOption[i]->setObjectName(QStringLiteral("cmdOption%1").arg(i));
        cmdOption[i]->setMinimumWidth(90);
        connect(cmdOption[i], &QPushButton::clicked, this, [this, i] { cmdOption_Click(i); });
        buttons->addWidget(cmdOption[i]);
    }
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(lblMessage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
}

void frmMessage::showEvent(QShowEvent* event)
{
    // an answer of an earlier showing never counts: closed by the frame is "NO"
    DialogAnswers.PickedChoice = false;
    QDialog::showEvent(event);
}

void frmMessage::cmdOption_Click(int index)
{
    DialogAnswers.PickedChoice = index == 0;
    accept();
}
