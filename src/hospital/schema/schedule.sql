-- The SCHEDULE database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

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
