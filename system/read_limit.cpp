#include "system/read_file.h"

namespace menulark {

std::string TooLargeReason(size_t limit) {
    constexpr size_t kMiB = size_t{1} << 20;
    if (limit % kMiB == 0) return "the input is larger than " + std::to_string(limit / kMiB) + " MiB";
    return "the input is larger than " + std::to_string(limit) + " bytes";
}

}  // namespace menulark
