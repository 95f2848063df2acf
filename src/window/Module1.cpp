// Module1, the game's one routine outside its window: dragging a window that has no title bar.
#include "window/Module1.h"

void DragWindow(platform::Form& form) {
  form.dragWithMouse();
}
