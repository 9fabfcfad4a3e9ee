#include "editor/PictureWindow.h"

#include <string>

#include "platform/FileNames.h"
#include "platform/Monitors.h"
#include "platform/WindowDpi.h"
#include "visual/display_rate/DisplayFlicker.h"
#include "language/SessionStrings.h"
#include "language/SessionTexts.h"
#include "editor/SessionPicture.h"
#include "session_format/SessionSchedule.h"

namespace {

const wchar_t PictureClass[] = L"TessovantSessionPicture";

// The noise colours of the library's pictures (grey for white noise), the
// music's blue, the voices' green.
const COLORREF NoiseColours[] = {0, RGB(200, 200, 200), RGB(236, 128, 168), RGB(160, 96, 48)};
const COLORREF MusicColour = RGB(96, 200, 255);
const COLORREF VoiceColour = RGB(128, 224, 96);
// Under the frequency where the display cannot show the flicker.
const COLORREF UnseenColour = RGB(255, 176, 176);

Session pictured;
bool hasSession;
bool trackingLeave;
HFONT pictureFont;  // the editor's, which it gives its children

// How one picture of the window's size is drawn.
struct Canvas {
  HDC dc;
  int width;
  PictureRows rows;
  uint32_t refreshHz;  // of the monitor the picture is on
};

int PlotWidth(const Canvas& canvas) { return canvas.width - canvas.rows.left - canvas.rows.right; }

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

void DrawScales(const Canvas& canvas, uint32_t top, uint64_t blocks) {
  const PictureRows& r = canvas.rows;
  const COLORREF line = GetSysColor(COLOR_GRAYTEXT);
  TEXTMETRICW font = {};
  GetTextMetricsW(canvas.dc, &font);
  for (uint32_t f = 0; f <= top; f += FrequencyGridStep(top)) {
    const int y = r.top + FrequencyRow(f, top, r.frequencyHeight);
    Fill(canvas.dc, r.left, y, PlotWidth(canvas), 1, line);
    const std::string unit = f == top ? std::string(" ") + InCurrentLanguage(HertzUnit) : "";
    Words(canvas.dc, r.left - r.right, y - font.tmHeight / 2, std::to_string(f / 100) + unit,
          TA_RIGHT | TA_TOP);
  }
  if (blocks == 0) return;
  const uint64_t step = TimeGridBlocks(blocks);
  for (uint64_t block = 0; block <= blocks; block += step) {
    const int x =
        r.left + static_cast<int>(block * static_cast<uint64_t>(PlotWidth(canvas) - 1) / blocks);
    Fill(canvas.dc, x, r.top, 1, r.frequencyHeight, line);
    Fill(canvas.dc, x, r.levelsTop, 1, r.levelsHeight, line);
    const UINT align = block == 0 ? TA_LEFT : block + step > blocks ? TA_RIGHT : TA_CENTER;
    Words(canvas.dc, x, r.timeWordsTop, MinutesSeconds(block / 4), align | TA_TOP);
  }
}

COLORREF MarkColour(const LevelMark& mark) {
  if (mark.kind == LevelMarkKind::Noise) return NoiseColours[static_cast<int>(mark.colour)];
  if (mark.kind == LevelMarkKind::Music) return MusicColour;
  return mark.kind == LevelMarkKind::Voice ? VoiceColour : GetSysColor(COLOR_WINDOWTEXT);
}

void DrawColumn(const Canvas& canvas, int x, const PictureColumn& c, uint32_t top) {
  const PictureRows& r = canvas.rows;
  HDC dc = canvas.dc;
  const int high = r.top + FrequencyRow(c.highest, top, r.frequencyHeight);
  const int low = r.top + FrequencyRow(c.lowest, top, r.frequencyHeight);
  // A flicker this display cannot show is marked from the top of the band.
  if (c.lit && DisplayCannotShow(c.highest, canvas.refreshHz))
    Fill(dc, x, r.top, 1, high - 1 - r.top, UnseenColour);
  Fill(dc, x, low + 1, 1, r.top + r.frequencyHeight - low - 1, Dimmed(c.fade));
  Fill(dc, x, high - 1, 1, low - high + 2, GetSysColor(COLOR_HIGHLIGHT));
  for (const LevelMark& mark : LevelMarks(c, r.levelsHeight))
    Fill(dc, x, r.levelsTop + mark.top, 1, mark.rows, MarkColour(mark));
  // As the screen shows it: black without light.
  Fill(dc, x, r.lightTop + 1, 1, r.lightHeight - 2, c.lit ? c.light : RGB(0, 0, 0));
}

void Draw(const Canvas& canvas, int height) {
  const PictureRows& r = canvas.rows;
  Fill(canvas.dc, 0, 0, canvas.width, height, GetSysColor(COLOR_WINDOW));
  const uint32_t top = hasSession ? PictureTopFrequency(pictured) : 2400;
  const uint64_t blocks = hasSession ? SessionBlocks(pictured) : 0;
  if (blocks > 0) {
    const std::vector<PictureColumn> columns = PictureColumns(pictured, PlotWidth(canvas));
    for (size_t x = 0; x < columns.size(); x++)
      DrawColumn(canvas, r.left + static_cast<int>(x), columns[x], top);
  }
  DrawScales(canvas, top, blocks);
  const COLORREF edge = GetSysColor(COLOR_WINDOWTEXT);
  Fill(canvas.dc, r.left - 1, r.top, 1, r.levelsTop + r.levelsHeight - r.top, edge);
  Fill(canvas.dc, r.left, r.lightTop, PlotWidth(canvas), 1, edge);
  Fill(canvas.dc, r.left, r.lightTop + r.lightHeight - 1, PlotWidth(canvas), 1, edge);
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
  HGDIOBJ oldFont =
      SelectObject(memory, pictureFont ? pictureFont : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, GetSysColor(COLOR_WINDOWTEXT));
  const Canvas canvas = {memory, client.right, PictureRowsAt(client.bottom, WindowDpi(window)),
                         UsableRefreshHz(ReportedRefreshHz(window))};
  Draw(canvas, client.bottom);
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
  const PictureRows rows = PictureRowsAt(client.bottom, WindowDpi(window));
  const int x = static_cast<short>(LOWORD(lParam)) - rows.left;
  const int plotWidth = client.right - rows.left - rows.right;
  const uint64_t blocks = hasSession ? SessionBlocks(pictured) : 0;
  const bool over = blocks > 0 && x >= 0 && x < plotWidth;
  const uint64_t block = over ? ColumnBlock(blocks, x, plotWidth) : 0;
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
    case WM_SETFONT:
      pictureFont = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_SIZE:
      InvalidateRect(window, nullptr, FALSE);  // every column moves
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
