// Replacing a file all at once: the new content goes to a temporary file beside the target, which is
// renamed over the target only when every byte was written and flushed. An interrupted or failed write
// leaves the previous file as it was.
#pragma once

#include <string>

namespace tools {

// Writes content to path. Refuses a target that exists but is not a regular file (a FIFO or a device
// could block or swallow the data). On failure returns false with a one-line message in error.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string& error);

}  // namespace tools
