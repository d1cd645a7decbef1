// General operations on a multiple-selection list box; they know nothing of the window.
#include "gui_list.h"

#include "paths.h"

#include <algorithm>
#include <string>
#include <vector>

// Measures entries in the font the list box shows them in.
typedef struct {
    HDC hdc;
    HGDIOBJ hOldFont;
} T_MEASURE;

static void BeginMeasure(HWND hList, T_MEASURE* m)
{
    m->hdc = GetDC(hList);
    m->hOldFont = SelectObject(m->hdc, (HGDIOBJ)SendMessageA(hList, WM_GETFONT, 0, 0));
}

static void EndMeasure(HWND hList, T_MEASURE* m)
{
    SelectObject(m->hdc, m->hOldFont);
    ReleaseDC(hList, m->hdc);
}

// The horizontal scrolling width that shows an entry whole.
static int ExtentOf(const T_MEASURE* m, const char* szItem)
{
    SIZE size = {0, 0};
    std::wstring item = pathWide(szItem);
    GetTextExtentPoint32W(m->hdc, item.c_str(), (int)item.size(), &size);
    return size.cx + LIST_TEXT_MARGIN;
}

// Indices of the selected entries, ascending; empty when none is selected or the list has no
// multiple selection.
static std::vector<int> SelectedItems(HWND hList)
{
    LRESULT nSelCount = SendMessageA(hList, LB_GETSELCOUNT, 0, 0);
    if (nSelCount == LB_ERR || nSelCount <= 0)
        return {};
    std::vector<int> sel((size_t)nSelCount);
    LRESULT nGot = SendMessageA(hList, LB_GETSELITEMS, (WPARAM)nSelCount, (LPARAM)sel.data());
    sel.resize(nGot > 0 ? (size_t)nGot : 0);
    return sel;
}

int List_GetItemText(HWND hList, int nId, std::string& item)
{
    LRESULT nLen = SendMessageW(hList, LB_GETTEXTLEN, (WPARAM)nId, 0);
    if (nLen == LB_ERR)
        return 0;
    std::vector<WCHAR> buf((size_t)nLen + 1, 0);
    if (SendMessageW(hList, LB_GETTEXT, (WPARAM)nId, (LPARAM)buf.data()) == LB_ERR)
        return 0;
    item = pathUtf8(buf.data());
    return 1;
}

int List_AddItem(HWND hList, const char* szItem)
{
    // Only an equal entry, letter case aside, is a repeat: a.pdf may stand beside a.pdf.pdf.
    std::wstring item = pathWide(szItem);
    if (SendMessageW(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)item.c_str()) != LB_ERR)
        return 0;
    SendMessageW(hList, LB_ADDSTRING, 0, (LPARAM)item.c_str());
    T_MEASURE m;
    BeginMeasure(hList, &m);
    int nExtent = ExtentOf(&m, szItem);
    EndMeasure(hList, &m);
    if (nExtent > (int)SendMessageA(hList, LB_GETHORIZONTALEXTENT, 0, 0))
        SendMessageA(hList, LB_SETHORIZONTALEXTENT, (WPARAM)nExtent, 0);
    return 0;
}

int List_RemoveItems(HWND hList)
{
    std::vector<int> sel = SelectedItems(hList);
    if (sel.empty())
        return 0;
    // From the last, so that every index still names its entry when it is deleted.
    for (size_t i = sel.size(); i-- > 0;)
        SendMessageA(hList, LB_DELETESTRING, (WPARAM)sel[i], 0);

    int nCount = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    int nIdMax = nCount - 1;
    if (nIdMax >= 0)
        SendMessageA(hList, LB_SETSEL, TRUE, (LPARAM)std::min(nIdMax, sel[0]));

    List_FitExtent(hList);
    return 0;
}

int List_FitExtent(HWND hList)
{
    int nCount = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    int wmax = 0;
    T_MEASURE m;
    BeginMeasure(hList, &m);
    for (int i = 0; i < nCount; ++i) {
        std::string item;
        if (List_GetItemText(hList, i, item))
            wmax = std::max(wmax, ExtentOf(&m, item.c_str()));
    }
    EndMeasure(hList, &m);
    SendMessageA(hList, LB_SETHORIZONTALEXTENT, (WPARAM)wmax, 0);
    return 0;
}

// Moves entry nId to nTo, selected there; an entry that cannot be read stays where it is.
static void MoveItem(HWND hList, int nId, int nTo)
{
    std::string item;
    if (!List_GetItemText(hList, nId, item))
        return;
    SendMessageA(hList, LB_DELETESTRING, (WPARAM)nId, 0);
    SendMessageW(hList, LB_INSERTSTRING, (WPARAM)nTo, (LPARAM)pathWide(item.c_str()).c_str());
    SendMessageA(hList, LB_SETSEL, TRUE, (LPARAM)nTo);
}

int List_MoveUpSelectedItems(HWND hList)
{
    std::vector<int> sel = SelectedItems(hList);
    // A selected entry at the top holds the whole selection back.
    if (sel.empty() || sel.front() == 0)
        return 0;
    for (int nId : sel)
        MoveItem(hList, nId, nId - 1);
    return 0;
}

int List_MoveDownSelectedItems(HWND hList)
{
    std::vector<int> sel = SelectedItems(hList);
    int nCount = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    if (sel.empty() || sel.back() >= nCount - 1)
        return 0;
    for (size_t i = sel.size(); i-- > 0;)
        MoveItem(hList, sel[i], sel[i] + 1);
    return 0;
}
