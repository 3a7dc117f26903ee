#pragma once

namespace tkqt {

// Makes the binding's own widgets known to assistive technology: a label reads as static text
// named by its caption, a frame as a grouping named by its title. Safe to call many times.
void installAccessibility();

} // namespace tkqt
