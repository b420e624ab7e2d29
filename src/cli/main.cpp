#include <exception>
#include <iostream>

#include "cli/cli.h"
#include "platform/heap_policy.h"

int main(int argc, char** argv) {
    varno::UseLargeProjectHeap(varno::HeapRun::Once);
    try {
        return varno::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "varnoc: " << e.what() << "\n";
        return varno::EXIT_USAGE;
    }
}
