/* Prints the pointer's current shape as "width height hot-x hot-y", so the window test can tell the
   game's hand from the plain arrow. */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  int event_base = 0, error_base = 0;
  if (display == NULL || !XFixesQueryExtension(display, &event_base, &error_base)) {
    fprintf(stderr, "no display with the XFIXES extension\n");
    return 1;
  }
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (image == NULL) {
    fprintf(stderr, "the pointer's shape cannot be read\n");
    return 1;
  }
  printf("%u %u %u %u\n", image->width, image->height, image->xhot, image->yhot);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}
