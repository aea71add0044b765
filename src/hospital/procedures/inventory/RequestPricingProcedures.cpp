// Stand-ins of the INVENTORY procedures the medicine and supply requests ask: the company price of
// an item at a location and the warnings an item is tagged with.
#include "platform/db/Connection.h"
#include "platform/db/Procedures.h"

namespace {

// Arguments: item, location. One row (CompanyPrice) when the item has a company price there.
Recordset companyPrice(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT CompanyPrice FROM INVENTORY..tbInvCompanyPrice WHERE ItemID = ? AND LocationID = ? "
                                  "AND CompanyPrice IS NOT NULL"),
                   {a.text(0).trimmed(), a.text(1).trimmed()});
}

// Argument: item. One row (HighAlert, Refrigerated) for an item of the catalogue.
Recordset highAlertRefrigerated(Connection& c, const ProcedureArgs& a)
{
    return c.query(QStringLiteral("SELECT HighAlert, Refrigerated FROM INVENTORY..TBINVMASTER WHERE ItemID = ?"), {a.text(0).trimmed()});
}

} // namespace

CATHLAB_PROCEDURE("Inventory..sp_Get_CompanyPrice", companyPrice);
CATHLAB_PROCEDURE("Inventory..CheckHAlertRefrigerated", highAlertRefrigerated);
