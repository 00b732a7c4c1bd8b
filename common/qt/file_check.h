// The check made before a file is handed to a Qt loader, which would only say
// that it failed: the file must be a regular file that opens for reading. It is
// opened without waiting, so a pipe or a device in its place is refused at once.
#pragma once

#include <string>

namespace shell {

// Opens the file for reading and hands over its descriptor; throws PlatformError
// 'Cannot open file "<path>". <reason>' when it does not open or is no regular
// file ("File access denied").
int OpenReadableFile(const std::string& path);

// The same check, the file closed again.
void RequireReadableFile(const std::string& path);

}  // namespace shell
