#include "app/app.h"
#include "app/commands.h"
#include "panel/workpanel.h"
#include "support/frame_fixture.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

using MainFrameTest = FrameTest;

int IdOf(const CMainFrame& frame, const QAction* action)
{
    for (const CommandInfo& info : CommandTable())
        if (frame.Action(info.id) == action)
            return info.id;
    return -1;
}

TEST_F(MainFrameTest, MenusHoldTheItemsInOrder)
{
    QStringList lines;
    for (QAction* top : m_frame->menuBar()->actions()) {
        lines << top->text();
        for (QAction* item : top->menu()->actions())
            lines << (item->isSeparator() ? QStringLiteral("  ---") : QStringLiteral("  ") + item->text());
    }
    const QStringList expected = {"&File", "  &New\tCtrl+N", "  &Open Background...\tCtrl+O", "  ---",
                                  "  Save Pavlix As...", "  Save All...", "  ---", "  E&xit",
                                  "&Edit", "  &Undo\tCtrl+Z", "  Redo\tCtrl+Y",
                                  "&View", "  &Toolbar", "  &Status Bar",
                                  "&Help", "  &About Quorvin Pavlix Maker..."};
    EXPECT_EQ(lines, expected);
}

TEST_F(MainFrameTest, ToolbarHasTwelveButtonsAndFourSeparatorsInOrder)
{
    QList<int> order;
    for (QAction* action : m_frame->m_wndToolBar->actions()) {
        if (action->isSeparator()) {
            order << 0;
            continue;
        }
        const int id = IdOf(*m_frame, action);
        order << id;
        EXPECT_FALSE(action->icon().isNull()) << id;
    }
    const QList<int> expected = {ID_FILE_NEW, ID_PAGE_DELETE, 0, ID_FILE_SAVE, ID_FILE_SAVE_ALL, 0,
                                 ID_TEXT_CUT, ID_TEXT_COPY, ID_TEXT_PASTE, 0, ID_TOOLBAR_UNDO, ID_EDIT_REDO, 0,
                                 ID_TOOL_TEXT, ID_TOOL_IMAGE, ID_TOOL_DRAW};
    EXPECT_EQ(order, expected);
}

TEST_F(MainFrameTest, KeysAreBoundToTheirCommands)
{
    struct Binding {
        int id;
        QKeySequence key;
    };
    for (const Binding& b : {Binding{ID_FILE_NEW, QKeySequence("Ctrl+N")}, Binding{ID_FILE_OPEN, QKeySequence("Ctrl+O")},
                             Binding{ID_FILE_SAVE, QKeySequence("Ctrl+S")}, Binding{ID_EDIT_UNDO, QKeySequence("Ctrl+Z")},
                             Binding{ID_EDIT_UNDO, QKeySequence("Alt+Backspace")},
                             Binding{ID_EDIT_REDO, QKeySequence("Ctrl+Y")}, Binding{ID_NEXT_PANE, QKeySequence("F6")},
                             Binding{ID_PREV_PANE, QKeySequence("Shift+F6")}})
        EXPECT_TRUE(m_frame->Action(b.id)->shortcuts().contains(b.key)) << b.key.toString().toStdString();
}

