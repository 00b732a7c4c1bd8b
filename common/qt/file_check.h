// The check made before a file is handed to a Qt loader, which would only say
// that it failed: the file must open for reading.
#pragma once

#include <string>

namespace shell {

// Throws PlatformError 'Cannot open file "<path>". <reason>' when it does not open.
void RequireReadableFile(const std::string& path);

}  // namespace shell
