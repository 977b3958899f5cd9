#include "cli/cli.h"

int main(int argc, char** argv) { return vk2::cli::Main(argc, argv); }
