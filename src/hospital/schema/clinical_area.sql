-- The CLINICAL_AREA database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- The department package log: one row per package posted to an admission, under the reference
-- number of its posting; recordstatus X while posted.
CREATE TABLE CLINICAL_AREA..tbCathLabLogBook (
    LogID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    PackageID VARCHAR(20),
    RefNum VARCHAR(20),
    TransDate DATETIME,
    UserID VARCHAR(20),
    RecordStatus CHAR(1)
);
CREATE INDEX ix_tbCathLabLogBook_IDNum ON CLINICAL_AREA..tbCathLabLogBook (IDNum);
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
-- What the department case actions record on a case: the patient type, who discharged it from the
-- department, who revoked it and when (RecordStatus D discharged, beside X active and R revoked).
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN PatientType CHAR(1);
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN DischargedBy VARCHAR(20);
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN DateRevoked DATETIME;
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN RevokedBy VARCHAR(20);
CREATE INDEX ix_tbCLPatient_Status ON CLINICAL_AREA..tbCLPatient (RecordStatus);
-- Requests of the department to admit out-patients: one row per request of a visit registered as a
-- department case. The 3rd column is the admission number of the visit, the 12th the status text
-- ("Pending" while the request waits).
CREATE VIEW CLINICAL_AREA..CLPatientsForAdmission AS
SELECT COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') AS PatientName,
       A.HospNum AS HospNum, A.OPDIDNum AS OPDIDNum, O.AdmDate AS VisitDate, COALESCE(A.AdmIDNum, '') AS AdmIDNum,
       COALESCE(E.LastName || ', ' || E.FirstName, A.RequestedBy) AS RequestedByName, A.RequestDate AS RequestDate,
       COALESCE(O.Diagnosis, '') AS Diagnosis, COALESCE(M.Sex, '') AS Sex, COALESCE(M.City, '') AS City,
       COALESCE(A.RequestedBy, '') AS RequestedByID,
       CASE WHEN COALESCE(A.RecordStatus, '') = '' THEN 'Pending' WHEN A.RecordStatus = 'A' THEN 'Admitted'
            WHEN A.RecordStatus = 'R' THEN 'Revoked' ELSE A.RecordStatus END AS Status
