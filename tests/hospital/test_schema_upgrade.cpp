// A database made by an earlier build is brought up to date when the program connects: the
// schema statements appended since, once each and recorded; the demo sections added since; a
// database of a newer build refused. The earlier builds are in tests/fixtures.
#include "support/TestDatabase.h"

#include "hospital/DemoData.h"
#include "hospital/Schema.h"
#include "platform/db/DbError.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const char* const kEarlierBuilds[] = {"775cc11", "b74d7b5"};

QString readFixture(const QString& build, const QString& file)
{
    QFile f(QDir(qEnvironmentVariable("CATHLAB_SOURCE_DIR")).filePath(QStringLiteral("tests/fixtures/schema-%1/%2").arg(build, file)));
    if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Missing fixture ") + f.fileName());
    return QString::fromUtf8(f.readAll());
}

// What the earlier build made on an empty database: its twelve schema files, in the same order.
void makeEarlierHospital(Connection& c, const QString& build, bool demo, const QString& hospital = QStringLiteral("GENERAL HOSPITAL OF THE NORTH"))
{
    for (const QString& db : HospitalSchema::databases()) {
        if (c.engine() == Engine::PostgreSQL) c.execute(QStringLiteral("CREATE SCHEMA %1").arg(db));
        c.executeScript(readFixture(build, db + QStringLiteral(".sql")));
    }
    if (demo) c.executeScript(readFixture(build, QStringLiteral("demo-rows.sql")));
    else c.execute(QStringLiteral("INSERT INTO PATIENT_DATA..TBHOSPITALINFO (Company) VALUES (?)"), {hospital});
}

long long count(Connection& c, const QString& sql, const QVariantList& params = {})
{
    return DbValue::toLong(c.scalar(sql, params));
}

// Every column of every table of the hospital's databases, as "schema.table.column" in lower case.
QSet<QString> columns(Connection& c)
{
    QSet<QString> out;
    if (c.engine() == Engine::SQLite) {
        Recordset rs = c.query(QStringLiteral("SELECT m.name AS t, p.name AS col FROM sqlite_master m, pragma_table_info(m.name) p "
                                              "WHERE m.type IN ('table', 'view') AND m.name NOT LIKE 'sqlite%'"));
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out.insert((rs.text(QStringLiteral("t")) + QLatin1Char('.') + rs.text(QStringLiteral("col"))).toLower());
    } else {
        Recordset rs = c.query(QStringLiteral("SELECT table_schema || '__' || table_name || '.' || column_name AS x FROM information_schema.columns "
                                              "WHERE table_schema NOT IN ('pg_catalog', 'information_schema')"));
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) out.insert(rs.text(QStringLiteral("x")).toLower());
    }
    return out;
}

QHash<QString, int> stepsPerDatabase()
{
    QHash<QString, int> out;
    for (const auto& s : HospitalSchema::steps()) out[s.database] = qMax(out.value(s.database), s.number);
    return out;
}

// A snapshot of what an upgrade writes, to see that a second connect writes nothing.
QStringList recorded(Connection& c)
{
    QStringList out;
    for (const QString& sql : {QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbSchemaSteps"), QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbDemoSections"),
                               QStringLiteral("SELECT MAX(AppliedOn) FROM CATHLAB..tbSchemaSteps"),
                               QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10"), QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster"),
                               QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterPersonal"), QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLMarkUp")})
        out << c.scalar(sql).toString();
    return out;
}

class SchemaUpgrade : public ::testing::Test {
protected:
    std::unique_ptr<Connection> db = TestDatabase::createBlank();
    std::unique_ptr<Connection> fresh;
    void checkUpgrade(const QString& build);
};

