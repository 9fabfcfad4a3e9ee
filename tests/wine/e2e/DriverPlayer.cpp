#include "DriverPlayer.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "DriverWindows.h"

namespace {

HWND Player() { return FindWindowA("TessovantSessionWindow", nullptr); }
HWND Editor() { return FindWindowA("TessovantEditorWindow", nullptr); }

// A window's text, or a list item's with index >= 0, as UTF-8 on one line.
std::string Text(HWND window, int item = -1) {
  wchar_t wide[512] = L"";
  SendMessageW(window, item < 0 ? WM_GETTEXT : LB_GETTEXT, item < 0 ? 512 : item,
               reinterpret_cast<LPARAM>(wide));
  for (wchar_t& c : wide)
    if (c == L'\n' || c == L'\r') c = L'|';
  char utf8[1024] = "";
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

// Adds a label's text (of a STATIC child), and a bar after it, to a list
// begun with a bar: "|first|second|", in creation order.
BOOL CALLBACK AddLabel(HWND child, LPARAM labels) {
  wchar_t className[16] = L"";
  GetClassNameW(child, className, 16);
  if (lstrcmpiW(className, L"Static") == 0)
    *reinterpret_cast<std::string*>(labels) += Text(child) + "|";
  return TRUE;
}

// The list's items as "|first|second|".
std::string ListItems(HWND list, LRESULT count) {
  std::string items = "|";
  for (int i = 0; i < count; i++) items += Text(list, i) + "|";
  return items;
}

}  // namespace

int WaitForPlayer(DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
    if (!Player() || Text(GetDlgItem(Player(), 10)).empty()) continue;
    std::printf("player=ready\n");
    return 0;
  }
  std::printf("error=player not found\n");
  return 1;
}

int PrintPlayerState() {
  HWND player = Player();
  if (!player) return 1;
  HWND list = GetDlgItem(player, 20);
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
  std::printf("items=%ld\nselected=%ld\n", static_cast<long>(count), static_cast<long>(selected));
  if (selected >= 0)
    std::printf("selected.name=%s\n", Text(list, static_cast<int>(selected)).c_str());
  std::printf("names=%s\n", ListItems(list, count).c_str());
  std::string labels = "|";
  EnumChildWindows(player, AddLabel, reinterpret_cast<LPARAM>(&labels));
  std::printf("title=%s\nlabels=%s\n", Text(player).c_str(), labels.c_str());
  std::printf("open=%s\npattern=%s\n", Text(GetDlgItem(player, 21)).c_str(),
              Text(GetDlgItem(player, 22)).c_str());
  std::printf("description=%s\n", Text(GetDlgItem(player, 23)).c_str());
  std::printf("progress=%s\nstart=%s\npause=%s\n", Text(GetDlgItem(player, 24)).c_str(),
              Text(GetDlgItem(player, 10)).c_str(), Text(GetDlgItem(player, 25)).c_str());
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(player, nullptr), &info);
  std::printf("focus=%d\n", GetDlgCtrlID(info.hwndFocus));
  RECT rect;
  GetWindowRect(player, &rect);
  std::printf("rect=%ld,%ld,%ld,%ld\nt=%lld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top, NowMs());
  return 0;
}

int ClickPlayerButton(int id) {
  DWORD_PTR ignored = 0;
  const bool answered = Player() && SendMessageTimeoutW(GetDlgItem(Player(), id), BM_CLICK, 0, 0,
                                                        SMTO_NORMAL, 5000, &ignored) != 0;
  std::printf("t=%lld\nanswered=%d\n", NowMs(), answered ? 1 : 0);
  return answered ? 0 : 1;
}

int SetPlayerVolume(int level) {
  HWND slider = Player() ? GetDlgItem(Player(), 26) : nullptr;
  if (!slider) return 1;
  SendMessageW(slider, TBM_SETPOS, TRUE, level);
  SendMessageW(Player(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
  return 0;
}

int ChoosePlayerPattern(int index) {
  HWND list = Player() ? FindWindowExA(Player(), nullptr, "COMBOBOX", nullptr) : nullptr;
  if (!list) return 1;
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  // As a choice with the mouse or the keys tells the player.
  SendMessageW(Player(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  return 0;
}

// A message box of the player's thread.
int AnswerPlayerMessage(DWORD timeoutMs, int answer) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
    HWND box = FindWindowA("#32770", nullptr);
    if (!box || !Player() ||
        GetWindowThreadProcessId(box, nullptr) != GetWindowThreadProcessId(Player(), nullptr))
      continue;
    std::printf("title=%s\ntext=%s\n", Text(box).c_str(), Text(GetDlgItem(box, 0xFFFF)).c_str());
    if (answer != 0) PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    return 0;
  }
  std::printf("error=no message box\n");
  return 1;
}

int SampleScreen(DWORD durationMs, DWORD periodMs, int x, int y) {
  HDC screen = GetDC(nullptr);
  for (const long long end = NowMs() + durationMs; NowMs() < end; Sleep(periodMs)) {
    const COLORREF pixel = GetPixel(screen, x, y);
    std::printf("%lld %d %d %d\n", NowMs(), GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
  }
  ReleaseDC(nullptr, screen);
  return 0;
}

int PrintLocale() {
  std::printf("acp=%u\nui.language=%04x\n", GetACP(), GetUserDefaultUILanguage());
  return 0;
}

int WaitForEditor(DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
    if (!Editor() || !IsWindowVisible(Editor()) || Text(GetDlgItem(Editor(), 162)).empty()) continue;
    std::printf("editor=ready\n");
    return 0;
  }
  std::printf("error=editor not found\n");
  return 1;
}

int PrintEditorState() {
  HWND editor = Editor();
  if (!editor) return 1;
  HWND table = GetDlgItem(editor, 100);
  std::printf("title=%s\nrows=%ld\nselected=%ld\n", Text(editor).c_str(),
              static_cast<long>(SendMessageW(table, LVM_GETITEMCOUNT, 0, 0)),
              static_cast<long>(SendMessageW(table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             LVNI_SELECTED)));
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(editor, nullptr), &info);
  std::printf("focus=%d\n", GetDlgCtrlID(info.hwndFocus));
  // The segment's voices: their count and the one chosen.
  HWND voices = GetDlgItem(editor, 170);
  std::printf("voices=%ld\nvoice=%ld\n",
              static_cast<long>(SendMessageW(voices, LVM_GETITEMCOUNT, 0, 0)),
              static_cast<long>(SendMessageW(voices, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             LVNI_SELECTED)));
  // The segment's fields, its voice's, the session's, and the problem and
  // picture lines.
  for (int id : {110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 175, 176, 177, 178, 179,
                 130, 131, 132, 133, 134, 136, 140, 151})
    std::printf("field.%d=%s\n", id, Text(GetDlgItem(editor, id)).c_str());
  RECT rect;
  GetWindowRect(editor, &rect);
  std::printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  return 0;
}

int ChoosePlayerSession(int index) {
  HWND list = Player() ? GetDlgItem(Player(), 20) : nullptr;
  return list && SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) != LB_ERR ? 0 : 1;
}
