#pragma once
#include "support/TableOutOfReach.h"
// Fixtures of the shared module's tests: a demo hospital with the station parameters loaded,
// small helpers to add the stays a case needs, a way to make a table unreachable, and a stand-in
// procedures workspace.
#include "support/TestDatabase.h"
#include "shared/WorkspaceLink.h"

#include <QLineEdit>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

class SharedTest : public DbTest {
protected:
    void SetUp() override;
    void exec(const QString& sql, const QVariantList& params = {});
    // A person of the master file, born that day.
    void addPerson(const QString& hospNum, const QDate& born = QDate(1970, 5, 17), const QString& nationality = {});
    // An in-patient stay; null dates stay null.
    void addInPatient(const QString& idNum, const QString& hospNum, const QDateTime& admitted = QDateTime(QDate(2026, 11, 20), QTime(9, 0)),
                      const QVariant& discharged = {}, const QString& room = QStringLiteral("201"),
                      const QVariant& account = {}, const QVariant& account2 = {});
    void addOutPatient(const QString& idNum, const QString& hospNum, const QDateTime& visited = QDateTime(QDate(2026, 11, 25), QTime(10, 0)),
                       const QString& opdClass = QStringLiteral("A"));
    // The error notices shown so far (their text ends with the common notice's last line).
    int errorNotices() const;
};

// A procedures workspace of its own for the routines that reach frmFinal.
struct FakeWorkspace {
    FakeWorkspace();
    ~FakeWorkspace();
    QWidget window;
    QLineEdit* txtID;
    QTextEdit* rtbClinical;
    int loads = 0;
    WorkspaceLink::Loader m_previousLoader;
};

QVariant nullDate();
QVariant nullText();
