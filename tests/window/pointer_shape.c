/* Prints the pointer's shape as "width height hot-x hot-y": the window test tells the hand by it. */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  XFixesCursorImage* image = display != NULL ? XFixesGetCursorImage(display) : NULL;
  if (image == NULL) {
    fprintf(stderr, "the pointer's shape cannot be read (no display, or no XFIXES)\n");
    return 1;
  }
  printf("%u %u %u %u\n", image->width, image->height, image->xhot, image->yhot);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}
