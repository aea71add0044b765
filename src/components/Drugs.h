#pragma once
#include "components/ConnectedComponent.h"

#include "platform/db/Recordset.h"

#include <QDateTime>

// The item the drug catalogue found last.
struct DrugItem {
    bool Status = false; // True: the item is inactive
    QString DrugCode, DrugName, Description, GenericName;
    struct {
        QString ClassificationCode, Classification;
    } Classification;
    struct {
        double StockOnHand = 0, SellingPriceIn = 0, SellingPriceOut = 0;
    } Invent;
};

// One stock-card line of a charge or of its reversal: what the catalogue's AppendStockCard is given.
struct StockCardLine {
    QString HospNum, IDNum; // both empty for the items of a package
    QString ItemID;
    QDateTime TransDate;
    QString RefNum;         // the charge slip
    double Quantity = 0;    // negative for a reversal
    double Amount = 0;      // 0 for the items of a package; negative for a reversal
    QString UserID, DosageID, RequestDocID;
    QString LocationID;     // the stock location the items leave (or return to)
    QString RoomID;
    QString StockSection;   // "CS" or "PH"
    bool Reversal = false;
    QString PatientType;    // "I" or "O"
    QString CreditMemoNum;  // a return: the credit memo it came back under
};

// Writes the line on the connection given: the stock-card line (its quantity the movement, so an
// issue is negative), the stock on hand at the location, and for a charge the station's log-book
// line under the slip. Returns the sequence number of the stock-card line it wrote, so a caller
// tags that very line. Errors reach the caller, whose transaction undoes them.
qint64 AppendStockCardLine(Connection& c, const StockCardLine& line);

// What is still issued to the admission of an item under one charge slip at one stock location:
// the issues less the returns and reversals; never below 0. Database errors reach the caller.
double IssuedOnSlip(Connection& c, const QString& idNum, const QString& chargeSlip, const QString& itemID,
                    const QString& location);

class clsDrug;

// The generic the drug catalogue found last by its code.
class DrugGeneric {
public:
    explicit DrugGeneric(clsDrug* owner) : m_owner(owner) {}
    // True when the code is an active generic of the catalogue; then the names describe it until
    // the next successful search. Database errors reach the caller.
    bool Search(const QString& code);
    QString GenericName, ClassificationName;

private:
    clsDrug* m_owner;
};

// Drug catalogue ("prjDrugDLL.clsDrug").
class clsDrug : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    // The pharmacy's stock location: the one a search without a location reads the stock of.
    static inline const QString PharmacyLocation = QStringLiteral("20");
    bool InitConnect(const QString& cs) { return connectByString(QStringLiteral("clsDrug.InitConnect"), cs); }
    void setConnection(Connection* conn) { connectTo(QStringLiteral("clsDrug.Connection"), conn); }
    // Finds a medicine or supply by its code, with its stock on hand at the location and its selling
    // prices; True when found, Drug then describes it until the next search. Database errors reach
    // the caller.
    bool SearchDrug(const QString& code, const QString& location);
    // AppendStockCardLine on the catalogue's connection.
    qint64 AppendStockCard(const StockCardLine& line);
    bool SearchDrug(const QString& code) { return SearchDrug(code, PharmacyLocation); }
    // What is still issued to the admission of the item, over every slip and location; 0 when none.
    double QuantityIssued(const QString& idNum, const QString& itemID);
    // The next credit memo and adjustment slip numbers as the counters stand (shown, not taken:
    // a posting takes its number inside its own transaction).
    QString CurrentCreditMemo();
    QString CurrentAdjustmentSlip();
    // The admission's posted lines of medicines (pharmacy stock) or supplies (central supply):
    // 0 date, 1 reference (charge slip, or credit memo of a return), 2 issued by, 3 name, 4 code,
    // 5 "ISSUED" / "Returned", 6 quantity, 7 amount, 8 encoder, 9 generic name, 10 unit,
    // 11 location, 12 line number, 13 remarks. The second argument is kept for the callers.
    Recordset ListPostedDrugs(const QString& idNum, int kind);
    Recordset ListPostedCSR(const QString& idNum, int kind);
    DrugItem Drug;
    DrugGeneric Generic{this};
    Connection* catalogConnection() const { return m_conn; }
};

// Drug pick lists ("prjListDrugs.clsListDrugs", and by generic name "prjListDrugsByGeneric.clsListGeneric").
class clsListDrugs : public ConnectedComponent {
    Q_OBJECT
public:
    using ConnectedComponent::ConnectedComponent;
    bool InitConnection(const QString& cs)
    {
        return connectByString(QStringLiteral("%1.InitConnection").arg(progId().section(QLatin1Char('.'), 1)), cs);
    }
    // Drugs (False) or central supplies (True).
    void setDrugsORCSR(bool csr)
    {
        ComponentTrace::record(QStringLiteral("%1.DrugsORCSR=%2").arg(progId().section(QLatin1Char('.'), 1)).arg(csr ? 1 : 0));
        m_drugsOrCsr = csr;
        m_drugsOrCsrSet = true;
    }
    bool DrugsORCSR() const { return m_drugsOrCsr; }
    bool drugsOrCsrSet() const { return m_drugsOrCsrSet; }
    void setConnection(Connection* conn) { connectTo(QStringLiteral("%1.Connection").arg(progId().section(QLatin1Char('.'), 1)), conn); }

    // Shows the pick list, starting from the typed text (the start of a code or name), and returns
    // the chosen code, "" when nothing was chosen or nothing matches. The generic list lists the
    // generics; the others the items stocked at the location (the pharmacy's when none is given).
    // The second argument is kept for the callers' sake and changes nothing. Database errors reach
    // the caller.
    QString ShowList(const QString& typed, bool unused, const QString& location = QString());

private:
    bool m_drugsOrCsr = false;
    bool m_drugsOrCsrSet = false;
};
