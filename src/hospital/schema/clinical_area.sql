-- The CLINICAL_AREA database as the station sees it. House SQL: DATABASE..table names; IDENTITY, DATETIME,
-- MONEY and BIT are mapped per engine. Statements end with ';' at the end of a line.

-- The PHIC RVS codes that may be reported for each of the department's own procedures
-- (ItemID: an OtherRevenueID of the main revenue code). Kept by the control panel's RVS tab.
CREATE TABLE CLINICAL_AREA..tbCLRVS (
    RVSID IDENTITY PRIMARY KEY,
    ItemID VARCHAR(20) NOT NULL,
    RVSCode VARCHAR(20) NOT NULL
);
CREATE UNIQUE INDEX ux_tbCLRVS_Item_Code ON CLINICAL_AREA..tbCLRVS (ItemID, RVSCode);
