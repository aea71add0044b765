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
