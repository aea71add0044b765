-- The CLINICAL_AREA database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

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
