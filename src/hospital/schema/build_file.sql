-- The BUILD_FILE database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

CREATE TABLE BUILD_FILE..tbCoRoom (
    RoomID VARCHAR(20) NOT NULL PRIMARY KEY,
    StationID VARCHAR(10),
    RoomClass CHAR(1),
    RoomRate MONEY,
    Status CHAR(1) DEFAULT 'A'
);
CREATE TABLE BUILD_FILE..TBCOCOMPANY (
    AccountNum VARCHAR(20) NOT NULL PRIMARY KEY,
    Company VARCHAR(200)
);
-- Departments (revenue codes): the stock location that serves each and the revenue code under
-- which that location keeps its stock cards ("PH" pharmacy, "CS" central supply).
CREATE TABLE BUILD_FILE..tbCoRevenueCode (
    RevenueID VARCHAR(10) NOT NULL PRIMARY KEY,
    ItemName VARCHAR(100),
    LocationID VARCHAR(10),
    StockCardRevenueID VARCHAR(10),
    Status VARCHAR(1) DEFAULT 'A'
);
CREATE INDEX ix_tbCoRevenueCode_Location ON BUILD_FILE..tbCoRevenueCode (LocationID);
-- Laboratory exams and profiles, with their STAT rule, the largest quantity of an open-quantity
-- procedure and the prices of rate classes A to H.
CREATE TABLE BUILD_FILE..tbCoLabExam (
    LabExamID VARCHAR(20) NOT NULL PRIMARY KEY,
    LabExam VARCHAR(150),
    LabSectionID VARCHAR(10),
    IsProfile BIT DEFAULT 0,
    Stat VARCHAR(1),
    IsProcedure BIT DEFAULT 0,
    OpenQuantity BIT DEFAULT 0,
    MaxQty NUMERIC(10,2),
    RateA MONEY,
    RateB MONEY,
    RateC MONEY,
    RateD MONEY,
    RateE MONEY,
    RateF MONEY,
    RateG MONEY,
    RateH MONEY,
    Status VARCHAR(1) DEFAULT 'A'
);
CREATE INDEX ix_tbCoLabExam_Section ON BUILD_FILE..tbCoLabExam (LabSectionID);
-- Members of each laboratory profile, in the order they are listed.
CREATE TABLE BUILD_FILE..tbCoLabProfile (
    ProfileID VARCHAR(20) NOT NULL,
    LabExamID VARCHAR(20) NOT NULL,
    SortOrder INTEGER DEFAULT 0,
    PRIMARY KEY (ProfileID, LabExamID)
);
CREATE INDEX ix_tbCoLabProfile_Exam ON BUILD_FILE..tbCoLabProfile (LabExamID);
CREATE TABLE BUILD_FILE..tbCoLabSpecimen (
    SpecimenID VARCHAR(10) NOT NULL PRIMARY KEY,
    Specimen VARCHAR(100),
    Status VARCHAR(1) DEFAULT 'A'
);
-- The specimens a laboratory exam may be taken from.
CREATE TABLE BUILD_FILE..tbCoLabExamSpecimen (
    LabExamID VARCHAR(20) NOT NULL,
    SpecimenID VARCHAR(10) NOT NULL,
    PRIMARY KEY (LabExamID, SpecimenID)
);
CREATE TABLE BUILD_FILE..tbCoXrayExam (
    XrayExamID VARCHAR(20) NOT NULL PRIMARY KEY,
    XrayExam VARCHAR(150),
    IsProcedure BIT DEFAULT 0,
    OpenQuantity BIT DEFAULT 0,
    MaxQty NUMERIC(10,2),
    RateA MONEY,
    RateB MONEY,
    RateC MONEY,
    RateD MONEY,
    RateE MONEY,
    RateF MONEY,
    RateG MONEY,
    RateH MONEY,
    Status VARCHAR(1) DEFAULT 'A'
);
CREATE TABLE BUILD_FILE..tbCoUltraExam (
    UltraExamID VARCHAR(20) NOT NULL PRIMARY KEY,
    UltraExam VARCHAR(150),
    IsProcedure BIT DEFAULT 0,
    OpenQuantity BIT DEFAULT 0,
    MaxQty NUMERIC(10,2),
    RateA MONEY,
    RateB MONEY,
    RateC MONEY,
    RateD MONEY,
    RateE MONEY,
    RateF MONEY,
    RateG MONEY,
    RateH MONEY,
    Status VARCHAR(1) DEFAULT 'A'
);
-- The services of every section, priced by rate class, with the overtime and on-call rates of the
-- department. (Also created by the package look-ups with the same columns,
-- hence IF NOT EXISTS.)
-- The doctors of the hospital. S2Number is the licence to prescribe regulated drugs.
CREATE TABLE BUILD_FILE..tbCoDoctor (
    DoctorID VARCHAR(10) NOT NULL PRIMARY KEY,
    LastName VARCHAR(60),
    FirstName VARCHAR(60),
    MiddleName VARCHAR(60),
    Specialization VARCHAR(100),
    LicenseNo VARCHAR(20),
    S2Number VARCHAR(20),
    Status CHAR(1) DEFAULT 'A'
);
CREATE INDEX ix_tbCoDoctor_Name ON BUILD_FILE..tbCoDoctor (LastName, FirstName);
-- The professional fee of a doctor per rate class (A to H).
CREATE TABLE BUILD_FILE..tbCoDoctorRate (
    DoctorID VARCHAR(10) NOT NULL,
    RateClass CHAR(1) NOT NULL,
    Amount MONEY,
    PRIMARY KEY (DoctorID, RateClass)
);
-- The own fee table of a doctor: named fees; Status 1 active.
CREATE TABLE BUILD_FILE..tbCoDoctorBill (
    DoctorBillID IDENTITY PRIMARY KEY,
    DoctorID VARCHAR(10) NOT NULL,
    Description VARCHAR(200),
    Amount MONEY,
    Status INTEGER
);
CREATE INDEX ix_tbCoDoctorBill_DoctorID ON BUILD_FILE..tbCoDoctorBill (DoctorID);
-- Out-patient classifications; RateType is the rate class letter the class is priced at.
CREATE TABLE BUILD_FILE..tbCoOPDClass (
    OPDClassID CHAR(1) NOT NULL PRIMARY KEY,
    Description VARCHAR(100),
    RateType CHAR(1)
);
-- Executive check-up packages.
CREATE TABLE BUILD_FILE..tbExecPackageCode (
    PackageID VARCHAR(20) NOT NULL PRIMARY KEY,
    Description VARCHAR(200)
);
-- Nationalities; isInternational Y for foreign patients.
CREATE TABLE BUILD_FILE..tbCoNationality (
    NationalityID VARCHAR(10) NOT NULL PRIMARY KEY,
    Nationality VARCHAR(100),
    isInternational CHAR(1)
);
-- Admission packages; CLActive Y when the cath lab may charge the package. (Also read by the
-- package look-ups, hence IF NOT EXISTS.)
CREATE TABLE IF NOT EXISTS BUILD_FILE..tbCoAdmPackage (
    PackageID VARCHAR(20) NOT NULL PRIMARY KEY,
    Package VARCHAR(200),
    CLActive CHAR(1)
);
-- The services of every section, with their rate-class prices. (Also read by the package look-ups.)
CREATE TABLE IF NOT EXISTS BUILD_FILE..TBCOOTHERREVENUE (
    OtherSectionID VARCHAR(10) NOT NULL,
    OtherRevenueID VARCHAR(20) NOT NULL,
    OtherRevenue VARCHAR(200),
    RateA MONEY,
    RateB MONEY,
    RateC MONEY,
    RateD MONEY,
    RateE MONEY,
    RateF MONEY,
    RateG MONEY,
    RateH MONEY,
    FixRate CHAR(1),
    CathOverTimeRate MONEY,
    CathOnCallRate MONEY,
    Status CHAR(1),
    PRIMARY KEY (OtherSectionID, OtherRevenueID)
);
-- Admission packages.
CREATE TABLE IF NOT EXISTS BUILD_FILE..tbCoAdmPackage (
    PackageID VARCHAR(20) NOT NULL PRIMARY KEY,
    Package VARCHAR(200),
    CLActive CHAR(1)
);
CREATE INDEX IF NOT EXISTS ix_TBCOOTHERREVENUE_Item ON BUILD_FILE..TBCOOTHERREVENUE (OtherRevenueID);
-- Diets that the wards order.
CREATE TABLE BUILD_FILE..tbCoDiet (
    DietID VARCHAR(10) NOT NULL PRIMARY KEY,
    Diet VARCHAR(100),
    Remarks VARCHAR(200)
);
-- ICD-10 diagnosis codes that the ICD-10 code search looks up (code as printed, dot included).
CREATE TABLE BUILD_FILE..tbCoICD10 (
    ICDCode VARCHAR(10) NOT NULL PRIMARY KEY,
    Description VARCHAR(250) NOT NULL
);
-- The accommodation each room class stands for (printed on the laboratory request form).
CREATE TABLE BUILD_FILE..tbCoRoomClass (
    RoomClass CHAR(1) NOT NULL PRIMARY KEY,
    Description VARCHAR(100)
);
-- The result form of an ultrasound exam, which the result look-up reads with the result.
ALTER TABLE BUILD_FILE..tbCoUltraExam ADD COLUMN FormType VARCHAR(4);
-- How a department exam's result is written: "A" the coronary angiogram entry, "4" the HTML
-- angiography report, empty not yet formatted.
ALTER TABLE BUILD_FILE..TBCOOTHERREVENUE ADD COLUMN ResultFormat VARCHAR(2);
-- Dosages of medicine requests: code, name and how many units a day the dosage gives.
CREATE TABLE BUILD_FILE..tbCoDosage (
    DosageID VARCHAR(10) NOT NULL PRIMARY KEY,
    Dosage VARCHAR(100),
    Frequency INTEGER,
    Status CHAR(1) DEFAULT 'A'
);
-- Religions and the zip codes with their town and province, picked on the registration entry.
CREATE TABLE BUILD_FILE..tbCoReligion (
    ReligionID VARCHAR(10) NOT NULL PRIMARY KEY,
    Religion VARCHAR(100)
);
CREATE TABLE BUILD_FILE..tbCoAddress (
    ZipCode VARCHAR(10) NOT NULL PRIMARY KEY,
    Town VARCHAR(100),
    Province VARCHAR(100)
);
-- Departments whose item codes are packages of stock items (the receivable update's packages).
ALTER TABLE BUILD_FILE..tbCoRevenueCode ADD COLUMN Ispackage BIT DEFAULT 0;
-- The stock items of each package: the item, its summary code, quantity and amount, and the
-- stock location it is issued from (an item without one is not issued).
CREATE TABLE BUILD_FILE..tbCoPackageItems (
    PackageItemID IDENTITY PRIMARY KEY,
    PackageID VARCHAR(20) NOT NULL,
    RevenueID VARCHAR(10),
    SummaryCode VARCHAR(10),
    ItemID VARCHAR(20) NOT NULL,
    Quantity FLOAT,
    Amount MONEY,
    LocationID VARCHAR(10)
);
CREATE INDEX ix_tbCoPackageItems_Package ON BUILD_FILE..tbCoPackageItems (PackageID);
-- The professional fee added to a laboratory exam on a clinical assessment, by rate class.
CREATE TABLE IF NOT EXISTS BUILD_FILE..tbCoLabExamPFByClass (
    LabExamID VARCHAR(20) NOT NULL,
    RateClass VARCHAR(1) NOT NULL,
    Rate MONEY,
    PRIMARY KEY (LabExamID, RateClass)
);
