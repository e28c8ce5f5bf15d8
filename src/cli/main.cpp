#include <iostream>

#include "cli/CliApp.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return busquery::cli::runCli(argc, argv, std::cin, std::cout, std::cerr);
}
