#include "support/frame_fixture.h"

#include <QFile>

namespace {

using PagesTest = FrameTest;

// Pages are told apart by their width: page k is 100 + k pixels wide.
std::vector<int> PageWidths(const CPavlixMakerView* view)
{
    std::vector<int> widths;
    for (int i = 0; i < view->m_arrPages.m_nCount; ++i)
        widths.push_back(view->m_arrPages.GetAt(i)->GetWidth());
    return widths;
}

TEST_F(PagesTest, FirstOpenMakesOneCurrentPage)
{
    const QString path = OpenPatternPage(120, 80);
    ASSERT_EQ(m_fileDialogs.size(), 1u);
    EXPECT_EQ(m_fileDialogs[0].mode, platform::FileDialogMode::Open);
    ASSERT_EQ(m_fileDialogs[0].filters.size(), 1);
    EXPECT_EQ(m_fileDialogs[0].filters[0],
              (platform::FileFilter{"Image Files (*.gif, *.png, *.bmp, *.jpg)", "*.gif;*.png;*.bmp;*.jpg"}));
    EXPECT_TRUE(m_view->m_bPageLoaded);
    EXPECT_EQ(m_view->PageCount(), 1);
    EXPECT_EQ(m_view->m_nCurPage, 0);
    EXPECT_EQ(m_view->m_sizePage, CSize(120, 80));
    EXPECT_EQ(PageImage(0), PatternImage(120, 80));
}

struct InsertCase {
    const char* name;
    int current;                  // of pages 101, 102, 103
    std::vector<int> widthsAfter; // after opening a page 109 wide
    int newIndex;
};

class PageInsertion : public FrameTest, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(PageInsertion, NewPageGoesRightAfterTheCurrentOne)
{
    for (int k = 1; k <= 3; ++k)
        OpenPatternPage(100 + k, 50, k);
    m_view->ShowPage(GetParam().current);
    OpenPatternPage(109, 50, 9);
    EXPECT_EQ(PageWidths(m_view), GetParam().widthsAfter);
    EXPECT_EQ(m_view->m_nCurPage, GetParam().newIndex);
    EXPECT_EQ(m_view->m_hPageBitmap, m_view->m_arrPages.GetAt(GetParam().newIndex));
}

INSTANTIATE_TEST_SUITE_P(Cases, PageInsertion,
                         ::testing::Values(InsertCase{"afterFirst", 0, {101, 109, 102, 103}, 1},
                                           InsertCase{"afterMiddle", 1, {101, 102, 109, 103}, 2},
                                           InsertCase{"afterLast", 2, {101, 102, 103, 109}, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    int current;
    std::vector<int> widthsAfter;
    int currentAfter;
};

class PageDeletion : public FrameTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(PageDeletion, ThePreviousPageBecomesCurrent)
{
    for (int k = 1; k <= 3; ++k)
        OpenPatternPage(100 + k, 50, k);
    m_view->ShowPage(GetParam().current);
    m_frame->RouteCommand(ID_PAGE_DELETE);
    EXPECT_EQ(PageWidths(m_view), GetParam().widthsAfter);
    EXPECT_EQ(m_view->m_nCurPage, GetParam().currentAfter);
    EXPECT_EQ(m_view->m_sizePage.cx, GetParam().widthsAfter[GetParam().currentAfter]);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageDeletion,
                         ::testing::Values(DeleteCase{"first", 0, {102, 103}, 0},
                                           DeleteCase{"middle", 1, {101, 103}, 0},
                                           DeleteCase{"last", 2, {101, 102}, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PagesTest, DeleteAsksTheQuestion)
{
    OpenPatternPage(100, 50);
    m_frame->RouteCommand(ID_PAGE_DELETE);
    ASSERT_EQ(m_messages.size(), 1u);
    ExpectDeletePageQuestion(m_messages[0]);
}

TEST_F(PagesTest, DeletingTheOnlyPageEmptiesTheCanvas)
{
    OpenPatternPage(100, 50);
    m_frame->RouteCommand(ID_PAGE_DELETE);
    EXPECT_FALSE(m_view->m_bPageLoaded);
    EXPECT_EQ(m_view->PageCount(), 0);
    EXPECT_EQ(m_view->m_hPageBitmap, nullptr);
    for (int id : {ID_FILE_SAVE, ID_FILE_SAVE_ALL, ID_PAGE_DELETE})
        EXPECT_FALSE(IsEnabled(id)) << id;
    EXPECT_TRUE(IsEnabled(ID_FILE_OPEN));
    EXPECT_TRUE(IsEnabled(ID_FILE_NEW));
}

TEST_F(PagesTest, AnsweringNoChangesNothingNotEvenTheHistory)
{
    OpenPatternPage(101, 50, 1);
    OpenPatternPage(102, 50, 2);
    m_view->SaveUndo(CRect(0, 0, 10, 10));
    m_view->SaveRedo(CRect(0, 0, 10, 10));
    AnswerMessageBoxes({platform::Answer::No});
    m_frame->RouteCommand(ID_PAGE_DELETE);
    EXPECT_EQ(PageWidths(m_view), (std::vector<int>{101, 102}));
    EXPECT_EQ(m_view->m_nCurPage, 1);
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));
}

TEST_F(PagesTest, AddDeleteAndSwitchEachEmptyTheHistory)
{
    const auto recordEdit = [this] {
        m_view->SaveUndo(CRect(0, 0, 10, 10));
        m_view->SaveRedo(CRect(0, 0, 10, 10));
        m_frame->RouteCommand(ID_EDIT_UNDO);
        ASSERT_TRUE(IsEnabled(ID_EDIT_REDO));
    };
    OpenPatternPage(101, 50, 1);
    OpenPatternPage(102, 50, 2);
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"add", [this] { OpenPatternPage(103, 50, 3); }},
        {"switch", [this] { m_view->ShowPage(0); }},
        {"switchToCurrent", [this] { m_view->ShowPage(0); }},
        {"delete", [this] { m_frame->RouteCommand(ID_PAGE_DELETE); }},
    };
    for (const auto& [name, change] : changes) {
        recordEdit();
        change();
        EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO)) << name;
        EXPECT_FALSE(IsEnabled(ID_EDIT_REDO)) << name;
        EXPECT_EQ(m_view->m_undoList.m_nCount, 0) << name;
    }
}

