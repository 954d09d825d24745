#include "canvas/myimage.h"

#include "platform/image.h"
#include "platform/qimage_view.h"

#include <QPaintEvent>
#include <QPainter>

CMyImage::CMyImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

QImage CMyImage::Scaled(QSize size, QRect part) const
{
    QImage scaled(part.size(), QImage::Format_ARGB32);
    scaled.fill(Qt::transparent);
    if (!m_pImage || m_pImage->IsNull() || size.isEmpty())
        return scaled;
    const raster::PixelView source = ReadOnlyPixelViewOf(m_pImage->Image());
    const CRect whole = CRect(0, 0, size.width(), size.height()) - CPoint(part.topLeft());
    raster::StretchNearest(source, source.Bounds(), PixelViewOf(scaled), whole);
    return scaled;
}

// Only the exposed part is scaled, so a huge picture costs what the window shows.
void CMyImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), Scaled(size(), event->rect()));
}
