#include "canvas/myedit.h"

#include "canvas/view.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

CMyEdit::CMyEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(0);
    setViewportMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    UpdateColors();
}

void CMyEdit::ApplyFont(const QFont& source)
{
    m_fontText = source;
    m_fontText.setStyleStrategy(QFont::PreferQuality);
    setFont(m_fontText);
}

void CMyEdit::UpdateColors()
{
    QPalette pal = palette();
    const QColor back = m_clrBack.IsBlack() ? QColor(Qt::transparent)
                                            : QColor(m_clrBack.red, m_clrBack.green, m_clrBack.blue);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Text, QColor(m_clrText.red, m_clrText.green, m_clrText.blue));
    setPalette(pal);
    viewport()->setAutoFillBackground(!m_clrBack.IsBlack());
    viewport()->update();
}

int CMyEdit::LinesNeeded() const
{
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        lines += (layout && layout->lineCount() > 0) ? layout->lineCount() : 1;
    }
    return lines;
}

int CMyEdit::LinesShown() const
{
    return std::max(1, viewport()->height() / QFontMetrics(font()).lineSpacing());
}

template <typename Edit>
void CMyEdit::EditWithinBox(Edit edit)
{
    const QString before = toPlainText();
    const int position = textCursor().position();
    edit();
    if (LinesNeeded() <= LinesShown())
        return;
    setPlainText(before);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(position, int(before.size())));
    setTextCursor(cursor);
}

void CMyEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2 && m_pView) {
        m_pView->CommitText();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_pView) {
        if (!m_pView->CancelFrameDrag())
            m_pView->DiscardTextBox();
        return;
    }
    EditWithinBox([&] { QPlainTextEdit::keyPressEvent(event); });
}

void CMyEdit::insertFromMimeData(const QMimeData* source)
{
    EditWithinBox([&] { QPlainTextEdit::insertFromMimeData(source); });
}

void CMyEdit::RenderContents(QImage& target) const
{
    QPainter painter(&target);
    if (!m_clrBack.IsBlack())
        painter.fillRect(target.rect(), QColor(m_clrBack.red, m_clrBack.green, m_clrBack.blue));
    painter.setPen(QColor(m_clrText.red, m_clrText.green, m_clrText.blue));
    painter.setFont(font());
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF bounds = blockBoundingGeometry(block).translated(offset);
        if (bounds.top() > target.height())
            break;
        block.layout()->draw(&painter, bounds.topLeft());
    }
}
