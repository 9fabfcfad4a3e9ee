// What both programs' windows are made of: the top-level window's class and
// its place, child controls, and the low word of a control's answer. The
// panel speaks ANSI (Windows-1251 texts) and the session player Unicode, so
// each step has a narrow and a wide entry side by side, alike but for the
// calls they make.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/DpiScale.h"

// A visible child control of parent, with the id that its notifications carry.
HWND CreateChildA(HINSTANCE instance, HWND parent, const char* className, const char* text,
                  DWORD style, DWORD extendedStyle, ChildPlace place, int id);

// A child control moved to its place in the parent's client area and left
// to be redrawn with its parent.
void MoveChild(HWND child, const ChildPlace& place);
HWND CreateChildW(HINSTANCE instance, HWND parent, const wchar_t* className, const wchar_t* text,
                  DWORD style, DWORD extendedStyle, ChildPlace place, int id);

// The program's window class: its icon from the program's resources, the
// arrow cursor and the given background.
void RegisterProgramClassA(HINSTANCE instance, const char* className, WNDPROC procedure,
                           int iconResource, HBRUSH background);
void RegisterProgramClassW(HINSTANCE instance, const wchar_t* className, WNDPROC procedure,
                           int iconResource, HBRUSH background);

// The programs' top-level windows: visible, with a title bar (an overlapped
// window has one whether asked for or not), minimisable, not resizable.
constexpr DWORD ProgramWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_SYSMENU | WS_MINIMIZEBOX;

// The program's visible top-level window, width x height, centred across the
// screen 50 pixels from its top; it can be minimised but not resized.
HWND CreateProgramWindowA(HINSTANCE instance, const char* className, int width, int height);
HWND CreateProgramWindowW(HINSTANCE instance, const wchar_t* className, int width, int height);

// The common controls answer positions in the low 16 bits.
inline uint32_t LowWord(LRESULT answer) { return static_cast<uint32_t>(answer) & 0xFFFF; }
