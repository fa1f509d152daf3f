// menulark-page: writes a menu page from tab-separated lines, for scripts.
#include <iostream>

#include "tools/command_line.h"
#include "tools/page_command.h"

int main(int argc, char** argv) {
    menulark::CommandDesktop desktop(std::cout, std::cerr);
    return menulark::RunPageCommand(menulark::CommandArguments(argc, argv), std::cin, desktop);
}
