#include "support/LookupFixture.h"

#include "exam_requests/frmRequest.h"
#include "ordering/frmRemarks.h"
#include "shared/clsParameters.h"
#include "shared/modGlobals.h"
#include "workspace/frmFinal.h"

void LookupTest::SetUp()
{
    DbTest::SetUp();
    StationParameters().LoadParameters();
}

void LookupTest::TearDown()
{
    delete frmFinal::existing();
    delete frmRequest::existing();
    delete frmRemarks::existing();
    DbTest::TearDown();
}
