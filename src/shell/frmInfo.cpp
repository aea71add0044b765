#include "shell/frmInfo.h"

#include "components/patient_search/clsPatientSearch.h"
#include "patients/PatientGrid.h"
#include "patients/frmCathPatients.h"
#include "patients/frmSearch.h"
#include "platform/text/Format.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

frmInfo::frmInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Patient Information"));
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    lblPatient = new QLabel(Shape1);
    lblPatient->setObjectName(QStringLiteral("lblPatient"));
    lblPatient->setStyleSheet(QStringLiteral("font-size:15px; font-weight:bold; color:#1b3a5b;"));
    Line1 = new QFrame(Shape1);
    Line1->setFrameShape(QFrame::HLine);
    const char* captions[] = {"Hospital Number", "Admission Number", "Admission Date ", "Room Number"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        lblHopital[i] = new QLabel(QString::fromLatin1(captions[i]), Shape1);
        lblInfo[i] = new QLabel(Shape1);
        lblInfo[i]->setObjectName(QStringLiteral("lblInfo%1").arg(i));
        QFont f = lblInfo[i]->font();
        f.setBold(true);
        lblInfo[i]->setFont(f);
        grid->addWidget(lblHopital[i], i, 0);
        grid->addWidget(lblInfo[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    auto* inner = new QVBoxLayout(Shape1);
    inner->addWidget(lblPatient);
    inner->addWidget(Line1);
    inner->addLayout(grid);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Shape1);
    setMinimumWidth(420);
    Form_Load();
}

QString frmInfo::AdmissionDateText(const QString& listText)
{
    const QString t = listText.trimmed();
    QDateTime dt = QLocale::c().toDateTime(t, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
    if (!dt.isValid()) dt = QLocale::c().toDateTime(t, QStringLiteral("MM/dd/yyyy h:mm:ss AP"));
    if (!dt.isValid()) dt = QDateTime(QLocale::c().toDate(t, QStringLiteral("MM/dd/yyyy")), QTime(0, 0));
    if (!dt.isValid()) dt = QDateTime::fromString(t, Qt::ISODate);
    return dt.isValid() ? Fmt::serverDateText(dt) : QString();
}

void frmInfo::Form_Load()
{
    // the list the station works with, even when the other one is open too
    PatientListWindow* list = StationParameters().EnableCathLabRegistration()
        ? static_cast<PatientListWindow*>(frmCathPatients::instance())
        : static_cast<PatientListWindow*>(frmSearch::instance());
    const int r = Selection.SelectedListRow;
    auto cell = [&](int col) {
        return r >= 1 && r < list->MSHFlexList->Rows() ? list->MSHFlexList->TextMatrix(r, col) : QString();
    };
    lblInfo[0]->setText(cell(1));
    lblInfo[1]->setText(cell(2));
    lblPatient->setText(cell(3));
    lblInfo[2]->setText(AdmissionDateText(cell(4)));
    if (!lblInfo[1]->text().endsWith(QLatin1Char('B')))
        lblInfo[3]->setText(Session.PatientSearch ? Session.PatientSearch->Admission()->Room : QString());
    else
        lblInfo[3]->setText(QStringLiteral("ER/OPD"));
}
