#pragma once

namespace platform {

// Puts Qt's own texts that the clerk sees (the print preview's tips, the print and file dialogs,
// the standard buttons of message boxes) into Indonesian, from the translation built into the
// program. Call once, after the application object is made and before any window.
void useIndonesian();

} // namespace platform
