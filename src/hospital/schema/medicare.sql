-- The MEDICARE database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- The PHIC membership found for an admission; Status A while valid.
CREATE TABLE MEDICARE..tbPHICMembership (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    PHICNumber VARCHAR(20),
    MemberType VARCHAR(20),
    Status CHAR(1) DEFAULT 'A'
);
