#pragma once
#include <QString>

// House SQL names tables the hospital's way (DATABASE..table, Database.dbo.table) and uses a few
// server functions (GETDATE(), HOST_NAME()). A dialect turns that into what one engine accepts.
enum class Engine { SQLite, PostgreSQL };

namespace Dialect {
// Statement text for the engine: cross-database names mapped, server functions replaced.
// Text between single quotes is never touched.
QString translate(Engine engine, const QString& houseSql);
// DDL text of the schema files: also maps the house column types (IDENTITY, DATETIME, MONEY, BIT).
QString translateDdl(Engine engine, const QString& houseDdl);
// The engine's name of a house table name such as "STATION..tbStationLogs".
QString tableName(Engine engine, const QString& houseName);
// "STATION..sp_X", "Station.dbo.sp_X" and "station.sp_x" all give "station.sp_x".
QString normalizeObjectName(const QString& houseName);
}
