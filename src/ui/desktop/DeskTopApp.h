// Starting the window program: the display check, the data folder, the table and its services,
// and the screenshot run.
#pragma once

#include <QString>

namespace corvane::ui {

// False when no windowing system can be reached (no display variable and no platform chosen).
bool DisplayAvailable();

// The program: `corvane [--screenshot FILE]`. Returns the exit code.
int RunDeskTop(int argc, char** argv);

}  // namespace corvane::ui
