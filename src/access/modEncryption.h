#pragma once
// The access-code cipher. It lives with the text utilities because the log-in component, which
// stands below the access dialogs, checks codes the same way.
#include "platform/text/Encryption.h"
