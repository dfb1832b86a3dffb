// The images and help pages compiled into the program, registered once at start.
#pragma once

namespace tarvelo::gui {

// Registers the images and help pages compiled into the program; the program and
// the widget tests call it once before any window is made.
void initGuiResources();

} // namespace tarvelo::gui
