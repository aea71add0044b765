#include "exam_requests/SamplePicker.h"

#include "platform/db/Connection.h"
#include "platform/ui/FlexGrid.h"
#include "shared/modGlobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSpecimenEntry::frmSpecimenEntry()
{
    setObjectName(QStringLiteral("frmSpecimenEntry"));
    setWindowTitle(QStringLiteral("Specimen Entry"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    Picture1 = new QWidget(this);
    Picture1->setAutoFillBackground(true);
    Picture1->setBackgroundRole(QPalette::Highlight);
    Label1 = new QLabel(QStringLiteral("Specimen Entry"), Picture1);
    Label1->setForegroundRole(QPalette::HighlightedText);
    (new QHBoxLayout(Picture1))->addWidget(Label1);
    layout->addWidget(Picture1);

    auto* row = new QHBoxLayout;
    txtSpecimen = new QLineEdit(this);
    txtSpecimen->setObjectName(QStringLiteral("txtSpecimen"));
    cmdSearch = new QPushButton(QStringLiteral("..."), this);
    cmdSearch->setAutoDefault(false);
    row->addWidget(txtSpecimen, 1);
    row->addWidget(cmdSearch);
    layout->addLayout(row);

    grdSpecimen = new FlexGrid(this);
    grdSpecimen->setObjectName(QStringLiteral("grdSpecimen"));
    grdSpecimen->setFixedRows(0);
    grdSpecimen->setFixedCols(0);
    SetupSpecimenGrid();
    grdSpecimen->setRows(0);
    grdSpecimen->hide();
    layout->addWidget(grdSpecimen, 1);

    cmdEnter = new QPushButton(QStringLiteral("&Enter"), this);
    cmdEnter->setAutoDefault(false);
    layout->addWidget(cmdEnter, 0, Qt::AlignRight);

    connect(grdSpecimen, &QTableWidget::cellDoubleClicked, this, [this] { grdSpecimen_DblClick(); });
    connect(txtSpecimen, &QLineEdit::textChanged, this, [this] { ShowListAgain(); });
    connect(cmdSearch, &QPushButton::clicked, this, [this] { ShowListAgain(); });
    connect(cmdEnter, &QPushButton::clicked, this, [this] { close(); });
    resize(300, 260);
}

void frmSpecimenEntry::SetupSpecimenGrid()
{
    grdSpecimen->setCols(2);
    grdSpecimen->setColWidth(0, 0);
    grdSpecimen->setColWidth(1, 3975);
}

void frmSpecimenEntry::LoadData()
{
    m_moreThan1 = false;
    DialogAnswers.PickedSpecimenID.clear();
    // The exam's specimens by name; an exam row without a specimen gives "47", a code the
    // specimen table does not know "NONE".
    const Recordset rs = SharedConnection().query(
        QStringLiteral("SELECT COALESCE(A.SpecimenID, '47') AS SpecimenID, COALESCE(B.Specimen, 'NONE') AS Specimen "
                       "FROM BUILD_FILE..tbCoLabExamSpecimen A "
                       "LEFT OUTER JOIN BUILD_FILE..tbCoLabSpecimen B ON A.SpecimenID = B.SpecimenID "
                       "WHERE A.LabExamID = ? ORDER BY Specimen"),
        {ItemID});
    const QSignalBlocker quiet(txtSpecimen); // filling the box is no user change
    if (rs.recordCount() == 1) {
        txtSpecimen->setText(rs.text(QStringLiteral("Specimen")));
        DialogAnswers.PickedSpecimenID = rs.text(QStringLiteral("SpecimenID"));
        txtSpecimen->setReadOnly(true);
        grdSpecimen->hide();
    } else if (rs.recordCount() == 0) {
        txtSpecimen->clear();
        grdSpecimen->hide();
    } else {
        grdSpecimen->setEnabled(true);
        grdSpecimen->show();
        txtSpecimen->setReadOnly(false);
        grdSpecimen->setRows(rs.recordCount());
        for (int r = 0; r < rs.recordCount(); ++r) {
            grdSpecimen->setTextMatrix(r, 0, rs.textAt(r, QStringLiteral("SpecimenID")));
            grdSpecimen->setTextMatrix(r, 1, rs.textAt(r, QStringLiteral("Specimen")));
        }
        SetupSpecimenGrid();
        m_moreThan1 = true;
    }
}

void frmSpecimenEntry::grdSpecimen_DblClick()
{
    const int row = grdSpecimen->currentRow();
    if (row < 0 || row >= grdSpecimen->Rows()) return;
    DialogAnswers.PickedSpecimenID = grdSpecimen->TextMatrix(row, 0);
    const QSignalBlocker quiet(txtSpecimen);
    txtSpecimen->setText(grdSpecimen->TextMatrix(row, 1));
    grdSpecimen->hide();
}

// An emptied box brings the list back with its first specimen current; typed text is never an answer.
void frmSpecimenEntry::ShowListAgain()
{
    if (!txtSpecimen->text().trimmed().isEmpty() || !m_moreThan1) return;
    grdSpecimen->show();
    grdSpecimen->setCurrentCell(0, 1);
}
