#pragma once
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class Connection;

// What a report's tables log on with: the server, database, user and password of the log-in,
// and the open connection that stands for them.
struct ReportLogOn {
    QString server;
    QString database;
    QString user;
    QString password;
};

enum class ReportFieldType { Text, Number, Date, DateTime, Boolean };

// One parameter field of a report, in the order the definition lists them.
class ReportParameterField {
public:
    ReportParameterField(const QString& name, ReportFieldType type) : m_name(name), m_type(type) {}
    const QString& name() const { return m_name; }
    ReportFieldType type() const { return m_type; }
    bool hasCurrentValue() const { return m_hasValue; }
    // The value converted to the field's type (QString, double, QDate, QDateTime or bool).
    const QVariant& currentValue() const { return m_value; }
    // Sets the field's value; a value that does not fit the field's type throws ReportError.
    void addCurrentValue(const QVariant& value);
    // The value as a bound statement parameter: a typed null when the field has no value.
    QVariant boundValue() const;
    static QString typeName(ReportFieldType type);

private:
    QString m_name;
    ReportFieldType m_type;
    bool m_hasValue = false;
    QVariant m_value;
};

// One data set of a report: a house SQL statement whose "?" take the named parameter fields.
class ReportTable {
public:
    QString name;
    QString sql;
    QStringList bind;

    // A table without a connection cannot be read: throws ReportError.
    void setLogOnInfo(const ReportLogOn& logOn, Connection* connection);
    bool loggedOn() const { return m_connection != nullptr; }
    const ReportLogOn& logOnInfo() const { return m_logOn; }
    Connection* connection() const { return m_connection; }

private:
    ReportLogOn m_logOn;
    Connection* m_connection = nullptr;
};

// A picture object placed in a section; positions and sizes in twips (1440 to the inch).
struct ReportPicture {
    // Loads a picture file, sized from its own resolution; an unreadable file throws ReportError.
    static ReportPicture load(const QString& path);
    QString path;
    QImage image;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One numbered section of the layout: HTML with fields, shown once, once per row of a data set,
// or only when a data set has (or has no) rows.
struct ReportSection {
    int number = 0;
    QString body;
    QString repeat;   // data set whose rows repeat the section
    QString group;    // field of the repeated data set that starts a group (and a node of the group tree)
    QString when;     // shown only when this data set has rows
    QString empty;    // shown only when this data set has no rows
    int height = 0;   // least height in twips; 0: as high as its content
    QList<ReportPicture> pictures;

    // Adds a picture object at (left, top).
    ReportPicture& addPicture(const ReportPicture& picture, int left, int top);
};

struct ReportPage {
    QString paper = QStringLiteral("A4"); // A4, Letter, Legal
    bool landscape = false;
    double marginMm = 12.7;
    QString fontFamily = QStringLiteral("Sans Serif");
    double fontPt = 9;
};

// An opened report definition (see docs/reports.md) with the values a caller gave it.
class Report {
public:
    // Opens a definition file; the file name is matched without regard to case. Throws ReportError.
    static std::shared_ptr<Report> open(const QString& path);
    // Reads a definition from text; fileName names it in error messages. Throws ReportError.
    static std::shared_ptr<Report> fromText(const QString& text, const QString& fileName);

    QString filePath;    // the file it was opened from
    QString name;        // a subreport's name within its report; the file name for a main report
    QString title;
    ReportPage page;

    // The two report-level texts that every report's page header shows.
    void setHospitalName(const QString& text) { m_hospitalName = text; }
    void setHospitalAddress(const QString& text) { m_hospitalAddress = text; }
    const QString& hospitalName() const { return m_hospitalName; }
    const QString& hospitalAddress() const { return m_hospitalAddress; }

    QList<ReportParameterField>& parameterFields() { return m_fields; }
    const QList<ReportParameterField>& parameterFields() const { return m_fields; }
    const ReportParameterField* parameterField(const QString& name) const;
    QList<ReportTable>& tables() { return m_tables; }
    const QList<ReportTable>& tables() const { return m_tables; }
    const ReportTable* table(const QString& name) const;
    QList<ReportSection>& sections() { return m_sections; }
    const QList<ReportSection>& sections() const { return m_sections; }
    // Section by number, 1 being the first; a number the report does not have throws ReportError.
    ReportSection& section(int number);

    // Subreport by name (exact, else without regard to case); an unknown name throws ReportError.
    Report& openSubreport(const QString& subreportName);
    const Report* subreport(const QString& subreportName) const;
    const QList<std::shared_ptr<Report>>& subreports() const { return m_subreports; }

    // Direct printing turns this off: the report goes to the printer without a printer dialog.
    bool promptForPrinter = true;

private:
    friend class ReportParser;
    QString m_hospitalName, m_hospitalAddress;
    QList<ReportParameterField> m_fields;
    QList<ReportTable> m_tables;
    QList<ReportSection> m_sections;
    QList<std::shared_ptr<Report>> m_subreports;
};
