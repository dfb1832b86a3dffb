// The desktop program's start, and its end with the main window.
#pragma once

namespace tarvelo::gui {

class MainFrame;

// The program ends when its main window closes, whatever other window was shown.
void endWithMainWindow(MainFrame &frame);

// Starts the program: settings, the user-interface language, the memory library, the
// main frame, the inspection rules, the command line; then runs until it closes.
int runApplication(int argc, char **argv);

} // namespace tarvelo::gui
