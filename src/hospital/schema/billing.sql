-- The BILLING database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- Posted in-patient charges; revocations are posted as negative lines.
CREATE TABLE BILLING..tbBillDailyBill (
    SequenceNumber IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    TransDate DATETIME,
    RevenueID VARCHAR(10),
    DrCr VARCHAR(1),
    ItemID VARCHAR(20),
    Quantity FLOAT,
    RefNum VARCHAR(20),
    Amount MONEY,
    UserID VARCHAR(20),
    RoomID VARCHAR(20),
    RequestDocID VARCHAR(20),
    ARCode VARCHAR(20),
    DoctorName VARCHAR(100)
);
CREATE INDEX ix_tbBillDailyBill_IDNum ON BILLING..tbBillDailyBill (IDNum, RevenueID, ItemID);
CREATE INDEX ix_tbBillDailyBill_RefNum ON BILLING..tbBillDailyBill (RefNum);
-- Posted out-patient charges, with the charge slip they were posted on.
CREATE TABLE BILLING..tbBillOPDailyOut (
    SequenceNumber IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    TransDate DATETIME,
    RevenueID VARCHAR(10),
    DrCr VARCHAR(1),
    ItemID VARCHAR(20),
    Quantity FLOAT,
    RefNum VARCHAR(20),
    ChargeSlip VARCHAR(20),
    Amount MONEY,
    UserID VARCHAR(20),
    RequestDocID VARCHAR(20),
    ARCode VARCHAR(20),
    DoctorName VARCHAR(100)
);
CREATE INDEX ix_tbBillOPDailyOut_IDNum ON BILLING..tbBillOPDailyOut (IDNum, RevenueID, ItemID);
CREATE INDEX ix_tbBillOPDailyOut_RefNum ON BILLING..tbBillOPDailyOut (RefNum);
CREATE INDEX ix_tbBillOPDailyOut_ChargeSlip ON BILLING..tbBillOPDailyOut (ChargeSlip);
