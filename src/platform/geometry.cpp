#include "platform/geometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

CPoint::CPoint(const QPoint& p) : x(p.x()), y(p.y()) {}
QPoint CPoint::ToQPoint() const { return {x, y}; }

CSize::CSize(const QSize& s) : cx(s.width()), cy(s.height()) {}
QSize CSize::ToQSize() const { return {cx, cy}; }

// QRect's right() and bottom() are inclusive; go through the size instead.
CRect::CRect(const QRect& r) : CRect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height()) {}
QRect CRect::ToQRect() const { return {left, top, Width(), Height()}; }
