#pragma once
// The main window: menu, toolbar, status bar, the docked work panel and the canvas.

#include "app/resource.h"
#include "platform/command.h"

#include <QHash>
#include <QMainWindow>

class CPavlixMakerView;
class CWorkPanel;
class QAction;
class QDockWidget;
class QLabel;
class QStatusBar;
class QToolBar;

class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    CPavlixMakerView* GetActiveView() const { return m_pView; }
    QAction* Action(int id) const { return m_actions.value(id); }
    // Runs a command through the view, then the frame, then the application.
    void RouteCommand(int id);
    // Brings every action's enabled and checked state up to date.
    void UpdateCommandUI();

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(CCmdUI* pCmdUI) override;

    CWorkPanel* m_wndWorkPanel = nullptr;
    int m_nToolMode = MODE_NONE;
    int m_nShape = SHAPE_NONE;
    int m_nPenWidth = 1;
    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QDockWidget* m_wndDock = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateWorkPanel();
    void ScheduleCommandUpdate();

    QHash<int, QAction*> m_actions;
    CPavlixMakerView* m_pView = nullptr;
    bool m_bUpdatePending = false;
};

// The application's main frame, or null before it exists.
CMainFrame* AfxGetMainFrame();
