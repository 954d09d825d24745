#include "panel_fixture.h"

#include "panel/mylistctrl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

const QRgb kPageColour = qRgb(200, 30, 40);
const QRgb kMarginColour = qRgb(212, 208, 200);

class PanelPages : public PanelTest {
protected:
    void OpenSolidPage(int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(kPageColour);
        const QString path = WriteImageFile(TempPath(QStringLiteral("solid%1.png").arg(m_solidPages++)), image);
        ASSERT_TRUE(m_view->OpenBackground(path));
    }
    QListWidget* List() const { return m_panel->m_listPages; }
    QImage Thumbnail(int row) const
    {
        return List()->item(row)->icon().pixmap(132, 132).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // One step with an undo record, so a page switch has something to empty.
    void RecordAnEdit() { m_view->SaveUndo(m_view->m_rectPage); }

private:
    int m_solidPages = 0;
};

struct ThumbnailCase {
    const char* name;
    int width;
    int height;
    QRect page;  // where the page lies in the thumbnail; grey around it
};

class PanelThumbnail : public PanelPages, public ::testing::WithParamInterface<ThumbnailCase> {};

TEST_P(PanelThumbnail, KeepsThePageShapeOnGreyMargins)
{
    OpenSolidPage(GetParam().width, GetParam().height);
    QImage expected(132, 132, QImage::Format_RGB32);
    expected.fill(kMarginColour);
    for (int y = GetParam().page.top(); y <= GetParam().page.bottom(); ++y)
        for (int x = GetParam().page.left(); x <= GetParam().page.right(); ++x)
            expected.setPixel(x, y, kPageColour);
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(Thumbnail(0), expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, PanelThumbnail,
                         ::testing::Values(ThumbnailCase{"landscape", 400, 200, {0, 33, 132, 66}},
                                           ThumbnailCase{"portrait", 200, 400, {33, 0, 66, 132}},
                                           ThumbnailCase{"threeByTwo", 300, 200, {0, 22, 132, 88}},
                                           ThumbnailCase{"sliver", 1000, 3, {0, 65, 132, 2}},
                                           ThumbnailCase{"square", 50, 50, {0, 0, 132, 132}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelPages, ThirdPageListsThreeLabelledItemsNoneSelectedLastInView)
{
    for (int k = 0; k < 3; ++k)
        OpenSolidPage(100 + k, 80);
    QStringList labels;
    for (int i = 0; i < List()->count(); ++i)
        labels << List()->item(i)->text();
    EXPECT_EQ(labels, QStringList({"Page 1", "Page 2", "Page 3"}));
    EXPECT_TRUE(List()->selectedItems().isEmpty());
    EXPECT_EQ(List()->currentRow(), -1);
    EXPECT_EQ(m_view->m_nCurPage, 2);
    EXPECT_TRUE(List()->viewport()->rect().contains(List()->visualItemRect(List()->item(2))));
}

TEST_F(PanelPages, ClickingAnItemShowsItsPageAndEmptiesTheHistory)
{
    for (int k = 0; k < 3; ++k)
        OpenSolidPage(100 + k, 80);
    RecordAnEdit();
    QListWidgetItem* first = List()->item(0);
    List()->scrollToItem(first);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualItemRect(first).center());
    EXPECT_EQ(m_view->m_nCurPage, 0);
    EXPECT_EQ(m_view->m_sizePage, CSize(100, 80));
    EXPECT_EQ(m_view->m_undoList.m_nCount, 0);
}

class PanelItemOutside : public PanelPages, public ::testing::WithParamInterface<int> {};

TEST_P(PanelItemOutside, IsIgnored)
{
    for (int k = 0; k < 3; ++k)
        OpenSolidPage(100 + k, 80);
    RecordAnEdit();
    m_panel->OnPageItemChanged(GetParam());
    EXPECT_EQ(m_view->m_nCurPage, 2);
    EXPECT_EQ(m_view->m_undoList.m_nCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Indices, PanelItemOutside, ::testing::Values(-1, 3, 40));

TEST_F(PanelPages, DeleteInTheFontNameAnsweredNoKeepsPageAndText)
{
    OpenSolidPage(100, 80);
    OpenSolidPage(120, 80);
    QLineEdit* edit = m_panel->m_cmbFontName->lineEdit();
    edit->setText(QStringLiteral("Arial"));
    edit->setCursorPosition(0);
    AnswerMessageBoxes({platform::Answer::No});
    QTest::keyClick(edit, Qt::Key_Delete);
    ASSERT_EQ(m_messages.size(), 1u);
    ExpectDeletePageQuestion(m_messages[0]);
    EXPECT_EQ(m_view->PageCount(), 2);
    EXPECT_EQ(edit->text(), "Arial");
}

struct DeleteKeyCase {
    const char* name;
    QWidget* (*target)(const CWorkPanel* panel);
};

class PanelDeleteKey : public PanelPages, public ::testing::WithParamInterface<DeleteKeyCase> {};

TEST_P(PanelDeleteKey, AnsweredYesDeletesTheCurrentPage)
{
    OpenSolidPage(100, 80);
    OpenSolidPage(120, 80);
    AnswerMessageBoxes({platform::Answer::Yes});
    QTest::keyClick(GetParam().target(m_panel), Qt::Key_Delete);
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_view->PageCount(), 1);
    EXPECT_EQ(List()->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, PanelDeleteKey,
    ::testing::Values(DeleteKeyCase{"fontNameEdit", [](const CWorkPanel* p) -> QWidget* { return p->m_cmbFontName->lineEdit(); }},
                      DeleteKeyCase{"fontSizeBox", [](const CWorkPanel* p) -> QWidget* { return p->m_cmbFontSize; }},
                      DeleteKeyCase{"pageList", [](const CWorkPanel* p) -> QWidget* { return p->m_listPages; }},
                      DeleteKeyCase{"panel", [](const CWorkPanel* p) -> QWidget* { return const_cast<CWorkPanel*>(p); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
