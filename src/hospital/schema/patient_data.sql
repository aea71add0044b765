-- The PATIENT_DATA database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

CREATE TABLE PATIENT_DATA..TBHOSPITALINFO (
    Company VARCHAR(200),
    Address1 VARCHAR(300),
    Bygeneric BIT,
    MTSServerName VARCHAR(100),
    IsNursePrint BIT,
    PhoneNum VARCHAR(100),
    clientname VARCHAR(20),
    IsLBDirectCharging BIT,
    IsXRDirectCharging BIT,
    IsUSDirectCharging BIT,
    IsCTDirectCharging BIT,
    IsHSDirectCharging BIT,
    IsShowAmount BIT,
    IsPrintChargeSlip BIT,
    IsAllowSupervisorCodeForCancellationOfCharges BIT,
    IsAllowClinicalAssessmentWithoutValidation BIT,
    IsAllowEntryOfReasonForCancellation BIT,
    PSIOxygenComputationType INTEGER,
    isstat BIT,
    AllowZeroOnHand BIT,
    IsCompanyPrice BIT,
    HighAlert BIT,
    IsAllowOPDShowLabSpecimen BIT
);
-- The master patient file: one row per person, keyed by the permanent hospital number.
CREATE TABLE PATIENT_DATA..tbMaster (
    HospNum VARCHAR(20) NOT NULL PRIMARY KEY,
    LastName VARCHAR(60),
    FirstName VARCHAR(60),
    MiddleName VARCHAR(60),
    Sex CHAR(1),
    BirthDate DATETIME,
    CivilStatus VARCHAR(20),
    HouseStreet VARCHAR(200),
    Barangay VARCHAR(100),
    City VARCHAR(100),
    Province VARCHAR(100),
    ZipCode VARCHAR(10),
    Telephone VARCHAR(50)
);
CREATE INDEX ix_tbMaster_Name ON PATIENT_DATA..tbMaster (LastName, FirstName);
-- In-patient admissions.
CREATE TABLE PATIENT_DATA..tbPatient (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    HospNum VARCHAR(20) NOT NULL,
    AdmDate DATETIME,
    DcrDate DATETIME,
    RoomID VARCHAR(20),
    AccountNum VARCHAR(20),
    AccountNumII VARCHAR(20),
    BillingDate DATETIME,
    PackageID VARCHAR(20),
    AttendingDr1 VARCHAR(20),
    AdmType VARCHAR(10),
    Diagnosis VARCHAR(500)
);
CREATE INDEX ix_tbPatient_HospNum ON PATIENT_DATA..tbPatient (HospNum);
-- Out-patient visits; their admission numbers end in "B".
CREATE TABLE PATIENT_DATA..TBOUTPATIENT (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    HospNum VARCHAR(20) NOT NULL,
    AdmDate DATETIME,
    DcrDate DATETIME,
    AccountNum VARCHAR(20),
    BillingDate DATETIME,
    PackageID VARCHAR(20),
    OPDClass CHAR(1),
    RequestingDr VARCHAR(20),
    Diagnosis VARCHAR(500)
);
CREATE INDEX ix_tbOutPatient_HospNum ON PATIENT_DATA..TBOUTPATIENT (HospNum);
