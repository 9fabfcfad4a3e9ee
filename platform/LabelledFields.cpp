#include "platform/LabelledFields.h"

#include "platform/FileNames.h"

namespace {

const int LabelHeight = 16;
const int LabelGap = 18;

}  // namespace

ChildPlace LabelPlaceAbove(const ChildPlace& field) {
  return {field.x, field.y - LabelGap, field.width, LabelHeight};
}

void CreateLabelledField(HINSTANCE instance, HWND parent, ChildPlace field, int id, int labelId,
                         bool list) {
  CreateChildW(instance, parent, L"STATIC", L"", SS_NOPREFIX, 0, LabelPlaceAbove(field), labelId);
  if (list)
    CreateChildW(instance, parent, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                 field, id);
  else
    CreateChildW(instance, parent, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                 field, id);
}

std::string WindowTextUtf8(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  const int copied = GetWindowTextW(control, &text[0], static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied));
  return Utf8FromWide(text);
}
