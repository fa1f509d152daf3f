#pragma once

#include <string>

namespace menulark {

class CWebBrowser2;

/// Shows a picked colour in the swatch pane through colorFile.htm in the
/// base directory.
class ColorSwatchPreview {
public:
    ColorSwatchPreview(CWebBrowser2* pane, std::string baseDirectory)
        : m_pane(pane), m_baseDirectory(std::move(baseDirectory)) {}

    /// Writes the swatch page for `color` and shows it. When the file cannot
    /// be written the pane shows the same page from memory, silently.
    void ShowColor(const std::string& color);

    std::string SwatchPath() const { return m_baseDirectory + "colorFile.htm"; }

private:
    CWebBrowser2* m_pane;
    std::string m_baseDirectory;
};

}  // namespace menulark
