#pragma once
// The properties window's tab order and page selection, shared by the pages
// that build it and the keys that walk it: the window tree in tab order, the
// focus tests, and the page control whose tabs keep their pages in the items'
// data.
#include <windows.h>

// The next window in the window tree's own order below `top`: first child,
// else next sibling, else the next sibling of the nearest container that has
// one. Null after the last.
HWND nextInTabOrder(HWND top, HWND w);

// A tab stop that, with all its containers up to `top`, is visible and
// enabled.
bool canTakeFocus(HWND top, HWND w);

// The page window shown for the selected tab of a page control (the pages
// are kept in the tabs' item data).
HWND selectedPage(HWND pageControl);

// The page window of tab `index` of a page control; null when there is none.
HWND pageAt(HWND pageControl, int index);

// Makes page `index` (0 to 3) of the page control the selected and only
// visible page.
void selectPropertiesPage(HWND pageControl, int index);

// The first control after `marker` in the window's tab order (every child
// window, nested containers included, searched forward) that can take the
// focus: a tab stop that is, with all its containers up to `top`, visible and
// enabled. Null when there is none.
HWND firstTabStopAfter(HWND top, HWND marker);

// A window below `top` by its control id, at any depth.
HWND findControl(HWND top, int id);
