#include "ordering/ExamOrdering.h"

#include "ordering/ExamOrderingData.h"
#include "ordering/OrdersGrid.h"
#include "ordering/PickList.h"
#include "ordering/SectionGate.h"
#include "ordering/SectionPickers.h"
#include "ordering/frmRemarks.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/orders/ExamOrderChecks.h"
#include "shared/orders/ProfileGrid.h"
#include "shared/WindowOpener.h"
#include "shared/orders/RequestChecks.h"
#include "shared/patient/PatientContext.h"

#include <QLineEdit>
#include <QListWidget>

using ExamOrderingData::Catalogue;

// One exam being added: where its entry is and how its section orders.
struct ExamOrdering::Source {
    QListWidgetItem* item = nullptr;
    QString listName;
    PickList::Entry entry;
    bool laboratory = false;     // profiles, the specimen and the laboratory section
    bool priced = true;          // audiometry writes no amount
    bool international = true;   // pulmonary writes the plain price
    bool statWritten = true;     // audiometry writes an empty STAT
    bool silentDuplicate = false; // pickers: an exam already ordered stays ticked without a word
    QString duplicateMessage;
};

ExamOrdering& ExamOrdering::instance()
{
    static ExamOrdering ordering;
    return ordering;
}

void ExamOrdering::Attach(const Controls& controls)
{
    m_c = controls;
}

void ExamOrdering::LoadOrderingLists()
{
    DialogAnswers.ExamOrderSpecimen = QStringLiteral("0");
    m_c.patient->TransplantID = QStringLiteral("0");
    m_c.patient->DialysisID = QStringLiteral("0");
    OrdersGrid::SetUp(*m_c.orders, 4155, Session.HospitalInfo.IsShowAmount);
    SetUpProfileGrid(*m_c.profiles);
    Session.PendingExamMessageHead = QStringLiteral("The same exam had been requested at...");
    Session.PendingExamMessageTail = QStringLiteral("   and it is Pending...");

    struct Fill { QListWidget* list; Catalogue catalogue; };
    QList<Fill> fills;
    const Catalogue pickerCatalogues[] = {Catalogue::Audio, Catalogue::HS, Catalogue::Nuclear, Catalogue::PT,
                                          Catalogue::RTS, Catalogue::CT, Catalogue::Neuro};
    const QStringList sections = PickerSections();
    for (int i = 0; i < sections.size(); ++i) fills << Fill{PickerForSection(sections[i])->lstList, pickerCatalogues[i]};
    fills << Fill{m_c.lab, Catalogue::Laboratory} << Fill{m_c.xray, Catalogue::Xray} << Fill{m_c.ultra, Catalogue::Ultra};
    for (const Fill& f : fills) PickList::SetUp(f.list);
    PickList::SetUp(m_c.others);
    // A catalogue that cannot be read leaves its list empty; the others are still filled.
    for (const Fill& f : fills) {
        try {
            for (const PickList::Entry& e : ExamOrderingData::CatalogueEntries(SharedConnection(), f.catalogue)) PickList::Add(f.list, e);
        } catch (const std::exception&) {
        }
    }
    try {
        const QString main = StationParameters().MainRevenueID();
        for (const PickList::Entry& e : ExamOrderingData::OtherSectionEntries(SharedConnection(), main)) PickList::Add(m_c.others, e);
    } catch (const std::exception&) {
    }
}

void ExamOrdering::Untick(QListWidgetItem* item)
{
    PickList::SetTicked(item, false);
}

QListWidget* ExamOrdering::ListNamed(const QString& name) const
{
    if (name == QLatin1String("lstListUltra")) return m_c.ultra;
    if (name == QLatin1String("lstListXray")) return m_c.xray;
    if (name == QLatin1String("lstListLaboratory")) return m_c.lab;
    if (SectionPicker* p = PickerByListName(name)) return p->lstList;
    return nullptr;
}

// The order of that section and exam leaves the grid, and its entry, wherever it is, is unticked.
void ExamOrdering::TakeBack(const QString& dept, const QString& code)
{
    const int row = OrdersGrid::Find(*m_c.orders, dept, code);
    if (row >= 0) RemoveOrderAt(row);
}

void ExamOrdering::RemoveOrderAt(int row)
{
    FlexGrid& grid = *m_c.orders;
    if (row < 1 || row >= grid.Rows() || OrdersGrid::IsEmpty(grid)) return;
    const OrdersGrid::Order o = OrdersGrid::Read(grid, row);
    if (QListWidget* list = ListNamed(o.list)) Untick(PickList::Find(list, o.dept.trimmed(), o.code.trimmed()));
    ClearProfileExams(o.code.trimmed(), *m_c.profiles);
    OrdersGrid::Remove(grid, row);
}