TEST_F(PagesTest, CancelledDialogChangesNothing)
{
    OpenPatternPage(101, 50, 1);
    AnswerFileDialogs({QString()});
    m_frame->RouteCommand(ID_FILE_NEW);
    EXPECT_EQ(m_fileDialogs.size(), 2u);
    EXPECT_EQ(m_view->PageCount(), 1);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PagesTest, NewOpensTheSameDialogAndAddsAPage)
{
    OpenPatternPage(101, 50, 1);
    const QString path = WriteImageFile(TempPath("second.png"), PatternImage(102, 50, 2));
    AnswerFileDialogs({path});
    m_frame->RouteCommand(ID_FILE_NEW);
    ASSERT_EQ(m_fileDialogs.size(), 2u);
    EXPECT_EQ(m_fileDialogs[1].filters, m_fileDialogs[0].filters);
    EXPECT_EQ(PageWidths(m_view), (std::vector<int>{101, 102}));
}

TEST_F(PagesTest, FailedLoadLeavesPagesAndCurrentPageAlone)
{
    for (int k = 1; k <= 3; ++k)
        OpenPatternPage(100 + k, 50, k);
    m_view->ShowPage(1);
    m_view->SaveUndo(CRect(0, 0, 4, 4));
    m_view->SaveRedo(CRect(0, 0, 4, 4));
    QFile junk(TempPath("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not an image");
    junk.close();
    AnswerFileDialogs({junk.fileName()});
    m_frame->RouteCommand(ID_FILE_OPEN);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Can't load '%1' image file!").arg(junk.fileName())));
    EXPECT_EQ(PageWidths(m_view), (std::vector<int>{101, 102, 103}));
    EXPECT_EQ(m_view->m_nCurPage, 1);
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));
}

TEST_F(PagesTest, ShowPageIgnoresIndicesOutsideThePageSet)
{
    OpenPatternPage(101, 50, 1);
    OpenPatternPage(102, 50, 2);
    for (int index : {-1, 2, 50}) {
        m_view->ShowPage(index);
        EXPECT_EQ(m_view->m_nCurPage, 1) << index;
    }
}

TEST_F(PagesTest, DeleteWithoutPagesDoesNothing)
{
    m_view->DeleteCurrentPage();
    EXPECT_EQ(m_view->PageCount(), 0);
    EXPECT_FALSE(m_view->m_bPageLoaded);
}

}  // namespace

namespace {

TEST_F(PagesTest, PageThatWouldPassTheMemoryBudgetIsRefused)
{
    OpenPatternPage(100, 100, 1);
    OpenPatternPage(100, 100, 2);
    m_view->m_nPageMemoryBudget = 3 * 100 * 100 * 4 - 1;  // room for two pages and a bit
    m_view->SaveUndo(CRect(0, 0, 4, 4));
    m_view->SaveRedo(CRect(0, 0, 4, 4));
    const QString path = OpenPatternPage(100, 100, 3);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].text.startsWith(QStringLiteral("Can't load '%1' image file!").arg(path)));
    EXPECT_TRUE(m_messages[0].text.contains("memory"));
    EXPECT_EQ(m_view->PageCount(), 2);
    EXPECT_EQ(m_view->m_nCurPage, 1);
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));
    m_view->m_nPageMemoryBudget = 3 * 100 * 100 * 4;
    OpenPatternPage(100, 100, 4);
    EXPECT_EQ(m_view->PageCount(), 3);
}

}  // namespace
