#include "ordering/SectionPickers.h"

#include "ordering/ExamOrdering.h"
#include "ordering/frmRemarks.h"
#include "platform/ui/Fonts.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SectionPicker::SectionPicker(const QString& objectName, const QString& caption, const QString& section,
                             const QString& listName, const QString& boxName, const QString& closeName,
                             const QString& closeCaption)
    : Section(section), ListName(listName)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    lstList = new QListWidget(this);
    lstList->setObjectName(listName);
    lstList->setFont(FixedPitchListFont());
    lstList->setMinimumSize(560, 300);
    txtDept = new QLineEdit(this);
    txtDept->setObjectName(boxName);
    txtDept->hide();
    cmdExit = new QPushButton(closeCaption, this);
    cmdExit->setObjectName(closeName);
    cmdExit->setAutoDefault(false);
    v->addWidget(lstList);
    v->addWidget(txtDept);
    v->addWidget(cmdExit, 0, Qt::AlignRight);
    // Only a change of an entry's tick (a click on it or the space bar) orders or takes back.
    connect(lstList, &QListWidget::itemChanged, this, &SectionPicker::lstList_Click);
    connect(cmdExit, &QPushButton::clicked, this, &SectionPicker::cmdExit_Click);
}

void SectionPicker::lstList_Click(QListWidgetItem* item)
{
    ExamOrdering::instance().PickerClicked(this, item);
}

void SectionPicker::cmdExit_Click()
{
    ExamOrdering::instance().UntickOtherSection(txtDept->text());
    hide();
}

void SectionPicker::reject()
{
    cmdExit_Click();
    QDialog::reject();
}

void SectionPicker::closeEvent(QCloseEvent* event)
{
    // The window's frame acts as Close; the workspace's own unloading closes it for good.
    if (event->spontaneous()) {
        event->ignore();
        cmdExit_Click();
        return;
    }
    QDialog::closeEvent(event);
}

frmCTfile::frmCTfile()
    : SectionPicker(QStringLiteral("frmCTfile"), QStringLiteral("CT Scan Examinations"), QStringLiteral("CT"),
                    QStringLiteral("lstListCT"), QStringLiteral("txtCtdept"), QStringLiteral("cmdCtexit"), QStringLiteral("&Close"))
{
    frmRemarks::DeptID = QStringLiteral("CT");
}
frmHeart::frmHeart()
    : SectionPicker(QStringLiteral("frmHeart"), QStringLiteral("Heart Station Examinations"), QStringLiteral("HS"),
                    QStringLiteral("lstListHS"), QStringLiteral("txtHSDept"), QStringLiteral("cmdHSexit"), QStringLiteral("&Close"))
{
}
frmNuclear::frmNuclear()
    : SectionPicker(QStringLiteral("frmNuclear"), QStringLiteral("Nuclear Medicine Examinations"), QStringLiteral("NU"),
                    QStringLiteral("lstListNuclear"), QStringLiteral("txtNUDept"), QStringLiteral("cmdNUexit"), QStringLiteral("&Close"))
{
}
frmPTFile::frmPTFile()
    : SectionPicker(QStringLiteral("frmPTFile"), QStringLiteral("PTExaminations"), QStringLiteral("PT"), QStringLiteral("lstListPT"),
                    QStringLiteral("txtPtDept"), QStringLiteral("cmdPTExit"), QStringLiteral("&Close"))
{
}
frmNeuRoExams::frmNeuRoExams()
    : SectionPicker(QStringLiteral("frmNeuRoExams"), QStringLiteral("Neurology Examinations"), QStringLiteral("NE"),
                    QStringLiteral("lstListNeuro"), QStringLiteral("txtNEDept"), QStringLiteral("cmdNEexit"), QStringLiteral("&Close"))
{
}
frmRTfile::frmRTfile()
    : SectionPicker(QStringLiteral("frmRTfile"), QStringLiteral("Pulmonary Examinations"), QStringLiteral("PA"),
                    QStringLiteral("lstListRTS"), QStringLiteral("txtRTdept"), QStringLiteral("cmdRTExit"), QStringLiteral("&Exit"))
{
}
frmAudio::frmAudio()
    : SectionPicker(QStringLiteral("frmAudio"), QStringLiteral("Audiometry Examinations"), QStringLiteral("AU"),
                    QStringLiteral("lstListAudio"), QStringLiteral("txtAUDept"), QStringLiteral("cmdAUexit"), QStringLiteral("&Close"))
{
}

QStringList PickerSections()
{
    return {QStringLiteral("AU"), QStringLiteral("HS"), QStringLiteral("NU"), QStringLiteral("PT"),
            QStringLiteral("PA"), QStringLiteral("CT"), QStringLiteral("NE")};
}

SectionPicker* PickerForSection(const QString& s)
{
    if (s == QLatin1String("CT")) return frmCTfile::instance();
    if (s == QLatin1String("HS")) return frmHeart::instance();
    if (s == QLatin1String("NU")) return frmNuclear::instance();
    if (s == QLatin1String("PT")) return frmPTFile::instance();
    if (s == QLatin1String("NE")) return frmNeuRoExams::instance();
    if (s == QLatin1String("PA")) return frmRTfile::instance();
    if (s == QLatin1String("AU")) return frmAudio::instance();
    return nullptr;
}

SectionPicker* PickerByListName(const QString& listName)
{
    for (const QString& s : PickerSections()) {
        SectionPicker* p = PickerForSection(s);
        if (p->ListName == listName) return p;
    }
    return nullptr;
}
