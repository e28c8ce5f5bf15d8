#pragma once

class QWidget;

namespace busquery::gui {

// Applies the program's look to the main window and everything in it: a light, calm surface,
// quiet borders, one blue for focus and selection. Captions and places stay as they are.
void applySkin(QWidget& window);

}  // namespace busquery::gui
