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
