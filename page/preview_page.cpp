#include "page/preview_page.h"

#include "page/create_page.h"
#include "page/embedded_web_files.h"
#include "page/modern_page.h"
#include "page/page_templates.h"
#include "page/url_scheme.h"
#include "resources/string_table.h"

namespace menulark {
namespace {

bool Holds(const MenuItemList& entries, const TypedEntry& typed) {
    for (const MenuItem& item : entries)
        if (item.title == typed.title && item.url == typed.url && item.explanation == typed.explanation)
            return true;
    return false;
}

}  // namespace

MenuItemList PreviewEntries(const MenuItemList& entries, const TypedEntry& typed) {
    MenuItemList shown = entries;
    if (!Holds(entries, typed)) shown.AddItem(typed.title, typed.url, typed.explanation);
    for (int row = 0; row < shown.RowCount(); ++row) {
        const MenuItem& item = shown.Row(row);
        if (IsScriptScheme(UrlScheme(item.url)))
            shown.ReplaceRow(row, item.title, std::string(kDisabledLinkScheme) + item.url, item.explanation);
    }
    return shown;
}

std::string BuildPreviewPage(const PreviewContent& content) {
    const MenuDocument& menu = content.menu;
    ModernPageOptions options;
    options.label = menu.modernLabel;
    options.lang = menu.modernLanguage;
    std::string page = BuildModernPage(PreviewEntries(menu.entries, content.typed), PageModeOf(menu.style),
                                       menu.style, options);
    // The head ends before any value of the author's.
    size_t headEnd = page.find("</head>");
    if (headEnd != std::string::npos) {
        std::string script = "<script>\n";
        script += embedded::PreviewJs();
        script += "</script>\n";
        page.insert(headEnd, script);
    }
    return page;
}

std::string PreviewLinkNote(std::string_view url) {
    if (url.substr(0, kDisabledLinkScheme.size()) != kDisabledLinkScheme) return std::string(url);
    return PageTemplates::Format(IDS_PREVIEW_SCRIPT_LINK,
                                 {std::string(url.substr(kDisabledLinkScheme.size()))});
}

}  // namespace menulark
