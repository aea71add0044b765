#include "ordering/ExamOrderingData.h"

#include "platform/db/Connection.h"
#include "platform/text/Format.h"

#include <QUuid>
#include <cmath>

namespace ExamOrderingData {

QString WorkstationSession()
{
    static const QString session = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return session;
}

namespace {

struct CatalogueSource { const char* table; const char* sectionText; bool commonOnly; };
CatalogueSource sourceOf(Catalogue c)
{
    switch (c) {
    case Catalogue::Laboratory: return {"STATION..LaboratoryExams", "LB", true};
    case Catalogue::Xray: return {"STATION..XrayExams", "XR ", true};
    case Catalogue::Ultra: return {"STATION..UltraExams", "US ", true};
    case Catalogue::PT: return {"STATION..PTExams", "PT ", false};
    case Catalogue::CT: return {"STATION..CTExams", "CT ", false};
    case Catalogue::RTS: return {"STATION..RTSExams", "PA ", false};
    case Catalogue::Audio: return {"STATION..AudioExams", "AU ", false};
    case Catalogue::HS: return {"STATION..HSExams", "HS ", false};
    case Catalogue::Nuclear: return {"STATION..NuclearExams", "NU ", false};
    case Catalogue::Neuro: return {"STATION..NeuroExams", "NE ", false};
    }
    return {"", "", false};
}

// The price text as the grid keeps it: the sign's place (a blank) before a number that is not
// negative, a point before decimals, no separators.
QString plainNumber(double v)
{
    QString s = QString::number(v, 'f', 2);
    while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.')))) s.chop(1);
    return v >= 0 ? QLatin1Char(' ') + s : s;
}

} // namespace

QList<PickList::Entry> CatalogueEntries(Connection& c, Catalogue catalogue)
{
    const CatalogueSource src = sourceOf(catalogue);
    const Recordset rs = c.query(QStringLiteral("SELECT * FROM %1").arg(QString::fromLatin1(src.table)));
    QList<PickList::Entry> out;
    const bool lab = catalogue == Catalogue::Laboratory;
    for (int r = 0; r < rs.recordCount(); ++r) {
        if (rs.textAt(r, QStringLiteral("Status")) != QLatin1String("A")) continue;
        if (src.commonOnly && rs.textAt(r, QStringLiteral("Common")) != QLatin1String("Y")) continue;
        const QVariant desc = rs.valueAt(r, QStringLiteral("Description"));
        const QString description = desc.isNull() ? QString() : desc.toString();
        const QString code = rs.textAt(r, QStringLiteral("Code"));
        out << (lab ? PickList::LabEntry(description, rs.textAt(r, QStringLiteral("sectioncode")), code)
                    : PickList::SectionEntry(description, QString::fromLatin1(src.sectionText), code));
    }
    return out;
}

QList<PickList::Entry> OtherSectionEntries(Connection& c, const QString& mainRevenueId)
{
    const Recordset rs = c.query(QStringLiteral("SELECT RevenueID, ItemName FROM STATION..OtherExams"));
    QList<PickList::Entry> out;
    for (int r = 0; r < rs.recordCount(); ++r) {
        if (rs.valueAt(r, 0).isNull() || rs.valueAt(r, 1).isNull()) continue;
        if (rs.textAt(r, QStringLiteral("RevenueID")) == mainRevenueId) continue;
        out << PickList::OtherSectionEntry(rs.textAt(r, QStringLiteral("ItemName")), rs.textAt(r, QStringLiteral("RevenueID")));
    }
    return out;
}

QString ExamAmount(Connection& c, const QString& section, const QString& roomClass, const QString& code)
{
    const Recordset rs = c.call(QStringLiteral("STATION..Nurse_GetExamAmount"), {section.trimmed(), roomClass, code.trimmed()});
    if (rs.isEmpty() || rs.isNull(QStringLiteral("Amount"))) return QString();
    return plainNumber(rs.toDouble(QStringLiteral("Amount")));
}

QString InternationalAmount(const QString& amount)
{
    if (amount.trimmed().isEmpty()) return QString();
    // In cents, so that 1.1 times a price never leaves a binary tail.
    const qint64 cents = std::llround(Fmt::val(amount) * 100.0);
    const qint64 rated = (cents * 11 + (cents >= 0 ? 5 : -5)) / 10;
    return plainNumber(double(rated) / 100.0).trimmed();
}

bool IsInternational(Connection& c, const QString& idNum)
{
    const Recordset rs = c.call(QStringLiteral("STATION..CheckIfInternational"), {idNum});
    return !rs.isEmpty() && rs.text(QStringLiteral("isInternational")) == QLatin1String("Y");
}

SaveResult SaveOrders(Connection& c, const SaveInput& in, const QList<OrdersGrid::Order>& orders)
{
    SaveResult res;
    TransactionGuard tx(c);
    res.serverDate = c.serverDateTime();
    // The patient's flags as the remarks dialog left them go with the order, not before it.
    c.call(QStringLiteral("STATION..sp_Nurse_Update_OtherInfo"),
           {in.idNum, in.transplantId, in.dialysisId, QStringLiteral("I")});
    c.execute(QStringLiteral("DELETE FROM STATION..tbNurse_StatRequest WHERE SessionID = ?"), {in.session});
    c.execute(QStringLiteral("DELETE FROM STATION..tbNurse_DepartmentCharging WHERE SessionID = ?"), {in.session});
    bool lab = false, xr = false, us = false, ct = false, hs = false;
    for (const OrdersGrid::Order& o : orders) {
        const QString dept = o.dept.trimmed(), code = o.code.trimmed();
        const QString portable = o.portableMachine.trimmed().isEmpty() ? QStringLiteral("0") : o.portableMachine.trimmed();
        const Recordset logged = c.call(
            QStringLiteral("STATION..Nurse_AppendNurseLogBook"),
            {in.hospNum, in.idNum, in.patientType, code, o.amount.trimmed(), o.qty.trimmed(), QStringLiteral(" "),
             o.section.trimmed(), res.serverDate, dept, in.doctorId, QStringLiteral(" "), in.userId, o.remarks.trimmed(),
             o.description.trimmed(), in.stationId, o.stat.trimmed(), QStringLiteral("0"), o.specimen.trimmed(),
             in.transplantId.trimmed(), in.dialysisId.trimmed(), o.amPickUp.trimmed().toInt(), in.doctorName,
             portable.toInt(), o.reasonOfProcedure.trimmed()});
        const QString requestNum = logged.isEmpty() ? QString() : logged.text(QStringLiteral("RequestNum"));
        res.requestNums << requestNum;
        if (dept == QLatin1String("LB")) {
            c.call(QStringLiteral("STATION..sp_Nurse_SaveStatRequest"),
                   {code, o.specimen.trimmed(), o.section.trimmed(), in.userId, o.stat.trimmed(), in.stationId, res.serverDate,
                    in.session, in.idNum, requestNum});
            lab = true;
        }
        xr = xr || dept == QLatin1String("XR");
        us = us || dept == QLatin1String("US");
        ct = ct || dept == QLatin1String("CT");
        hs = hs || dept == QLatin1String("HS");
        if (!in.supervisorUserId.trimmed().isEmpty())
            c.call(QStringLiteral("Station..sp_Nurse_Append_tbBillAdjustInfo"),
                   {in.idNum.trimmed(), dept, code, Fmt::val(o.amount), in.supervisorUserId.trimmed(), 1, requestNum,
                    in.cancelReason.trimmed() + QStringLiteral(" Note: By pass Cash Basis Condition For STAT Request.")});
    }
    if (in.lbDirect && lab) {
        const Recordset last = c.call(QStringLiteral("STATION..sp_Nurse_Get_RequestNum_ReferenceNum"),
                                      {in.idNum, in.userId, QString(), QString()});
        if (!last.isEmpty()) res.lastRequestNum = last.text(QStringLiteral("RequestNum"));
        c.call(QStringLiteral("STATION..spNurse_PrintToWard"), {res.serverDate, in.stationId});
        c.call(QStringLiteral("LABORATORY..Lab_NurseCharging2"), {in.idNum.trimmed()});
        const Recordset ref = c.call(QStringLiteral("STATION..sp_Nurse_Get_RequestNum_ReferenceNum"),
                                     {in.idNum, in.userId, res.lastRequestNum, QStringLiteral("X")});
        if (!ref.isEmpty()) res.lastRequestRefNum = ref.text(QStringLiteral("REFERENCENUM"));
    }
    const struct { bool on, flag; const char* proc; } charging[] = {
        {in.xrDirect, xr, "STATION..sp_Nurse_Save_XRCharging"},
        {in.usDirect, us, "STATION..sp_Nurse_Save_USCharging"},
        {in.ctDirect, ct, "STATION..sp_Nurse_Save_CTCharging"},
        {in.hsDirect, hs, "STATION..sp_Nurse_Save_HSCharging"}};
    for (const auto& s : charging)
        if (s.on && s.flag) c.call(QString::fromLatin1(s.proc), {in.idNum.trimmed(), in.userId.trimmed()});
    tx.commit();
    res.hasLab = lab;
    return res;
}

QString TransferredRoom(Connection& c, const QString& idNum, const QString& hospNum, const QString& room)
{
    const Recordset rs = c.call(QStringLiteral("STATION..Nurse_CheckPatientRoom"), {idNum, hospNum, room});
    if (rs.isEmpty()) return QString();
    return rs.text(QStringLiteral("RoomID")) + QStringLiteral("  -") + rs.text(QStringLiteral("StationID"));
}

QString RoomAccommodation(Connection& c, const QString& idNum)
{
    return DbValue::text(c.scalar(QStringLiteral("SELECT K.Description FROM PATIENT_DATA..tbPatient P "
                                                 "JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID "
                                                 "JOIN BUILD_FILE..tbCoRoomClass K ON K.RoomClass = R.RoomClass WHERE P.IDNum = ?"),
                                  {idNum.trimmed()}));
}

RevokeResult RevokeRequest(Connection& c, const QString& requestNum, const QString& userId, const QString& reason,
                           const QString& stationId)
{
    RevokeResult r;
    TransactionGuard tx(c);
    const Recordset rs = c.call(QStringLiteral("STATION..sp_Nurse_Check_Request"), {requestNum.trimmed()});
    if (rs.isEmpty()) return r;
    r.station = rs.text(QStringLiteral("StationID"));
    const QString status = rs.text(QStringLiteral("RecordStatus"));
    if (r.station.trimmed() != stationId.trimmed()) {
        r.outcome = RevokeOutcome::OtherStation;
    } else if (status == QLatin1String("R")) {
        r.outcome = RevokeOutcome::AlreadyRevoked;
        r.by = rs.text(QStringLiteral("RevokeBy"));
        r.when = Fmt::serverDateText(rs.toDateTime(QStringLiteral("RevokeDate")));
    } else if (status == QLatin1String("X")) {
        r.outcome = RevokeOutcome::AlreadyProcessed;
        r.by = rs.text(QStringLiteral("ProcessBy"));
        r.when = Fmt::serverDateText(rs.toDateTime(QStringLiteral("ProcessDate")));
    } else {
        const Recordset done = c.call(QStringLiteral("STATION..sp_Nurse_Revoke_Request"), {requestNum.trimmed(), userId, reason});
        r.outcome = !done.isEmpty() && done.toInt(QStringLiteral("Revoked")) > 0 ? RevokeOutcome::Revoked : RevokeOutcome::NotFound;
    }
    if (r.outcome != RevokeOutcome::Revoked) return r; // nothing written: the guard rolls back
    tx.commit();
    return r;
}

QString RevokeRefusal(const RevokeResult& r)
{
    switch (r.outcome) {
    case RevokeOutcome::Revoked: return QString();
    case RevokeOutcome::NotFound: return QStringLiteral("The request was not found; nothing was revoked.");
    case RevokeOutcome::OtherStation:
        return QStringLiteral("You can't revoked item(s)/exam(s) requested from station: ") + r.station;
    case RevokeOutcome::AlreadyRevoked:
        return QStringLiteral("Item(s)/exam(s) requested has been revoked By: ") + r.by + QStringLiteral(" at ") + r.when;
    case RevokeOutcome::AlreadyProcessed:
        return QStringLiteral("Item(s)/exam(s) requested has been processed By: ") + r.by + QStringLiteral(" at ") + r.when;
    }
    return QString();
}

FormLines WriteLabRequestForm(Connection& c, const QString& idNum, const QString& employee, const QString& refNum,
                              const QString& accountNum, const QString& doctorId, const QDateTime& serverDate,
                              const QString& session)
{
    FormLines out;
    const Recordset lines = c.call(QStringLiteral("STATION..sp_Nurse__GetLabStatRequest_RequestNumber"),
                                   {idNum.trimmed(), employee.trimmed(), refNum.trimmed(), session});
    if (lines.isEmpty()) return out;
    TransactionGuard tx(c);
    c.call(QStringLiteral("LABORATORY..Lab_CleanUp_tbLabRequestForm"), {employee, session});
    for (int r = 0; r < lines.recordCount(); ++r) {
        out.lastStat = lines.textAt(r, QStringLiteral("Stat"));
        out.lastSection = lines.textAt(r, QStringLiteral("SectionID"));
        c.call(QStringLiteral("LABORATORY..Lab_SaveRequestForm"),
               {QStringLiteral("NS"), lines.textAt(r, QStringLiteral("ExamID")), lines.textAt(r, QStringLiteral("SpecimenID")),
                employee, out.lastSection, employee, out.lastStat, accountNum.trimmed(),
                lines.textAt(r, QStringLiteral("RequestNum")), doctorId, serverDate, employee, session});
    }
    tx.commit();
    out.any = true;
    return out;
}

void WritePostedLabRequestForm(Connection& c, const Recordset& posted, const QString& employee, const QString& accountNum,
                               const QString& doctorCode, const QString& session)
{
    TransactionGuard tx(c);
    c.call(QStringLiteral("LABORATORY..Lab_CleanUp_tbLabRequestForm"), {employee, session});
    for (int r = 0; r < posted.recordCount(); ++r) {
        c.call(QStringLiteral("LABORATORY..Lab_SaveRequestForm"),
               {QStringLiteral("NS"), posted.textAt(r, QStringLiteral("Code")), posted.textAt(r, QStringLiteral("Specimen")), employee,
                posted.textAt(r, QStringLiteral("Section")), posted.textAt(r, QStringLiteral("NURSE")),
                posted.textAt(r, QStringLiteral("Type")).trimmed(), accountNum.trimmed(), posted.textAt(r, QStringLiteral("RequestNum")),
                doctorCode, posted.valueAt(r, QStringLiteral("CHARGE DATE")), employee, session});
    }
    tx.commit();
}

} // namespace ExamOrderingData
