#pragma once
// Opening documents and addresses with the desktop's own programs.

#include <functional>
#include <string>

class QUrl;

namespace hb {

// Opens a local file (absolute path, UTF-8) or a web or mail address with the
// program the desktop associates with it. A local file that does not exist is
// not handed on. Returns whether the desktop accepted the request.
bool ShellOpen(const std::string& target);

// Tests see the requests instead of the desktop; an empty function restores it.
void SetShellOpenHandlerForTesting(std::function<bool(const QUrl&)> handler);

} // namespace hb