FROM PATIENT_DATA..tbER_Admitting_Communication A
LEFT JOIN PATIENT_DATA..tbMaster M ON M.HospNum = A.HospNum
LEFT JOIN PATIENT_DATA..TBOUTPATIENT O ON O.IDNum = A.OPDIDNum
LEFT JOIN PASSWORD..tbPasswordMain E ON E.EmployeeID = A.RequestedBy
WHERE A.OPDIDNum IN (SELECT C.IDNum FROM CLINICAL_AREA..TBCLPATIENT C);
-- The items of a package: one line per item, in LineNo order; Quantity is what the package
-- includes, PriceIn and PriceOut the item's price in the package for the in-patient ("I") and the
-- cash out-patient ("O") price class. Services leave LocationID empty.
CREATE TABLE CLINICAL_AREA..tbCLPackageItems (
    LineID IDENTITY PRIMARY KEY,
    PackageCode VARCHAR(20) NOT NULL,
    LineNo INTEGER NOT NULL,
    ItemID VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10) NOT NULL,
    Description VARCHAR(200),
    Quantity INTEGER NOT NULL,
    PriceIn MONEY,
    PriceOut MONEY,
    LocationID VARCHAR(10),
    DosageID VARCHAR(10),
    Status CHAR(1) DEFAULT 'A'
);
CREATE INDEX ix_tbCLPackageItems_Package ON CLINICAL_AREA..tbCLPackageItems (PackageCode, LineNo);
-- Items of a charged package recorded as returned, per admission and charge slip. (Also created
-- by the returned-items dialog with the same columns, hence IF NOT EXISTS.)
CREATE TABLE IF NOT EXISTS CLINICAL_AREA..tbCLReturnedItems (
    ReturnedID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RefNum VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Quantity NUMERIC(12,2),
    UnitPrice MONEY,
    Amount MONEY,
    Transdate DATETIME,
    UserID VARCHAR(20)
);
CREATE INDEX IF NOT EXISTS ix_tbCLReturnedItems_Slip ON CLINICAL_AREA..tbCLReturnedItems (IDNum, RefNum);
-- The items of each posted package as the department's log book keeps them.
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN ItemID VARCHAR(20);
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN RevenueID VARCHAR(10);
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN Quantity NUMERIC(12,2);
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN UnitPrice MONEY;
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN Amount MONEY;
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN LocationID VARCHAR(10);
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN PackageAmount MONEY;
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN PackageQty NUMERIC(12,2);
ALTER TABLE CLINICAL_AREA..tbCathLabLogBook ADD COLUMN RateOption VARCHAR(1);
CREATE INDEX ix_tbCathLabLogBook_RefNum ON CLINICAL_AREA..tbCathLabLogBook (RefNum);
-- Package items replaced by another item when the package was charged.
CREATE TABLE CLINICAL_AREA..tbCLReplacedItems (
    ReplacedID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RefNum VARCHAR(20),
    PackageID VARCHAR(20),
    PackageItemID VARCHAR(20),
    ItemID VARCHAR(20),
    TransDate DATETIME
);
CREATE INDEX ix_tbCLReplacedItems_RefNum ON CLINICAL_AREA..tbCLReplacedItems (RefNum);
-- A case opened by charging a package: its amount, requesting doctor, patient type and name.
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN Amount MONEY;
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN Quantity NUMERIC(12,2);
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN RequestDocID VARCHAR(10);
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN PatientType CHAR(1);
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN UserID VARCHAR(20);
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN Description VARCHAR(200);
-- Who processed a request of the department and the doctor it was requested for (the result
-- inquiry's exam list shows them).
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN ProcessedBy VARCHAR(20);
ALTER TABLE CLINICAL_AREA..tbCathLabMaster ADD COLUMN DoctorID VARCHAR(20);
-- Coronary angiogram results: one row per request of the department. The measurements are those
-- the result was saved with; the result text is RTF.
CREATE TABLE CLINICAL_AREA..tbCL_Angiogram (
    RequestNum VARCHAR(20) NOT NULL PRIMARY KEY,
    DatePerformed DATETIME,
    TimeStarted DATETIME,
    TimeEnded DATETIME,
    ResultDate DATETIME,
    BSA VARCHAR(20),
    Height VARCHAR(20),
    Weight VARCHAR(20),
    Race VARCHAR(100),
    UserID VARCHAR(20),
    OutOfCCL DATETIME,
    ReferringID VARCHAR(20),
    Referring VARCHAR(150),
    InterventionistID VARCHAR(20),
    Interventionist VARCHAR(150),
    RadTechID VARCHAR(20),
    RadTech VARCHAR(150),
    ScrubID VARCHAR(20),
    Scrub VARCHAR(150),
    CathLabRoom VARCHAR(50),
    ResultRTF TEXT,
    RVSCode VARCHAR(20),
    CircID VARCHAR(20),
    Circ VARCHAR(150),
    PhysioID VARCHAR(20),
    Physio VARCHAR(150),
    AnesID VARCHAR(20),
    Anes VARCHAR(150),
    CaseNo VARCHAR(20),
    RVSCode2 VARCHAR(20),
    RVSCode3 VARCHAR(20),
    TransDate DATETIME
);
-- Deleted angiogram results, as they stood when deleted.
CREATE TABLE CLINICAL_AREA..tbCL_Angiogram_History (
    HistoryID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    DatePerformed DATETIME,
    TimeStarted DATETIME,
    TimeEnded DATETIME,
    ResultDate DATETIME,
    BSA VARCHAR(20),
    Height VARCHAR(20),
    Weight VARCHAR(20),
    Race VARCHAR(100),
    UserID VARCHAR(20),
    OutOfCCL DATETIME,
    ReferringID VARCHAR(20),
    Referring VARCHAR(150),
    InterventionistID VARCHAR(20),
    Interventionist VARCHAR(150),
    RadTechID VARCHAR(20),
    RadTech VARCHAR(150),
    ScrubID VARCHAR(20),
    Scrub VARCHAR(150),
    CathLabRoom VARCHAR(50),
    ResultRTF TEXT,
    RVSCode VARCHAR(20),
    CircID VARCHAR(20),
    Circ VARCHAR(150),
    PhysioID VARCHAR(20),
    Physio VARCHAR(150),
    AnesID VARCHAR(20),
    Anes VARCHAR(150),
    CaseNo VARCHAR(20),
    RVSCode2 VARCHAR(20),
    RVSCode3 VARCHAR(20),
    TransDate DATETIME
);
CREATE INDEX ix_tbCL_Angiogram_History_Request ON CLINICAL_AREA..tbCL_Angiogram_History (RequestNum);
-- The procedure rooms of the department; Status Y while in use.
CREATE TABLE CLINICAL_AREA..tbCLRooms (
    Room VARCHAR(50) NOT NULL PRIMARY KEY,
    Status CHAR(1)
);
-- Interpretation templates: one RTF text per exam of the department, seeding new results.
CREATE TABLE CLINICAL_AREA..TBCLINTERPRETATION (
    Code IDENTITY PRIMARY KEY,
    ExamID VARCHAR(20) NOT NULL,
    Interpretation TEXT,
    Description VARCHAR(200)
);
CREATE UNIQUE INDEX ux_TBCLINTERPRETATION_ExamID ON CLINICAL_AREA..TBCLINTERPRETATION (ExamID);
-- Heart diagrams: one picture (BMP bytes) per admission and request.
CREATE TABLE CLINICAL_AREA..tbCLImage (
    ImageID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RequestNum VARCHAR(20) NOT NULL,
    UserID VARCHAR(20),
    TransDate DATETIME,
    FileName VARCHAR(100),
    FileType VARCHAR(50),
    FileSize INTEGER,
    PatImage VARBINARY(MAX)
);
CREATE UNIQUE INDEX ux_tbCLImage_Request ON CLINICAL_AREA..tbCLImage (IDNum, RequestNum);
-- Results of every section in one form, for the programs that read results across sections.
CREATE TABLE CLINICAL_AREA..tbGenericResults (
    GenericID IDENTITY PRIMARY KEY,
    ResultID VARCHAR(20) NOT NULL,
    RefNum VARCHAR(20),
    HospNum VARCHAR(20),
    IDNum VARCHAR(20),
    RevenueID VARCHAR(10),
    ExamID VARCHAR(20),
    Remarks VARCHAR(200),
    UserID VARCHAR(20),
    Interpretation TEXT,
    InterpretationRTF TEXT,
    FormatCode VARCHAR(2),
    TransDate DATETIME
);
CREATE UNIQUE INDEX ux_tbGenericResults_Result ON CLINICAL_AREA..tbGenericResults (ResultID, RevenueID);
CREATE INDEX ix_tbGenericResults_IDNum ON CLINICAL_AREA..tbGenericResults (IDNum);
-- The attending doctor and the account of a department case.
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN DoctorID VARCHAR(20);
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN AccountNum VARCHAR(20);
-- The last department case number issued (one row, CounterID 1), taken inside the registration's
-- transaction.
CREATE TABLE CLINICAL_AREA..tbCLCaseCounter (
    CounterID INTEGER NOT NULL PRIMARY KEY,
    LastCathLabNum INTEGER NOT NULL
);
-- The items used under a consigned package (PanelKind "C") or included with an equipment charge
-- ("E"), one row per stock-card line the charge slip issued for them: the reversal of the charge
-- returns exactly these. RecordStatus "X" while issued, "R" once returned.
CREATE TABLE CLINICAL_AREA..tbCLPanelUsedItems (
    UsedID IDENTITY PRIMARY KEY,
    RefNum VARCHAR(20) NOT NULL,
    PanelKind CHAR(1) NOT NULL,
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20) NOT NULL,
    Description VARCHAR(200),
    Quantity FLOAT,
    Amount MONEY,
    LocationID VARCHAR(10),
    StockSection VARCHAR(2),
    TransDate DATETIME,
    UserID VARCHAR(20),
    RecordStatus CHAR(1)
);
CREATE INDEX ix_tbCLPanelUsedItems_RefNum ON CLINICAL_AREA..tbCLPanelUsedItems (RefNum, PanelKind);
-- The mark-up factors of consigned items (not the station's mark-ups of item pricing).
CREATE TABLE CLINICAL_AREA..tbCLMarkUp (
    MarkUpID VARCHAR(10) NOT NULL PRIMARY KEY,
    MarkUpName VARCHAR(100) NOT NULL,
    MarkUp NUMERIC(12,4)
);
