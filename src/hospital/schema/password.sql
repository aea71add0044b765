-- The PASSWORD database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

CREATE TABLE PASSWORD..tbPasswordMain (
    EmployeeID VARCHAR(20) NOT NULL PRIMARY KEY,
    LastName VARCHAR(50),
    FirstName VARCHAR(50),
    MiddleName VARCHAR(50),
    Initial VARCHAR(10),
    OriginalDepartment VARCHAR(10),
    Position VARCHAR(50),
    AccessCode VARCHAR(100),
    Status CHAR(1) DEFAULT 'A'
);
-- The departments (stations) each employee may act for.
CREATE TABLE PASSWORD..tbPasswordDepartment (
    EmployeeID VARCHAR(20) NOT NULL,
    DeptCode VARCHAR(10) NOT NULL,
    PRIMARY KEY (EmployeeID, DeptCode)
);
