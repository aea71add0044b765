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
-- The laboratory's sections, by the names its result lists show.
CREATE TABLE LABORATORY..tbLabSection (
    LabSectionID VARCHAR(10) NOT NULL PRIMARY KEY,
    SectionName VARCHAR(60)
);
-- Posted laboratory results: one value per examination and release, with the normal values the
-- laboratory gave it; Reference is the charge slip of the request.
CREATE TABLE LABORATORY..tbLabResult (
    ResultID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RequestNum VARCHAR(20),
    Reference VARCHAR(20),
    LabExamID VARCHAR(20) NOT NULL,
    ResultDate DATETIME NOT NULL,
    Result VARCHAR(60),
    Unit VARCHAR(20),
    NormalValue VARCHAR(100),
    MedTech VARCHAR(100),
    Pathologist VARCHAR(100)
);
CREATE INDEX ix_tbLabResult_IDNum ON LABORATORY..tbLabResult (IDNum, ResultDate);
CREATE INDEX ix_tbLabResult_Reference ON LABORATORY..tbLabResult (Reference);
