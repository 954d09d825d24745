// Colour picking: a colour or shape button raises a request, the next click on
// the panel's own surface answers it with the colour shown there.
#include "panel/workpanel.h"

#include "app/mainframe.h"
#include "canvas/view.h"
#include "panel/wndpickcolor.h"
#include "res/artwork.h"

#include <QMouseEvent>

namespace {

struct PickRequest {
    bool CWorkPanel::*request;
    sColor CWorkPanel::*remembered;
    sColor* (*target)(CPavlixMakerView& view);  // null: nothing on the canvas takes this colour yet
};

// In the order a click serves them. The text colours reach no canvas target
// until the view has its text box.
const PickRequest kPickRequests[] = {
    {&CWorkPanel::m_bPickTextColor, &CWorkPanel::m_rgbText, nullptr},
    {&CWorkPanel::m_bPickBackColor, &CWorkPanel::m_rgbBack, nullptr},
    {&CWorkPanel::m_bPickRectColor, &CWorkPanel::m_rgbRect, [](CPavlixMakerView& v) { return &v.m_previewRect.clr; }},
    {&CWorkPanel::m_bPickLineColor, &CWorkPanel::m_rgbLine, [](CPavlixMakerView& v) { return &v.m_previewLine.clr; }},
    {&CWorkPanel::m_bPickEllipseColor, &CWorkPanel::m_rgbEllipse,
     [](CPavlixMakerView& v) { return &v.m_previewEllipse.clr; }},
    {&CWorkPanel::m_bPickEraserColor, &CWorkPanel::m_rgbEraser, [](CPavlixMakerView& v) { return &v.m_clrEraser; }},
    {&CWorkPanel::m_bPickFillColor, &CWorkPanel::m_rgbFill, [](CPavlixMakerView& v) { return &v.m_clrFill; }},
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
        if (view && pick.target)
            *pick.target(*view) = colour;
        ShowSample(colour);
    }
}

// What the panel shows at point, its controls included, as rendered now.
sColor CWorkPanel::ShownColorAt(QPoint point)
{
    const QImage shown = grab(QRect(point, QSize(1, 1))).toImage();
    return SColorFromPixel(shown.pixel(0, 0));
}
