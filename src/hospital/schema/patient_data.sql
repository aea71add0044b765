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
-- Further data of an admission or out-patient visit, one row per admission number: the package,
-- the cash-basis clearance of the department, the own medicines of the patient, the transplant and dialysis
-- tags, the VIP tag and the special-rate code (0 none, 1 or 9 service rate).
CREATE TABLE PATIENT_DATA..tbPatient2 (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    PackageID VARCHAR(20),
    OkeyCL BIT,
    PatientsMed BIT,
    transplantID VARCHAR(2),
    dialysisID VARCHAR(2),
    VIP BIT,
    IsSpecial VARCHAR(4)
);
-- The clinical history of an in-patient stay.
CREATE TABLE PATIENT_DATA..tbPatientHistory (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    Precautions VARCHAR(500),
    AdmittingDiagnosis VARCHAR(1000),
    ChiefComplaint VARCHAR(1000),
    FinalDiagnosis VARCHAR(1000),
    Procedures VARCHAR(1000)
);
-- The clinical history of an out-patient visit.
CREATE TABLE PATIENT_DATA..tbOutPatientHistory (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    Precautions VARCHAR(500),
    AdmittingDiagnosis VARCHAR(1000),
    ChiefComplaint VARCHAR(1000),
    FinalDiagnosis VARCHAR(1000),
    Procedures VARCHAR(1000)
);
-- Requests to admit the patient of an out-patient visit: RecordStatus empty while pending,
-- A once admitted, R once revoked.
CREATE TABLE PATIENT_DATA..tbER_Admitting_Communication (
    RequestID IDENTITY PRIMARY KEY,
    HospNum VARCHAR(20) NOT NULL,
    OPDIDNum VARCHAR(20) NOT NULL,
    RequestedBy VARCHAR(20),
    RequestDate DATETIME,
    StationID VARCHAR(10),
    AdmIDNum VARCHAR(20),
    RecordStatus VARCHAR(1)
);
CREATE INDEX ix_tbER_Admitting_Communication_OPDIDNum ON PATIENT_DATA..tbER_Admitting_Communication (OPDIDNum);
-- The nationality of the patient (BUILD_FILE..tbCoNationality), which tells an international patient.
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN NationalityID VARCHAR(10);
-- The cash-basis flags of the other sections on an admission (1: their requests and charges may go
-- on the account; 0: cash basis) and the diet, beside the department flag OkeyCL.
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyLab BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyXray BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyUltra BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyPH BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyCS BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyCT BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyPT BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyHS BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyRTS BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyNU BIT;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN DietID VARCHAR(10);
-- The admitting impression of an in-patient stay.
ALTER TABLE PATIENT_DATA..tbPatientHistory ADD COLUMN AdmittingImpression VARCHAR(1000);
-- The billing office's per-section account flags of an admission: 1 lets the section's requests
-- and charges go on the account, 0 puts the section on cash basis. No row: every section open.
CREATE TABLE PATIENT_DATA..tbPatientSectionFlags (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    OkeyLab BIT, OkeyXray BIT, OkeyUltra BIT, OkeyPH BIT, OkeyCS BIT,
    OkeyCT BIT, OkeyPT BIT, OkeyHS BIT, OkeyRTS BIT, OkeyNU BIT
);
-- The rest of a stay's header: doctors, how the patient came in, the impression and the diet.
CREATE TABLE PATIENT_DATA..tbPatientAdmInfo (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    AdmittingDr VARCHAR(20),
    AttendingDr2 VARCHAR(20),
    HowAdmitted VARCHAR(60),
    AdmittingImpression VARCHAR(1000),
    DietID VARCHAR(10),
    DietRemarks VARCHAR(500),
    ExtraMeal VARCHAR(1),
    DietDate DATETIME,
    DietBy VARCHAR(100)
);
-- Further data of a master record: insurance membership and blood type.
CREATE TABLE PATIENT_DATA..tbMaster2 (
    HospNum VARCHAR(20) NOT NULL PRIMARY KEY,
    Philhealth VARCHAR(10),
    BloodType VARCHAR(5)
);
-- The allergies of a patient: up to five allergy codes and a free text.
CREATE TABLE PATIENT_DATA..tbMasterAllergies (
    Hospnum VARCHAR(20) NOT NULL PRIMARY KEY,
    AllergyID1 VARCHAR(5) DEFAULT '', AllergyID2 VARCHAR(5) DEFAULT '', AllergyID3 VARCHAR(5) DEFAULT '',
    AllergyID4 VARCHAR(5) DEFAULT '', AllergyID5 VARCHAR(5) DEFAULT '',
    Others TEXT
);
-- The brief history and physical examination text of an in-patient stay's clinical history,
-- kept beside its history row.
CREATE TABLE PATIENT_DATA..tbPatientHistoryExam (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    BriefHistory TEXT,
    PhysicalExamination TEXT
);
-- Personal data of a master record that the clinical summary page shows: birth place, religion
-- and the names of the spouse and parents.
CREATE TABLE PATIENT_DATA..tbMasterPersonal (
    HospNum VARCHAR(20) NOT NULL PRIMARY KEY,
    BirthPlace VARCHAR(100),
    Religion VARCHAR(60),
    SpouseName VARCHAR(120),
    FatherName VARCHAR(120),
    MotherName VARCHAR(120)
);
-- The diet of a stay is kept in its tbPatient2 row beside DietID: the remarks, the extra-meal tag
-- ("Y" or empty), when it was last changed and by whom.
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN DietRemarks VARCHAR(500);
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN ExtraMeal VARCHAR(1);
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN DietDate DATETIME;
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN DietBy VARCHAR(100);
-- The section flags and the diet have one home, tbPatient2: the earlier copies go.
DROP TABLE IF EXISTS PATIENT_DATA..tbPatientSectionFlags;
ALTER TABLE PATIENT_DATA..tbPatientAdmInfo DROP COLUMN DietID;
ALTER TABLE PATIENT_DATA..tbPatientAdmInfo DROP COLUMN DietRemarks;
ALTER TABLE PATIENT_DATA..tbPatientAdmInfo DROP COLUMN ExtraMeal;
ALTER TABLE PATIENT_DATA..tbPatientAdmInfo DROP COLUMN DietDate;
ALTER TABLE PATIENT_DATA..tbPatientAdmInfo DROP COLUMN DietBy;
-- Audiometry charges under cash basis (0) or on the account (1), beside the other sections' flags.
ALTER TABLE PATIENT_DATA..tbPatient2 ADD COLUMN OkeyAU BIT DEFAULT 1;
-- Height (centimetres) and weight (kilograms) of a stay or visit, as text the result entry writes.
ALTER TABLE PATIENT_DATA..tbPatientHistory ADD COLUMN Height VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbPatientHistory ADD COLUMN Weight VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbOutPatientHistory ADD COLUMN Height VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbOutPatientHistory ADD COLUMN Weight VARCHAR(20);
-- What the department's registration keeps of a person: age, contact numbers, e-mail, occupation
-- and the number printed on the hospital card (empty: no card issued).
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN Age INTEGER;
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN CellNum VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN TelNum VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN Email VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN Occupation VARCHAR(60);
ALTER TABLE PATIENT_DATA..tbMaster ADD COLUMN CardNumber VARCHAR(20);
-- The person's further registration details.
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN BirthPlace VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN NationalityID VARCHAR(10);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN ReligionID VARCHAR(10);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN Spouse VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN SpouseEmpName VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN ContactName VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN ContactRelation VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN ContactAddress VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN ContactTelNum VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN Father VARCHAR(100);
ALTER TABLE PATIENT_DATA..tbMaster2 ADD COLUMN Mother VARCHAR(100);
-- Who registered or last edited a stay for the department, whether it is a department case, the
-- attending doctor of a visit, and how the stay ended (result 1-5, disposition 1-6, by whom).
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN UserID VARCHAR(20);
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN isCathLab BIT;
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN DoctorID1 VARCHAR(20);
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN DischargeResult VARCHAR(1);
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN Disposition VARCHAR(1);
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN DischargedBy VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN UserID VARCHAR(20);
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN isCathLab BIT;
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN DischargeResult VARCHAR(1);
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN Disposition VARCHAR(1);
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN DischargedBy VARCHAR(20);
-- The counters of new hospital and out-patient numbers: one row (CounterID 1), each number taken
-- by adding one inside the registration's transaction.
CREATE TABLE PATIENT_DATA..tbAdmLastNumber (
    CounterID INTEGER NOT NULL PRIMARY KEY,
    opdID INTEGER NOT NULL,
    HospNum INTEGER NOT NULL
);
-- Room transfers of in-patient stays.
CREATE TABLE PATIENT_DATA..tbPatientRoomTransfer (
    TransferID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    OldRoomID VARCHAR(20),
    NewRoomID VARCHAR(20),
    TransferDate DATETIME,
    RoomRate MONEY,
    UserID VARCHAR(20),
    TransferFlag VARCHAR(1)
);
CREATE INDEX ix_tbPatientRoomTransfer_IDNum ON PATIENT_DATA..tbPatientRoomTransfer (IDNum);
-- Balances left unpaid on a person's closed accounts.
CREATE TABLE PATIENT_DATA..tbAdmOldAccounts (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    HospNum VARCHAR(20) NOT NULL,
    Amount MONEY
);
CREATE INDEX ix_tbAdmOldAccounts_HospNum ON PATIENT_DATA..tbAdmOldAccounts (HospNum);
-- Late charges: set while an account billed already has charges posted after its billing, cleared
-- by the receivable update; the date the receivable section invoiced the account (then closed to
-- late charges).
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN LateCharges BIT;
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN LateCharges BIT;
ALTER TABLE PATIENT_DATA..tbPatient ADD COLUMN InvoiceDate DATETIME;
ALTER TABLE PATIENT_DATA..TBOUTPATIENT ADD COLUMN InvoiceDate DATETIME;
-- The patient lists' name search reads the names and the stays from their indexes alone: the
-- master's names with the hospital number, and each stay table by hospital number with the
-- stay's number and dates.
CREATE INDEX ix_tbMaster_NameCover ON PATIENT_DATA..tbMaster (LastName, FirstName, MiddleName, HospNum);
CREATE INDEX ix_tbPatient_HospNumCover ON PATIENT_DATA..tbPatient (HospNum, IDNum, AdmDate, DcrDate, BillingDate);
CREATE INDEX ix_tbOutPatient_HospNumCover ON PATIENT_DATA..TBOUTPATIENT (HospNum, IDNum, AdmDate, DcrDate, BillingDate, OPDClass);
CREATE INDEX ix_tbPatient2_CashBasis ON PATIENT_DATA..tbPatient2 (IDNum, OkeyCL, OkeyLab, OkeyXray, OkeyUltra, OkeyCT, OkeyHS, OkeyPH, OkeyCS);
