#pragma once
// What a screen reader reads of a line view: an editable-text role, read
// only, its accessible name, the shown text as its value, and the text
// interface (characters, selection, caret) over that text.

namespace app {

// Registers the view's accessibility with Qt; once is enough.
void installLineViewAccessibility();

}  // namespace app
