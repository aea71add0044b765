-- The MEDICARE database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- The PHIC procedure list: one row per RVS code (read only by the station).
CREATE TABLE MEDICARE..TBMED_PROCEDURES (
    RVSCODE VARCHAR(20) NOT NULL PRIMARY KEY,
    DESCRIPTION VARCHAR(500),
    PACKAGEID VARCHAR(20)
);
-- The relative value scale: units per RVS code (read only by the station).
CREATE TABLE MEDICARE..TBMEDRVS (
    NODE_KEY VARCHAR(20) NOT NULL PRIMARY KEY,
    UNIT NUMERIC(10,2),
    DESCRIPTION VARCHAR(500)
);
-- The PHIC membership found for an admission; Status A while valid.
CREATE TABLE MEDICARE..tbPHICMembership (
    IDNum VARCHAR(20) NOT NULL PRIMARY KEY,
    PHICNumber VARCHAR(20),
    MemberType VARCHAR(20),
    Status CHAR(1) DEFAULT 'A'
);
CREATE INDEX ix_tbMed_Procedures_Description ON MEDICARE..TBMED_PROCEDURES (DESCRIPTION);
