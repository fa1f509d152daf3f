#include "menu/menu_file_state.h"

#include <filesystem>

namespace menulark {

void MenuFileState::Remember(const std::string& path, const MenuDocument& contents) {
    m_path = path;
    m_saved = contents;
}

std::string MenuFileState::Caption(const std::string& programCaption) const {
    if (m_path.empty()) return programCaption;
    return std::filesystem::path(m_path).filename().string() + " - " + programCaption;
}

std::string MenuFileState::SuggestedName() const {
    if (m_path.empty()) return std::string("menu") + kMenuFileExtension;
    return std::filesystem::path(m_path).filename().string();
}

std::string MenuFileState::Folder() const {
    return m_path.empty() ? std::string() : std::filesystem::path(m_path).parent_path().string();
}

bool MenuFileState::HasUnsavedChanges(const MenuDocument& current) const {
    return m_saved != current;
}

bool MenuFileState::MayClose(const MenuDocument& current, const std::function<CloseAnswer()>& ask,
                             const std::function<bool()>& save) const {
    if (!HasUnsavedChanges(current)) return true;
    switch (ask()) {
        case CloseAnswer::Save:
            return save();
        case CloseAnswer::DontSave:
            return true;
        case CloseAnswer::Cancel:
            break;
    }
    return false;
}

}  // namespace menulark
