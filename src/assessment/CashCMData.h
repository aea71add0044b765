#pragma once
// The cash credit memo's database work: the paid items of a receipt and the save of one advice.
#include <QList>
#include <QString>

class Connection;
class Recordset;

// Columns of the credit memo list (column 0 is the fixed column).
namespace CashCMColumn {
enum { Picture = 1, Item = 2, Department = 3, Description = 4, Quantity = 5, Amount = 6, State = 7, Mark = 8, Advice = 9, Count = 10 };
}

// The paid items of one receipt of the admission, with their credit memo state.
Recordset CashCMPaidItems(Connection& c, const QString& idNum, const QString& orNumber);

// One item chosen for the credit memo, as the list shows it.
struct CashCMItem {
    QString item, department, description, quantity, amount;
};

// A plain decimal number, up to 15 significant digits: 150.5, 33.3333333333333.
QString CashCMNumberText(double value);
// The unit price credited: amount divided by quantity; 0 for a quantity not above 0 (which
// CashCMItemRefusal refuses).
double CashCMUnitPrice(const CashCMItem& item);
// Why an item cannot be credited ("" when it can).
QString CashCMItemRefusal(const CashCMItem& item);

// Saves one advice in one transaction: the next advice number from BILLING..tbAssessmentNum
// ("OR" and the counter's value before this save raised it), then one record per item. Answers the
// advice number. Any failure rolls everything back, the number included, and reaches the caller.
QString SaveCashCMAdvice(Connection& c, const QString& orNumber, const QString& patientName, const QString& userID,
                         const QList<CashCMItem>& items);
