#pragma once
// The window's menu file as plain logic: its name for the caption, whether
// the menu changed since it was last opened or saved, and the close decision.

#include <functional>
#include <string>

#include "menu/menu_file.h"

namespace menulark {

enum class CloseAnswer { Save, DontSave, Cancel };

class MenuFileState {
public:
    /// `startState` is what the window shows when it opens (no entries, the
    /// defaults): until a file is opened or saved, changes count from there,
    /// so typed entries are not lost unasked and an untouched window is not
    /// asked about.
    explicit MenuFileState(MenuDocument startState) : m_saved(std::move(startState)) {}

    /// After `path` was opened or saved holding `contents`.
    void Remember(const std::string& path, const MenuDocument& contents);

    /// The file's path; empty until one was opened or saved.
    const std::string& Path() const { return m_path; }

    /// What the file held at the last open or save; the start state before.
    const MenuDocument& LastSaved() const { return m_saved; }

    /// `programCaption` alone before there is a file; then
    /// "<file name> - <programCaption>".
    std::string Caption(const std::string& programCaption) const;

    /// The name that "Save menu as" suggests: the file's own name, or
    /// "menu.menu.json" before there is a file.
    std::string SuggestedName() const;

    /// The file's folder, where the file choosers start; empty before there
    /// is a file (the chooser's own choice).
    std::string Folder() const;

    /// Whether `current` differs from the last opened or saved contents (the
    /// start state before any).
    bool HasUnsavedChanges(const MenuDocument& current) const;

    /// Whether the menu may be left now (the window closed, or another file
    /// opened in its place). With nothing to lose it may, and `ask` is not
    /// called. Otherwise `ask` chooses: Save calls `save` and leaves only when
    /// it reports success (a failed or cancelled save keeps the menu); Don't
    /// save leaves; Cancel keeps the menu.
    bool MayClose(const MenuDocument& current, const std::function<CloseAnswer()>& ask,
                  const std::function<bool()>& save) const;

private:
    std::string m_path;
    MenuDocument m_saved;
};

}  // namespace menulark
