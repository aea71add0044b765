-- The INVENTORY database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

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
