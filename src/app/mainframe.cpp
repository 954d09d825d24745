#include "app/mainframe.h"

#include "app/app.h"
#include "app/commands.h"
#include "canvas/view.h"
#include "panel/workpanel.h"
#include "res/artwork.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
CMainFrame* g_pMainFrame = nullptr;
}

CMainFrame* AfxGetMainFrame()
{
    return g_pMainFrame;
}

CMainFrame::CMainFrame()
{
    g_pMainFrame = this;
    setWindowIcon(artwork::AppIcon());
    m_pView = new CPavlixMakerView(this);
    setCentralWidget(m_pView);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateWorkPanel();
    qApp->installEventFilter(this);
    UpdateCommandUI();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

void CMainFrame::CreateActions()
{
    for (const CommandInfo& info : CommandTable()) {
        auto* action = new QAction(info.text, this);
        action->setShortcuts(info.keys);
        action->setStatusTip(info.statusTip);
        action->setCheckable(info.checkable);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
        addAction(action);  // keys work even with the menu or toolbar hidden
        m_actions.insert(id, action);
    }
}

void CMainFrame::CreateMenus()
{
    for (const MenuInfo& info : MenuTable()) {
        QMenu* menu = menuBar()->addMenu(info.title);
        for (int id : info.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = addToolBar(QStringLiteral("Standard"));
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    int imageIndex = 0;
    for (int id : ToolbarTable()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        Action(id)->setIcon(artwork::ToolbarIcon(imageIndex++));
        m_wndToolBar->addAction(Action(id));
    }
}

void CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = statusBar();
    m_wndStatusBar->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setEnabled(false);  // the lock state of these keys is not known to us
        m_wndStatusBar->addPermanentWidget(pane);
    }
}

void CMainFrame::CreateWorkPanel()
{
    m_wndDock = new QDockWidget(QStringLiteral("Work Panel"), this);
    m_wndDock->setObjectName(QStringLiteral("workPanelDock"));
    m_wndDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_wndDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    // The panel keeps its fixed layout; a short window scrolls it instead of growing.
    auto* scroller = new QScrollArea(m_wndDock);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_wndWorkPanel = new CWorkPanel;
    scroller->setWidget(m_wndWorkPanel);
    scroller->setFixedWidth(CWorkPanel::kWidth + scroller->verticalScrollBar()->sizeHint().width());
    m_wndDock->setWidget(scroller);
    addDockWidget(Qt::LeftDockWidgetArea, m_wndDock);
}

void CMainFrame::RouteCommand(int id)
{
    const bool handled = m_pView->OnCmdMsg(id) || OnCmdMsg(id) || (AfxGetApp() && AfxGetApp()->OnCmdMsg(id));
    Q_UNUSED(handled);
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    m_bUpdatePending = false;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        CCmdUI ui(it.key());
        const bool answered =
            m_pView->OnUpdateCmdUI(&ui) || OnUpdateCmdUI(&ui) || (AfxGetApp() && AfxGetApp()->OnUpdateCmdUI(&ui));
        it.value()->setEnabled(answered && ui.m_bEnabled);
        if (ui.m_bChecked)
            it.value()->setChecked(*ui.m_bChecked);
        else if (it.value()->isCheckable())
            it.value()->setChecked(false);
    }
}

bool CMainFrame::OnCmdMsg(int id)
{
    switch (id) {
    case ID_APP_EXIT: close(); return true;
    case ID_VIEW_TOOLBAR: m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); return true;
    case ID_VIEW_STATUS_BAR: m_wndStatusBar->setVisible(!m_wndStatusBar->isVisible()); return true;
    case ID_NEXT_PANE:
    case ID_PREV_PANE: return true;  // one pane only: nothing to move to
    default: return false;
    }
}

bool CMainFrame::OnUpdateCmdUI(CCmdUI* pCmdUI)
{
    switch (pCmdUI->m_nID) {
    case ID_APP_EXIT:
    case ID_NEXT_PANE:
    case ID_PREV_PANE: pCmdUI->Enable(); return true;
    case ID_VIEW_TOOLBAR:
        pCmdUI->Enable();
        pCmdUI->SetCheck(!m_wndToolBar->isHidden());
        return true;
    case ID_VIEW_STATUS_BAR:
        pCmdUI->Enable();
        pCmdUI->SetCheck(!m_wndStatusBar->isHidden());
        return true;
    default: return false;
    }
}

// Any press or key can change what is enabled; bring the toolbar up to date
// once the event has been handled.
// A save still being written finishes first, with its messages; then the window closes.
void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_pView->m_pageWriter.IsBusy()) {
        event->ignore();
        connect(&m_pView->m_pageWriter, &PageWriter::idle, this, &QWidget::close, Qt::SingleShotConnection);
        return;
    }
    QMainWindow::closeEvent(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: ScheduleCommandUpdate(); break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ScheduleCommandUpdate()
{
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QTimer::singleShot(0, this, &CMainFrame::UpdateCommandUI);
}
