#pragma once
// The check of one admission's ledger across every window that posts to it: the bill, the stock
// card, the charge slips, the charging window's posted list, the bill-adjustment notes and the cash
// assessments with their credit memos. It answers what disagrees, in plain words, so a failing
// test says what is wrong; an empty list is a consistent ledger.
#include <QString>
#include <QStringList>

class Connection;

namespace LedgerCheck {

// What disagrees in the ledger of the admission (in-patient or out-patient visit):
// - every charge is on the bill once (one debit line per slip, department and item; a package
//   charged to the admission on one slip only until it is revoked), on its slip with the same
//   quantity and amount and a description, and in the posted list;
// - every medicine or supply issued to the admission is billed on its slip with the quantity and
//   amount issued, and every slip line is billed;
// - a revocation or return brings back exactly what it reverses: a reversal reverses a charge of
//   its slip and never more than was charged, a charge reversed to nothing has nothing left of its
//   quantity, what went back to stock is what left the bill, each reversal has its adjustment
//   note, and the items issued under a revoked package are all back;
// - the posted list holds the bill's lines of the station's departments, and its total is theirs;
// - a cash credit memo credits only paid items of its receipt, never above what was paid.
QStringList Discrepancies(Connection& c, const QString& idNum);

} // namespace LedgerCheck
