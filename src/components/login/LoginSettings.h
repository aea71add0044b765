#pragma once
#include "platform/db/Connection.h"

#include <QString>

// The workstation's settings file (INI): which database to use.
//   [database]
//   driver=sqlite | postgresql
//   path=<SQLite file>            (sqlite)
//   host=, port=, name=, user=    (postgresql; or service= of the driver's service file)
//   sslmode=, sslrootcert=        (postgresql: TLS to the server and the authority it is checked by)
//   password=                     (postgresql; better left out: the driver's password file is read)
//   createDemo=true               (an empty database gets the hospital schema and demo data)
struct LoginSettings {
    ConnectionSettings connection;
    bool createDemo = true;
    QString file;          // where the settings came from
    bool wasCreated = false; // the file did not exist and was written with the defaults

    // The default settings file of this user, and the default demo database beside the user's data.
    static QString defaultFile();
    static QString defaultDemoDatabase();
    // Reads the file; a missing file is written with the defaults. Throws DbError with a clear
    // message when the file cannot be read or names an unknown driver.
    static LoginSettings load(const QString& file);
};
