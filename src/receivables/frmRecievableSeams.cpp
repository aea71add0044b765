// Stand-ins of the save, the revocation, the reprint and the package items of the receivable
// update until they are built: each says so and does nothing. Whoever builds them replaces this
// file with their own definitions.
#include "receivables/frmRecievable.h"

#include "platform/ui/MessageBox.h"

namespace {
void notYet(const QString& what)
{
    MsgBox(what + QStringLiteral(" is not yet available."), vbInformation, QStringLiteral("Receivable Update"));
}
}

void frmRecievable::cmdSave_Click() { notYet(QStringLiteral("Saving late charges")); }
void frmRecievable::cmdRevoke_Click() { notYet(QStringLiteral("Revoking late charges")); }
void frmRecievable::cmdReprint_Click() { notYet(QStringLiteral("Reprinting charge slips")); }
void frmRecievable::Check_If_Package(const QString&, const QString&, FlexGrid*) {}
void frmRecievable::Remove_PackageItems(const QString&, const QString&, FlexGrid*) {}
