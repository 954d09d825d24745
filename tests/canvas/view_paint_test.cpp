#include "support/frame_fixture.h"

#include <QScrollBar>

namespace {

class PaintTest : public FrameTest {
protected:
    QImage Screen() { return m_view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    int ClientWidth() const { return m_view->viewport()->width(); }
};

const QRgb kBand = qRgb(212, 208, 200);

TEST_F(PaintTest, NarrowPageIsCentredWithTheOddPixelOnTheRight)
{
    const int width = ClientWidth() % 2 == 0 ? 301 : 300;  // odd difference
    OpenPatternPage(width, 100);
    const int x = (ClientWidth() - width) / 2;
    EXPECT_EQ(m_view->m_rectPage, CRect(x, 40, x + width, 140));
    const QImage screen = Screen();
    const QImage page = PageImage(0);
    EXPECT_EQ(screen.pixel(x - 1, 60), kBand);
    EXPECT_EQ(screen.pixel(x, 60), page.pixel(0, 20));
    EXPECT_EQ(screen.pixel(x + width - 1, 60), page.pixel(width - 1, 20));
    EXPECT_EQ(screen.pixel(x + width, 60), kBand);
    EXPECT_EQ(ClientWidth() - (x + width), x + 1);
    EXPECT_EQ(screen.pixel(x + 10, 39), kBand);
    EXPECT_EQ(screen.pixel(x + 10, 40), page.pixel(10, 0));
    EXPECT_EQ(screen.pixel(x + 10, 140), kBand);
}

TEST_F(PaintTest, WidePageStartsAtTheLeftAndScrolls)
{
    OpenPatternPage(2000, 1500);
    EXPECT_EQ(m_view->m_rectPage, CRect(0, 40, 2000, 1540));
    EXPECT_EQ(m_view->horizontalScrollBar()->maximum(), 2000 - ClientWidth());
    EXPECT_EQ(m_view->verticalScrollBar()->maximum(), 1540 - m_view->viewport()->height());
    m_view->horizontalScrollBar()->setValue(500);
    m_view->verticalScrollBar()->setValue(300);
    const QImage screen = Screen();
    const QImage page = PageImage(0);
    // Client (0, 0) now shows document (500, 300), which is page pixel (500, 260).
    EXPECT_EQ(screen.pixel(0, 0), page.pixel(500, 260));
    EXPECT_EQ(screen.pixel(17, 23), page.pixel(517, 283));
}

// The blue label pixels within the top band, as a signature of its text.
QImage LabelArea(const QImage& screen, int clientWidth)
{
    return screen.copy(clientWidth / 2 - 30, 10, 120, 25);
}

bool HasLabelBlue(const QImage& area)
{
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (area.pixel(x, y) == qRgb(0, 0, 200))
                return true;
    return false;
}

TEST_F(PaintTest, LabelNamesTheCurrentPage)
{
    OpenPatternPage(200, 100, 1);
    const QImage first = LabelArea(Screen(), ClientWidth());
    EXPECT_TRUE(HasLabelBlue(first));
    EXPECT_FALSE(HasLabelBlue(Screen().copy(0, 10, ClientWidth() / 2 - 31, 25)));
    OpenPatternPage(200, 100, 2);
    EXPECT_NE(LabelArea(Screen(), ClientWidth()), first);
    m_view->ShowPage(0);
    EXPECT_EQ(LabelArea(Screen(), ClientWidth()), first);
}

TEST_F(PaintTest, WithoutPageOnlyTheWindowBackgroundShows)
{
    const QImage screen = Screen();
    const QRgb background = m_view->palette().window().color().rgb();
    for (QPoint p : {QPoint(0, 0), QPoint(ClientWidth() / 2, 20), QPoint(ClientWidth() - 1, screen.height() - 1)})
        EXPECT_EQ(screen.pixel(p), background);
}

}  // namespace
