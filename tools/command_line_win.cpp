// Windows hands narrow arguments over in the ANSI code page, which cannot
// name every file; the wide command line can, and is converted to UTF-8.
// windows.h first: shellapi.h builds on it.
// clang-format off
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>

#include "tools/command_line.h"

namespace menulark {

std::vector<std::string> CommandArguments(int, char**) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) {
        int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<size_t>(size > 0 ? size : 1), '\0');
        if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        arg.pop_back();  // the terminating NUL
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}

}  // namespace menulark
