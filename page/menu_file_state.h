#pragma once
// The window's menu file as plain logic: its name for the caption, whether
// the menu changed since it was last opened or saved, and the close decision.

#include <functional>
#include <optional>
#include <string>

#include "page/menu_file.h"

namespace menulark {

enum class CloseAnswer { Save, DontSave, Cancel };

class MenuFileState {
public:
    /// After `path` was opened or saved holding `contents`.
    void Remember(const std::string& path, const MenuDocument& contents);

    /// The file's path; empty until one was opened or saved.
    const std::string& Path() const { return m_path; }

    /// What the file held at the last open or save, if there was one.
    const std::optional<MenuDocument>& LastSaved() const { return m_saved; }

    /// `programCaption` alone before there is a file; then
    /// "<file name> - <programCaption>".
    std::string Caption(const std::string& programCaption) const;

    /// Whether `current` differs from the file's last opened or saved
    /// contents. Always false before there is a file, so a run that uses no
    /// menu file closes as it always did.
    bool HasUnsavedChanges(const MenuDocument& current) const;

    /// Whether the window may close now. With nothing to lose it may, and
    /// `ask` is not called. Otherwise `ask` chooses: Save calls `save` and
    /// closes only when it reports success (a failed or cancelled save keeps
    /// the window open); Don't save closes; Cancel keeps the window open.
    bool MayClose(const MenuDocument& current, const std::function<CloseAnswer()>& ask,
                  const std::function<bool()>& save) const;

private:
    std::string m_path;
    std::optional<MenuDocument> m_saved;
};

}  // namespace menulark
