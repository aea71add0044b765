#pragma once
// A discharged, billed in-patient stay and out-patient visit awaiting late charges, the run's
// drug catalogue, and late-charge rows as the receivable update's grid hands them over.
#include "support/TestDatabase.h"

#include "charging/ChargingComponents.h"
#include "receivables/ReceivableEntryRow.h"
#include "receivables/ReceivableSave.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"

#include <memory>

inline QString slipNo(int n) { return QStringLiteral("C%1").arg(n) + QChar(0x00C3); }

// A late-charge row: cells by name, the rest empty.
struct LateRow {
    const char *dept = "", *item = "", *description = "", *qty = "1", *amount = "0", *location = "", *package = "", *dosage = "";
    ReceivableEntryRow make(int gridRow) const
    {
        ReceivableEntryRow r;
        r.gridRow = gridRow;
        r.dept = QString::fromUtf8(dept);
        r.itemCode = QString::fromUtf8(item);
        r.description = QString::fromUtf8(description);
        r.qty = QString::fromUtf8(qty);
        r.unitPrice = r.amount = QString::fromUtf8(amount);
        r.location = QString::fromUtf8(location);
        r.packageCode = QString::fromUtf8(package);
        r.dosageId = QString::fromUtf8(dosage);
        r.arCode = QStringLiteral("1101-CL");
        return r;
    }
};

inline ReceivableEntryRows lateRows(std::initializer_list<LateRow> rows)
{
    ReceivableEntryRows out;
    int n = 0;
    for (const LateRow& r : rows) out << r.make(++n);
    return out;
}

class LateChargeTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        StationParameters().LoadParameters();
        Session.HospitalInfo.IsPrintChargeSlip = true;
        m_components = std::make_unique<ChargingComponents>(conn());
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName) VALUES ('T9002', 'SANTOS', 'MARIA')"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, RoomID, AccountNum, LateCharges) "
                                      "VALUES ('TX0001', 'T9002', '205', 'T9002', 1)"));
        conn().execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBOUTPATIENT (IDNum, HospNum, LateCharges) VALUES ('TX0002B', 'T9002', 1)"));
        conn().execute(QStringLiteral("UPDATE STATION..tbCLChargeSlip SET Chargeslip = 700 WHERE StationID = 'CL'"));
        // packages of the demo's package revenue "PK": PKT1 issues two located stock items and has
        // one without a location
        const QString item = QStringLiteral("INSERT INTO BUILD_FILE..tbCoPackageItems (PackageID, RevenueID, SummaryCode, ItemID, "
                                            "Quantity, Amount, LocationID) VALUES (?, ?, ?, ?, ?, ?, ?)");
        conn().execute(item, {"PKT1", "PH", "PH", "MED0201", 2, 480, "20"});
        conn().execute(item, {"PKT1", "CS", "CS", "SUP0002", 1, QVariant(), "21"});
        conn().execute(item, {"PKT1", "CS", "CS", "SUP0001", 1, 90, ""});
        conn().execute(item, {"PKT2", "CS", "CS", "SUP0001", 3, 270, "21"});
    }
    void TearDown() override
    {
        m_components.reset();
        DbTest::TearDown();
    }
    ReceivableSaveInput input(const ReceivableEntryRows& rows, const QString& idNum = QStringLiteral("TX0001"))
    {
        ReceivableSaveInput in;
        in.hospNum = QStringLiteral("T9002");
        in.idNum = idNum;
        in.room = QStringLiteral("205");
        in.userId = QStringLiteral("CL002");
        in.counterStation = QStringLiteral("CL");
        in.rows = rows;
        return in;
    }
    int under(const char* table, const char* slipColumn, const QString& slip)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(QString::fromLatin1(table), QString::fromLatin1(slipColumn)),
                     {slip});
    }
    int counter() { return count(QStringLiteral("SELECT Chargeslip FROM STATION..tbCLChargeSlip WHERE StationID = 'CL'")); }

    std::unique_ptr<ChargingComponents> m_components;
};