void ExamOrdering::ListClicked(QListWidgetItem* item)
{
    if (!item) return;
    const PickList::Entry e = PickList::EntryOf(item);
    if (!PickList::IsTicked(item)) return TakeBack(e.section, e.code);
    QListWidget* list = item->listWidget();
    SectionGate::EntryPoint entry = SectionGate::EntryPoint::LabList;
    Source s;
    s.item = item;
    s.entry = e;
    if (list == m_c.lab) {
        s.listName = QStringLiteral("lstListLaboratory");
        s.laboratory = true;
        s.duplicateMessage = QStringLiteral("Examination is already in the orders list.");
    } else {
        entry = list == m_c.ultra ? SectionGate::EntryPoint::UltraList : SectionGate::EntryPoint::XrayList;
        s.listName = list == m_c.ultra ? QStringLiteral("lstListUltra") : QStringLiteral("lstListXray");
        s.duplicateMessage = QStringLiteral("Examination is already in the Orders List!");
    }
    try {
        if (SectionGate::Run(entry, e.section, SectionGate::DepartmentText(e.section), m_c.txtID->text(), m_c.patient->PatientType) !=
            SectionGate::Result::Passed)
            return Untick(item);
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
        return Untick(item);
    }
    AddExam(s);
}

void ExamOrdering::PickerClicked(SectionPicker* picker, QListWidgetItem* item)
{
    if (!item || !m_c.orders) return;
    const PickList::Entry e = PickList::EntryOf(item);
    if (!PickList::IsTicked(item)) return TakeBack(e.section, e.code);
    Source s;
    s.item = item;
    s.entry = e;
    s.listName = picker->ListName;
    s.silentDuplicate = true;
    s.priced = picker->Section != QLatin1String("AU");
    s.statWritten = s.priced;
    s.international = s.priced && picker->Section != QLatin1String("PA");
    AddExam(s);
}

bool ExamOrdering::AddExam(const Source& s)
{
    const QString id = m_c.txtID->text();
    const QString section = s.entry.section, code = s.entry.code;
    bool profile = false;
    try {
        const bool already = OrdersGrid::Find(*m_c.orders, section, code) >= 0;
        if (CheckExamRequestStatus(SharedConnection(), id, code, section) || CheckExamProcessedToday(SharedConnection(), id, code, section)) {
            Untick(s.item);
            return false;
        }
        if (already) {
            if (s.silentDuplicate) return false;
            MsgBox(s.duplicateMessage, vbExclamation, QStringLiteral("Message"));
            Untick(s.item);
            return false;
        }
        if (s.laboratory) {
            profile = LoadExamProfiles(SharedConnection(), code, *m_c.profiles);
            if (profile) {
                CheckOrderExamInProfile(*m_c.profiles, *m_c.orders, OrderRow::Code);
            } else if (CheckExamInProfile(code, *m_c.profiles)) {
                Untick(s.item);
                return false;
            }
        }
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
        if (profile) ClearProfileExams(code, *m_c.profiles);
        Untick(s.item);
        return false;
    }
    // The remarks dialog: anything but Enter cancels the add.
    auto cancel = [&] {
        if (profile) ClearProfileExams(code, *m_c.profiles);
        Untick(s.item);
        return false;
    };
    bool accepted = false;
    try {
        frmRemarks::DeptID = section;
        frmRemarks::ExamID = s.laboratory ? code : QString();
        frmRemarks* dialog = frmRemarks::instance();
        if (!s.laboratory) dialog->DisableSpecimen();
        frmRemarks::givePatient(*m_c.patient);
        accepted = dialog->ShowModal();
        if (accepted) {
            m_c.patient->TransplantID = frmRemarks::TransplantID;
            m_c.patient->DialysisID = frmRemarks::DialysisID;
        }
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
        if (frmRemarks::isLoaded()) frmRemarks::existing()->close();
        return cancel();
    }
    if (!accepted) return cancel();

    QString amount;
    if (s.priced) {
        try {
            amount = ExamOrderingData::ExamAmount(SharedConnection(), section, m_c.patient->RoomClass, code);
            if (s.international && StationParameters().AllowInternationalRate() &&
                ExamOrderingData::IsInternational(SharedConnection(), id))
                amount = ExamOrderingData::InternationalAmount(amount);
        } catch (const std::exception& ex) {
            ShowErrorNotice(ex);
            return cancel();
        }
    }
    // A profile ordered: its members already on order leave the grid, their entries unticked.
    if (profile) {
        for (int r = m_c.orders->Rows() - 1; r >= 1; --r) {
            if (OrdersGrid::IsEmpty(*m_c.orders)) break;
            const OrdersGrid::Order o = OrdersGrid::Read(*m_c.orders, r);
            if (o.dept.trimmed() != QLatin1String("LB")) continue;
            for (int p = 1; p < m_c.profiles->Rows(); ++p) {
                if (m_c.profiles->TextMatrix(p, ProfileRow::ProfileID).trimmed() != code ||
                    m_c.profiles->TextMatrix(p, ProfileRow::ExamID).trimmed() != o.code.trimmed())
                    continue;
                if (QListWidget* list = ListNamed(o.list)) Untick(PickList::Find(list, o.dept.trimmed(), o.code.trimmed()));
                ClearProfileExams(o.code.trimmed(), *m_c.profiles);
                OrdersGrid::Remove(*m_c.orders, r);
                break;
            }
        }
    }
    OrdersGrid::Order o;
    o.dept = section;
    o.code = code;
    o.description = s.entry.description;
    o.qty = QStringLiteral("1");
    o.amount = amount;
    o.section = s.laboratory ? s.entry.labSection : QString();
    o.stat = s.statWritten ? DialogAnswers.ExamOrderStat : QString();
    o.remarks = DialogAnswers.ExamOrderRemarks;
    o.list = s.listName;
    o.string = s.entry.text;
    o.index = QString::number(s.item->listWidget()->row(s.item));
    o.specimen = s.laboratory ? DialogAnswers.ExamOrderSpecimen : QStringLiteral("0");
    o.transplant = m_c.patient->TransplantID;
    o.dialysis = m_c.patient->DialysisID;
    o.amPickUp = DialogAnswers.ExamOrderAMPickUp ? QStringLiteral("1") : QStringLiteral("0");
    o.reasonOfProcedure = DialogAnswers.ExamOrderReason;
    OrdersGrid::Place(*m_c.orders, o);
    return true;
}

