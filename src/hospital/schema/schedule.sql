-- The SCHEDULE database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- Procedure schedule requests of the department: RECORDSTATUS 'P' pending, 'C' confirmed,
-- 'R' revoked. (Also written by the schedule entry, hence IF NOT EXISTS.)
CREATE TABLE IF NOT EXISTS SCHEDULE..TBCLSCHEDULE (
    ScheduleID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RequestedBy VARCHAR(20),
    ScheduleDate DATETIME,
    StartTime VARCHAR(20),
    ProcedureName VARCHAR(300),
    Remarks VARCHAR(500),
    RECORDSTATUS CHAR(1) DEFAULT 'P',
    RequestDate DATETIME,
    ConfirmedBy VARCHAR(20),
    ConfirmDate DATETIME,
    RevokedBy VARCHAR(20),
    RevokeDate DATETIME,
    RevokeReason VARCHAR(300)
);
CREATE INDEX IF NOT EXISTS ix_tbCLSchedule_Status ON SCHEDULE..TBCLSCHEDULE (RECORDSTATUS);
-- Operating rooms.
CREATE TABLE SCHEDULE..tbORRooms (
    RoomName VARCHAR(50) NOT NULL PRIMARY KEY,
    SortOrder INTEGER
);
-- The operating room's day layout: first time of the day, day length and increment in minutes.
CREATE TABLE SCHEDULE..tbORApplication (
    StartTime DATETIME,
    DayLength INTEGER,
    ScheduleIncrement INTEGER
);
-- Bookings of the operating rooms.
CREATE TABLE SCHEDULE..tbORSchedule (
    ScheduleID IDENTITY PRIMARY KEY,
    RoomName VARCHAR(50),
    StartTime DATETIME,
    Length INTEGER,
    Description VARCHAR(500),
    CategoryName VARCHAR(50)
);
-- Requests for an operation schedule sent by the stations.
CREATE TABLE SCHEDULE..tbORRequest (
    RequestID IDENTITY PRIMARY KEY,
    ScheduleDate DATETIME,
    Description VARCHAR(500),
    ScheduleText VARCHAR(50),
    IDNum VARCHAR(20),
    UserID VARCHAR(20),
    ProcedureCode VARCHAR(20),
    SurgeonCode VARCHAR(20),
    AnesthesiologistCode VARCHAR(20),
    HospNum VARCHAR(20),
    StationID VARCHAR(10),
    Remarks VARCHAR(500)
);
-- The hospital number of a schedule request's patient and the station that asked for it.
ALTER TABLE SCHEDULE..TBCLSCHEDULE ADD COLUMN HospNum VARCHAR(20);
ALTER TABLE SCHEDULE..TBCLSCHEDULE ADD COLUMN StationID VARCHAR(10);
-- The state of an operation schedule request: empty or 'P' while the operating room has not
-- answered, 'C' confirmed, 'R' revoked; who confirmed or revoked it and when.
ALTER TABLE SCHEDULE..tbORRequest ADD COLUMN RecordStatus CHAR(1);
ALTER TABLE SCHEDULE..tbORRequest ADD COLUMN ConfirmedBy VARCHAR(20);
ALTER TABLE SCHEDULE..tbORRequest ADD COLUMN ConfirmDate DATETIME;
ALTER TABLE SCHEDULE..tbORRequest ADD COLUMN RevokedBy VARCHAR(20);
ALTER TABLE SCHEDULE..tbORRequest ADD COLUMN RevokeDate DATETIME;
CREATE INDEX ix_tbORRequest_Status ON SCHEDULE..tbORRequest (RecordStatus, ScheduleDate);
