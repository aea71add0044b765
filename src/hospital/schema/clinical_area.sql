-- The CLINICAL_AREA database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- The PHIC RVS codes that may be reported for each of the department's own procedures
-- (ItemID: an OtherRevenueID of the main revenue code). Kept by the control panel's RVS tab.
CREATE TABLE CLINICAL_AREA..tbCLRVS (
    RVSID IDENTITY PRIMARY KEY,
    ItemID VARCHAR(20) NOT NULL,
    RVSCode VARCHAR(20) NOT NULL
);
CREATE UNIQUE INDEX ux_tbCLRVS_Item_Code ON CLINICAL_AREA..tbCLRVS (ItemID, RVSCode);
-- Cases of the department: one row per requested procedure, with the state of its result
-- ("X" no result, "D" saved, "W" verified).
CREATE TABLE CLINICAL_AREA..tbCathLabMaster (
    RequestNum VARCHAR(20) NOT NULL PRIMARY KEY,
    RefNum VARCHAR(20),
    IDNum VARCHAR(20),
    HospNum VARCHAR(20),
    ItemID VARCHAR(20),
    RevenueID VARCHAR(10),
    RequestDate DATETIME,
    RequestStatus VARCHAR(1),
    ResultDate DATETIME,
    DateVerified DATETIME,
    VerifiedBy VARCHAR(20)
);
CREATE INDEX ix_tbCathLabMaster_RefNum ON CLINICAL_AREA..tbCathLabMaster (RefNum);
CREATE INDEX ix_tbCathLabMaster_IDNum ON CLINICAL_AREA..tbCathLabMaster (IDNum);
-- Packages that are equipment packages.
CREATE TABLE CLINICAL_AREA..tbCLEquipmentPackage (
    PackageCode VARCHAR(20) NOT NULL PRIMARY KEY,
    Description VARCHAR(150)
);
-- Links of items of the department to other (consigned) packages; Status "A" or "I".
CREATE TABLE CLINICAL_AREA..tbCLOtherPackageLink (
    LinkID IDENTITY PRIMARY KEY,
    PackageCode VARCHAR(20) NOT NULL,
    NurseItemCode VARCHAR(20) NOT NULL,
    Status VARCHAR(1)
);
CREATE INDEX ix_tbCLOtherPackageLink_Item ON CLINICAL_AREA..tbCLOtherPackageLink (NurseItemCode);
-- The own case file of the cath lab: one row per case registered for an admission. RecordStatus X
-- active, R revoked.
CREATE TABLE CLINICAL_AREA..tbCLPatient (
    CathLabNum VARCHAR(20) NOT NULL PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20) NOT NULL,
    RegistryDate DATETIME,
    DateDischarged DATETIME,
    RecordStatus CHAR(1),
    UserID VARCHAR(20)
);
CREATE INDEX ix_tbCLPatient_IDNum ON CLINICAL_AREA..tbCLPatient (IDNum);
CREATE INDEX ix_tbCLPatient_HospNum ON CLINICAL_AREA..tbCLPatient (HospNum);
