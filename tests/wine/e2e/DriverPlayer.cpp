#include "DriverPlayer.h"

#include <cstdio>
#include <string>
#include <vector>

#include "DriverWindows.h"

namespace {

const int SessionListId = 20;
const int StartId = 10;

HWND Player() { return FindWindowA("TessovantSessionWindow", nullptr); }

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return "";
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::vector<char> utf8(static_cast<size_t>(length) + 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
  return utf8.data();
}

std::wstring WideText(HWND window) {
  wchar_t text[512] = L"";
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

// The control at this point of the player's client area.
HWND ChildAt(HWND player, int x, int y) {
  POINT point = {x, y};
  return ChildWindowFromPointEx(player, point, CWP_SKIPINVISIBLE);
}

void PrintListItems(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  printf("items=%ld\nselected=%ld\n", static_cast<long>(count),
         static_cast<long>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
  for (LRESULT i = 0; i < count; i++) {
    wchar_t item[512] = L"";
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    printf("item.%ld=%s\n", static_cast<long>(i), Utf8(item).c_str());
  }
}

}  // namespace

int WaitForPlayer(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    HWND player = Player();
    if (player && !WideText(player).empty() && !WideText(GetDlgItem(player, StartId)).empty()) {
      printf("player=ready\n");
      return 0;
    }
    Sleep(20);
  }
  printf("error=player not found\n");
  return 1;
}

int PrintPlayerState() {
  HWND player = Player();
  if (!player) return 1;
  PrintListItems(GetDlgItem(player, SessionListId));
  printf("description=%s\n", Utf8(WideText(ChildAt(player, 12, 160))).c_str());
  printf("progress=%s\n", Utf8(WideText(ChildAt(player, 112, 229))).c_str());
  printf("start=%s\n", Utf8(WideText(GetDlgItem(player, StartId))).c_str());
  HWND stimulation = FindWindowA("PaintWindow", nullptr);
  printf("stimulation.visible=%d\n", stimulation && IsWindowVisible(stimulation) ? 1 : 0);
  RECT rect;
  GetWindowRect(player, &rect);
  printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  printf("t=%lld\n", NowMs());
  return 0;
}

int ClickPlayerButton(int id) {
  HWND player = Player();
  if (!player) return 1;
  DWORD_PTR ignored = 0;
  const bool answered = SendMessageTimeoutW(GetDlgItem(player, id), BM_CLICK, 0, 0, SMTO_NORMAL,
                                            5000, &ignored) != 0;
  printf("t=%lld\nanswered=%d\n", NowMs(), answered ? 1 : 0);
  return answered ? 0 : 1;
}

int ChoosePlayerPattern(int index) {
  HWND player = Player();
  HWND list = player ? FindWindowExA(player, nullptr, "COMBOBOX", nullptr) : nullptr;
  if (!list) return 1;
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  printf("pattern=%ld\n", static_cast<long>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
  return 0;
}

int AnswerPlayerMessage(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  DWORD playerThread = 0;
  while (GetTickCount() - start < timeoutMs) {
    HWND player = Player();
    if (player) playerThread = GetWindowThreadProcessId(player, nullptr);
    HWND box = FindWindowA("#32770", nullptr);
    if (box && playerThread && GetWindowThreadProcessId(box, nullptr) == playerThread) {
      printf("title=%s\n", Utf8(WideText(box)).c_str());
      std::wstring text = WideText(GetDlgItem(box, 0xFFFF));
      for (wchar_t& c : text)
        if (c == L'\n' || c == L'\r') c = L'|';
      printf("text=%s\n", Utf8(text).c_str());
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return 0;
    }
    Sleep(20);
  }
  printf("error=no message box\n");
  return 1;
}

int SampleScreen(DWORD durationMs, DWORD periodMs, int x, int y) {
  HDC screen = GetDC(nullptr);
  const long long end = NowMs() + durationMs;
  while (NowMs() < end) {
    const COLORREF colour = GetPixel(screen, x, y);
    printf("%lld %d\n", NowMs(), static_cast<int>(GetGValue(colour)));
    Sleep(periodMs);
  }
  ReleaseDC(nullptr, screen);
  return 0;
}
