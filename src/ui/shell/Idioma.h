#pragma once
// The program speaks Brazilian Portuguese, and so do Qt's own parts: the
// default locale is pt_BR (dates "dd/MM/yyyy", decimal comma, Portuguese
// month and day names in the date picker's calendar) and Qt's own texts
// (standard dialog buttons, the file dialog) come from Qt's Portuguese
// translations. main() calls it once the application object exists; tests
// and golazzo-shots call it the same way.
namespace Idioma {

// Sets the locale and loads Qt's translations; calling it again does nothing
// more. Returns false when Qt's Portuguese translations were not found: the
// locale is set all the same and Qt's own texts stay in English.
bool instala();

} // namespace Idioma
