#include "app/note_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>

#include "app/text_conversion.h"

namespace menulark {

void ShowNoteWindow(wxWindow* parent, const char* name, const std::string& text) {
    if (wxWindow* earlier = wxWindow::FindWindowByName(name, parent)) earlier->Destroy();

    // Modeless: the OK button and Esc only hide it; the next note or the
    // window's end destroys it.
    auto* note = new wxDialog(parent, wxID_ANY, wxGetTopLevelParent(parent)->GetLabel(), wxDefaultPosition,
                              wxDefaultSize, wxCAPTION | wxCLOSE_BOX, name);
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* label = new wxStaticText(note, wxID_ANY, FromCoreText(text));
    label->Wrap(note->FromDIP(360));
    column->Add(label, 0, wxALL, note->FromDIP(12));
    column->Add(new wxButton(note, wxID_OK), 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM,
                note->FromDIP(12));
    note->SetSizerAndFit(column);
    note->SetEscapeId(wxID_OK);
    note->CentreOnParent();
    note->Show();
}

}  // namespace menulark
