// Re-makes the example project: make_demo FOLDER writes Demo.KPJ and its data files there.
#include <iostream>

#include "demo_project.h"
#include "platform/string_table.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo FOLDER\n";
        return 2;
    }
    varno::SetLanguage(varno::Lang::English);
    std::string error;
    if (!varno::WriteDemoProject(argv[1], error)) {
        std::cerr << "make_demo: " << error << "\n";
        return 1;
    }
    return 0;
}
