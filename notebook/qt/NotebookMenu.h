#pragma once

#include "toolkit/Locale.h"

class QWidget;

namespace lopena {

class frmmain;

// Makes "Caiet de laborator" open the notebook's window beside `host`, the main window: made on
// first use, owned by the host, raised at every later choice.
void connectNotebook(frmmain& window, QWidget* host, const tk::Locale& locale);

} // namespace lopena
