#include "components/login/LoginSettings.h"

#include "platform/db/DbError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString LoginSettings::defaultFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("cathlab.ini"));
}

QString LoginSettings::defaultDemoDatabase()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("cathlab-demo.sqlite"));
}

LoginSettings LoginSettings::load(const QString& file)
{
    LoginSettings s;
    s.file = file;
    QFileInfo info(file);
    if (!info.exists()) {
        QDir().mkpath(info.absolutePath());
        QSettings out(file, QSettings::IniFormat);
        out.beginGroup(QStringLiteral("database"));
        out.setValue(QStringLiteral("driver"), QStringLiteral("sqlite"));
        out.setValue(QStringLiteral("path"), defaultDemoDatabase());
        out.setValue(QStringLiteral("createDemo"), true);
        out.endGroup();
        out.sync();
        if (out.status() != QSettings::NoError)
            throw DbError(QStringLiteral("The settings file %1 could not be written.").arg(file));
        s.wasCreated = true;
    } else if (!info.isReadable() || info.isDir()) {
        throw DbError(QStringLiteral("The settings file %1 cannot be read.").arg(file));
    }
    QSettings in(file, QSettings::IniFormat);
    if (in.status() != QSettings::NoError)
        throw DbError(QStringLiteral("The settings file %1 is not a valid settings file.").arg(file));
    in.beginGroup(QStringLiteral("database"));
    const QString driver = in.value(QStringLiteral("driver"), QStringLiteral("sqlite")).toString().trimmed().toLower();
    if (driver == QLatin1String("sqlite")) {
        s.connection.engine = Engine::SQLite;
        s.connection.sqlitePath = in.value(QStringLiteral("path"), defaultDemoDatabase()).toString();
    } else if (driver == QLatin1String("postgresql") || driver == QLatin1String("postgres")) {
        ConnectionSettings& c = s.connection;
        c.engine = Engine::PostgreSQL;
        c.service = in.value(QStringLiteral("service")).toString().trimmed();
        // A service names the server in the driver's service file: what the file leaves out is not
        // filled with this program's defaults.
        const bool byService = !c.service.isEmpty();
        c.host = in.value(QStringLiteral("host"), byService ? QString() : QStringLiteral("127.0.0.1")).toString();
        c.port = in.value(QStringLiteral("port"), byService ? 0 : 5432).toInt();
        c.database = in.value(QStringLiteral("name"), byService ? QString() : QStringLiteral("cathlab")).toString();
        c.user = in.value(QStringLiteral("user")).toString();
        c.password = in.value(QStringLiteral("password")).toString();
        c.sslmode = in.value(QStringLiteral("sslmode")).toString().trimmed().toLower();
        c.sslrootcert = in.value(QStringLiteral("sslrootcert")).toString().trimmed();
        static const QStringList sslmodes = {QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                                             QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
        if (!c.sslmode.isEmpty() && !sslmodes.contains(c.sslmode))
            throw DbError(QStringLiteral("The settings file %1 gives sslmode \"%2\"; use %3.")
                              .arg(file, c.sslmode, sslmodes.join(QStringLiteral(", "))));
    } else {
        throw DbError(QStringLiteral("The settings file %1 names the database driver \"%2\"; use sqlite or postgresql.")
                          .arg(file, driver));
    }
    s.createDemo = in.value(QStringLiteral("createDemo"), true).toBool();
    in.endGroup();
    return s;
}