TEST_F(MainFrameTest, CtrlNAndCtrlOOpenTheBackgroundDialog)
{
    QApplication::setActiveWindow(m_frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keyClick(m_view, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(m_view, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(m_fileDialogs.size(), 2u);
    EXPECT_EQ(m_fileDialogs[0].mode, platform::FileDialogMode::Open);
    EXPECT_EQ(m_fileDialogs[1].filters, m_fileDialogs[0].filters);
}

TEST_F(MainFrameTest, PageCommandsAreDisabledWithoutPages)
{
    struct Rule {
        int id;
        bool enabled;
    };
    for (const Rule& r : {Rule{ID_FILE_NEW, true}, Rule{ID_FILE_OPEN, true}, Rule{ID_FILE_SAVE, false},
                          Rule{ID_FILE_SAVE_ALL, false}, Rule{ID_PAGE_DELETE, false}, Rule{ID_EDIT_UNDO, false},
                          Rule{ID_TOOLBAR_UNDO, false}, Rule{ID_EDIT_REDO, false}, Rule{ID_APP_EXIT, true},
                          Rule{ID_EDIT_COPY, false}, Rule{ID_EDIT_CUT, false}, Rule{ID_EDIT_PASTE, false}})
        EXPECT_EQ(IsEnabled(r.id), r.enabled) << r.id;
    OpenPatternPage(30, 20);
    for (int id : {ID_FILE_SAVE, ID_FILE_SAVE_ALL, ID_PAGE_DELETE})
        EXPECT_TRUE(IsEnabled(id)) << id;
}

TEST_F(MainFrameTest, ViewItemsShowAndHideBarsWithACheckMark)
{
    for (auto [id, bar] : {std::pair<int, QWidget*>{ID_VIEW_TOOLBAR, m_frame->m_wndToolBar},
                           std::pair<int, QWidget*>{ID_VIEW_STATUS_BAR, m_frame->m_wndStatusBar}}) {
        EXPECT_TRUE(IsChecked(id));
        m_frame->Action(id)->trigger();
        EXPECT_FALSE(bar->isVisible()) << id;
        EXPECT_FALSE(IsChecked(id)) << id;
        m_frame->Action(id)->trigger();
        EXPECT_TRUE(bar->isVisible()) << id;
        EXPECT_TRUE(IsChecked(id)) << id;
    }
}

TEST_F(MainFrameTest, StatusBarAndDockAreInPlace)
{
    QStringList labels;
    for (QLabel* label : m_frame->m_wndStatusBar->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Ready"));
    EXPECT_TRUE(labels.contains("CAP") && labels.contains("NUM") && labels.contains("SCRL"));
    EXPECT_EQ(m_frame->m_wndDock->windowTitle(), "Work Panel");
    EXPECT_EQ(m_frame->dockWidgetArea(m_frame->m_wndDock), Qt::LeftDockWidgetArea);
    EXPECT_EQ(m_frame->toolBarArea(m_frame->m_wndToolBar), Qt::TopToolBarArea);
    EXPECT_EQ(m_frame->m_nToolMode, MODE_NONE);
    EXPECT_EQ(m_frame->m_nShape, SHAPE_NONE);
    EXPECT_EQ(m_frame->m_nPenWidth, 1);
}

TEST_F(MainFrameTest, ExitClosesWithoutAQuestion)
{
    OpenPatternPage(30, 20);
    m_frame->RouteCommand(ID_APP_EXIT);
    EXPECT_FALSE(m_frame->isVisible());
    EXPECT_TRUE(m_messages.empty());
}

TEST(Application, StartsWithTheCaptionSizeAndCommandLinePages)
{
    platform::TestSeams().messageBox = [](const platform::MessageBoxCall&) { return platform::Answer::Ok; };
    QTemporaryDir dir;
    const QString a = WriteImageFile(dir.filePath("a.png"), PatternImage(50, 40, 1));
    const QString b = WriteImageFile(dir.filePath("b.bmp"), PatternImage(60, 40, 2));
    CPavlixMakerApp app;
    ASSERT_TRUE(app.InitInstance({a, b}, dir.filePath("recovery")));
    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(frame->windowTitle(), "Quorvin Pavlix Maker");
    EXPECT_EQ(frame->size(), QSize(850, 600));
    CPavlixMakerView* view = frame->GetActiveView();
    ASSERT_EQ(view->PageCount(), 2);
    EXPECT_EQ(view->m_arrPages.GetAt(0)->GetWidth(), 50);
    EXPECT_EQ(view->m_arrPages.GetAt(1)->GetWidth(), 60);
    EXPECT_EQ(view->m_nCurPage, 1);
    platform::TestSeams() = {};
}

}  // namespace
