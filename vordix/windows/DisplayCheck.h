#pragma once
// The start-up check of the display: at least 800 × 600 pixels, and true
// colour (a lower depth only warns).

#include <string>

struct DisplayCheckResult {
    bool ok = true;       // false: the program must not start
    std::wstring message; // empty when every requirement is met
};

// The verdict for a screen of the size and colour depth.
DisplayCheckResult evaluateDisplay(int width, int height, int depth);

// Checks the primary screen; shows the message (when there is one) through
// the message sink and returns whether the program may start.
bool checkDisplayRequirements();
