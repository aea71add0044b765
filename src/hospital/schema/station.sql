-- The STATION database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

CREATE TABLE STATION..tbStationLogs (
    LogID IDENTITY PRIMARY KEY,
    Idnum VARCHAR(30),
    Transdate DATETIME,
    Remarks VARCHAR(1000),
    UserID VARCHAR(20),
    Hostname VARCHAR(100),
    StationID VARCHAR(10)
);
CREATE INDEX ix_tbStationLogs_Idnum ON STATION..tbStationLogs (Idnum);
CREATE TABLE STATION..tbNurseErrLog (
    ErrID IDENTITY PRIMARY KEY,
    ModuleName VARCHAR(100),
    HostName VARCHAR(100),
    UserID VARCHAR(20),
    ErrMessage VARCHAR(2000),
    Transdate DATETIME,
    ErrSource VARCHAR(200)
);
CREATE TABLE STATION..tbNurseSetup (
    SetupID IDENTITY PRIMARY KEY,
    Field VARCHAR(100),
    value VARCHAR(500),
    status CHAR(1) DEFAULT '1'
);
CREATE TABLE STATION..tbNursing_Settings (
    ShowPrecautions BIT,
    ValidateUnusedMedClearance BIT,
    NoRequestingAfterFinalNotice BIT,
    PrintPHCSRequest BIT
);
CREATE TABLE STATION..tbNurseUserRights (
    EmployeeID VARCHAR(20) NOT NULL PRIMARY KEY,
    EmployeeRights VARCHAR(1000),
    UpdatedBy VARCHAR(20),
    UpdatedOn DATETIME
);
CREATE TABLE STATION..tbNurseUserSettings (
    ItemID VARCHAR(2) NOT NULL PRIMARY KEY,
    Description VARCHAR(200),
    Status CHAR(1) DEFAULT 'A'
);
CREATE TABLE STATION..tbNurseStation (
    StationID VARCHAR(10) NOT NULL PRIMARY KEY,
    Station VARCHAR(100),
    RevenueID VARCHAR(10),
    Status CHAR(1) DEFAULT 'A'
);
-- The form a department item is requested on ("A" when the item has no row).
CREATE TABLE STATION..tbCLExamFormTypes (
    ItemID VARCHAR(20) NOT NULL PRIMARY KEY,
    FormType VARCHAR(10),
    Description VARCHAR(100)
);
-- Requests sent from a station to a department, one row per requested item. RecordStatus is
-- empty while open, "X" once processed, "R" once revoked.
CREATE TABLE STATION..tbNurseCommunicationFile (
    RequestNum VARCHAR(20) NOT NULL PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Quantity FLOAT,
    RequestDate DATETIME,
    StationID VARCHAR(10),
    UserID VARCHAR(20),
    Stat VARCHAR(1),
    Remarks VARCHAR(500),
    RecordStatus VARCHAR(1),
    Printed VARCHAR(1),
    CLForCharging VARCHAR(1),
    ReferenceNum VARCHAR(20),
    ProcessBy VARCHAR(20),
    ProcessDate DATETIME,
    RevokeBy VARCHAR(20),
    RevokeDate DATETIME
);
CREATE INDEX ix_tbNurseCommunicationFile_Item ON STATION..tbNurseCommunicationFile (IDNum, ItemID, RevenueID);
CREATE INDEX ix_tbNurseCommunicationFile_Open ON STATION..tbNurseCommunicationFile (RevenueID, RecordStatus);
-- Accounts-receivable code of each department, by system and transaction mode.
CREATE TABLE STATION..tbNurseARCodes (
    RevenueID VARCHAR(10) NOT NULL,
    SystemID VARCHAR(10) NOT NULL,
    TransMode VARCHAR(2) NOT NULL,
    ARCode VARCHAR(20),
    Description VARCHAR(100),
    PRIMARY KEY (RevenueID, SystemID, TransMode)
);
-- Links of the own procedure items of the department to admission packages; Status "A" or "I".
CREATE TABLE STATION..tbCLPackage_CodeLink (
    LinkID IDENTITY PRIMARY KEY,
    PackageCode VARCHAR(20) NOT NULL,
    NurseItemCode VARCHAR(20) NOT NULL,
    Status VARCHAR(1)
);
CREATE INDEX ix_tbCLPackage_CodeLink_Package ON STATION..tbCLPackage_CodeLink (PackageCode);
CREATE INDEX ix_tbCLPackage_CodeLink_Item ON STATION..tbCLPackage_CodeLink (NurseItemCode);
-- Medicines issued to a patient and how much of each has been administered.
CREATE TABLE STATION..tbNursePatientMedicines (
    MedID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    ItemID VARCHAR(20) NOT NULL,
    RequestNum VARCHAR(20),
    QtyIssued FLOAT DEFAULT 0,
    QtyAdministered FLOAT DEFAULT 0,
    DateIssued DATETIME,
    LastAdministered DATETIME
);
CREATE INDEX ix_tbNursePatientMedicines_Item ON STATION..tbNursePatientMedicines (IDNum, ItemID);
