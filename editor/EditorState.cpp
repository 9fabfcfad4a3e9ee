#include "editor/EditorState.h"

#include "editor/EditorStrings.h"
#include "platform/FileNames.h"

EditorRecord Editor;

HWND Control(int id) { return GetDlgItem(Editor.window, id); }

std::string ControlText(int id) {
  HWND control = Control(id);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

void SetControlText(int id, const std::string& utf8) {
  SetWindowTextW(Control(id), WideFromUtf8(utf8).c_str());
}

std::string EditedSessionName() {
  if (Editor.nameKind == EditedName::New) return InCurrentLanguage(NewSessionName);
  if (Editor.nameKind == EditedName::File) return Editor.name;
  return Editor.name + " (" + InCurrentLanguage(CopyWord) + ")";
}