void SchemaUpgrade::checkUpgrade(const QString& build)
{
    makeEarlierHospital(*db, build, true);
    ASSERT_FALSE(HospitalSchema::versioned(*db));
    HospitalSchema::prepare(*db, true);

    // The same tables and columns as a database this build makes from nothing.
    const QSet<QString> want = columns(*fresh), have = columns(*db);
    const auto listed = [](const QSet<QString>& names) {
        QStringList l = names.values();
        l.sort();
        return l.join(QStringLiteral(", ")).toStdString();
    };
    EXPECT_EQ(listed(want - have), "") << "missing after the upgrade";
    EXPECT_EQ(listed(have - want), "") << "left over after the upgrade";

    // Columns added to a table in its CREATE statement, appended ALTERs, a dropped table.
    for (const auto& [table, column] : {std::pair{"BUILD_FILE..tbCoDiet", "Remarks"}, {"PATIENT_DATA..tbPatient2", "DietRemarks"},
                                        {"PATIENT_DATA..tbPatient2", "ExtraMeal"}})
        EXPECT_NO_THROW(db->query(QStringLiteral("SELECT %1 FROM %2").arg(QLatin1String(column), QLatin1String(table)))) << table << column;
    EXPECT_ANY_THROW(db->query(QStringLiteral("SELECT DietID FROM PATIENT_DATA..tbPatientAdmInfo")));
    EXPECT_ANY_THROW(db->query(QStringLiteral("SELECT * FROM PATIENT_DATA..tbPatientSectionFlags")));
    EXPECT_NO_THROW(db->query(QStringLiteral("SELECT * FROM CLINICAL_AREA..CLPatientsForAdmission")));

    // Every statement recorded once, up to the last one this build has.
    EXPECT_EQ(HospitalSchema::appliedSteps(*db), stepsPerDatabase());
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbSchemaSteps")), HospitalSchema::steps().size());

    // The sections the earlier build had are not filled again; the ones added since are.
    // (the procedure report's section adds its nurses and technologist of its own)
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM PASSWORD..tbPasswordMain "
                                        "WHERE EmployeeID NOT IN ('N0101', 'N0102', 'N0103', 'CRU', 'RT0201')")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM INVENTORY..tbInvLocation")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoDiet")), build == "b74d7b5" ? 1 : 4);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10")),
              count(*fresh, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10")));
    EXPECT_GT(count(*db, QStringLiteral("SELECT COUNT(*) FROM STATION..tbCLMarkUp")), 0);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterPersonal WHERE HospNum = '100001' AND SpouseName = 'MARIA REYES'")), 1);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbDemoSections")),
              count(*fresh, QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbDemoSections")));
    EXPECT_FALSE(DemoData::sectionsMissing(*db));
}

TEST_F(SchemaUpgrade, AnEarlierDemoHospitalGetsTheNewTablesColumnsAndDemoSections)
{
    fresh = TestDatabase::createBlank();
    HospitalSchema::prepare(*fresh, true);
    for (const QString build : kEarlierBuilds) {
        SCOPED_TRACE(build.toStdString());
        db = TestDatabase::createBlank();
        checkUpgrade(build);
    }
}

// Rows in every table and view of the hospital's databases, as "table=count".
QStringList rowCounts(Connection& c)
{
    QSet<QString> tables;
    for (const QString& column : columns(c)) tables.insert(column.section(QLatin1Char('.'), 0, 0)); // "station__tbx"
    QStringList out;
    for (const QString& t : std::as_const(tables)) {
        if (t.startsWith(QLatin1String("cathlab__"))) continue;
        const QString name = c.engine() == Engine::PostgreSQL ? QString(t).replace(QStringLiteral("__"), QStringLiteral(".")) : t;
        out << t + QLatin1Char('=') + c.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + name).toString();
    }
    out.sort();
    return out;
}

TEST_F(SchemaUpgrade, TheLastDemoHospitalBeforeStepsWereRecordedIsAdoptedAsItIs)
{
    // The build before this one made the same tables and demo rows, without the CATHLAB tables.
    HospitalSchema::prepare(*db, true);
    const long long sections = count(*db, QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbDemoSections"));
    if (db->engine() == Engine::PostgreSQL) {
        db->execute(QStringLiteral("DROP SCHEMA cathlab CASCADE"));
    } else {
        db->execute(QStringLiteral("DROP TABLE CATHLAB..tbSchemaSteps"));
        db->execute(QStringLiteral("DROP TABLE CATHLAB..tbDemoSections"));
    }
    const QStringList before = rowCounts(*db);
    ASSERT_GT(before.size(), 50);

    HospitalSchema::prepare(*db, true);
    // every statement and section recorded, nothing run or filled again
    EXPECT_EQ(HospitalSchema::appliedSteps(*db), stepsPerDatabase());
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbDemoSections")), sections);
    EXPECT_EQ(rowCounts(*db), before);
}

TEST_F(SchemaUpgrade, AnEarlierHospitalThatIsNoDemoGetsTheTablesButNoDemoRows)
{
    makeEarlierHospital(*db, QStringLiteral("b74d7b5"), false);
    db->execute(QStringLiteral("INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName) VALUES ('555', 'GARCIA')"));
    HospitalSchema::prepare(*db, true);
    EXPECT_EQ(HospitalSchema::appliedSteps(*db), stepsPerDatabase());
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10")), 0);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMasterPersonal")), 0);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM CATHLAB..tbDemoSections")), 0);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..tbMaster")), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT LastName FROM PATIENT_DATA..tbMaster WHERE HospNum = '555'")).toString(), "GARCIA");
}

TEST_F(SchemaUpgrade, ASecondConnectChangesNothing)
{
    makeEarlierHospital(*db, QStringLiteral("b74d7b5"), true);
    HospitalSchema::prepare(*db, true);
    const QStringList before = recorded(*db);
    HospitalSchema::prepare(*db, true);
    auto another = TestDatabase::openAnother(); // another workstation
    HospitalSchema::prepare(*another, true);
    EXPECT_EQ(HospitalSchema::upgrade(*db), 0);
    EXPECT_EQ(recorded(*db), before);
}

