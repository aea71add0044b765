// Stand-ins of the CLINICAL_AREA procedures of the charging save: the department's log book of
// package items, the package items replaced by others, and the case a charged package opens.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"
#include "platform/text/Format.h"

namespace {

double numberArg(const ProcedureArgs& a, int i) { return Fmt::val(a.text(i)); }

// Arguments: admission, slip, (unused), item, quantity, amount, date, department, user, location,
// package amount, rate option, status, package, unit price, quantity the package includes.
Recordset saveToLogBook(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCathLabLogBook (IDNum, RefNum, ItemID, Quantity, Amount, TransDate, RevenueID, "
                             "UserID, LocationID, PackageAmount, RateOption, RecordStatus, PackageID, UnitPrice, PackageQty) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(3).trimmed(), numberArg(a, 4), numberArg(a, 5),
               DbValue::toDateTime(a.at(6)), a.text(7).trimmed(), a.text(8), a.text(9).trimmed(), numberArg(a, 10), a.text(11),
               a.text(12), a.text(13).trimmed(), numberArg(a, 14), numberArg(a, 15)});
    return Recordset();
}

// Arguments: admission, slip, package, the package's own item, the item charged in its place.
Recordset saveReplacedItem(Connection& c, const ProcedureArgs& a)
{
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCLReplacedItems (IDNum, RefNum, PackageID, PackageItemID, ItemID, TransDate) "
                             "VALUES (?, ?, ?, ?, ?, ?)"),
              {a.text(0).trimmed(), a.text(1).trimmed(), a.text(2).trimmed(), a.text(3).trimmed(), a.text(4).trimmed(),
               c.serverDateTime()});
    return Recordset();
}

// Arguments: hospital number, admission, request number, package, amount, date, requesting doctor,
// status, patient type, user, slip, quantity, package name, revenue code. A case without a request
// number gets the next case number of the department.
Recordset saveToMaster(Connection& c, const ProcedureArgs& a)
{
    QString requestNum = a.text(2).trimmed();
    if (requestNum.isEmpty())
        requestNum = QStringLiteral("CL%1").arg(takeNextNumber(c, QStringLiteral("STATION..tbNurseRequestCounter"),
                                                               QStringLiteral("LastNumber"), QStringLiteral("CounterID"),
                                                               QStringLiteral("CLCASE")),
                                                7, 10, QLatin1Char('0'));
    c.execute(QStringLiteral("INSERT INTO CLINICAL_AREA..tbCathLabMaster (RequestNum, HospNum, IDNum, ItemID, Amount, RequestDate, "
                             "RequestDocID, RequestStatus, PatientType, UserID, RefNum, Quantity, Description, RevenueID) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {requestNum, a.text(0).trimmed(), a.text(1).trimmed(), a.text(3).trimmed(), numberArg(a, 4), DbValue::toDateTime(a.at(5)),
               a.text(6), a.text(7), a.text(8), a.text(9), a.text(10).trimmed(), numberArg(a, 11), a.text(12), a.text(13).trimmed()});
    return Recordset();
}

} // namespace

CATHLAB_PROCEDURE("CLINICAL_AREA..SaveToCathLabLogBook", saveToLogBook);
CATHLAB_PROCEDURE("Clinical_Area..SaveToCathReplacedItems", saveReplacedItem);
CATHLAB_PROCEDURE("CLINICAL_AREA..SaveToCathLabMaster", saveToMaster);
