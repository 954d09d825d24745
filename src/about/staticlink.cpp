#include "about/staticlink.h"

#include "platform/dialogs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QStyle>

CStaticLink::CStaticLink(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void CStaticLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    FollowLink();
}

void CStaticLink::FollowLink()
{
    if (m_strLink.isEmpty())
        m_strLink = text();
    if (m_strLink.isEmpty())
        return;
    if (!platform::OpenUrl(m_strLink)) {
        platform::Beep();
        return;
    }
    m_crText = kVisited;
    update();
}

// Pictures and rich text keep the label's own look; only plain text becomes a link.
bool CStaticLink::ShowsText() const
{
    return textFormat() == Qt::PlainText && pixmap().isNull() && picture().isNull() && !movie();
}

void CStaticLink::paintEvent(QPaintEvent* event)
{
    if (!ShowsText()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    painter.setFont(linkFont);
    painter.setPen(QColor(GetRValue(m_crText), GetGValue(m_crText), GetBValue(m_crText)));
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    const QRect textRect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.drawText(textRect, int(QStyle::visualAlignment(layoutDirection(), alignment())) | wrap, text());
}