TEST_F(SchemaUpgrade, OnlyTheStatementsNotRecordedRun)
{
    HospitalSchema::prepare(*db, true);
    // As if the RADIOLOGY statements had come after this database was made: its tables go and its
    // steps are forgotten. Running any other statement again would fail (its table exists).
    if (db->engine() == Engine::PostgreSQL) {
        db->execute(QStringLiteral("DROP SCHEMA radiology CASCADE"));
    } else {
        Recordset rs = db->query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'radiology!_!_%' ESCAPE '!'"));
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) db->execute(QStringLiteral("DROP TABLE ") + rs.text(QStringLiteral("name")));
    }
    db->execute(QStringLiteral("DELETE FROM CATHLAB..tbSchemaSteps WHERE DatabaseName = 'radiology'"));
    db->execute(QStringLiteral("INSERT INTO BUILD_FILE..tbCoICD10 (ICDCode, Description) VALUES ('X99', 'KEPT')"));

    EXPECT_EQ(HospitalSchema::upgrade(*db), stepsPerDatabase().value(QStringLiteral("radiology")));
    EXPECT_EQ(HospitalSchema::appliedSteps(*db), stepsPerDatabase());
    EXPECT_NO_THROW(db->query(QStringLiteral("SELECT IDNum, Interpretation FROM RADIOLOGY..tbRadExamResults")));
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10 WHERE ICDCode = 'X99'")), 1);
}

TEST_F(SchemaUpgrade, ADatabaseOfANewerBuildIsRefusedUntouched)
{
    HospitalSchema::prepare(*db, true);
    const QHash<QString, int> known = stepsPerDatabase();
    const struct {
        QString database;
        int step;
        QString shown;
    } cases[] = {{QStringLiteral("station"), known.value(QStringLiteral("station")) + 1, QStringLiteral("STATION")},
                 {QStringLiteral("pharmacy"), 1, QStringLiteral("PHARMACY")}};
    for (const auto& c : cases) {
        db->execute(QStringLiteral("INSERT INTO CATHLAB..tbSchemaSteps (DatabaseName, StepNo, Statement) VALUES (?, ?, 'CREATE TABLE x')"),
                    {c.database, c.step});
        const QStringList before = recorded(*db);
        try {
            HospitalSchema::prepare(*db, true);
            ADD_FAILURE() << "accepted " << c.database.toStdString();
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().startsWith("This database was brought up to date by a newer build of the program (" + c.shown))
                << e.description().toStdString();
            EXPECT_TRUE(e.description().endsWith("Use the newer build, or ask your IT department.")) << e.description().toStdString();
        }
        EXPECT_THROW(HospitalSchema::upgrade(*db), DbError);
        EXPECT_EQ(recorded(*db), before);
        EXPECT_FALSE(db->inTransaction());
        db->execute(QStringLiteral("DELETE FROM CATHLAB..tbSchemaSteps WHERE DatabaseName = ? AND StepNo = ?"), {c.database, c.step});
    }
}

TEST_F(SchemaUpgrade, AnEmptyDatabaseIsMadeOnlyWhenAskedTo)
{
    try {
        HospitalSchema::prepare(*db, false);
        ADD_FAILURE() << "an empty database was accepted";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().endsWith("holds no hospital tables.")) << e.description().toStdString();
    }
    EXPECT_FALSE(HospitalSchema::exists(*db));
    EXPECT_FALSE(HospitalSchema::versioned(*db));

    HospitalSchema::prepare(*db, true);
    EXPECT_EQ(HospitalSchema::appliedSteps(*db), stepsPerDatabase());
    EXPECT_FALSE(DemoData::sectionsMissing(*db));
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM PATIENT_DATA..TBHOSPITALINFO WHERE Company = ?"), {DemoData::hospitalName()}), 1);
}

TEST_F(SchemaUpgrade, ADemoSectionAddedLaterIsFilledOnce)
{
    HospitalSchema::prepare(*db, true);
    // As if the ICD-10 section were new to this database.
    db->execute(QStringLiteral("DELETE FROM CATHLAB..tbDemoSections WHERE SectionName = 'ICD-10 codes'"));
    db->execute(QStringLiteral("DELETE FROM BUILD_FILE..tbCoICD10"));
    ASSERT_TRUE(DemoData::sectionsMissing(*db));
    HospitalSchema::prepare(*db, true);
    const long long codes = count(*db, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10"));
    EXPECT_GT(codes, 0);
    HospitalSchema::prepare(*db, true);
    EXPECT_EQ(count(*db, QStringLiteral("SELECT COUNT(*) FROM BUILD_FILE..tbCoICD10")), codes);
}

} // namespace
