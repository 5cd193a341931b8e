// The desktop program: checks for a display, prepares the data folder and shows the table.
#include "ui/desktop/DeskTopApp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (!corvane::ui::DisplayAvailable()) {
        std::fputs("corvane: no display is available; start it from a desktop session or under xvfb-run\n", stderr);
        return 1;
    }
    return corvane::ui::RunDeskTop(argc, argv);
}
