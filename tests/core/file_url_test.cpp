#include "style/file_url.h"

#include <gtest/gtest.h>

namespace menulark {
namespace {

TEST(FileUrlTest, EveryByteOfThePathSurvives) {
    const struct {
        std::string path, url;
    } cases[] = {
        {"/tmp/colorFile.htm", "file:///tmp/colorFile.htm"},
        {"/My Pr\xc3\xb6grams \xe6\x97\xa5/app C/colorFile.htm",
         "file:///My%20Pr%C3%B6grams%20%E6%97%A5/app%20C/colorFile.htm"},
        {"/Latin-1 \xf6/x.htm", "file:///Latin-1%20%F6/x.htm"},  // not UTF-8
        {"/a#b?c%d;e/f.htm", "file:///a%23b%3Fc%25d%3Be/f.htm"},
    };
    for (const auto& c : cases) EXPECT_EQ(FileUrlOf(c.path), c.url) << c.path;
}

}  // namespace
}  // namespace menulark
