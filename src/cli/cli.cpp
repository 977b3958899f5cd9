#include "cli/cli.h"

#include <iostream>

namespace vk2::cli {

int Main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)args;
    (void)out;
    err << "usage: vellumark2-cli analyse PICTURE... [--herbs 0|1|2] [--json]\n";
    return 2;
}

} // namespace vk2::cli
