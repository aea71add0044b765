#include "platform/report/Report.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportFiles.h"
#include "platform/text/Format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>

namespace {
QString shown(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? DbValue::text(v) : QString();
}

QDateTime dateTimeOf(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    if (v.typeId() == QMetaType::QDate) return QDateTime(v.toDate(), QTime(0, 0));
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray) return {};
    QDateTime dt = DbValue::toDateTime(v);
    if (dt.isValid()) return dt;
    const QString s = v.toString().trimmed();
    for (const char* fmt : {"M/d/yyyy h:mm:ss AP", "M/d/yyyy h:mm AP", "M/d/yyyy"}) {
        dt = QLocale::c().toDateTime(s, QString::fromLatin1(fmt));
        if (dt.isValid()) return dt;
    }
    return {};
}
}

QString ReportParameterField::typeName(ReportFieldType type)
{
    switch (type) {
    case ReportFieldType::Text: return QStringLiteral("text");
    case ReportFieldType::Number: return QStringLiteral("number");
    case ReportFieldType::Date: return QStringLiteral("date");
    case ReportFieldType::DateTime: return QStringLiteral("datetime");
    case ReportFieldType::Boolean: return QStringLiteral("boolean");
    }
    return {};
}

void ReportParameterField::addCurrentValue(const QVariant& value)
{
    const bool null = !value.isValid() || value.isNull();
    QVariant converted;
    switch (m_type) {
    case ReportFieldType::Text:
        if (value.typeId() == QMetaType::QDate) converted = Fmt::shortDate(value.toDate());
        else if (value.typeId() == QMetaType::QDateTime) converted = Fmt::serverDateText(value.toDateTime());
        else if (value.typeId() == QMetaType::Bool) converted = value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        else converted = shown(value);
        break;
    case ReportFieldType::Number: {
        bool ok = false;
        const double x = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!null && ok && value.typeId() != QMetaType::Bool) converted = x;
        break;
    }
    case ReportFieldType::Date: {
        const QDateTime dt = null ? QDateTime() : dateTimeOf(value);
        if (dt.isValid()) converted = dt.date();
        break;
    }
    case ReportFieldType::DateTime: {
        const QDateTime dt = null ? QDateTime() : dateTimeOf(value);
        if (dt.isValid()) converted = dt;
        break;
    }
    case ReportFieldType::Boolean:
        if (value.typeId() == QMetaType::Bool) converted = value.toBool();
        else if (!null) {
            const QString s = value.toString().trimmed();
            if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) converted = true;
            else if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) converted = false;
            else if (Fmt::isNumeric(s)) converted = Fmt::val(s) != 0.0;
        }
        break;
    }
    if (!converted.isValid())
        throw ReportError(QStringLiteral("The value \"%1\" does not fit the %2 parameter field \"%3\".")
                              .arg(shown(value), typeName(m_type), m_name));
    m_value = converted;
    m_hasValue = true;
}

QVariant ReportParameterField::boundValue() const
{
    if (m_hasValue) return m_value;
    switch (m_type) {
    case ReportFieldType::Number: return QVariant(QMetaType(QMetaType::Double));
    case ReportFieldType::Boolean: return QVariant(QMetaType(QMetaType::Int));
    default: return QVariant(QMetaType(QMetaType::QString));
    }
}

void ReportTable::setLogOnInfo(const ReportLogOn& logOn, Connection* connection)
{
    if (!connection || !connection->isOpen())
        throw ReportError(QStringLiteral("Log on to the server failed for the table \"%1\": there is no connection to the database.")
                              .arg(name));
    m_logOn = logOn;
    m_connection = connection;
}

ReportPicture ReportPicture::load(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw ReportError(QStringLiteral("The picture \"%1\" cannot be loaded: %2").arg(path, reader.errorString()));
    // Twips from the picture's own resolution (screen resolution when it names none).
    const double dpiX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
    const double dpiY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() * 0.0254 : 96.0;
    ReportPicture p;
    p.path = path;
    p.image = image;
    p.width = qRound(image.width() * 1440.0 / dpiX);
    p.height = qRound(image.height() * 1440.0 / dpiY);
    return p;
}

ReportPicture& ReportSection::addPicture(const ReportPicture& picture, int left, int top)
{
    pictures.append(picture);
    pictures.last().left = left;
    pictures.last().top = top;
    return pictures.last();
}

const ReportParameterField* Report::parameterField(const QString& fieldName) const
{
    for (const auto& f : m_fields)
        if (f.name().compare(fieldName, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

const ReportTable* Report::table(const QString& tableName) const
{
    for (const auto& t : m_tables)
        if (t.name.compare(tableName, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

ReportSection& Report::section(int number)
{
    if (number < 1 || number > m_sections.size())
        throw ReportError(QStringLiteral("The report \"%1\" has no section %2.").arg(name).arg(number));
    return m_sections[number - 1];
}

const Report* Report::subreport(const QString& subreportName) const
{
    for (const auto& s : m_subreports)
        if (s->name == subreportName) return s.get();
    for (const auto& s : m_subreports)
        if (s->name.compare(subreportName, Qt::CaseInsensitive) == 0) return s.get();
    return nullptr;
}

Report& Report::openSubreport(const QString& subreportName)
{
    const Report* s = subreport(subreportName);
    if (!s) throw ReportError(QStringLiteral("The report \"%1\" has no subreport \"%2\".").arg(name, subreportName));
    return const_cast<Report&>(*s);
}

std::shared_ptr<Report> Report::open(const QString& path)
{
    const QString found = ReportFiles::resolve(path);
    if (found.isEmpty())
        throw ReportError(QStringLiteral("The report file \"%1\" was not found.").arg(QDir::toNativeSeparators(ReportFiles::normalized(path))));
    QFile file(found);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("The report file \"%1\" cannot be read: %2").arg(found, file.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    auto report = fromText(text, QFileInfo(found).fileName());
    report->filePath = found;
    return report;
}
