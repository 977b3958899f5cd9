#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vk2::cli {

// battle LEFT... -- RIGHT... [--seed N] [--booty on|off] [--max-turns N] [--json] [--repeat N] [--quiet]
int BattleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vk2::cli
