#include "support/mouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void SendPress(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    Send(widget, QEvent::MouseButtonPress, pos, button, button);
}

void SendMove(QWidget* widget, QPoint pos, Qt::MouseButtons held)
{
    Send(widget, QEvent::MouseMove, pos, Qt::NoButton, held);
}

void SendRelease(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    Send(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void SendDrag(QWidget* widget, QPoint from, std::initializer_list<QPoint> path)
{
    SendPress(widget, from);
    QPoint last = from;
    for (QPoint p : path) {
        SendMove(widget, p);
        last = p;
    }
    SendRelease(widget, last);
}
