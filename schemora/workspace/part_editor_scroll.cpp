// The part editor's scroll bars: the view offset of the drawing area against the sheet side.
#include "schemora/workspace/part_editor.h"

#include "common/editor_view_steps.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_state.h"

#include <algorithm>

namespace {

constexpr int kMaxSide = 32767;

// The scrolled side of the sheet: a third more than the sheet in English units, in metric the
// sheet in their units; never beyond what a bar holds.
int scrollSide(int sheetSide)
{
    const double side = MetricUnits() ? sheetSide * kMetricFactor : sheetSide * 4.0 / 3.0;
    return static_cast<int>(std::min<double>(side, kMaxSide));
}

}  // namespace

CPartEditorDlg::ScrollGeometry CPartEditorDlg::scrollGeometry(bool horizontal) const
{
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const plat::Rect client = area()->clientRect();
    ScrollGeometry g;
    g.side = scrollSide(horizontal ? sheet.width : sheet.height);
    g.area = horizontal ? client.width() : client.height();
    g.centre = horizontal ? g_sheetView.clientCentreX : g_sheetView.clientCentreY;
    return g;
}

void CPartEditorDlg::UpdateEditorScrollBars()
{
    for (const bool horizontal : {true, false}) {
        plat::Control* bar = GetDlgItem(horizontal ? scm::kIdcEditorHScroll : scm::kIdcEditorVScroll);
        if (!bar)
            continue;
        const ScrollGeometry g = scrollGeometry(horizontal);
        const EditorScrollBar b = EditorScrollBarFor(g.side, g.area, std::max(1, g_current.zoomFactor),
                                                     horizontal ? g_current.viewCentreX : g_current.viewCentreY, g.centre);
        plat::ScrollInfo info;
        info.mask = plat::kSifAll;
        info.min = 0;
        info.max = b.maximum;
        info.page = static_cast<unsigned>(std::max(b.page, 0));
        info.pos = b.position;
        bar->SetScrollInfo(info);
    }
}

void CPartEditorDlg::OnHScroll(unsigned code, unsigned pos, plat::Control* bar) { scrollBy(true, code, pos, bar); }

void CPartEditorDlg::OnVScroll(unsigned code, unsigned pos, plat::Control* bar) { scrollBy(false, code, pos, bar); }

void CPartEditorDlg::scrollBy(bool horizontal, unsigned code, unsigned pos, plat::Control* bar)
{
    if (!bar || !isStoreLent())
        return;
    plat::ScrollInfo info;
    bar->GetScrollInfo(&info);
    const int line = std::max(info.max / 40, 1), page = std::max(info.max / 20, 1);
    switch (code) {
    case plat::kSbLineUp: bar->SetPos(info.pos - line); break;
    case plat::kSbLineDown: bar->SetPos(info.pos + line); break;
    case plat::kSbPageUp: bar->SetPos(info.pos - page); break;
    case plat::kSbPageDown: bar->SetPos(info.pos + page); break;
    case plat::kSbThumbTrack:
    case plat::kSbThumbPosition: bar->SetPos(static_cast<int>(pos)); break;
    case plat::kSbEndScroll: {
        const ScrollGeometry g = scrollGeometry(horizontal);
        const int offset = ClampViewCentre(EditorScrollOffset(bar->GetPos(), static_cast<int>(info.page), g.side, g.centre));
        (horizontal ? g_current.viewCentreX : g_current.viewCentreY) = offset;
        InvalidatePartArea();
        break;
    }
    default: break;
    }
}
