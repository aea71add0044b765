// The code search's lists of the registration entry: zip codes, religions, companies, nationalities.
#include "components/StationComponents.h"

bool clsCodeSearch::SearchRegistrationCodes(const QString& text, int kind)
{
    Cancelled = false;
    if (!m_conn) return false;
    struct Listing {
        const char *sql, *title, *name;
    };
    const Listing listing =
        kind == 0   ? Listing{"SELECT ZipCode, Town, Province FROM BUILD_FILE..tbCoAddress ORDER BY Town, ZipCode", "Towns",
                            "Town"}
        : kind == 2 ? Listing{"SELECT ReligionID, Religion FROM BUILD_FILE..tbCoReligion ORDER BY Religion", "Religions",
                              "Religion"}
        : kind == 3 ? Listing{"SELECT AccountNum, Company FROM BUILD_FILE..TBCOCOMPANY ORDER BY Company", "Companies",
                              "Company"}
                    : Listing{"SELECT NationalityID, Nationality FROM BUILD_FILE..tbCoNationality ORDER BY Nationality",
                              "Nationalities", "Nationality"};
    const QList<QStringList> rows = listingRows(QString::fromLatin1(listing.sql), {}, text);
    if (rows.isEmpty()) return false;
    QStringList headers{QStringLiteral("Code"), QString::fromLatin1(listing.name)};
    if (kind == 0) headers << QStringLiteral("Province");
    const int chosen = exactOrChosenRow(text, QString::fromLatin1(listing.title), headers, rows);
    if (chosen < 0) return false;
    const QStringList& row = rows[chosen];
    if (kind == 0) AddressRecord = {row[0], row[1], row.value(2)};
    else if (kind == 2) ReligionRecord = {row[0], row[1]};
    else if (kind == 3) CompanyRecord = {row[0], row[1]};
    else NationalityRecord = {row[0], row[1]};
    return true;
}
