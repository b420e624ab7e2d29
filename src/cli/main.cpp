#include <malloc.h>

#include <exception>
#include <iostream>

#include "cli/cli.h"
#include "platform/mapped_file.h"

int main(int argc, char** argv) {
    // A large project is tens of thousands of small rows, read on several threads: growing the
    // heaps in large steps saves most of the system calls that growing them row by row makes.
    constexpr int HEAP_GROWTH = 32 << 20;
    mallopt(M_TOP_PAD, HEAP_GROWTH);
    varno::AllowMappedReads(true);
    try {
        return varno::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "varnoc: " << e.what() << "\n";
        return varno::EXIT_USAGE;
    }
}
