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
