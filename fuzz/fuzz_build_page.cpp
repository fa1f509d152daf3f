// Builds pages from arbitrary entries and style values, in both looks, with
// and without scroll-bar colours. The classic page must be exactly the
// templates of its look with the values in order (double quotes as &quot;
// where a value lands in an attribute, the title as typed); the modern page
// must keep every value inside the place it was written to.
//
// Input: pieces separated by 0x1f. The first fifteen are the style values in
// the order of StyleFields(); after them every three pieces are one entry
// (title, URL, explanation). An entry with an empty field must be refused.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/modern_page_check.h"
#include "fuzz/template_oracle.h"
#include "page/modern_page.h"
#include "page/page_generator.h"
#include "resources/string_table.h"

using namespace menulark;
using namespace menulark::fuzz;

namespace {

std::string ExpectedSimplePage(const std::vector<MenuItem>& items) {
    const int height = static_cast<int>(std::min<size_t>(items.size(), 4)) * 19;
    std::string page = FillTableTemplate(IDS_SIMPLE_HEAD, {std::to_string(height)});
    for (const MenuItem& item : items)
        page += FillTableTemplate(IDS_SIMPLE_ENTRY,
                                  {QuoteEscaped(item.explanation), QuoteEscaped(item.url), item.title});
    page += FillTableTemplate(IDS_SIMPLE_TAIL, {});
    return page;
}

std::string ExpectedStyledPage(const std::vector<MenuItem>& items, const StyleSettings& s) {
    std::vector<std::string> frameValues{s.width,       s.height,     s.backgroundColor, s.fontColor,
                                         s.fontWeight,  s.fontSize,   s.fontFamily,      s.borderSize,
                                         s.borderStyle, s.borderColor};
    if (s.scrollbarColors) {
        frameValues.insert(frameValues.end(), {s.scrollbarArrowColor, s.scrollbarHighlightColor,
                                               s.scrollbar3dlightColor, s.scrollbarShadowColor});
    }
    for (std::string& value : frameValues) value = QuoteEscaped(value);

    std::string page = FillTableTemplate(IDS_STYLED_HEAD, {});
    page += FillTableTemplate(s.scrollbarColors ? IDS_STYLED_FRAME : IDS_STYLED_FRAME_PLAIN, frameValues);
    for (const MenuItem& item : items) {
        page += FillTableTemplate(
            IDS_STYLED_ENTRY,
            {QuoteEscaped(item.explanation), QuoteEscaped(item.url), "2", QuoteEscaped(s.itemHighlightColor),
             QuoteEscaped(s.backgroundColor), QuoteEscaped(s.borderSize), QuoteEscaped(s.borderStyle),
             QuoteEscaped(s.borderColor), item.title});
    }
    page += FillTableTemplate(IDS_STYLED_CLOSE, {});
    page += FillTableTemplate(IDS_STYLED_TAIL, {});
    return page;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> pieces =
        SplitBytes(std::string_view(reinterpret_cast<const char*>(data), size), '\x1f');

    StyleSettings style;
    const auto& fields = StyleFields();
    size_t next = 0;
    for (; next < fields.size() && next < pieces.size(); ++next) style.*fields[next].member = pieces[next];

    MenuItemList items;
    for (; next < pieces.size(); next += 3) {
        std::string title = pieces[next];
        std::string url = next + 1 < pieces.size() ? pieces[next + 1] : std::string();
        std::string explanation = next + 2 < pieces.size() ? pieces[next + 2] : std::string();
        const bool complete = !title.empty() && !url.empty() && !explanation.empty();
        const int rowsBefore = items.RowCount();
        Require(items.AddItem(title, url, explanation) == complete,
                "AddItem() took an entry with an empty field, "
                "or refused a complete one");
        Require(items.RowCount() == rowsBefore + (complete ? 1 : 0),
                "AddItem() changed the row count wrongly");
    }

    const std::vector<MenuItem>& rows = items.Items();
    RequireEqual(ExpectedSimplePage(rows), BuildPage(items, PageMode::Simple, style), "simple look page");
    for (bool scrollbarColors : {true, false}) {
        style.scrollbarColors = scrollbarColors;
        const std::string look = scrollbarColors ? " with scroll-bar colours" : " without scroll-bar colours";
        RequireEqual(ExpectedStyledPage(rows, style), BuildPage(items, PageMode::Styled, style),
                     "styled look page" + look);
        CheckModernPage(BuildModernPage(items, PageMode::Styled, style), items, PageMode::Styled, style);
    }
    CheckModernPage(BuildModernPage(items, PageMode::Simple, style), items, PageMode::Simple, style);
    return 0;
}
