#pragma once

#include <string>
#include <string_view>

namespace velmorix {

// UTF-8 text to the bytes of the Turkish Windows code page (Windows-1254), as
// every VELMORIX.TXT holds. Characters the code page lacks become '?'.
std::string toWindows1254(std::string_view utf8);
std::string fromWindows1254(std::string_view bytes);

} // namespace velmorix
