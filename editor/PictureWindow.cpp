#include "editor/PictureWindow.h"

#include <string>

#include "platform/FileNames.h"
#include "language/SessionStrings.h"
#include "language/SessionTexts.h"
#include "editor/SessionPicture.h"
#include "session_format/SessionSchedule.h"

namespace {

const wchar_t PictureClass[] = L"TessovantSessionPicture";

// The picture's rows from the top: the frequency, a gap, the levels, a gap,
// the light between two edges, then the time scale's words; the left margin
// holds the frequency scale's. 156 rows in all, the window's inside its
// edge.
const int Top = 8;
const int FrequencyHeight = 90;
const int LevelsTop = Top + FrequencyHeight + 3;
const int LevelsHeight = 26;
const int LightTop = LevelsTop + LevelsHeight + 3;
const int LightHeight = 10;
const int TimeWordsTop = LightTop + LightHeight + 3;
const int Left = 40;
const int Right = 4;

// The noise colours of the library's pictures (grey for white noise), the
// music's blue.
const COLORREF NoiseColours[] = {0, RGB(200, 200, 200), RGB(236, 128, 168), RGB(160, 96, 48)};
const COLORREF MusicColour = RGB(96, 200, 255);

Session pictured;
bool hasSession;
bool trackingLeave;

int PlotWidth(int width) { return width - Left - Right; }

void Fill(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  PatBlt(dc, x, y, width, height, PATCOPY);
}

// Between the window's ground and the highlight, by the fades' level: the
// fill under the frequency dims as the sound does.
COLORREF Dimmed(uint32_t fade) {
  const COLORREF ground = GetSysColor(COLOR_WINDOW), full = GetSysColor(COLOR_HIGHLIGHT);
  auto mix = [fade](int a, int b) { return a + (b - a) * static_cast<int>(fade) * 2 / (255 * 5); };
  return RGB(mix(GetRValue(ground), GetRValue(full)), mix(GetGValue(ground), GetGValue(full)),
             mix(GetBValue(ground), GetBValue(full)));
}

void Words(HDC dc, int x, int y, const std::string& utf8, UINT align) {
  const std::wstring wide = WideFromUtf8(utf8);
  SetTextAlign(dc, align);
  TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void DrawScales(HDC dc, int width, uint32_t top, uint64_t blocks) {
  const COLORREF line = GetSysColor(COLOR_GRAYTEXT);
  for (uint32_t f = 0; f <= top; f += FrequencyGridStep(top)) {
    const int y = Top + FrequencyRow(f, top, FrequencyHeight);
    Fill(dc, Left, y, PlotWidth(width), 1, line);
    const std::string unit = f == top ? std::string(" ") + InCurrentLanguage(HertzUnit) : "";
    Words(dc, Left - 3, y - 6, std::to_string(f / 100) + unit, TA_RIGHT | TA_TOP);
  }
  if (blocks == 0) return;
  const uint64_t step = TimeGridBlocks(blocks);
  for (uint64_t block = 0; block <= blocks; block += step) {
    const int x = Left + static_cast<int>(block * static_cast<uint64_t>(PlotWidth(width) - 1) / blocks);
    Fill(dc, x, Top, 1, FrequencyHeight, line);
    Fill(dc, x, LevelsTop, 1, LevelsHeight, line);
    const UINT align = block == 0 ? TA_LEFT : block + step > blocks ? TA_RIGHT : TA_CENTER;
    Words(dc, x, TimeWordsTop, MinutesSeconds(block / 4), align | TA_TOP);
  }
}

int LevelRow(uint32_t level, uint32_t fade) {
  return LevelsTop + LevelsHeight - 1 -
         static_cast<int>(level * fade * static_cast<uint32_t>(LevelsHeight - 1) / (100 * 255));
}

void DrawColumn(HDC dc, int x, const PictureColumn& c, uint32_t top) {
  const int high = Top + FrequencyRow(c.highest, top, FrequencyHeight);
  const int low = Top + FrequencyRow(c.lowest, top, FrequencyHeight);
  Fill(dc, x, low + 1, 1, Top + FrequencyHeight - low - 1, Dimmed(c.fade));
  Fill(dc, x, high - 1, 1, low - high + 2, GetSysColor(COLOR_HIGHLIGHT));
  const int bottom = LevelsTop + LevelsHeight;
  if (c.noise != NoiseColour::None) {
    const int y = LevelRow(c.noiseLevel, c.fade);
    Fill(dc, x, y, 1, bottom - y, NoiseColours[static_cast<int>(c.noise)]);
  }
  if (c.musicLevel > 0) Fill(dc, x, LevelRow(c.musicLevel, c.fade), 1, 1, MusicColour);
  Fill(dc, x, LevelRow(c.volume, c.fade), 1, 1, GetSysColor(COLOR_WINDOWTEXT));
  // As the screen shows it: black without light.
  Fill(dc, x, LightTop + 1, 1, LightHeight - 2, c.lit ? c.light : RGB(0, 0, 0));
}

void Draw(HDC dc, int width, int height) {
  Fill(dc, 0, 0, width, height, GetSysColor(COLOR_WINDOW));
  const uint32_t top = hasSession ? PictureTopFrequency(pictured) : 2400;
  const uint64_t blocks = hasSession ? SessionBlocks(pictured) : 0;
  if (blocks > 0) {
    const std::vector<PictureColumn> columns = PictureColumns(pictured, PlotWidth(width));
    for (size_t x = 0; x < columns.size(); x++) DrawColumn(dc, Left + static_cast<int>(x), columns[x], top);
  }
  DrawScales(dc, width, top, blocks);
  const COLORREF edge = GetSysColor(COLOR_WINDOWTEXT);
  Fill(dc, Left - 1, Top, 1, LevelsTop + LevelsHeight - Top, edge);
  Fill(dc, Left, LightTop, PlotWidth(width), 1, edge);
  Fill(dc, Left, LightTop + LightHeight - 1, PlotWidth(width), 1, edge);
}

// Drawn into a bitmap of the window's size, then copied in one piece.
void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HGDIOBJ oldBrush = SelectObject(memory, GetStockObject(DC_BRUSH));
  HGDIOBJ oldFont = SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, GetSysColor(COLOR_WINDOWTEXT));
  Draw(memory, client.right, client.bottom);
  BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldFont);
  SelectObject(memory, oldBrush);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window, &paint);
}

