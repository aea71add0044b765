// Saving late charges: every row under one slip in one transaction (stock card, bill, slip lines,
// the late-charge flag), the posted list and the ledger showing them, the checks made on every
// row before anything posts, and a failure in the middle that leaves nothing.
#include "receivables/LateChargeFixture.h"
#include "support/TableOutOfReach.h"

#include "charging/ChargeSlipNumber.h"
#include "platform/db/Connection.h"

TEST_F(LateChargeTest, MedicinesAndAServiceShareOneSlipAndReachTheBillAndThePostedList)
{
    const ReceivableSaveResult saved = SaveReceivableRows(
        conn(), input(lateRows({{"PH", "MED0201", "HEPARIN VIAL", "2", "820", "20", "", "D1"},
                                {"HS", "HS001", "ECG 12 LEADS", "1", "450"},
                                {"CS", "SUP0002", "SHEATH 6 FR", "1", "2400", "21", "PKG-X"}})));
    const QString slip = slipNo(700);
    EXPECT_EQ(saved.slipNumber, slip);
    EXPECT_EQ(counter(), 701);
    // the stock rows on the stock card, the second tagged with the package it came from
    const Recordset card = conn().query(QStringLiteral("SELECT ItemID, Quantity, Amount, DosageID, COALESCE(PackageID, '') AS PackageID, "
                                                       "PatientType FROM INVENTORY..tbInvStockCard WHERE RefNum = ? ORDER BY SequenceNumber"),
                                        {slip});
    ASSERT_EQ(card.recordCount(), 2);
    EXPECT_EQ(card.textAt(0, "ItemID"), "MED0201");
    EXPECT_EQ(DbValue::toDouble(card.valueAt(0, "Quantity")), -2);
    EXPECT_EQ(card.textAt(0, "DosageID"), "D1");
    EXPECT_EQ(card.textAt(0, "PackageID"), "");
    EXPECT_EQ(card.textAt(1, "PackageID"), "PKG-X");
    EXPECT_EQ(card.textAt(1, "PatientType"), "I");
    // every row on the bill under its own department, and on the slip
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE Refnum = ? AND IDNum = 'TX0001'"), {slip}), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT SUM(Amount) FROM BILLING..tbBillDailyBill WHERE Refnum = ?"), {slip}), 820 + 450 + 2400);
    EXPECT_EQ(under("STATION..tbCLChargePrint", "ChargeSlip", slip), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT LateCharges FROM PATIENT_DATA..tbPatient WHERE IDNum = 'TX0001'")), 0);
    // the charging window's posted list shows them, the stock rows with their location
    const Recordset list = conn().call(QStringLiteral("STATION..List_All_CLCharges"), {"T9002", "TX0001", "CL"});
    QStringList shown;
    for (int r = 0; r < list.recordCount(); ++r)
        if (list.valueAt(r, 5).toString() == slip) shown << list.valueAt(r, 1).toString() + QLatin1Char('@') + list.valueAt(r, 8).toString();
    EXPECT_EQ(shown, (QStringList{"MED0201@20", "HS001@", "SUP0002@21"}));
}

TEST_F(LateChargeTest, AnOutPatientVisitIsChargedAndClearedAsOne)
{
    const ReceivableSaveResult saved =
        SaveReceivableRows(conn(), input(lateRows({{"PH", "MED0201", "HEPARIN VIAL", "1", "410", "20"}, {"HS", "HS001", "ECG", "1", "450"}}),
                                         QStringLiteral("TX0002B")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillOPDailyOut WHERE ChargeSlip = ? AND IDNum = 'TX0002B'"),
                    {saved.slipNumber}),
              2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND PatientType = 'O'"),
                    {saved.slipNumber}),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT LateCharges FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = 'TX0002B'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT LateCharges FROM PATIENT_DATA..tbPatient WHERE IDNum = 'TX0001'")), 1);
}

TEST_F(LateChargeTest, NoRowsTakeNoNumberAndAMissingCounterIsAnError)
{
    EXPECT_EQ(SaveReceivableRows(conn(), input({})).slipNumber, "");
    EXPECT_EQ(counter(), 700);
    conn().execute(QStringLiteral("DELETE FROM STATION..tbCLChargeSlip"));
    EXPECT_THROW(SaveReceivableRows(conn(), input(lateRows({{"HS", "HS001", "ECG", "1", "450"}}))), MissingSlipCounter);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM BILLING..tbBillDailyBill WHERE IDNum = 'TX0001'")), 0);
}

