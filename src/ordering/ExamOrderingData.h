#pragma once
#include "ordering/OrdersGrid.h"
#include "ordering/PickList.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class Connection;
class Recordset;

// The database work of exam ordering, over a connection: the catalogues of the pick lists, the
// exam price, the order save and the revocation of a request. Failures throw DbError.
namespace ExamOrderingData {

// The key of this workstation's session: the scratch rows of a save and the lines of a request
// form are kept under it, so two workstations of one user never share them.
QString WorkstationSession();

// The eleven exam catalogues, in the order the workspace reads them.
enum class Catalogue { Laboratory, Xray, Ultra, PT, CT, RTS, Audio, HS, Nuclear, Neuro };
// The entries of one catalogue: rows whose Status is "A" (and, for the laboratory, x-ray and
// ultrasound lists, whose Common is "Y"), in the catalogue's layout.
QList<PickList::Entry> CatalogueEntries(Connection& c, Catalogue catalogue);
// The sections a ward may ask for work, but the station's own (mainRevenueId).
QList<PickList::Entry> OtherSectionEntries(Connection& c, const QString& mainRevenueId);

// The exam's price for the room class in plain number form with the blank of the sign (" 150");
// empty when the exam is not priced.
QString ExamAmount(Connection& c, const QString& section, const QString& roomClass, const QString& code);
// The international rate of an amount text: times 1.1, rounded to cents, shortest form ("165",
// "2.75"); an empty amount stays empty.
QString InternationalAmount(const QString& amount);
// Whether the admission's patient is a foreign national; failures throw.
bool IsInternational(Connection& c, const QString& idNum);

// What a save sends besides the orders.
struct SaveInput {
    QString hospNum, idNum, patientType, userId, doctorId, doctorName, stationId, transplantId, dialysisId;
    QString supervisorUserId, cancelReason; // given during this save only
    QString session;
    bool lbDirect = false, xrDirect = false, usDirect = false, ctDirect = false, hsDirect = false;
};
struct SaveResult {
    QStringList requestNums; // one per order, in order
    bool hasLab = false;
    QString lastRequestNum, lastRequestRefNum; // empty unless this save gave them
    QDateTime serverDate;
};
// Sends every order as a request, in one transaction: the patient's transplant and dialysis
// flags, the log book, the laboratory STAT rows, the billing notes of a supervisor's approval,
// the direct charging. Nothing stays written when it throws.
SaveResult SaveOrders(Connection& c, const SaveInput& in, const QList<OrdersGrid::Order>& orders);

// A row when the stay now lies in another room than the one shown: "RoomID  -StationID".
QString TransferredRoom(Connection& c, const QString& idNum, const QString& hospNum, const QString& room);

// The accommodation of the stay's room ("PRIVATE ROOM"); empty when it is not on file.
QString RoomAccommodation(Connection& c, const QString& idNum);

// Revoking a request.
enum class RevokeOutcome { Revoked, NotFound, OtherStation, AlreadyRevoked, AlreadyProcessed };
struct RevokeResult {
    RevokeOutcome outcome = RevokeOutcome::NotFound;
    QString by, when; // who revoked or processed it, and when ("mm/dd/yyyy hh:mm:ss AM/PM")
    QString station;
};
// Looks the request up again and revokes it, in one transaction, only while it is open and was
// asked by this station.
RevokeResult RevokeRequest(Connection& c, const QString& requestNum, const QString& userId, const QString& reason,
                           const QString& stationId);
// The message for a request that was not revoked (empty for Revoked).
QString RevokeRefusal(const RevokeResult& r);

// The laboratory request form of a saved order: its lines (SectionID, Stat, ExamID, SpecimenID,
// RequestNum) written under the session in one transaction. Returns the last line's Stat and
// SectionID; false when the order has no line.
struct FormLines {
    bool any = false;
    QString lastStat, lastSection;
};
FormLines WriteLabRequestForm(Connection& c, const QString& idNum, const QString& employee, const QString& refNum,
                              const QString& accountNum, const QString& doctorId, const QDateTime& serverDate,
                              const QString& session);

// The laboratory request form again, from the posted laboratory exams (the columns of
// STATION..sp_Nurse_Get_LaboratoryExamPosted): the user's lines under the session emptied, then
// one line per exam with its own urgency, in one transaction.
void WritePostedLabRequestForm(Connection& c, const Recordset& posted, const QString& employee, const QString& accountNum,
                               const QString& doctorCode, const QString& session);

} // namespace ExamOrderingData
