-- The STATION database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

CREATE TABLE STATION..tbStationLogs (
    LogID IDENTITY PRIMARY KEY,
    Idnum VARCHAR(30),
    Transdate DATETIME,
    Remarks VARCHAR(1000),
    UserID VARCHAR(20),
    Hostname VARCHAR(100),
    StationID VARCHAR(10)
);
CREATE INDEX ix_tbStationLogs_Idnum ON STATION..tbStationLogs (Idnum);
CREATE TABLE STATION..tbNurseErrLog (
    ErrID IDENTITY PRIMARY KEY,
    ModuleName VARCHAR(100),
    HostName VARCHAR(100),
    UserID VARCHAR(20),
    ErrMessage VARCHAR(2000),
    Transdate DATETIME,
    ErrSource VARCHAR(200)
);
CREATE TABLE STATION..tbNurseSetup (
    SetupID IDENTITY PRIMARY KEY,
    Field VARCHAR(100),
    value VARCHAR(500),
    status CHAR(1) DEFAULT '1'
);
CREATE TABLE STATION..tbNursing_Settings (
    ShowPrecautions BIT,
    ValidateUnusedMedClearance BIT,
    NoRequestingAfterFinalNotice BIT,
    PrintPHCSRequest BIT
);
CREATE TABLE STATION..tbNurseUserRights (
    EmployeeID VARCHAR(20) NOT NULL PRIMARY KEY,
    EmployeeRights VARCHAR(1000),
    UpdatedBy VARCHAR(20),
    UpdatedOn DATETIME
);
CREATE TABLE STATION..tbNurseUserSettings (
    ItemID VARCHAR(2) NOT NULL PRIMARY KEY,
    Description VARCHAR(200),
    Status CHAR(1) DEFAULT 'A'
);
CREATE TABLE STATION..tbNurseStation (
    StationID VARCHAR(10) NOT NULL PRIMARY KEY,
    Station VARCHAR(100),
    RevenueID VARCHAR(10),
    Status CHAR(1) DEFAULT 'A'
);
-- The standard remarks of the hospital for credit memos (cancellations and returns).
CREATE TABLE STATION..tbNurseCMRemarks (
    RemarksCode VARCHAR(10) NOT NULL PRIMARY KEY,
    Remarks VARCHAR(200) NOT NULL,
    Status CHAR(1) DEFAULT 'A'
);
-- Additional mark-ups offered at charge time (kept by the mark-up settings). MarkUp is a fraction
-- of the price for "*" rows and an amount for "+" rows; Status "A" active, "I" inactive.
CREATE TABLE STATION..tbCLMarkUp (
    MarkupID VARCHAR(10) NOT NULL PRIMARY KEY,
    MarkUp NUMERIC(12,4),
    Description VARCHAR(100) NOT NULL,
    Status CHAR(1) DEFAULT 'A',
    Operation CHAR(1) DEFAULT '*'
);
CREATE INDEX ix_tbCLMarkUp_Description ON STATION..tbCLMarkUp (Description);
-- The form a department item is requested on ("A" when the item has no row).
CREATE TABLE STATION..tbCLExamFormTypes (
    ItemID VARCHAR(20) NOT NULL PRIMARY KEY,
    FormType VARCHAR(10),
    Description VARCHAR(100)
);
-- Requests sent from a station to a department, one row per requested item. RecordStatus is
-- empty while open, "X" once processed, "R" once revoked. (Also created by the account
-- checks with the same columns, hence IF NOT EXISTS.)
-- The revenue codes the cath lab may charge under.
CREATE TABLE STATION..tbCLChargingCodes (
    RevenueID VARCHAR(10) NOT NULL PRIMARY KEY,
    Description VARCHAR(100),
    Status CHAR(1) DEFAULT 'A'
);
-- The clearance of an admission by a department before discharge.
CREATE TABLE STATION..tbNurseDeptClearance (
    IDNum VARCHAR(20) NOT NULL,
    DepartmentID VARCHAR(10) NOT NULL,
    ClearDate DATETIME,
    ClearedBy VARCHAR(20),
    Remarks VARCHAR(200),
    PRIMARY KEY (IDNum, DepartmentID)
);
-- Links between the own procedure items of the cath lab and admission packages. (Also read by the
-- package look-ups, hence IF NOT EXISTS.)
CREATE TABLE IF NOT EXISTS STATION..tbCLPackage_CodeLink (
    LinkID IDENTITY PRIMARY KEY,
    PackageCode VARCHAR(20),
    NurseItemCode VARCHAR(20),
    Status CHAR(1)
);
-- The discharge order of an admission. Status: F final, P processing sheet printed, R revoked,
-- Y forwarded to billing, anything else preliminary.
CREATE TABLE IF NOT EXISTS STATION..TBNURSEDISCHARGENOTICE (
    NoticeID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    RecordStatus CHAR(1),
    OrderedDate DATETIME,
    BillUpTo DATETIME,
    OperationDate DATETIME,
    Procedures VARCHAR(1000),
    FinalDiagnosis VARCHAR(1000),
    MedicalFees VARCHAR(1000),
    Remarks VARCHAR(500),
    Noticedate DATETIME,
    UserID VARCHAR(20)
);
-- Requests sent to a section, one row per requested item; RecordStatus empty while open,
-- X processed, R revoked.
CREATE TABLE IF NOT EXISTS STATION..TBNURSECOMMUNICATIONFILE (
    RequestNum VARCHAR(20) NOT NULL PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Quantity NUMERIC(12,2),
    RequestDate DATETIME,
    RequestingDoctor VARCHAR(10),
    StationID VARCHAR(10),
    UserID VARCHAR(20),
    RecordStatus CHAR(1),
    Printed CHAR(1),
    CLForCharging CHAR(1),
    ReferenceNum VARCHAR(20)
);
CREATE INDEX IF NOT EXISTS ix_tbNurseCommunicationFile_Item ON STATION..TBNURSECOMMUNICATIONFILE (IDNum, ItemID, RevenueID);
CREATE INDEX IF NOT EXISTS ix_tbNurseCommunicationFile_Open ON STATION..TBNURSECOMMUNICATIONFILE (RevenueID, RecordStatus);
-- The nurse log-book line of each requested item, joined to its request by RequestNum: who
-- processed or revoked it and when.
CREATE TABLE STATION..tbNurseLogbook (
    LogID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20),
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Quantity NUMERIC(12,2),
    RecordStatus VARCHAR(1),
    ProcessBy VARCHAR(20),
    ProcessDate DATETIME,
    RevokeBy VARCHAR(20),
    RevokeDate DATETIME,
    ReferenceNum VARCHAR(20),
    PackageID VARCHAR(20),
    StationID VARCHAR(10)
);
CREATE INDEX ix_tbNurseLogbook_Request ON STATION..tbNurseLogbook (RequestNum);
CREATE INDEX ix_tbNurseLogbook_Item ON STATION..tbNurseLogbook (IDNum, ItemID, RevenueID);
-- Accounts-receivable code of each department, by system and transaction mode.
CREATE TABLE STATION..tbNurseARCodes (
    RevenueID VARCHAR(10) NOT NULL,
    SystemID VARCHAR(10) NOT NULL,
    TransMode VARCHAR(2) NOT NULL,
    ARCode VARCHAR(20),
    Description VARCHAR(100),
    PRIMARY KEY (RevenueID, SystemID, TransMode)
);
-- Links of the own procedure items of the department to admission packages; Status "A" or "I".
-- (Also created by the nurse package code check with the same columns, hence IF NOT EXISTS.)
CREATE TABLE IF NOT EXISTS STATION..tbCLPackage_CodeLink (
    LinkID IDENTITY PRIMARY KEY,
    PackageCode VARCHAR(20),
    NurseItemCode VARCHAR(20),
    Status CHAR(1)
);
CREATE INDEX IF NOT EXISTS ix_tbCLPackage_CodeLink_Package ON STATION..tbCLPackage_CodeLink (PackageCode);
CREATE INDEX IF NOT EXISTS ix_tbCLPackage_CodeLink_Nurse ON STATION..tbCLPackage_CodeLink (NurseItemCode);
-- Medicines issued to a patient and how much of each has been administered.
CREATE TABLE STATION..tbNursePatientMedicines (
    MedID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    ItemID VARCHAR(20) NOT NULL,
    RequestNum VARCHAR(20),
    QtyIssued FLOAT DEFAULT 0,
    QtyAdministered FLOAT DEFAULT 0,
    DateIssued DATETIME,
    LastAdministered DATETIME
);
CREATE INDEX ix_tbNursePatientMedicines_Item ON STATION..tbNursePatientMedicines (IDNum, ItemID);
CREATE INDEX IF NOT EXISTS ix_tbNurseDischargeNotice_IDNum ON STATION..TBNURSEDISCHARGENOTICE (IDNum);
CREATE INDEX IF NOT EXISTS ix_tbNurseCommunicationFile_IDNum ON STATION..TBNURSECOMMUNICATIONFILE (IDNum, RevenueID);
CREATE INDEX IF NOT EXISTS ix_tbCLPackage_CodeLink_Nurse ON STATION..tbCLPackage_CodeLink (NurseItemCode);
-- The station's catalogue of nurse reports shown on the workspace: the report type picks the file.
CREATE TABLE STATION..tbNurse_ReportList (
    ReportID IDENTITY PRIMARY KEY,
    ReportType VARCHAR(5),
    ReportName VARCHAR(100),
    RecordStatus INTEGER
);
-- Nurses' notes of an admission, one row per note.
CREATE TABLE STATION..tbNurseNotes (
    TransNum IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    Transdate DATETIME,
    Dayshift VARCHAR(10),
    Notes TEXT,
    UserID VARCHAR(20),
    StationID VARCHAR(10)
);
CREATE INDEX ix_tbNurseNotes_IDNum ON STATION..tbNurseNotes (IDNum);
-- Vital signs recorded for an admission.
CREATE TABLE STATION..tbNurseVitalSigns (
    VitalID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    TransDate DATETIME,
    BloodPressure VARCHAR(10),
    Temperature VARCHAR(10),
    PulseRate VARCHAR(10),
    RespiratoryRate VARCHAR(10),
    UserID VARCHAR(20)
);
CREATE INDEX ix_tbNurseVitalSigns_IDNum ON STATION..tbNurseVitalSigns (IDNum);
-- The nursing profile of an admission: history codes, brief history and physical examination.
CREATE TABLE STATION..tbNurseProfile (
    Hospnum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    PH1 VARCHAR(3), PH2 VARCHAR(3), PH3 VARCHAR(3), PH4 VARCHAR(3),
    FH1 VARCHAR(3), FH2 VARCHAR(3), FH3 VARCHAR(3), FH4 VARCHAR(3),
    PSH1 VARCHAR(3), PSH2 VARCHAR(3), PSH3 VARCHAR(3),
    BriefHistory TEXT DEFAULT '', PEskin TEXT DEFAULT '', PEheadneck TEXT DEFAULT '', PEthorax TEXT DEFAULT '',
    PEabdomen TEXT DEFAULT '', PEextremeties TEXT DEFAULT '', PElympnodes TEXT DEFAULT '', PEgenitalia TEXT DEFAULT '',
    PErectal TEXT DEFAULT '', PEneurological TEXT DEFAULT '', PEOthers TEXT, Others TEXT,
    TransDate DATETIME,
    UserID VARCHAR(20),
    PRIMARY KEY (Hospnum, IDNum)
);
-- Exam ordering. What the ward's log book keeps with each request it sends: the exam as ordered,
-- its priority and laboratory details, and who asked for it.
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN Description VARCHAR(150);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN Amount NUMERIC(12,2);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN SectionID VARCHAR(10);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN Stat CHAR(1);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN Remarks VARCHAR(200);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN SpecimenID VARCHAR(10);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN TransplantID VARCHAR(2);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN DialysisID VARCHAR(2);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN AMPickUp INTEGER;
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN RequestingDoctorName VARCHAR(100);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN PortableMachine INTEGER;
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN ReasonOfProcedure VARCHAR(200);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN PatientType CHAR(1);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN RevokeReason VARCHAR(200);
-- When a section wrote the result of a processed request, and who.
ALTER TABLE STATION..tbNurseLogbook ADD COLUMN ResultBy VARCHAR(20);
ALTER TABLE STATION..tbNurseLogbook ADD COLUMN ResultDate DATETIME;
-- Request and reference numbers, each taken atomically by the save that uses it.
CREATE TABLE STATION..tbNurseRequestCounter (
    CounterID VARCHAR(20) NOT NULL PRIMARY KEY,
    LastNumber INTEGER NOT NULL
);
-- The laboratory exams of the order being saved, one row per exam, kept by the workstation
-- session that saves them (two sessions of one user never share rows).
CREATE TABLE STATION..tbNurse_StatRequest (
    StatID IDENTITY PRIMARY KEY,
    SessionID VARCHAR(40) NOT NULL,
    UserID VARCHAR(20),
    IDNum VARCHAR(20),
    RequestNum VARCHAR(20),
    ExamID VARCHAR(20),
    SpecimenID VARCHAR(10),
    SectionID VARCHAR(10),
    Stat CHAR(1),
    StationID VARCHAR(10),
    RequestDate DATETIME
);
CREATE INDEX ix_tbNurse_StatRequest_Session ON STATION..tbNurse_StatRequest (SessionID);
-- Direct charging scratch rows of a save, kept by its workstation session.
CREATE TABLE STATION..tbNurse_DepartmentCharging (
    ChargingID IDENTITY PRIMARY KEY,
    SessionID VARCHAR(40) NOT NULL,
    UserID VARCHAR(20),
    IDNum VARCHAR(20),
    RevenueID VARCHAR(10),
    RequestNum VARCHAR(20)
);
CREATE INDEX ix_tbNurse_DepartmentCharging_Session ON STATION..tbNurse_DepartmentCharging (SessionID);
-- Notes for the billing office on requests a supervisor let through the cash-basis rule.
CREATE TABLE STATION..tbBillAdjustInfo (
    AdjustID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20),
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Amount NUMERIC(12,2),
    SupervisorID VARCHAR(20),
    Quantity NUMERIC(12,2),
    RequestNum VARCHAR(20),
    Remarks VARCHAR(300),
    TransDate DATETIME
);
-- The exams a ward orders often: marked common, they are listed on the workspace's pick lists.
CREATE TABLE STATION..tbNurseCommonExams (
    RevenueID VARCHAR(10) NOT NULL,
    ExamID VARCHAR(20) NOT NULL,
    PRIMARY KEY (RevenueID, ExamID)
);
-- The sections a ward may ask for work, by revenue code.
CREATE TABLE STATION..OtherExams (
    RevenueID VARCHAR(10) NOT NULL PRIMARY KEY,
    ItemName VARCHAR(100)
);
-- The exam catalogues as the ward's pick lists read them: each section's exams with their code,
-- description and status; the laboratory also its section, and the three workspace lists the
-- common mark.
CREATE VIEW STATION..LaboratoryExams AS
SELECT E.LabExamID AS Code, E.LabExam AS Description, E.LabSectionID AS sectioncode, E.Status AS Status,
       CASE WHEN C.ExamID IS NULL THEN 'N' ELSE 'Y' END AS Common
