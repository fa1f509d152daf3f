#include "page/page_generator.h"

#include <algorithm>
#include <vector>

#include "page/page_templates.h"
#include "resources/string_table.h"

namespace menulark {
namespace {

constexpr int kRowHeight = 19;
constexpr int kMaxPopupHeight = 76;

// The exact bytes an item's values take in the page (quotes escaped), so that
// one allocation holds the page: a page that outgrows its reservation is
// copied and, at tens of megabytes, freshly mapped twice.
size_t ValueBytes(const MenuItem& item) {
    return item.title.size() + TemplateArg::AttributeLength(item.url) +
           TemplateArg::AttributeLength(item.explanation);
}

std::string BuildSimplePage(const MenuItemList& items) {
    const ParsedTemplate& entry = PageTemplates::Parsed(IDS_SIMPLE_ENTRY);
    std::string page;
    size_t estimate =
        PageTemplates::Text(IDS_SIMPLE_HEAD).size() + PageTemplates::Text(IDS_SIMPLE_TAIL).size();
    for (const MenuItem& item : items) estimate += entry.LiteralLength() + ValueBytes(item);
    page.reserve(estimate);

    const TemplateArg height[] = {PopupHeight(items.size())};
    PageTemplates::Parsed(IDS_SIMPLE_HEAD).AppendTo(page, height, 1);
    for (const MenuItem& item : items) {
        const TemplateArg args[] = {TemplateArg::Attribute(item.explanation),
                                    TemplateArg::Attribute(item.url), TemplateArg(item.title)};
        entry.AppendTo(page, args, 3);
    }
    page.append(PageTemplates::Text(IDS_SIMPLE_TAIL));
    return page;
}

std::string BuildStyledPage(const MenuItemList& items, const StyleSettings& s) {
    const ParsedTemplate& entry = PageTemplates::Parsed(IDS_STYLED_ENTRY);
    // Every style value lands inside a double-quoted style attribute.
    auto attr = [](const std::string& value) { return TemplateArg::Attribute(value); };

    std::string frame;
    if (s.scrollbarColors) {
        frame = PageTemplates::Format(
            IDS_STYLED_FRAME,
            {attr(s.width), attr(s.height), attr(s.backgroundColor), attr(s.fontColor), attr(s.fontWeight),
             attr(s.fontSize), attr(s.fontFamily), attr(s.borderSize), attr(s.borderStyle),
             attr(s.borderColor), attr(s.scrollbarArrowColor), attr(s.scrollbarHighlightColor),
             attr(s.scrollbar3dlightColor), attr(s.scrollbarShadowColor)});
    } else {
        frame =
            PageTemplates::Format(IDS_STYLED_FRAME_PLAIN,
                                  {attr(s.width), attr(s.height), attr(s.backgroundColor), attr(s.fontColor),
                                   attr(s.fontWeight), attr(s.fontSize), attr(s.fontFamily),
                                   attr(s.borderSize), attr(s.borderStyle), attr(s.borderColor)});
    }

    const size_t entryStyleBytes =
        TemplateArg::AttributeLength(s.itemHighlightColor) + TemplateArg::AttributeLength(s.backgroundColor) +
        TemplateArg::AttributeLength(s.borderSize) + TemplateArg::AttributeLength(s.borderStyle) +
        TemplateArg::AttributeLength(s.borderColor) + 1;  // + the case number
    size_t estimate = PageTemplates::Text(IDS_STYLED_HEAD).size() + frame.size() +
                      PageTemplates::Text(IDS_STYLED_CLOSE).size() +
                      PageTemplates::Text(IDS_STYLED_TAIL).size();
    for (const MenuItem& item : items) estimate += entry.LiteralLength() + entryStyleBytes + ValueBytes(item);

    std::string page;
    page.reserve(estimate);
    page.append(PageTemplates::Text(IDS_STYLED_HEAD));
    page.append(frame);
    for (const MenuItem& item : items) {
        const TemplateArg args[] = {TemplateArg::Attribute(item.explanation),
                                    TemplateArg::Attribute(item.url),
                                    TemplateArg(2),  // popshow's case number for "go to the entry's URL"
                                    attr(s.itemHighlightColor),
                                    attr(s.backgroundColor),
                                    attr(s.borderSize),
                                    attr(s.borderStyle),
                                    attr(s.borderColor),
                                    TemplateArg(item.title)};
        entry.AppendTo(page, args, 9);
    }
    page.append(PageTemplates::Text(IDS_STYLED_CLOSE));
    page.append(PageTemplates::Text(IDS_STYLED_TAIL));
    return page;
}

}  // namespace

int PopupHeight(size_t rows) {
    // Four rows reach the cap; comparing counts first keeps huge lists from overflowing.
    constexpr size_t kRowsAtCap = kMaxPopupHeight / kRowHeight;
    return static_cast<int>(std::min(rows, kRowsAtCap)) * kRowHeight;
}

std::string BuildPage(const MenuItemList& items, PageMode mode, const StyleSettings& style) {
    const bool rich = std::any_of(items.begin(), items.end(), [](const MenuItem& i) { return i.IsRich(); });
    if (rich) return BuildPage(FlattenForClassicPage(items), mode, style);
    if (mode == PageMode::Styled) return BuildStyledPage(items, style);
    return BuildSimplePage(items);
}

ClassicFlattening ClassicPageLosses(const MenuItemList& items) {
    ClassicFlattening losses;
    for (int r = 0; r < items.RowCount(); ++r) {
        const MenuItem& item = items.Row(r);
        losses.separators += item.kind == EntryKind::Separator;
        losses.headings += item.kind == EntryKind::Heading;
        losses.submenus += items.HasSubmenu(r);
        losses.icons += !item.icon.empty();
        losses.newTabs += item.newTab;
    }
    return losses;
}

MenuItemList FlattenForClassicPage(const MenuItemList& items) {
    MenuItemList flat;
    for (const MenuItem& item : items)
        if (item.kind == EntryKind::Link && !item.url.empty())
            flat.AddItem(item.title, item.url, item.explanation);
    return flat;
}

namespace {

std::string Counted(size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string ClassicFlatteningWarning(const ClassicFlattening& losses) {
    if (losses.Empty()) return {};
    std::vector<std::string> left;
    if (losses.separators) left.push_back(Counted(losses.separators, "separator", "separators"));
    if (losses.headings) left.push_back(Counted(losses.headings, "heading", "headings"));
    if (losses.icons) left.push_back(Counted(losses.icons, "icon", "icons"));
    if (losses.newTabs) left.push_back("the new tab of " + Counted(losses.newTabs, "link", "links"));
    std::string text = "the classic page cannot show all of this menu: it ";
    for (size_t i = 0; i < left.size(); ++i)
        text += (i == 0 ? "leaves out " : i + 1 == left.size() ? " and " : ", ") + left[i];
    if (losses.submenus) {
        text += left.empty() ? "lists " : ", and lists ";
        text +=
            "the entries of " + Counted(losses.submenus, "submenu", "submenus") + " in order with the others";
    }
    return text + " (the modern page shows them)";
}

std::string BuildSwatchPage(const std::string& color) {
    return PageTemplates::Format(IDS_SWATCH_PAGE, {TemplateArg::Attribute(color)});
}

}  // namespace menulark
