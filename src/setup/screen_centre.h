// Placing the setup windows in the middle of the screen. Qt would centre a
// dialog over its parent, and the full-screen background is not at its full
// size yet when the first dialog opens, which put that one at the top left.
#pragma once

class QWidget;

namespace pictra::setup {

// Gives the window its size and moves it so it is centred on its screen's
// free area (the primary screen when it has none yet).
void centreOnScreen(QWidget& window);

} // namespace pictra::setup
