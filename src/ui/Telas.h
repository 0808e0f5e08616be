#pragma once
// Where the program's windows are wired together: the menu entries and the
// windows made at start. The program, the tests and golazzo-shots call these.
class TfmMenu;

namespace Telas {

// Gives every menu entry the opening of its screen.
void liga(TfmMenu* menu);

// The windows that live from start to exit: the skins screen (never shown),
// the report definitions and the sponsorship page.
void criaPermanentes(TfmMenu* menu);

} // namespace Telas
