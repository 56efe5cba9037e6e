#pragma once
// What the properties window does each time it is about to appear: it always
// opens on the file-name page with the focus in the prefix box, whichever page
// was shown when it was hidden.
#include "ports/properties_view_port.hpp"

inline void showOnFirstPage(PropertiesViewPort& view) {
    view.activateFirstPage();
    view.focusPrefixBox();
}
