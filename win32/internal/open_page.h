#pragma once

namespace acpower {

// Hands the company page to the desktop's default browser and returns at
// once. The outcome is deliberately ignored: no browser or no network must
// never get in the way of the calculator, nor of closing it.
void OpenCompanyPage();

}  // namespace acpower
