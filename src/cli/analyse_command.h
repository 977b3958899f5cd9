#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vk2::cli {

// analyse PICTURE... [--herbs 0|1|2] [--json]
int AnalyseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vk2::cli
