// Reads the text of a report definition (docs/reports.md) into a Report.
#include "platform/report/Report.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportTemplate.h"

#include <QRegularExpression>

class ReportParser {
public:
    ReportParser(const QString& text, const QString& fileName) : m_text(text), m_file(fileName) {}

    std::shared_ptr<Report> parse()
    {
        m_root = std::make_shared<Report>();
        m_root->name = m_file;
        m_current = m_root.get();
        const QStringList lines = m_text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            m_line = i + 1;
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
            if (line.startsWith(QLatin1Char('#'))) continue;
            if (header(line)) continue;
            bodyLine(line);
        }
        finishBlock();
        if (m_current != m_root.get())
            fail(QStringLiteral("the subreport \"%1\" has no [end subreport]").arg(m_current->name));
        validate(*m_root, true);
        return m_root;
    }

private:
    enum class Block { None, ReportSettings, Parameters, Data, Section };

    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("The report file \"%1\" is not valid (line %2): %3.").arg(m_file).arg(m_line).arg(what));
    }
    [[noreturn]] void invalid(const Report& r, const QString& what) const
    {
        const QString where = &r == m_root.get() ? QString() : QStringLiteral(" (subreport \"%1\")").arg(r.name);
        throw ReportError(QStringLiteral("The report file \"%1\" is not valid%2: %3.").arg(m_file, where, what));
    }

    // The "?" of a statement, those inside quoted text not counted.
    static int placeholders(const QString& sql)
    {
        int n = 0;
        bool quoted = false;
        for (QChar c : sql) {
            if (c == QLatin1Char('\'')) quoted = !quoted;
            else if (c == QLatin1Char('?') && !quoted) ++n;
        }
        return n;
    }

    static bool isName(const QString& s)
    {
        static const QRegularExpression rx(QStringLiteral(R"(^\w+$)"));
        return rx.match(s).hasMatch();
    }

    bool header(const QString& line)
    {
        const QString t = line.trimmed();
        if (!line.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']'))) return false;
        const QString inner = t.mid(1, t.size() - 2).trimmed();
        const QString kind = inner.section(QLatin1Char(' '), 0, 0).toLower();
        const QString arg = inner.section(QLatin1Char(' '), 1).trimmed();
        static const QStringList kinds = {QStringLiteral("report"), QStringLiteral("parameters"), QStringLiteral("data"),
                                          QStringLiteral("section"), QStringLiteral("subreport"), QStringLiteral("end")};
        if (!kinds.contains(kind)) {
            if (m_block == Block::Data || m_block == Block::Section) return false; // text of the body
            fail(QStringLiteral("unknown block [%1]").arg(inner));
        }
        finishBlock();
        if (kind == QLatin1String("report")) {
            if (m_current != m_root.get() || m_seenSettings) fail(QStringLiteral("[report] must come once, outside subreports"));
            m_seenSettings = true;
            m_block = Block::ReportSettings;
        } else if (kind == QLatin1String("parameters")) {
            if (!m_current->m_fields.isEmpty()) fail(QStringLiteral("[parameters] comes twice"));
            m_block = Block::Parameters;
        } else if (kind == QLatin1String("data")) {
            if (!isName(arg)) fail(QStringLiteral("a data set needs a name of letters, digits and \"_\""));
            if (m_current->table(arg)) fail(QStringLiteral("the data set \"%1\" comes twice").arg(arg));
            ReportTable table;
            table.name = arg;
            m_current->m_tables.append(table);
            m_block = Block::Data;
        } else if (kind == QLatin1String("section")) {
            bool ok = false;
            const int n = arg.toInt(&ok);
            if (!ok || n != m_current->m_sections.size() + 1)
                fail(QStringLiteral("sections are numbered 1, 2, 3 ... in order; expected [section %1]")
                         .arg(m_current->m_sections.size() + 1));
            ReportSection s;
            s.number = n;
            m_current->m_sections.append(s);
            m_block = Block::Section;
        } else if (kind == QLatin1String("subreport")) {
            if (m_current != m_root.get()) fail(QStringLiteral("a subreport cannot hold another"));
            if (arg.isEmpty()) fail(QStringLiteral("a subreport needs a name"));
            if (m_root->subreport(arg) && m_root->subreport(arg)->name == arg)
                fail(QStringLiteral("the subreport \"%1\" comes twice").arg(arg));
            auto sub = std::make_shared<Report>();
            sub->name = arg;
            m_root->m_subreports.append(sub);
            m_current = sub.get();
            m_block = Block::None;
        } else { // end
            if (arg.toLower() != QLatin1String("subreport") || m_current == m_root.get())
                fail(QStringLiteral("[end %1] without its subreport").arg(arg));
            m_current = m_root.get();
            m_block = Block::None;
        }
        m_inAttributes = true;
        return true;
    }

    void bodyLine(const QString& line)
    {
        const QString t = line.trimmed();
        switch (m_block) {
        case Block::None:
            if (!t.isEmpty()) fail(QStringLiteral("text outside a block"));
            return;
        case Block::ReportSettings: {
            if (t.isEmpty()) return;
            const int eq = t.indexOf(QLatin1Char('='));
            if (eq < 0) fail(QStringLiteral("expected \"setting = value\""));
            reportSetting(t.left(eq).trimmed().toLower(), t.mid(eq + 1).trimmed());
            return;
        }
        case Block::Parameters: {
            if (t.isEmpty()) return;
            const int eq = t.indexOf(QLatin1Char('='));
            const QString name = (eq < 0 ? t : t.left(eq)).trimmed();
            const QString type = eq < 0 ? QStringLiteral("text") : t.mid(eq + 1).trimmed().toLower();
            if (!isName(name)) fail(QStringLiteral("a parameter field needs a name of letters, digits and \"_\""));
            if (m_current->parameterField(name)) fail(QStringLiteral("the parameter field \"%1\" comes twice").arg(name));
            static const QMap<QString, ReportFieldType> types = {
                {QStringLiteral("text"), ReportFieldType::Text}, {QStringLiteral("number"), ReportFieldType::Number},
                {QStringLiteral("date"), ReportFieldType::Date}, {QStringLiteral("datetime"), ReportFieldType::DateTime},
                {QStringLiteral("boolean"), ReportFieldType::Boolean}};
            if (!types.contains(type)) fail(QStringLiteral("unknown parameter type \"%1\"").arg(type));
            m_current->m_fields.append(ReportParameterField(name, types.value(type)));
            return;
        }
        case Block::Data:
        case Block::Section:
            if (m_inAttributes && t.startsWith(QLatin1Char('@'))) {
                attribute(t.mid(1).section(QLatin1Char(' '), 0, 0).toLower(), t.mid(1).section(QLatin1Char(' '), 1).trimmed());
                return;
            }
            if (!t.isEmpty()) m_inAttributes = false;
            m_body << line;
            return;
        }
    }

    void reportSetting(const QString& key, const QString& value)
    {
        ReportPage& page = m_root->page;
        if (key == QLatin1String("title")) m_root->title = value;
        else if (key == QLatin1String("paper")) {
            static const QStringList papers = {QStringLiteral("A4"), QStringLiteral("Letter"), QStringLiteral("Legal")};
            const auto it = std::find_if(papers.begin(), papers.end(),
                                         [&](const QString& p) { return p.compare(value, Qt::CaseInsensitive) == 0; });
            if (it == papers.end()) fail(QStringLiteral("paper is A4, Letter or Legal"));
            page.paper = *it;
        } else if (key == QLatin1String("orientation")) {
            if (value.compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0) page.landscape = true;
            else if (value.compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0) page.landscape = false;
            else fail(QStringLiteral("orientation is portrait or landscape"));
        } else if (key == QLatin1String("margins")) {
            bool ok = false;
            const double mm = value.toDouble(&ok);
            if (!ok || mm < 0 || mm > 60) fail(QStringLiteral("margins are millimetres from 0 to 60"));
            page.marginMm = mm;
        } else if (key == QLatin1String("font")) {
            const QString family = value.section(QLatin1Char(','), 0, 0).trimmed();
            bool ok = true;
            const QString size = value.section(QLatin1Char(','), 1).trimmed();
            const double pt = size.isEmpty() ? page.fontPt : size.toDouble(&ok);
            if (family.isEmpty() || !ok || pt < 4 || pt > 72) fail(QStringLiteral("font is \"family, points\""));
            page.fontFamily = family;
            page.fontPt = pt;
        } else {
            fail(QStringLiteral("unknown setting \"%1\"").arg(key));
        }
    }

    void attribute(const QString& key, const QString& value)
    {
        if (m_block == Block::Data) {
            if (key != QLatin1String("bind")) fail(QStringLiteral("a data set knows only @bind"));
            QStringList names;
            for (const QString& n : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) names << n.trimmed();
            m_current->m_tables.last().bind = names;
            return;
        }
        ReportSection& s = m_current->m_sections.last();
        if (key == QLatin1String("repeat")) s.repeat = value;
        else if (key == QLatin1String("group")) s.group = value;
        else if (key == QLatin1String("when")) s.when = value;
        else if (key == QLatin1String("empty")) s.empty = value;
        else fail(QStringLiteral("unknown section setting @%1").arg(key));
        if (value.isEmpty()) fail(QStringLiteral("@%1 needs a name").arg(key));
    }

    void finishBlock()
    {
        while (!m_body.isEmpty() && m_body.last().trimmed().isEmpty()) m_body.removeLast();
        while (!m_body.isEmpty() && m_body.first().trimmed().isEmpty()) m_body.removeFirst();
        const QString body = m_body.join(QLatin1Char('\n'));
        if (m_block == Block::Data) m_current->m_tables.last().sql = body;
        else if (m_block == Block::Section) m_current->m_sections.last().body = body;
        m_body.clear();
        m_block = Block::None;
    }

    void validate(const Report& r, bool main) const
    {
        for (const ReportTable& t : r.tables()) {
            if (t.sql.trimmed().isEmpty()) invalid(r, QStringLiteral("the data set \"%1\" has no statement").arg(t.name));
            if (placeholders(t.sql) != t.bind.size())
                invalid(r, QStringLiteral("the data set \"%1\" has %2 \"?\" but binds %3 parameter fields")
                               .arg(t.name).arg(placeholders(t.sql)).arg(t.bind.size()));
            for (const QString& b : t.bind)
                if (!r.parameterField(b)) invalid(r, QStringLiteral("the data set \"%1\" binds the unknown parameter field \"%2\"").arg(t.name, b));
        }
        for (const ReportSection& s : r.sections()) {
            const QString where = QStringLiteral("section %1").arg(s.number);
            for (const QString* set : {&s.repeat, &s.when, &s.empty})
                if (!set->isEmpty() && !r.table(*set)) invalid(r, QStringLiteral("%1 names the unknown data set \"%2\"").arg(where, *set));
            if (!s.group.isEmpty() && s.repeat.isEmpty()) invalid(r, QStringLiteral("%1 groups without @repeat").arg(where));
            int open = 0;
            for (const ReportToken& t : ReportTemplate::tokenize(s.body)) {
                switch (t.kind) {
                case ReportToken::Param:
                    if (!r.parameterField(t.name)) invalid(r, QStringLiteral("%1 uses the unknown parameter field %2").arg(where, t.text));
                    break;
                case ReportToken::Special:
                    if (!ReportTemplate::isSpecial(t.name)) invalid(r, QStringLiteral("%1 uses the unknown value %2").arg(where, t.text));
                    break;
                case ReportToken::Field:
                case ReportToken::Count:
                case ReportToken::Sum:
                    if (!r.table(t.name)) invalid(r, QStringLiteral("%1 uses the unknown data set in %2").arg(where, t.text));
                    break;
                case ReportToken::Subreport:
                    if (!main || !r.subreport(t.name)) invalid(r, QStringLiteral("%1 uses the unknown subreport in %2").arg(where, t.text));
                    break;
                case ReportToken::GroupOpen:
                    if (s.group.isEmpty() || open++) invalid(r, QStringLiteral("%1 has {#group} without @group, or twice").arg(where));
                    break;
                case ReportToken::GroupClose:
                    if (open-- != 1) invalid(r, QStringLiteral("%1 has {/group} without {#group}").arg(where));
                    break;
                case ReportToken::Unknown: invalid(r, QStringLiteral("%1 uses the unknown directive %2").arg(where, t.text));
                case ReportToken::Text: break;
                }
            }
            if (open) invalid(r, QStringLiteral("%1 has {#group} without {/group}").arg(where));
        }
        for (const auto& sub : r.subreports()) validate(*sub, false);
    }

    QString m_text, m_file;
    std::shared_ptr<Report> m_root;
    Report* m_current = nullptr;
    Block m_block = Block::None;
    bool m_inAttributes = false;
    bool m_seenSettings = false;
    QStringList m_body;
    int m_line = 0;
};

std::shared_ptr<Report> Report::fromText(const QString& text, const QString& fileName)
{
    return ReportParser(text, fileName).parse();
}
