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
-- The attending doctor and the account of a department case.
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN DoctorID VARCHAR(20);
ALTER TABLE CLINICAL_AREA..tbCLPatient ADD COLUMN AccountNum VARCHAR(20);
-- The last department case number issued (one row, CounterID 1), taken inside the registration's
-- transaction.
CREATE TABLE CLINICAL_AREA..tbCLCaseCounter (
    CounterID INTEGER NOT NULL PRIMARY KEY,
    LastCathLabNum INTEGER NOT NULL
);
