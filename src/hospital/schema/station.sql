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
-- The standard remarks of the hospital for credit memos (cancellations and returns).
CREATE TABLE STATION..tbNurseCMRemarks (
    RemarksCode VARCHAR(10) NOT NULL PRIMARY KEY,
    Remarks VARCHAR(200) NOT NULL,
    Status CHAR(1) DEFAULT 'A'
);
-- Additional mark-ups offered at charge time (kept by the mark-up settings). MarkUp is a fraction
-- of the price for "*" rows and an amount for "+" rows; Status "A" active, "I" inactive.
CREATE TABLE STATION..tbCLMarkUp (
    MarkupID VARCHAR(10) NOT NULL PRIMARY KEY,
    MarkUp NUMERIC(12,4),
    Description VARCHAR(100) NOT NULL,
    Status CHAR(1) DEFAULT 'A',
    Operation CHAR(1) DEFAULT '*'
);
CREATE INDEX ix_tbCLMarkUp_Description ON STATION..tbCLMarkUp (Description);
