#pragma once
// Windows speaks UTF-16 and the game UTF-8: the reasons Windows gives, turned into the game's text.
#include <string>

namespace platform::win32 {

// Windows' own wording of an error code (GetLastError()), in UTF-8, without the closing full stop.
std::string errorText(unsigned long code);

// What went wrong, as "what: Windows' reason", from GetLastError().
std::string lastErrorText(const std::string& what);

} // namespace platform::win32
