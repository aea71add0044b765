#pragma once

// Names the machine's time zone once for the C library when the environment leaves TZ unset.
// Without it every local date and time built (thousands per list) makes the C library look the
// zone file up again; with it the zone is read once. Call before any date is built.
void PinLocalTimeZone();
