#include "platform/ScaledPresentation.h"

#include "platform/Scale.h"

#include <algorithm>

namespace platform {

namespace {

// Client rows composed at a time: a few cells' height.
constexpr std::int32_t kBandRows = 32;

} // namespace

Rect presentScaled(const Form& window, std::int32_t scale, const ScreenDraw& draw) {
  const Rect changed = window.changedArea();
  for (std::int32_t top = changed.y; top < changed.y + changed.h; top += kBandRows) {
    const Rect band{changed.x, top, changed.w, std::min(kBandRows, changed.y + changed.h - top)};
    draw(window.composed(band), band.x * scale, band.y * scale, scale);
  }
  const Picture* tip = window.shownToolTip();
  if (tip != nullptr && window.toolTipArea().intersects(changed)) {
    draw(Surface(tip->width, tip->height, tip->pixels), window.toolTipArea().x * scale,
         window.toolTipArea().y * scale, 1);
  }
  return toScreen(changed, scale);
}

} // namespace platform
