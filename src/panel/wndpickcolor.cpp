#include "panel/wndpickcolor.h"

#include <QPainter>

sColor g_rgbSample;

CWndPickColor::CWndPickColor(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // A click on the sample is a click on the panel: it picks the colour shown here.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CWndPickColor::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(contentsRect(), QColor(g_rgbSample.red, g_rgbSample.green, g_rgbSample.blue));
    QFrame::paintEvent(event);
}
