#include "platform/ListColumns.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/DpiScale.h"
#include "platform/FileNames.h"

namespace {

// The header's text between its margins and, at the right, its divider's
// edge; the margin is the header's own where it tells it.
int HeaderRoom(HWND list, int dpi) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
  if (margin <= 0) margin = ScaledForDpi(6, dpi);
  return 2 * margin + ScaledForDpi(2, dpi);
}

int TextWidth(HDC dc, const wchar_t* text) {
  SIZE size = {};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  return size.cx;
}

}  // namespace

void FitColumnsToHeaders(HWND list, const int* widthsAt96, int count, int dpi, HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const int room = HeaderRoom(list, dpi);
  for (int i = 0; i < count; i++) {
    wchar_t text[128] = L"";
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text / sizeof text[0];
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    const int width = std::max(ScaledForDpi(widthsAt96[i], dpi), TextWidth(dc, text) + room);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i), width);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
}

HWND CreateReportList(HINSTANCE instance, HWND parent, ChildPlace place, int id,
                      const int* widthsAt96, int count) {
  HWND list = CreateChildW(instance, parent, WC_LISTVIEWW, L"",
                           WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                           WS_EX_CLIENTEDGE, place, id);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (int i = 0; i < count; i++) {
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = widthsAt96[i];
    column.iSubItem = i;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  return list;
}

void NameColumn(HWND list, int column, const std::string& header) {
  const std::wstring text = WideFromUtf8(header);
  LVCOLUMNW named = {};
  named.mask = LVCF_TEXT;
  named.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(list, LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&named));
}

void FillReportRows(HWND list, size_t count, const std::function<void(size_t)>& showRow) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t row = 0; row < count; row++) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    item.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    showRow(row);
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void SetReportCell(HWND list, size_t row, int column, const std::wstring& text) {
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void SelectReportRow(HWND list, size_t row) {
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

int NewlyChosenRow(const NMHDR* notice, int listId) {
  if (notice->idFrom != static_cast<UINT_PTR>(listId) || notice->code != LVN_ITEMCHANGED) return -1;
  const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(notice);
  const bool chosen = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
  return (change->uChanged & LVIF_STATE) && chosen ? change->iItem : -1;
}
