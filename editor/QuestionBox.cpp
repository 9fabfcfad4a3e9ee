#include "editor/QuestionBox.h"

#include <vector>

namespace {

// The dialog's template is made in memory: DLGTEMPLATE and its items, each
// item at a DWORD boundary, sizes in dialog units.
const WORD ButtonClass = 0x0080;
const WORD StaticClass = 0x0082;
const short Width = 230, Height = 66;
const short ButtonWidth = 60, ButtonHeight = 14, ButtonsTop = 44;

typedef std::vector<WORD> Template;

void AddDword(Template& t, DWORD value) {
  t.push_back(LOWORD(value));
  t.push_back(HIWORD(value));
}

void AddText(Template& t, const std::wstring& text) {
  for (wchar_t c : text) t.push_back(static_cast<WORD>(c));
  t.push_back(0);
}

void AddPlace(Template& t, short x, short y, short width, short height) {
  for (short value : {x, y, width, height}) t.push_back(static_cast<WORD>(value));
}

void AddItem(Template& t, DWORD style, short x, short y, short width, short height, WORD id,
             WORD itemClass, const std::wstring& text) {
  if (t.size() % 2) t.push_back(0);
  AddDword(t, WS_CHILD | WS_VISIBLE | style);
  AddDword(t, 0);
  AddPlace(t, x, y, width, height);
  t.push_back(id);
  t.push_back(0xFFFF);
  t.push_back(itemClass);
  AddText(t, text);
  t.push_back(0);  // no creation data
}

Template QuestionTemplate(const std::wstring& title, const std::wstring& question,
                          const std::wstring (&answers)[3]) {
  Template t;
  AddDword(t, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  AddDword(t, 0);
  t.push_back(4);  // items
  AddPlace(t, 0, 0, Width, Height);
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  AddText(t, title);
  t.push_back(8);
  AddText(t, L"MS Shell Dlg");
  AddItem(t, SS_LEFT | SS_NOPREFIX, 7, 7, Width - 14, 32, static_cast<WORD>(-1), StaticClass,
          question);
  const WORD ids[3] = {IDYES, IDNO, IDCANCEL};
  for (int i = 0; i < 3; i++)
    AddItem(t, WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
            static_cast<short>(Width - 7 - (3 - i) * (ButtonWidth + 4) + 4), ButtonsTop,
            ButtonWidth, ButtonHeight, ids[i], ButtonClass, answers[i]);
  return t;
}

bool Answer(HWND dialog, WORD id) {
  if (id != IDYES && id != IDNO && id != IDCANCEL) return false;
  EndDialog(dialog, id);
  return true;
}

INT_PTR CALLBACK QuestionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;  // the keyboard to the first button, Yes
    case WM_COMMAND:
      return Answer(dialog, LOWORD(wParam));
  }
  return FALSE;
}

}  // namespace

int AskYesNoCancel(HWND owner, const std::wstring& title, const std::wstring& question,
                   const std::wstring (&answers)[3]) {
  const Template t = QuestionTemplate(title, question, answers);
  const INT_PTR answer =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                              reinterpret_cast<LPCDLGTEMPLATEW>(t.data()), owner, QuestionProc, 0);
  // A dialog box that could not be made (-1) keeps the changes, as Cancel.
  return answer == IDYES || answer == IDNO ? static_cast<int>(answer) : IDCANCEL;
}
