#include "window/Module1.h"

void DragWindow(platform::Window& form) {
  form.dragWithMouse();
}
