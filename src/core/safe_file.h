// Writing files so that nothing is lost on a failed save: the data goes to a temporary file
// beside the target, which is flushed and then renamed over the old file in one step.
#pragma once

#include <string>
#include <string_view>

namespace vk2 {

// Returns an empty string on success, otherwise a readable reason; the old file is untouched on failure.
std::string WriteFileSafely(const std::string& path, std::string_view data);

} // namespace vk2
