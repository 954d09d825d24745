#include "panel/bitmapbutton.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

BitmapButton::BitmapButton(const QImage& bitmap, QWidget* parent)
    : QWidget(parent), m_bitmap(QPixmap::fromImage(bitmap))
{
    setFocusPolicy(Qt::NoFocus);
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_bitmap);
}

void BitmapButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_bArmed = true;
    event->accept();
}

// The release that ends a double click is not a second click.
void BitmapButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_bArmed = false;
    event->accept();
}

void BitmapButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const bool click = m_bArmed && rect().contains(event->position().toPoint());
    m_bArmed = false;
    event->accept();
    if (click)
        emit clicked();
}
