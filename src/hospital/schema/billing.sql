-- The BILLING database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- Posted in-patient charges; revocations are posted as negative lines. (Also created by the
-- patient and account look-ups with the same columns, hence IF NOT EXISTS.)
-- Posted charges of in-patients (DrCr D charge, C credit). (Also read by the reference-number
-- check, hence IF NOT EXISTS.)
CREATE TABLE IF NOT EXISTS BILLING..tbBillDailyBill (
    BillLineID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    TransDate DATETIME,
    RevenueID VARCHAR(10),
    DrCr CHAR(1),
    ItemID VARCHAR(20),
    Quantity NUMERIC(12,2),
    Refnum VARCHAR(20),
    Amount MONEY,
    UserID VARCHAR(20),
    RoomID VARCHAR(20),
    requestdocid VARCHAR(10),
    Arcode VARCHAR(20),
    DoctorName VARCHAR(200)
);
CREATE INDEX IF NOT EXISTS ix_tbBillDailyBill_Item ON BILLING..tbBillDailyBill (IDNum, RevenueID, ItemID);
CREATE INDEX IF NOT EXISTS ix_tbBillDailyBill_RefNum ON BILLING..tbBillDailyBill (Refnum);
-- Posted out-patient charges, with the charge slip they were posted on.
-- Posted charges of out-patients.
CREATE TABLE IF NOT EXISTS BILLING..tbBillOPDailyOut (
    BillLineID IDENTITY PRIMARY KEY,
    HospNum VARCHAR(20),
    IDNum VARCHAR(20) NOT NULL,
    TransDate DATETIME,
    RevenueID VARCHAR(10),
    DrCr CHAR(1),
    ItemID VARCHAR(20),
    Quantity NUMERIC(12,2),
    Refnum VARCHAR(20),
    ChargeSlip VARCHAR(20),
    Amount MONEY,
    UserID VARCHAR(20),
    RoomID VARCHAR(20),
    requestdocid VARCHAR(10),
    Arcode VARCHAR(20),
    DoctorName VARCHAR(200)
);
CREATE INDEX IF NOT EXISTS ix_tbBillOPDailyOut_Item ON BILLING..tbBillOPDailyOut (IDNum, RevenueID, ItemID);
CREATE INDEX IF NOT EXISTS ix_tbBillOPDailyOut_RefNum ON BILLING..tbBillOPDailyOut (Refnum);
CREATE INDEX IF NOT EXISTS ix_tbBillOPDailyOut_ChargeSlip ON BILLING..tbBillOPDailyOut (ChargeSlip);
CREATE INDEX IF NOT EXISTS ix_tbBillDailyBill_IDNum ON BILLING..tbBillDailyBill (IDNum);
CREATE INDEX IF NOT EXISTS ix_tbBillOPDailyOut_IDNum ON BILLING..tbBillOPDailyOut (IDNum);
-- One row of counters: the next transcription (assessment) number and the next credit memo advice.
CREATE TABLE IF NOT EXISTS BILLING..tbAssessmentNum (
    AssessmentNum INTEGER,
    CMAdvisenum INTEGER
);
-- Cash credit memo advice lines: one per paid item credited; the cashier marks them processed.
CREATE TABLE IF NOT EXISTS BILLING..tbCashCMAdvise (
    LineID IDENTITY PRIMARY KEY,
    CMAdviseNum VARCHAR(20) NOT NULL,
    ORNumber VARCHAR(20) NOT NULL,
    ItemID VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10) NOT NULL,
    PatientName VARCHAR(150),
    UnitPrice FLOAT,
    Quantity NUMERIC(12,2),
    Amount MONEY,
    UserID VARCHAR(20),
    TransDate DATETIME,
    Processed BIT DEFAULT 0
);
CREATE INDEX IF NOT EXISTS ix_tbCashCMAdvise_OR ON BILLING..tbCashCMAdvise (ORNumber, RevenueID, ItemID);
CREATE INDEX IF NOT EXISTS ix_tbCashCMAdvise_Num ON BILLING..tbCashCMAdvise (CMAdviseNum);
