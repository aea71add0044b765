#pragma once
// The returns windows load when first shown (the opener has set their properties by then); an
// error of that load is shown and leaves the window open and empty.
#include "shared/modGlobalsRoutines.h"

#include <exception>

template <typename Load>
void RunFirstLoad(bool& loaded, Load load)
{
    if (loaded) return;
    loaded = true;
    try {
        load();
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}