TEST_F(LateChargeTest, AFailureInTheMiddleLeavesNothingAndUsesNoNumber)
{
    ReceivableEntryRows rows = lateRows({{"PH", "MED0201", "HEPARIN VIAL", "1", "410", "20"},
                                         {"OX", "OX001", "OXYGEN", "30", "300"},
                                         {"HS", "HS001", "ECG", "1", "450"}});
    rows[1].psiMark = QStringLiteral("1");
    rows[1].initialReading = QStringLiteral("2000");
    rows[1].lastReading = QStringLiteral("1970");
    rows[1].tankNumber = QStringLiteral("7");
    ReceivableSaveInput in = input(rows);
    in.packageItems = {{"PH", "PH", "MED0201", "2", "480", "20", "PKT1"}};
    rows << LateRow{"PK", "PKT1", "PACKAGE ONE", "1", "5000"}.make(4);
    in.rows = rows;
    {
        TableOutOfReach away(conn(), QStringLiteral("STATION..tbNurseOxygenMonitoring"));
        EXPECT_THROW(SaveReceivableRows(conn(), in), DbError);
    }
    EXPECT_EQ(counter(), 700);
    for (const auto& [table, column] : {std::pair{"INVENTORY..tbInvStockCard", "RefNum"}, {"BILLING..tbBillDailyBill", "Refnum"},
                                        {"STATION..tbCLChargePrint", "ChargeSlip"}, {"STATION..tbNurseLogbook", "ReferenceNum"}})
        EXPECT_EQ(under(table, column, slipNo(700)), 0) << table;
    EXPECT_EQ(count(QStringLiteral("SELECT LateCharges FROM PATIENT_DATA..tbPatient WHERE IDNum = 'TX0001'")), 1);
    // the same rows save once the table is back: the oxygen readings and the package's items with them
    const ReceivableSaveResult saved = SaveReceivableRows(conn(), in);
    EXPECT_EQ(saved.slipNumber, slipNo(700));
    EXPECT_EQ(under("STATION..tbNurseOxygenMonitoring", "RefNum", saved.slipNumber), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvStockCard WHERE RefNum = ? AND PackageID = 'PKT1'"),
                    {saved.slipNumber}),
              1);
}

TEST_F(LateChargeTest, EveryRowIsCheckedBeforeAnythingPosts)
{
    const QString heparin = conn().scalar(QStringLiteral("SELECT ItemName FROM INVENTORY..TBINVMASTER WHERE ItemID = 'MED0201'")).toString().trimmed();
    auto oxygen = [](const char* tank, const char* first) {
        ReceivableEntryRow r = LateRow{"OX", "OX001", "OXYGEN TANK", "30", "300"}.make(2);
        r.psiMark = QStringLiteral("1");
        r.initialReading = QString::fromLatin1(first);
        r.lastReading = QStringLiteral("1970");
        r.tankNumber = QString::fromLatin1(tank);
        return r;
    };
    const ReceivableEntryRow fine = LateRow{"HS", "HS001", "ECG", "1", "450"}.make(1);
    const ReceivableEntryRow noDosage = LateRow{"PH", "MED0201", "TYPED NAME", "1", "410", "20"}.make(3);
    const struct {
        const char* name;
        bool dosageAsked;
        ReceivableEntryRows rows;
        QString refusal;
    } cases[] = {
        {"dosage not asked", false, {fine, noDosage}, ""},
        {"the catalogue's name of the row's item", true, {fine, noDosage},
         "DOSAGE ID for " + heparin + " is empty. The system can't process the specified item."},
        {"a dosage given", true, {fine, LateRow{"PH", "MED0201", "X", "1", "410", "20", "", "D1"}.make(3)}, ""},
        {"a tank number that is no number", false, {fine, oxygen("7A", "2000")},
         "The oxygen tank of row 2 (OXYGEN TANK) has no valid tank number or readings. Please read the tank again."},
        {"an empty reading", false, {fine, oxygen("7", "")},
         "The oxygen tank of row 2 (OXYGEN TANK) has no valid tank number or readings. Please read the tank again."},
        {"a tank read in full", false, {fine, oxygen("7", "2000")}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setStationParameter(QStringLiteral("CLShowDosagePostMedicines"), c.dosageAsked ? QStringLiteral("1") : QStringLiteral("0"));
        EXPECT_EQ(ReceivableRowsRefusal(conn(), c.rows), c.refusal);
    }
}
