// The code search's station list (kind 10).
#include "components/StationComponents.h"

bool clsCodeSearch::SearchStations(const QString& text)
{
    Cancelled = false;
    if (!m_conn) return false;
    const QList<QStringList> rows = listingRows(
        QStringLiteral("SELECT StationID, Station FROM STATION..tbNurseStation WHERE COALESCE(Status, 'A') = 'A' ORDER BY Station"),
        {}, text);
    if (rows.isEmpty()) return false;
    const int chosen = chooseRow(QStringLiteral("Stations"), {QStringLiteral("Code"), QStringLiteral("Station")}, rows);
    if (chosen < 0) return false;
    StationRecord = {rows[chosen][0], rows[chosen][1]};
    return true;
}
