#include "assessment/frmCdfViewing.h"

#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCdfViewing::frmCdfViewing(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCdfViewing"));
    setWindowTitle(QStringLiteral("CDF"));
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("CDF Details"), this);
    auto* form = new QFormLayout(frame);
    const struct {
        QLineEdit** box;
        const char *name, *caption;
    } rows[] = {{&txtHospBill, "txtHospBill", "Hospital Bill :"},
                {&txtTotalCDF, "txtTotalCDF", "Total CDF :"},
                {&txtPaidCDF, "txtPaidCDF", "Utilized CDF :"},
                {&txtCDFBalance, "txtCDFBalance", "CDF Balance :"},
                {&txtNetHospBill, "txtNetHospBill", "Net Hosp. Bill After CDF :"}};
    for (const auto& r : rows) {
        *r.box = new QLineEdit(frame);
        (*r.box)->setObjectName(QString::fromLatin1(r.name));
        (*r.box)->setReadOnly(true);
        (*r.box)->setAlignment(Qt::AlignRight);
        form->addRow(QString::fromLatin1(r.caption), *r.box);
    }
    outer->addWidget(frame);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    outer->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

QString frmCdfViewing::FigureText(double value)
{
    const QString text = Fmt::amount(value < 0 ? -value : value);
    return value < 0 && text != QLatin1String("0.00") ? QStringLiteral("(") + text + QStringLiteral(")") : text;
}

void frmCdfViewing::Form_Load()
{
    txtHospBill->setText(FigureText(HospBill));
    txtTotalCDF->setText(FigureText(TotalCDF));
    txtPaidCDF->setText(FigureText(PaidCDF));
    txtCDFBalance->setText(FigureText(CDFBalance));
    txtNetHospBill->setText(FigureText(NetHospBill));
}

void frmCdfViewing::ShowModal()
{
    Form_Load();
    runModal(this);
}
