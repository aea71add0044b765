-- The CLINICAL_AREA database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- The department case register: one row per case; RecordStatus X active, D discharged from
-- the department, R revoked.
CREATE TABLE CLINICAL_AREA..TBCLPATIENT (
    CathLabNum VARCHAR(20) NOT NULL PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20) NOT NULL,
    RegistryDate DATETIME,
    DateDischarged DATETIME,
    RecordStatus CHAR(1),
    UserID VARCHAR(20),
    PatientType CHAR(1),
    DischargedBy VARCHAR(20),
    DateRevoked DATETIME,
    RevokedBy VARCHAR(20)
);
CREATE INDEX ix_TBCLPATIENT_IDNum ON CLINICAL_AREA..TBCLPATIENT (IDNum);
CREATE INDEX ix_TBCLPATIENT_HospNum ON CLINICAL_AREA..TBCLPATIENT (HospNum);
CREATE INDEX ix_TBCLPATIENT_Status ON CLINICAL_AREA..TBCLPATIENT (RecordStatus);
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
