// menulark-page: writes a menu page from tab-separated lines, for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "tools/page_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    menulark::CommandDesktop desktop(std::cout, std::cerr);
    return menulark::RunPageCommand(args, std::cin, desktop);
}
