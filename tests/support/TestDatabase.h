#pragma once
#include "platform/db/Connection.h"

#include <gtest/gtest.h>
#include <memory>

// A fresh hospital database for one test: SQLite (a private file) by default, PostgreSQL when
// CATHLAB_TEST_PG holds a libpq-style "host=... port=... user=..." text (the test script sets it).
namespace TestDatabase {
bool usingPostgres();
// Empty schema, or schema and the demo hospital.
std::unique_ptr<Connection> create(bool withDemo);
// A database with nothing in it (PostgreSQL: a database of its own), for what a first connect does.
std::unique_ptr<Connection> createBlank();
// Drops the PostgreSQL databases the binary made (the end of the run calls it).
void dropDatabases();
// Another connection to the database the last create() made (another workstation).
std::unique_ptr<Connection> openAnother();
ConnectionSettings lastSettings();
}

// The base of tests that need the run's state: a fresh database behind CurrentUser, empty shared
// variables, scripted message boxes and dialogs.
class DbTest : public ::testing::Test {
protected:
    // Tests that want the demo hospital override this.
    virtual bool withDemo() const { return true; }
    void SetUp() override;
    void TearDown() override;
    Connection& conn() { return *m_conn; }
    // Logs in CurrentUser as this employee of the demo hospital (default: the head nurse).
    void signIn(const QString& employee = QStringLiteral("CL001"));
    int count(const QString& houseSql, const QVariantList& params = {});
    // Sets one station parameter (its row replaced, or added) and reloads the parameters.
    void setStationParameter(const QString& field, const QString& value);

private:
    Connection* m_conn = nullptr;
};
