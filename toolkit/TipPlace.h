#pragma once

#include "toolkit/Form.h"
#include "toolkit/SceneTracker.h"

#include <functional>
#include <string_view>

namespace tk {

// The widths a tip may take, pixels, the widest preferred.
inline constexpr int tipWidths[] = {240, 180, 140};

// Where a control stands on its form's client area, the places of its frames added.
PixelRect formPlace(const Form& form, const Control& control);

// Where the tip explaining a refused box stands: beside the box, as near to it as can be, inside
// the client area and over no shown control but frames and empty labels, so that it hides nothing
// the pupil reads or clicks. `heightAt` gives the tip's height at each width of tipWidths. With no
// such place (a window full of controls), right of the box.
PixelRect tipPlace(const Form& form, const Control& box, const std::function<int(int)>& heightAt);

// The height of a tip of `text` wrapped within `width` pixels, for the 11-pixel sans-serif font of
// both editions, erring tall: for a binding that lays its tip out only once placed.
int estimatedTipHeight(std::string_view text, int width);

} // namespace tk
