#pragma once
#include "components/login/clsCurrentuser.h"
#include "shared/modGlobals.h"

// The signed-in user's employee code, which the result prints stage and print under.
inline QString SignedInEmployeeCode()
{
    return Session.CurrentUser ? Session.CurrentUser->EmployeeCode() : QString();
}
