// Colour picking: a colour or shape button raises a request, the next click on
// the panel's own surface answers it with the colour shown there.
#include "panel/workpanel.h"

#include "app/mainframe.h"
#include "canvas/myedit.h"
#include "canvas/view.h"
#include "panel/wndpickcolor.h"
#include "res/artwork.h"

#include <QMouseEvent>

namespace {

struct PickRequest {
    bool CWorkPanel::*request;
    sColor CWorkPanel::*remembered;
    void (*apply)(CPavlixMakerView& view, sColor picked);
};

// Black text would vanish when the box is fixed (black is its see-through key),
// so it is kept one step off black.
void ApplyTextColor(CPavlixMakerView& v, sColor c)
{
    v.m_wndEdit->m_clrText = c.IsBlack() ? sColor{1, 0, 0} : c;
    v.m_wndEdit->UpdateColors();
}

void ApplyBackColor(CPavlixMakerView& v, sColor c)
{
    v.m_wndEdit->m_clrBack = c;
    v.m_wndEdit->UpdateColors();
}

// In the order a click serves them.
const PickRequest kPickRequests[] = {
    {&CWorkPanel::m_bPickTextColor, &CWorkPanel::m_rgbText, ApplyTextColor},
    {&CWorkPanel::m_bPickBackColor, &CWorkPanel::m_rgbBack, ApplyBackColor},
    {&CWorkPanel::m_bPickRectColor, &CWorkPanel::m_rgbRect, [](CPavlixMakerView& v, sColor c) { v.m_previewRect.clr = c; }},
    {&CWorkPanel::m_bPickLineColor, &CWorkPanel::m_rgbLine, [](CPavlixMakerView& v, sColor c) { v.m_previewLine.clr = c; }},
    {&CWorkPanel::m_bPickEllipseColor, &CWorkPanel::m_rgbEllipse,
     [](CPavlixMakerView& v, sColor c) { v.m_previewEllipse.clr = c; }},
    {&CWorkPanel::m_bPickEraserColor, &CWorkPanel::m_rgbEraser, [](CPavlixMakerView& v, sColor c) { v.m_clrEraser = c; }},
    {&CWorkPanel::m_bPickFillColor, &CWorkPanel::m_rgbFill, [](CPavlixMakerView& v, sColor c) { v.m_clrFill = c; }},
};

}  // namespace

void CWorkPanel::OnTextColor() { RaisePick(m_bPickTextColor, m_rgbText); }
void CWorkPanel::OnBackColor() { RaisePick(m_bPickBackColor, m_rgbBack); }

void CWorkPanel::RaisePick(bool& request, const sColor& remembered)
{
    SetPanelCursor(artwork::PipetteCursor());
    request = true;
    ShowSample(remembered);
}

void CWorkPanel::ShowSample(const sColor& colour)
{
    g_rgbSample = colour;
    m_wndColorSample->update();
}

void CWorkPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void CWorkPanel::OnLButtonDown(QPoint point)
{
    const CMainFrame* frame = AfxGetMainFrame();
    CPavlixMakerView* view = frame ? frame->GetActiveView() : nullptr;
    for (const PickRequest& pick : kPickRequests) {
        if (!(this->*pick.request))
            continue;
        this->*pick.request = false;
        SetPanelCursor(Qt::ArrowCursor);
        const sColor colour = ShownColorAt(point);
        this->*pick.remembered = colour;
        if (view)
            pick.apply(*view, colour);
        ShowSample(colour);
    }
}

// What the panel shows at point, its controls included, as rendered now.
sColor CWorkPanel::ShownColorAt(QPoint point)
{
    const QImage shown = grab(QRect(point, QSize(1, 1))).toImage();
    return SColorFromPixel(shown.pixel(0, 0));
}
