-- The INVENTORY database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- Stock locations; InventoryType "C" central supply, "P" pharmacy (may be left blank).
CREATE TABLE INVENTORY..tbInvLocation (
    LocationID VARCHAR(10) NOT NULL PRIMARY KEY,
    Location VARCHAR(100),
    InventoryType VARCHAR(1),
    Status VARCHAR(1) DEFAULT 'A'
);
-- Stock on hand of each item at each location.
CREATE TABLE INVENTORY..tbInvLocationStock (
    LocationID VARCHAR(10) NOT NULL,
    ItemID VARCHAR(20) NOT NULL,
    OnHand NUMERIC(12,2) DEFAULT 0,
    ReorderLevel NUMERIC(12,2) DEFAULT 0,
    LastUpdated DATETIME,
    PRIMARY KEY (LocationID, ItemID)
);
-- Items on the national formulary list.
CREATE TABLE INVENTORY..tbInvPNFList (
    ItemID VARCHAR(20) NOT NULL PRIMARY KEY,
    DateListed DATETIME
);
-- Stock movements: issues, charges and returns; a return carries its credit memo number.
CREATE TABLE INVENTORY..tbInvStockCard (
    SequenceNumber IDENTITY PRIMARY KEY,
    HospNum VARCHAR(20),
    IDNum VARCHAR(20),
    ItemID VARCHAR(20),
    LocationID VARCHAR(10),
    RevenueID VARCHAR(10),
    TransDate DATETIME,
    RefNum VARCHAR(20),
    Quantity FLOAT,
    Amount MONEY,
    UserID VARCHAR(20),
    CreditMemoNum VARCHAR(20),
    PackageID VARCHAR(20),
    Remarks VARCHAR(500)
);
CREATE INDEX ix_tbInvStockCard_RefNum ON INVENTORY..tbInvStockCard (RefNum);
CREATE INDEX ix_tbInvStockCard_CreditMemo ON INVENTORY..tbInvStockCard (CreditMemoNum);
CREATE INDEX ix_tbInvStockCard_IDNum ON INVENTORY..tbInvStockCard (IDNum, ItemID);
-- Counters of the slips the inventory issues (credit memos, adjustment slips).
CREATE TABLE INVENTORY..tbInvSlipCounter (
    CounterID VARCHAR(20) NOT NULL PRIMARY KEY,
    Description VARCHAR(100),
    LastNumber INTEGER NOT NULL DEFAULT 0
);
-- Lines of a credit memo staged for its print, per user, admission and credit memo number.
CREATE TABLE INVENTORY..tbInvCMPrint (
    LineID IDENTITY PRIMARY KEY,
    UserID VARCHAR(10) NOT NULL,
    RefNum VARCHAR(10) NOT NULL,
    IDNum VARCHAR(10) NOT NULL,
    Description VARCHAR(90),
    Quantity FLOAT,
    Amount MONEY,
    ChargeSlip VARCHAR(10),
    QtyIssued INTEGER
);
CREATE INDEX ix_tbInvCMPrint_Memo ON INVENTORY..tbInvCMPrint (UserID, IDNum, RefNum);
-- The item master of medicines and supplies; ItemClassificationID marks, among others, the
-- regulated drugs.
CREATE TABLE INVENTORY..TBINVMASTER (
    ItemID VARCHAR(20) NOT NULL PRIMARY KEY,
    ItemName VARCHAR(200),
    GenericName VARCHAR(200),
    ItemClassificationID VARCHAR(10),
    UnitOfMeasure VARCHAR(20),
    Status CHAR(1) DEFAULT 'A'
);
-- Package prices by rate class A to E.
CREATE TABLE INVENTORY..tbInvPackage (
    PackageID VARCHAR(20) NOT NULL PRIMARY KEY,
    Description VARCHAR(200),
    RateA MONEY,
    RateB MONEY,
    RateC MONEY,
    RateD MONEY,
    RateE MONEY,
    Status CHAR(1) DEFAULT 'A'
);
-- Selling prices of stock items: in-patient and out-patient (cash) price.
CREATE TABLE INVENTORY..tbInvSellingPrice (
    ItemID VARCHAR(20) NOT NULL PRIMARY KEY,
    SellingPriceIn MONEY,
    SellingPriceOut MONEY
);
-- The stock-card line of one posted charge (admission, item, charge slip): the list of charges
-- entered reads its location and package code.
CREATE INDEX IF NOT EXISTS ix_tbInvStockCard_Charge ON INVENTORY..tbInvStockCard (IDNum, ItemID, RefNum);
-- What a charge's stock-card line carries besides the movement: dosage, requesting doctor, room
-- and patient type.
ALTER TABLE INVENTORY..tbInvStockCard ADD COLUMN DosageID VARCHAR(20);
ALTER TABLE INVENTORY..tbInvStockCard ADD COLUMN RequestDocID VARCHAR(10);
ALTER TABLE INVENTORY..tbInvStockCard ADD COLUMN RoomID VARCHAR(20);
ALTER TABLE INVENTORY..tbInvStockCard ADD COLUMN PatientType CHAR(1);
-- Generic names of the medicines, with their classification; a generic is requested by its code.
CREATE TABLE INVENTORY..tbInvGeneric (
    GenericID VARCHAR(20) NOT NULL PRIMARY KEY,
    GenericName VARCHAR(200),
    ClassificationName VARCHAR(100),
    Status CHAR(1) DEFAULT 'A'
);
-- The price that company accounts pay for an item taken from a location.
CREATE TABLE INVENTORY..tbInvCompanyPrice (
    ItemID VARCHAR(20) NOT NULL,
    LocationID VARCHAR(10) NOT NULL,
    CompanyPrice MONEY,
    PRIMARY KEY (ItemID, LocationID)
);
-- Items the nurse is warned about when they are requested.
ALTER TABLE INVENTORY..TBINVMASTER ADD COLUMN HighAlert BIT;
ALTER TABLE INVENTORY..TBINVMASTER ADD COLUMN Refrigerated BIT;
-- Each recorded use of an oxygen tank: the item, the tank, the readings before and after; the
-- latest use of a tank tells where its next use starts.
CREATE TABLE INVENTORY..tbCSROxygen (
    OxygenID IDENTITY PRIMARY KEY,
    ItemID VARCHAR(20) NOT NULL,
    TankNum VARCHAR(20) NOT NULL,
    TransDate DATETIME,
    InitialR FLOAT,
    LastR FLOAT,
    IDNum VARCHAR(20),
    RefNum VARCHAR(20),
    UserID VARCHAR(20),
    StationID VARCHAR(10)
);
CREATE INDEX ix_tbCSROxygen_Tank ON INVENTORY..tbCSROxygen (ItemID, TankNum, TransDate);
