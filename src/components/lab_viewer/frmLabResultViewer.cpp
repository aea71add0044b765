#include "components/lab_viewer/frmLabResultViewer.h"

#include "components/StationComponents.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WholeColumns.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmLabResultViewer::frmLabResultViewer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLabResultViewer"));
    setWindowTitle(QStringLiteral("Laboratory Results"));
    auto* v = new QVBoxLayout(this);
    lblPatient = new QLabel(this);
    lblSlip = new QLabel(this);
    grdResults = new QTableWidget(this);
    KeepColumnsWhole(grdResults);
    grdResults->setObjectName(QStringLiteral("grdResults"));
    grdResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdResults->horizontalHeader()->setStretchLastSection(true);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    v->addWidget(lblPatient);
    v->addWidget(lblSlip);
    v->addWidget(grdResults, 1);
    v->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, 420);
}

void Labresultviewer::Show_Results()
{
    Connection* c = sqlConnection ? sqlConnection : m_conn;
    if (!c) throw DbError(QStringLiteral("The laboratory result viewer has no connection."));
    QString sql = QStringLiteral(
        "SELECT COALESCE(E.LabExam, R.LabExamID), R.Result, R.Unit, R.NormalValue, R.ResultDate, R.RequestNum, R.MedTech "
        "FROM LABORATORY..tbLabResult R LEFT OUTER JOIN BUILD_FILE..tbCoLabExam E ON E.LabExamID = R.LabExamID "
        "WHERE R.Reference = ? AND R.IDNum = ?");
    QVariantList params{CSnumber.trimmed(), IDNumber.trimmed()};
    if (!RequestNum.trimmed().isEmpty()) {
        sql += QStringLiteral(" AND R.RequestNum = ?");
        params << RequestNum.trimmed();
    }
    const Recordset rs = c->query(sql + QStringLiteral(" ORDER BY R.ResultDate, R.ResultID"), params);
    frmLabResultViewer w;
    w.lblPatient->setText(QStringLiteral("%1   Hosp. No. %2   Adm. No. %3   Room %4   Age %5   Sex %6")
                              .arg(PatientName, HospitalNumber, IDNumber, RoomNumber, Age, Sex));
    w.lblSlip->setText(RequestNum.trimmed().isEmpty() ? QStringLiteral("Charge slip %1").arg(CSnumber)
                                                       : QStringLiteral("Charge slip %1, request %2").arg(CSnumber, RequestNum));
    const QStringList heads = {QStringLiteral("Examination"), QStringLiteral("Result"), QStringLiteral("Unit"),
                               QStringLiteral("Normal Values"), QStringLiteral("Result Date/Time"), QStringLiteral("Request No."),
                               QStringLiteral("Med. Tech.")};
    w.grdResults->setColumnCount(heads.size());
    w.grdResults->setHorizontalHeaderLabels(heads);
    w.grdResults->setRowCount(rs.recordCount());
    for (int r = 0; r < rs.recordCount(); ++r) {
        for (int col = 0; col < heads.size(); ++col) {
            QString text = DbValue::text(rs.valueAt(r, col));
            if (col == 4) text = DbValue::toDateTime(rs.valueAt(r, col)).toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
            w.grdResults->setItem(r, col, new QTableWidgetItem(text));
        }
    }
    w.grdResults->resizeColumnsToContents();
    if (AutoPrint && rs.recordCount() > 0) w.grdResults->selectRow(0);
    runModal(&w);
}
