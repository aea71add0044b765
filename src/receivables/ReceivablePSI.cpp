#include "receivables/ReceivablePSI.h"

#include "shared/orders/ExamPricing.h"

PSIAmount OxygenPSIAmount(int computationType, int consumedPSI, double unitPrice)
{
    const int quantity = consumedPSI > 0 ? consumedPSI : 1;
    if (computationType == 1) return {QuantityAmount(quantity, unitPrice), true};
    if (consumedPSI >= 100) return {QuantityAmount(consumedPSI / 100.0, unitPrice), true};
    if (consumedPSI >= 1) return {unitPrice, true};
    return {QuantityAmount(1, unitPrice), false};
}