FROM BUILD_FILE..tbCoLabExam E LEFT JOIN STATION..tbNurseCommonExams C ON C.RevenueID = 'LB' AND C.ExamID = E.LabExamID;
CREATE VIEW STATION..XrayExams AS
SELECT E.XrayExamID AS Code, E.XrayExam AS Description, E.Status AS Status,
       CASE WHEN C.ExamID IS NULL THEN 'N' ELSE 'Y' END AS Common
FROM BUILD_FILE..tbCoXrayExam E LEFT JOIN STATION..tbNurseCommonExams C ON C.RevenueID = 'XR' AND C.ExamID = E.XrayExamID;
CREATE VIEW STATION..UltraExams AS
SELECT E.UltraExamID AS Code, E.UltraExam AS Description, E.Status AS Status,
       CASE WHEN C.ExamID IS NULL THEN 'N' ELSE 'Y' END AS Common
FROM BUILD_FILE..tbCoUltraExam E LEFT JOIN STATION..tbNurseCommonExams C ON C.RevenueID = 'US' AND C.ExamID = E.UltraExamID;
CREATE VIEW STATION..PTExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'PT';
CREATE VIEW STATION..CTExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'CT';
CREATE VIEW STATION..RTSExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'PA';
CREATE VIEW STATION..AudioExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'AU';
CREATE VIEW STATION..HSExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'HS';
CREATE VIEW STATION..NuclearExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'NU';
CREATE VIEW STATION..NeuroExams AS
SELECT OtherRevenueID AS Code, OtherRevenue AS Description, Status FROM BUILD_FILE..TBCOOTHERREVENUE WHERE OtherSectionID = 'NE';
-- Clinical assessments entered for an admission (the request page lists them).
CREATE TABLE IF NOT EXISTS STATION..tbNurseClinicalAssessment (
    AssessNum VARCHAR(20) NOT NULL PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Description VARCHAR(150),
    Amount NUMERIC(12,2),
    Quantity NUMERIC(12,2),
    TransDate DATETIME,
    UserID VARCHAR(20),
    Status VARCHAR(20)
);
-- A station's requests of one moment (the ward printer's batch).
CREATE INDEX ix_tbNurseCommunicationFile_Station ON STATION..TBNURSECOMMUNICATIONFILE (StationID, RequestDate);
-- The charge slip counter of each station: Chargeslip is the next number to hand out.
CREATE TABLE IF NOT EXISTS STATION..tbCLChargeSlip (
    StationID VARCHAR(10) NOT NULL PRIMARY KEY,
    Chargeslip INTEGER NOT NULL DEFAULT 1
);
-- The lines of each charge slip as printed, kept by slip number so that a workstation prints
-- only its own slip's lines.
CREATE TABLE STATION..tbCLChargePrint (
    LineID IDENTITY PRIMARY KEY,
    ChargeSlip VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Description VARCHAR(200),
    Quantity NUMERIC(12,2),
    Amount MONEY
);
CREATE INDEX ix_tbCLChargePrint_Slip ON STATION..tbCLChargePrint (ChargeSlip);
-- Oxygen consumption charged by the department: tank, readings, quantity and amount.
CREATE TABLE STATION..tbNurseOxygenMonitoring (
    MonitoringID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    RefNum VARCHAR(20),
    ItemID VARCHAR(20),
    TankNum FLOAT,
    InitialReading FLOAT,
    Quantity NUMERIC(12,2),
    Amount MONEY,
    LastReading FLOAT,
    UserID VARCHAR(20),
    StationID VARCHAR(10),
    TransDate DATETIME
);
CREATE INDEX ix_tbNurseOxygenMonitoring_IDNum ON STATION..tbNurseOxygenMonitoring (IDNum);
CREATE INDEX ix_tbNurseLogbook_Reference ON STATION..tbNurseLogbook (ReferenceNum);
-- Results of the heart station. A row without a form type is a package; its examinations are rows
-- that name it in PackageNum. ReportCode marks an ECG ("E") or pulmonary ("R") result, whose
-- measured values the report procedures receive.
CREATE TABLE STATION..tbHSResult (
    ResultID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    PackageNum VARCHAR(20),
    ExamName VARCHAR(150),
    FormType VARCHAR(2),
    ReportCode VARCHAR(1),
    TransDate DATETIME,
    ResultDate DATETIME,
    AttendingDoctor VARCHAR(150),
    Cardiologist VARCHAR(150),
    Findings TEXT,
    Impression TEXT,
    Rhythm VARCHAR(60),
    AtrialRate VARCHAR(20),
    VentricularRate VARCHAR(20),
    PWave VARCHAR(60),
    PRInterval VARCHAR(20),
    QRS VARCHAR(20),
    STSegment VARCHAR(60),
    TWave VARCHAR(60),
    QTInterval VARCHAR(20),
    ExamTime VARCHAR(20),
    ResidentID VARCHAR(20),
    BP VARCHAR(20),
    Weight VARCHAR(20),
    Height VARCHAR(20),
    PulmoResult TEXT
);
CREATE INDEX ix_tbHSResult_IDNum ON STATION..tbHSResult (IDNum, PackageNum);
CREATE INDEX ix_tbHSResult_Request ON STATION..tbHSResult (RequestNum);
-- ECG and pulmonary reports that the ward sends to the heart station from a result.
CREATE TABLE STATION..tbNurseECGReport (
    ReportID IDENTITY PRIMARY KEY,
    Rhythm VARCHAR(60),
    AtrialRate VARCHAR(20),
    VentricularRate VARCHAR(20),
    PWave VARCHAR(60),
    PRInterval VARCHAR(20),
    QRS VARCHAR(20),
    STSegment VARCHAR(60),
    TWave VARCHAR(60),
    QTInterval VARCHAR(20),
    Interpretation TEXT,
    PatientName VARCHAR(150),
    IDNum VARCHAR(20),
    Age VARCHAR(20),
    ResultDate VARCHAR(40),
    ExamTime VARCHAR(20),
    Room VARCHAR(20),
    AttendingDoctor VARCHAR(150),
    Cardiologist VARCHAR(150),
    ResidentID VARCHAR(20),
    BP VARCHAR(20),
    Weight VARCHAR(20)
);
CREATE TABLE STATION..tbNursePulmoReport (
    ReportID IDENTITY PRIMARY KEY,
    PatientName VARCHAR(150),
    Age VARCHAR(20),
    Extra VARCHAR(60),
    Room VARCHAR(20),
    Sex VARCHAR(10),
    AttendingDoctor VARCHAR(150),
    TransTime VARCHAR(20),
    Height VARCHAR(20),
    ResultDate VARCHAR(40),
    Result TEXT,
    Cardiologist VARCHAR(150),
    IDNum VARCHAR(20)
);
-- Results of the physical-therapy ("PT"), nuclear ("NU"), pulmonary ("PU") and neurology ("NE")
-- sections. Neurology rows carry their study's section code ("A" electroencephalography) and file number.
CREATE TABLE STATION..tbNurseSectionResult (
    ResultID IDENTITY PRIMARY KEY,
    SectionID VARCHAR(4) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    RequestNum VARCHAR(20),
    RefNum VARCHAR(20),
    ExamCode VARCHAR(20),
    ExamName VARCHAR(150),
    TransDate DATETIME,
    ResultDate DATETIME,
    DoctorLast VARCHAR(60),
    DoctorFirst VARCHAR(60),
    DoctorMiddle VARCHAR(60),
    Interpretation TEXT,
    Result TEXT,
    InitialEvaluation TEXT,
    Endorsement TEXT,
    ChargeSlip VARCHAR(20),
    StudySection VARCHAR(4),
    FileNumber VARCHAR(20)
);
CREATE INDEX ix_tbNurseSectionResult_IDNum ON STATION..tbNurseSectionResult (SectionID, IDNum);
-- The measured lines of a neurology study (nerve conduction "NCV", electromyography "EMG", "EEG").
CREATE TABLE STATION..tbNeuroStudyData (
    LineID IDENTITY PRIMARY KEY,
    FileNumber VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    Kind VARCHAR(4) NOT NULL,
    Site VARCHAR(100),
    Side VARCHAR(10),
    Value1 VARCHAR(40),
    Value2 VARCHAR(40),
    Value3 VARCHAR(40),
    Remarks VARCHAR(255)
);
CREATE INDEX ix_tbNeuroStudyData_File ON STATION..tbNeuroStudyData (FileNumber, Kind);
-- What a medicine request carries beyond an exam request: the dosage, whether it was asked by
-- generic name, and the request transaction (the rows one save sent together) for the reprint.
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN Dosage VARCHAR(10);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN GenericFlag CHAR(1);
ALTER TABLE STATION..TBNURSECOMMUNICATIONFILE ADD COLUMN TransactionKey VARCHAR(20);
CREATE INDEX ix_tbNurseCommunicationFile_Transaction ON STATION..TBNURSECOMMUNICATIONFILE (IDNum, RevenueID, TransactionKey);
-- Pharmacy transcription notes: one row per transcribed medicine, all rows of one save under one
-- transcription number; Status empty while pending, "REVOKED", or the pharmacy's order number.
CREATE TABLE STATION..tbNurseTranscriptionNote (
    NoteID IDENTITY PRIMARY KEY,
    HospNum VARCHAR(20),
    IDNum VARCHAR(20) NOT NULL,
    PatientType CHAR(1),
    ItemID VARCHAR(20),
    Amount NUMERIC(12,2),
    Quantity NUMERIC(12,2),
    Dosage VARCHAR(10),
    TransDate DATETIME,
    RevenueID VARCHAR(10),
    DoctorID VARCHAR(10),
    UserID VARCHAR(20),
    Remarks VARCHAR(200),
    Description VARCHAR(150),
    StationID VARCHAR(10),
    Stat CHAR(1),
    GenericFlag CHAR(1),
    AssessNum VARCHAR(20),
    RoomID VARCHAR(20),
    Status VARCHAR(20),
    RevokeBy VARCHAR(20),
    RevokeDate DATETIME
);
CREATE INDEX ix_tbNurseTranscriptionNote_IDNum ON STATION..tbNurseTranscriptionNote (IDNum, AssessNum);
-- What the discharge order keeps beside the order itself: the patient's name and type as sent,
-- and who revoked it, when and why.
ALTER TABLE STATION..TBNURSEDISCHARGENOTICE ADD COLUMN PatientName VARCHAR(200);
ALTER TABLE STATION..TBNURSEDISCHARGENOTICE ADD COLUMN PatientType VARCHAR(1);
ALTER TABLE STATION..TBNURSEDISCHARGENOTICE ADD COLUMN RevokedBy VARCHAR(20);
ALTER TABLE STATION..TBNURSEDISCHARGENOTICE ADD COLUMN RevokeDate DATETIME;
ALTER TABLE STATION..TBNURSEDISCHARGENOTICE ADD COLUMN RevokeReason VARCHAR(300);
-- Stock items of a package that a late charge did not use, recorded with the charge slip.
CREATE TABLE STATION..tbCLPackageItemsUnused (
    UnusedID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    PackageID VARCHAR(20),
    RevenueID VARCHAR(10),
    SummaryCode VARCHAR(10),
    ItemID VARCHAR(20),
    Quantity FLOAT,
    Amount MONEY,
    LocationID VARCHAR(10),
    UserID VARCHAR(20),
    ChargeSlip VARCHAR(20),
    TransDate DATETIME
);
CREATE INDEX ix_tbCLPackageItemsUnused_Slip ON STATION..tbCLPackageItemsUnused (ChargeSlip);
-- The assessment counter of each station, beside its charge slip counter: AssessNum is the next
-- assessment number to hand out (an empty counter starts at 1).
ALTER TABLE STATION..tbCLChargeSlip ADD COLUMN AssessNum INTEGER;
-- The lines of the cash and clinical assessments: one row per line, every line of one save under
-- one assessment number. Status: PENDING until the cashier takes payment (PAID, the receipt in
-- ORNumber) or the assessment is revoked (REVOKED). AssessType: CASH or CLINICAL.
CREATE TABLE STATION..tbCLAssessment (
    LineID IDENTITY PRIMARY KEY,
    AssessNum VARCHAR(20) NOT NULL,
    AssessType VARCHAR(10) NOT NULL,
    HospNum VARCHAR(20),
    IDNum VARCHAR(20) NOT NULL,
    PatientName VARCHAR(200),
    TransDate DATETIME,
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Description VARCHAR(200),
    Quantity NUMERIC(12,2),
    Amount NUMERIC(12,2),
    UserID VARCHAR(20),
    RequestDocID VARCHAR(20),
    RequestDocName VARCHAR(200),
    Remarks VARCHAR(300),
    SpecimenID VARCHAR(20),
    Status VARCHAR(20) NOT NULL,
    ORNumber VARCHAR(20),
    PaidDate DATETIME,
    RevokeBy VARCHAR(20),
    RevokeDate DATETIME,
    RevokeReason VARCHAR(300)
);
CREATE INDEX ix_tbCLAssessment_IDNum ON STATION..tbCLAssessment (IDNum, AssessType);
CREATE INDEX ix_tbCLAssessment_AssessNum ON STATION..tbCLAssessment (AssessNum);
-- The stock items of the packages assessed, under the assessment that brought them; they follow
-- the assessment's status.
CREATE TABLE STATION..tbCLAssessPackageItems (
    LineID IDENTITY PRIMARY KEY,
    AssessNum VARCHAR(20) NOT NULL,
    HospNum VARCHAR(20),
    IDNum VARCHAR(20) NOT NULL,
    PatientName VARCHAR(200),
    TransDate DATETIME,
    ItemID VARCHAR(20),
    Quantity NUMERIC(12,2),
    Amount NUMERIC(12,2),
    UserID VARCHAR(20),
    RevenueID VARCHAR(10),
    PackageID VARCHAR(20),
    Status VARCHAR(20) NOT NULL
);
CREATE INDEX ix_tbCLAssessPackageItems_AssessNum ON STATION..tbCLAssessPackageItems (AssessNum);
-- The lines of each assessment slip as printed, kept by assessment number so that a workstation
-- prints only its own assessment's lines.
CREATE TABLE STATION..tbCLAssessPrint (
    LineID IDENTITY PRIMARY KEY,
    AssessNum VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10),
    ItemID VARCHAR(20),
    Description VARCHAR(200),
    Quantity NUMERIC(12,2),
    Amount NUMERIC(12,2),
    Remarks VARCHAR(300)
);
CREATE INDEX ix_tbCLAssessPrint_AssessNum ON STATION..tbCLAssessPrint (AssessNum);
-- The tank number as typed (a tank may be numbered with more than digits).
ALTER TABLE STATION..tbNurseOxygenMonitoring ADD COLUMN TankNumber VARCHAR(20);
CREATE INDEX ix_tbNurseOxygenMonitoring_RefNum ON STATION..tbNurseOxygenMonitoring (RefNum);
-- The open requests of an admission by section and user, newest last: the order save asks for the
-- user's latest open request and numbers the unnumbered ones, which must not grow with the
-- admission's processed and revoked history.
CREATE INDEX ix_tbNurseCommunicationFile_OpenByAdmission ON STATION..TBNURSECOMMUNICATIONFILE (IDNum, RevenueID, UserID, RequestNum) WHERE COALESCE(RecordStatus, '') = '';
