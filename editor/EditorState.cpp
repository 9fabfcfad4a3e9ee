#include "editor/EditorState.h"

#include "editor/EditorStrings.h"
#include "platform/FileNames.h"
#include "platform/LabelledFields.h"

EditorRecord Editor;

HWND Control(int id) { return GetDlgItem(Editor.window, id); }

std::string ControlText(int id) { return WindowTextUtf8(Control(id)); }

void SetControlText(int id, const std::string& utf8) {
  SetWindowTextW(Control(id), WideFromUtf8(utf8).c_str());
}

std::string EditedSessionName() {
  if (Editor.nameKind == EditedName::New) return InCurrentLanguage(NewSessionName);
  if (Editor.nameKind == EditedName::File) return Editor.name;
  return Editor.name + " (" + InCurrentLanguage(CopyWord) + ")";
}