void Point(HWND window, LPARAM lParam) {
  if (!trackingLeave) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
    trackingLeave = TrackMouseEvent(&track) != 0;
  }
  RECT client;
  GetClientRect(window, &client);
  const int x = static_cast<short>(LOWORD(lParam)) - Left;
  const uint64_t blocks = hasSession ? SessionBlocks(pictured) : 0;
  const bool over = blocks > 0 && x >= 0 && x < PlotWidth(client.right);
  const uint64_t block = over ? ColumnBlock(blocks, x, PlotWidth(client.right)) : 0;
  SendMessageW(GetParent(window), PicturePointedMessage, over ? static_cast<WPARAM>(block + 1) : 0, 0);
}

void Leave(HWND window) {
  trackingLeave = false;
  SendMessageW(GetParent(window), PicturePointedMessage, 0, 0);
}

}  // namespace

HWND CreatePictureWindow(HINSTANCE instance, HWND parent, ChildPlace place, int id) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = PictureWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_CROSS));
  windowClass.lpszClassName = PictureClass;
  RegisterClassW(&windowClass);
  return CreateChildW(instance, parent, PictureClass, L"", 0, WS_EX_CLIENTEDGE, place, id);
}

void ShowInPicture(HWND picture, const Session* session) {
  hasSession = session != nullptr;
  if (session) pictured = *session;
  InvalidateRect(picture, nullptr, FALSE);
}

LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the whole picture is copied in at each paint
    case WM_MOUSEMOVE:
      Point(window, lParam);
      break;
    case WM_MOUSELEAVE:
      Leave(window);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
