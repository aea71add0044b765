-- The LABORATORY database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- Lines of the laboratory request form of an order, kept by the workstation session that printed
-- it (each print reads only its own lines).
CREATE TABLE LABORATORY..tbLabRequestForm (
    LineID IDENTITY PRIMARY KEY,
    SessionID VARCHAR(40) NOT NULL,
    FormType VARCHAR(4),
    ExamID VARCHAR(20),
    SpecimenID VARCHAR(10),
    EmployeeID VARCHAR(20),
    SectionID VARCHAR(10),
    EncodedBy VARCHAR(20),
    Stat CHAR(1),
    AccountNum VARCHAR(20),
    RequestNum VARCHAR(20),
    DoctorID VARCHAR(20),
    RequestDate DATETIME,
    UserID VARCHAR(20)
);
CREATE INDEX ix_tbLabRequestForm_Session ON LABORATORY..tbLabRequestForm (SessionID);
-- Laboratory requests charged to the patient directly from the ward's order.
CREATE TABLE LABORATORY..tbLabNurseCharges (
    ChargeID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20),
    RequestNum VARCHAR(20),
    ExamID VARCHAR(20),
    Amount NUMERIC(12,2),
    TransDate DATETIME
);
