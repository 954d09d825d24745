#include "support/frame_fixture.h"

#include "canvas/myimage.h"

#include <QFile>
#include <QTest>

namespace {

class PictureTest : public FrameTest {
protected:
    QImage Current() const { return PageImage(m_view->m_nCurPage); }
    QString PicturePath(int w, int h, QColor color, const QString& name = "pic.png")
    {
        QImage picture(w, h, QImage::Format_ARGB32);
        picture.fill(color);
        return WriteImageFile(TempPath(name), picture);
    }
    void PlacePicture(const QString& path, CPoint pageTopLeft = {100, 100})
    {
        m_view->m_rectImage = CRect(pageTopLeft + m_view->m_rectPage.TopLeft(), CSize(10, 10));
        AnswerFileDialogs({path});
        m_frame->RouteCommand(ID_TOOL_IMAGE);
    }
    CRect OnPage(const CRect& doc) const { return doc - m_view->m_rectPage.TopLeft(); }
};

TEST_F(PictureTest, OpensAtItsOwnSizeCappedToThePage)
{
    OpenPatternPage(1000, 800);
    struct Case {
        const char* name;
        int w, h;
        CRect expected;  // page coordinates
    };
    for (const Case& c : {Case{"fits", 400, 200, {100, 100, 500, 300}}, Case{"wider", 1500, 300, {0, 100, 1000, 400}},
                          Case{"taller", 200, 1200, {100, 0, 300, 800}}}) {
        PlacePicture(PicturePath(c.w, c.h, Qt::red, QString("%1.png").arg(c.name)));
        ASSERT_TRUE(m_view->IsPictureVisible()) << c.name;
        EXPECT_EQ(OnPage(m_view->m_rectImage), c.expected) << c.name;
        EXPECT_EQ(CRect(m_view->m_wndImage->geometry()), m_view->m_rectImage) << c.name;
        EXPECT_EQ(m_frame->m_nToolMode, MODE_IMAGE);
        QTest::keyClick(m_view, Qt::Key_Escape);
    }
}

TEST_F(PictureTest, EscLeavesNoTraceAndF2AddsOneStep)
{
    OpenPatternPage(600, 400);
    const QImage before = Current();
    PlacePicture(PicturePath(120, 60, Qt::blue));
    QTest::keyClick(m_view, Qt::Key_Escape);
    EXPECT_FALSE(m_view->IsPictureVisible());
    EXPECT_EQ(Current(), before);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);
    EXPECT_EQ(m_frame->m_nToolMode, MODE_IMAGE);

    AnswerFileDialogs({QString()});  // cancelled: the same picture comes back
    m_frame->RouteCommand(ID_TOOL_IMAGE);
    ASSERT_TRUE(m_view->IsPictureVisible());
    QTest::keyClick(m_view, Qt::Key_F2);
    EXPECT_FALSE(m_view->IsPictureVisible());
    ASSERT_EQ(m_view->m_undoList.m_nCount, 1);
    EXPECT_EQ(m_view->m_undoList.GetAt(0)->Rect(), CRect(100, 100, 220, 160));
    EXPECT_EQ(Current().pixel(100, 100), qRgb(0, 0, 255));
    EXPECT_EQ(Current().pixel(219, 159), qRgb(0, 0, 255));
    EXPECT_EQ(Current().pixel(220, 159), before.pixel(220, 159));
    m_frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Current(), before);
}

TEST_F(PictureTest, TransparentPartsLeaveThePageUnchanged)
{
    OpenPatternPage(600, 400);
    const QImage before = Current();
    QImage logo(80, 40, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 40; ++y)
            logo.setPixel(x, y, qRgba(0, 200, 0, 255));
    logo.setPixel(60, 20, qRgba(255, 0, 0, 128));
    PlacePicture(WriteImageFile(TempPath("logo.png"), logo), {10, 20});
    QTest::keyClick(m_view, Qt::Key_F2);
    const QImage after = Current();
    EXPECT_EQ(after.pixel(10, 20), qRgb(0, 200, 0));
    EXPECT_EQ(after.pixel(49, 59), qRgb(0, 200, 0));
    for (QPoint p : {QPoint(50, 20), QPoint(89, 59), QPoint(75, 30)})
        EXPECT_EQ(after.pixel(p), before.pixel(p)) << p.x() << "," << p.y();
    const QRgb under = before.pixel(70, 40), half = after.pixel(70, 40);
    EXPECT_NEAR(qRed(half), (255 + qRed(under)) / 2, 1);
    EXPECT_NEAR(qGreen(half), qGreen(under) / 2, 1);
}

TEST_F(PictureTest, ScaledPictureIsFixedByNearestNeighbour)
{
    OpenPatternPage(600, 400);
    QImage stripes(4, 2, QImage::Format_ARGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 0) : qRgb(0, 0, 255));
    PlacePicture(WriteImageFile(TempPath("stripes.png"), stripes), {0, 0});
    m_view->m_rectImage = CRect(CPoint(0, 0) + m_view->m_rectPage.TopLeft(), CSize(40, 20));
    m_view->PlaceOverlay(m_view->m_rectImage);
    QTest::keyClick(m_view, Qt::Key_F2);
    const QImage after = Current();
    EXPECT_EQ(after.pixel(9, 19), qRgb(0, 0, 255));
    EXPECT_EQ(after.pixel(10, 0), qRgb(255, 255, 0));
    EXPECT_EQ(after.pixel(39, 10), qRgb(255, 255, 0));
}

TEST_F(PictureTest, UnreadableFileIsReportedAndTheOldPictureStays)
{
    OpenPatternPage(600, 400);
    PlacePicture(PicturePath(50, 30, Qt::blue));
    QTest::keyClick(m_view, Qt::Key_Escape);
    QFile junk(TempPath("junk.gif"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("GIF89a truncated");
    junk.close();
    PlacePicture(junk.fileName());
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Can't load '%1' image file!").arg(junk.fileName())));
    EXPECT_TRUE(m_view->IsPictureVisible());
    EXPECT_EQ(m_view->m_rectImage.Size(), CSize(50, 30));
}

TEST_F(PictureTest, PictureToolIsDisabledWithoutPage)
{
    EXPECT_FALSE(IsEnabled(ID_TOOL_IMAGE));
    OpenPatternPage(60, 40);
    EXPECT_TRUE(IsEnabled(ID_TOOL_IMAGE));
}

}  // namespace
