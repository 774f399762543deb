#pragma once

class QWidget;

namespace framework {

// Places the window in the middle of the main screen.
void centreOnScreen(QWidget& window);

} // namespace framework