// The examination request entry for a section: caption, section box and property, then shown
// modally; it writes its orders into the grid itself.
void ExamOrdering::OpenRequestEntry(const QString& caption, const QString& section)
{
    WindowOpener::open(QStringLiteral("frmRequest"), *m_c.patient, {caption, section});
}

void ExamOrdering::OthersClicked(QListWidgetItem* item)
{
    if (!item || !PickList::IsTicked(item)) return;
    const PickList::Entry e = PickList::EntryOf(item);
    const QString code = e.section;
    const QString namePart = e.text.trimmed().chopped(qMin<qsizetype>(2, e.text.trimmed().size()));
    const QString id = m_c.txtID->text();
    try {
        if (SectionGate::Run(SectionGate::EntryPoint::OthersList, code, SectionGate::DepartmentText(code, namePart), id, m_c.patient->PatientType, false) !=
            SectionGate::Result::Passed)
            return Untick(item);
        if (SectionPicker* picker = PickerForSection(code)) {
            if (code != QLatin1String("NE") && SectionGate::CashBasis(code, id, m_c.patient->PatientType) != SectionGate::Result::Passed) return Untick(item);
            picker->txtDept->setText(e.text);
            runModal(picker);
            if (picker->isVisible()) picker->hide();
            return;
        }
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
        return Untick(item);
    }
    QString caption = namePart;
    if (code == QLatin1String("MI")) caption = QStringLiteral("MRI Request Entry");
    else if (code == QLatin1String("WC")) caption = QStringLiteral("Centre for Women Request Entry");
    OpenRequestEntry(caption, code);
    Untick(PickList::Find(m_c.others, code, QString()));
}

void ExamOrdering::SearchClicked(const QString& section)
{
    using EP = SectionGate::EntryPoint;
    const EP entry = section == QLatin1String("LB") ? EP::LabSearch : section == QLatin1String("US") ? EP::UltraSearch : EP::XraySearch;
    try {
        if (SectionGate::Run(entry, section, SectionGate::DepartmentText(section), m_c.txtID->text(), m_c.patient->PatientType) != SectionGate::Result::Passed)
            return;
    } catch (const std::exception& ex) {
        ShowErrorNotice(ex);
        return;
    }
    const QString caption = section == QLatin1String("LB")   ? QStringLiteral("Laboratory Request Entry")
                            : section == QLatin1String("US") ? QStringLiteral("Ultrasound Request Entry")
                                                             : QStringLiteral("Xray Request Entry");
    OpenRequestEntry(caption, section);
}

void ExamOrdering::UntickOtherSection(const QString& entryText)
{
    if (!m_c.others) return;
    for (int i = 0; i < m_c.others->count(); ++i)
        if (m_c.others->item(i)->text().trimmed() == entryText.trimmed()) Untick(m_c.others->item(i));
}
