-- The RADIOLOGY database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- Read results of the imaging examinations of a stay, by kind ("2" x-ray, "3" ultrasound, "4" CT).
CREATE TABLE RADIOLOGY..tbRadExamResults (
    ResultID IDENTITY PRIMARY KEY,
    IDNum VARCHAR(20) NOT NULL,
    Kind VARCHAR(2) NOT NULL,
    Examination VARCHAR(200),
    ExamDate DATETIME,
    Interpretation VARCHAR(4000)
);
CREATE INDEX ix_tbRadExamResults_IDNum ON RADIOLOGY..tbRadExamResults (IDNum, Kind);

-- The read results of the imaging sections, one table per section as the radiology department keeps
-- them: the request, the reading radiologist (a doctor code), the interpretation (plain text or RTF)
-- and the numbers the result print carries.
CREATE TABLE RADIOLOGY..tbXRResult (
    ResultID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    ItemCode VARCHAR(20),
    ExamName VARCHAR(150),
    TransDate DATETIME,
    ResultDate DATETIME,
    RadiologistID VARCHAR(10),
    Interpretation TEXT,
    XrayNum VARCHAR(20),
    ControlNum VARCHAR(20),
    TelNum VARCHAR(30),
    Remarks VARCHAR(255),
    RadCode VARCHAR(10),
    RadCode2 VARCHAR(10),
    Radiologist2 VARCHAR(100),
    Radiologist3 VARCHAR(100),
    Radiologist4 VARCHAR(100),
    Encoder VARCHAR(20)
);
CREATE INDEX ix_tbXRResult_IDNum ON RADIOLOGY..tbXRResult (IDNum);
CREATE INDEX ix_tbXRResult_Request ON RADIOLOGY..tbXRResult (RequestNum);
CREATE TABLE RADIOLOGY..tbUlResult (
    ResultID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    ItemCode VARCHAR(20),
    ExamName VARCHAR(150),
    TransDate DATETIME,
    ResultDate DATETIME,
    RadiologistID VARCHAR(10),
    Interpretation TEXT,
    XrayNum VARCHAR(20),
    ControlNum VARCHAR(20),
    TelNum VARCHAR(30),
    Remarks VARCHAR(255),
    RadCode VARCHAR(10),
    RadCode2 VARCHAR(10),
    Radiologist2 VARCHAR(100),
    Radiologist3 VARCHAR(100),
    Radiologist4 VARCHAR(100),
    Encoder VARCHAR(20)
);
CREATE INDEX ix_tbUlResult_IDNum ON RADIOLOGY..tbUlResult (IDNum);
CREATE INDEX ix_tbUlResult_Request ON RADIOLOGY..tbUlResult (RequestNum);
CREATE TABLE RADIOLOGY..tbCTResult (
    ResultID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    ItemCode VARCHAR(20),
    ExamName VARCHAR(150),
    TransDate DATETIME,
    ResultDate DATETIME,
    RadiologistID VARCHAR(10),
    Interpretation TEXT,
    XrayNum VARCHAR(20),
    ControlNum VARCHAR(20),
    TelNum VARCHAR(30),
    Remarks VARCHAR(255),
    RadCode VARCHAR(10),
    RadCode2 VARCHAR(10),
    Radiologist2 VARCHAR(100),
    Radiologist3 VARCHAR(100),
    Radiologist4 VARCHAR(100),
    Encoder VARCHAR(20)
);
CREATE INDEX ix_tbCTResult_IDNum ON RADIOLOGY..tbCTResult (IDNum);
CREATE INDEX ix_tbCTResult_Request ON RADIOLOGY..tbCTResult (RequestNum);
CREATE TABLE RADIOLOGY..tbMRIResult (
    ResultID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    ItemCode VARCHAR(20),
    ExamName VARCHAR(150),
    TransDate DATETIME,
    ResultDate DATETIME,
    RadiologistID VARCHAR(10),
    Interpretation TEXT,
    XrayNum VARCHAR(20),
    ControlNum VARCHAR(20),
    TelNum VARCHAR(30),
    Remarks VARCHAR(255),
    RadCode VARCHAR(10),
    RadCode2 VARCHAR(10),
    Radiologist2 VARCHAR(100),
    Radiologist3 VARCHAR(100),
    Radiologist4 VARCHAR(100),
    Encoder VARCHAR(20)
);
CREATE INDEX ix_tbMRIResult_IDNum ON RADIOLOGY..tbMRIResult (IDNum);
CREATE INDEX ix_tbMRIResult_Request ON RADIOLOGY..tbMRIResult (RequestNum);
CREATE TABLE RADIOLOGY..tbobulresult (
    ResultID IDENTITY PRIMARY KEY,
    RequestNum VARCHAR(20) NOT NULL,
    IDNum VARCHAR(20) NOT NULL,
    ItemCode VARCHAR(20),
    ExamName VARCHAR(150),
    TransDate DATETIME,
    ResultDate DATETIME,
    RadiologistID VARCHAR(10),
    Interpretation TEXT,
    XrayNum VARCHAR(20),
    ControlNum VARCHAR(20),
    TelNum VARCHAR(30),
    Remarks VARCHAR(255),
    RadCode VARCHAR(10),
    RadCode2 VARCHAR(10),
    Radiologist2 VARCHAR(100),
    Radiologist3 VARCHAR(100),
    Radiologist4 VARCHAR(100),
    Encoder VARCHAR(20)
);
CREATE INDEX ix_tbobulresult_IDNum ON RADIOLOGY..tbobulresult (IDNum);
CREATE INDEX ix_tbobulresult_Request ON RADIOLOGY..tbobulresult (RequestNum);
-- The rows a result print reads, keyed by the user and the admission that printed them.
CREATE TABLE RADIOLOGY..tbRadioResult (
    LineID IDENTITY PRIMARY KEY,
    UserID VARCHAR(20) NOT NULL,
    AdmNum VARCHAR(20) NOT NULL,
    PatientName VARCHAR(150),
    HospNum VARCHAR(20),
    AttendingDoctor VARCHAR(150),
    ExamName VARCHAR(150),
    CivilStatus VARCHAR(40),
    Age VARCHAR(20),
    Sex VARCHAR(10),
    ResultNum VARCHAR(20),
    Room VARCHAR(20),
    TransDate VARCHAR(40),
    Interpretation TEXT,
    ResultDoctor VARCHAR(200),
    PatientAddress VARCHAR(255),
    TelNum VARCHAR(30),
    ResultNum2 VARCHAR(20),
    ControlNum VARCHAR(20),
    Radiologist2 VARCHAR(100),
    Remarks VARCHAR(255),
    Extra VARCHAR(40),
    RadCode VARCHAR(10),
    Radiologist3 VARCHAR(100),
    Radiologist4 VARCHAR(100)
);
CREATE INDEX ix_tbRadioResult_UserAdm ON RADIOLOGY..tbRadioResult (UserID, AdmNum);
