#include "DriverLayout.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND Named(const char* which) {
  return FindWindowA(std::strcmp(which, "editor") == 0 ? "TessovantEditorWindow"
                                                       : "TessovantSessionWindow",
                     nullptr);
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = L"";
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string Utf8(const std::wstring& text) {
  char utf8[1024] = "";
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t found[32] = L"";
  GetClassNameW(window, found, 32);
  return lstrcmpiW(found, name) == 0;
}

// The room the control gives its text: a button keeps a border and a
// margin on each side, an edit its margins, a list the part left of its
// arrow; a static wraps its words within its whole width.
RECT TextRoom(HWND child) {
  RECT room;
  GetClientRect(child, &room);
  if (IsClass(child, L"Button")) InflateRect(&room, -2 * GetSystemMetrics(SM_CXEDGE), 0);
  if (IsClass(child, L"Edit")) {
    const LRESULT margins = SendMessageW(child, EM_GETMARGINS, 0, 0);
    room.left += LOWORD(margins);
    room.right -= HIWORD(margins);
  }
  // The list's own answer (CB_GETCOMBOBOXINFO) takes a pointer, which does
  // not cross processes: its arrow is a scroll bar's width.
  if (IsClass(child, L"ComboBox")) {
    InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), 0);
    room.right -= GetSystemMetrics(SM_CXVSCROLL);
  }
  return room;
}

typedef UINT(WINAPI* DpiOfWindow)(HWND);
typedef BOOL(WINAPI* MetricsForDpi)(UINT, UINT, PVOID, UINT, UINT);

FARPROC User32(const char* name) { return GetProcAddress(GetModuleHandleW(L"user32.dll"), name); }

int WindowDpi(HWND window) {
  const DpiOfWindow dpiOf = reinterpret_cast<DpiOfWindow>(
      reinterpret_cast<void (*)()>(User32("GetDpiForWindow")));
  return dpiOf ? static_cast<int>(dpiOf(window)) : 96;
}

// The font the windows' texts are meant to be in: the system's message font
// at the window's DPI. (A control's own font cannot be read from another
// process: WM_GETFONT answers none across processes under Wine.)
HFONT MessageFont(int dpi) {
  struct {
    NONCLIENTMETRICSW metrics;
    int paddedBorderWidth;
  } whole = {};
  whole.metrics.cbSize = sizeof whole;
  const MetricsForDpi forDpi = reinterpret_cast<MetricsForDpi>(
      reinterpret_cast<void (*)()>(User32("SystemParametersInfoForDpi")));
  if (!forDpi || !forDpi(SPI_GETNONCLIENTMETRICS, sizeof whole, &whole, 0, static_cast<UINT>(dpi)))
    return nullptr;
  return CreateFontIndirectW(&whole.metrics.lfMessageFont);
}

bool TextFits(HWND child, const std::wstring& text, HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const RECT room = TextRoom(child);
  RECT needed = {0, 0, room.right - room.left, 0};
  const bool wraps = IsClass(child, L"Static");
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  DeleteDC(dc);
  return needed.right <= room.right - room.left && needed.bottom <= room.bottom - room.top;
}

// A list-view's column header, read through memory in the list's own
// process: LVM_GETCOLUMNW takes a pointer, which does not cross processes.
std::wstring HeaderText(HWND list, int column) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return L"";
  struct Remote {
    LVCOLUMNW column;
    wchar_t text[128];
  };
  Remote* remote = static_cast<Remote*>(
      VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
  Remote local = {};
  local.column.mask = LVCF_TEXT;
  local.column.pszText = remote->text;
  local.column.cchTextMax = 128;
  WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
  SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  local.text[127] = L'\0';
  return local.text;
}

int TextWidth(const std::wstring& text, HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  return size.cx;
}

// Each column header of a list-view against the room its column gives it
// between the header's margins; the cut ones are printed, and counted.
int CutHeaders(HWND list, HFONT font) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
  int cut = 0;
  for (int i = 0; i < count; i++) {
    const std::wstring text = HeaderText(list, i);
    const int width =
        static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
    if (text.empty() || TextWidth(text, font) <= width - 2 * margin) continue;
    cut++;
    std::printf("cut.%d.%d=%s\n", GetDlgCtrlID(list), i, Utf8(text).c_str());
  }
  return cut;
}

}  // namespace

int PrintLayout(const char* which) {
  HWND window = Named(which);
  if (!window) return 1;
  RECT client;
  GetClientRect(window, &client);
  const int dpi = WindowDpi(window);
  HFONT font = MessageFont(dpi);
  if (!font) return 1;
  std::printf("dpi=%d\nclient=%ld,%ld\n", dpi, client.right, client.bottom);
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  int cut = 0;
  for (HWND child : children) {
    if (GetParent(child) != window || !IsWindowVisible(child)) continue;
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    const int id = GetDlgCtrlID(child);
    std::printf("child.%d=%ld,%ld,%ld,%ld\n", id, place.left, place.top, place.right - place.left,
                place.bottom - place.top);
    if (IsClass(child, WC_LISTVIEWW)) cut += CutHeaders(child, font);
    const std::wstring text = TextOf(child);
    if (text.empty() || TextFits(child, text, font)) continue;
    cut++;
    std::printf("cut.%d=%s\n", id, Utf8(text).c_str());
  }
  std::printf("cut=%d\n", cut);
  DeleteObject(font);
  return 0;
}

int ResizeEditor(int width, int height) {
  HWND editor = Named("editor");
  return editor && SetWindowPos(editor, nullptr, 0, 0, width, height,
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
             ? 0
             : 1;
}
