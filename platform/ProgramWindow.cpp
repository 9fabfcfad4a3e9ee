#include "platform/ProgramWindow.h"

namespace {

const int ProgramWindowTop = 50;

HMENU ChildId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

int CentredLeft(int width) { return GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2; }

}  // namespace

HWND CreateChildA(HINSTANCE instance, HWND parent, const char* className, const char* text,
                  DWORD style, DWORD extendedStyle, ChildPlace place, int id) {
  return CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.x,
                         place.y, place.width, place.height, parent, ChildId(id), instance,
                         nullptr);
}

HWND CreateChildW(HINSTANCE instance, HWND parent, const wchar_t* className, const wchar_t* text,
                  DWORD style, DWORD extendedStyle, ChildPlace place, int id) {
  return CreateWindowExW(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.x,
                         place.y, place.width, place.height, parent, ChildId(id), instance,
                         nullptr);
}

void MoveChild(HWND child, const ChildPlace& place) {
  MoveWindow(child, place.x, place.y, place.width, place.height, FALSE);
}

void RegisterProgramClassA(HINSTANCE instance, const char* className, WNDPROC procedure,
                           int iconResource, HBRUSH background) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconResource));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
}

void RegisterProgramClassW(HINSTANCE instance, const wchar_t* className, WNDPROC procedure,
                           int iconResource, HBRUSH background) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconResource));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  RegisterClassW(&windowClass);
}

HWND CreateProgramWindowA(HINSTANCE instance, const char* className, int width, int height) {
  return CreateWindowExA(0, className, "", ProgramWindowStyle, CentredLeft(width), ProgramWindowTop,
                         width, height, nullptr, nullptr, instance, nullptr);
}

HWND CreateProgramWindowW(HINSTANCE instance, const wchar_t* className, int width, int height) {
  return CreateWindowExW(0, className, L"", ProgramWindowStyle, CentredLeft(width),
                         ProgramWindowTop, width, height, nullptr, nullptr, instance, nullptr);
}
