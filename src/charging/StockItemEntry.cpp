#include "charging/StockItemEntry.h"

#include "components/Drugs.h"
#include "platform/ui/MessageBox.h"

bool ReplacementConfirmed(const QString& currentCode, const QString& currentDescription, const DrugItem& found)
{
    const QString current = currentCode.trimmed();
    if (current.isEmpty() || current == found.DrugCode) return true;
    return MsgBox(QStringLiteral("Do you really want to replace ") + currentDescription + QStringLiteral(" with ") + found.DrugName +
                      QStringLiteral(" ") + found.Description + QStringLiteral("?"),
                  vbYesNo | vbQuestion, QStringLiteral("Confirmation"))
           == vbYes;
}

double StockSellingPrice(const DrugItem& item, const QString& priceClass)
{
    return priceClass == QLatin1String("O") ? item.Invent.SellingPriceOut : item.Invent.SellingPriceIn;
}
