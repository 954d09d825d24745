#include "app/app.h"

#include "about/aboutdlg.h"
#include "app/doc.h"
#include "app/mainframe.h"
#include "app/resource.h"
#include "canvas/view.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
CPavlixMakerApp* g_pApp = nullptr;
}

CPavlixMakerApp* AfxGetApp()
{
    return g_pApp;
}

CPavlixMakerApp::CPavlixMakerApp()
{
    g_pApp = this;
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("PavlixMaker"));
}

CPavlixMakerApp::~CPavlixMakerApp()
{
    m_pMainFrame.reset();
    if (g_pApp == this)
        g_pApp = nullptr;
}

bool CPavlixMakerApp::InitInstance(const QStringList& imageFiles)
{
    m_pDocument = std::make_unique<CPavlixMakerDoc>();
    if (!m_pDocument->OnNewDocument())
        return false;
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->resize(850, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_pMainFrame->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_pMainFrame->move(frame.topLeft());
    }
    m_pMainFrame->setWindowTitle(QStringLiteral("Quorvin Pavlix Maker"));
    m_pMainFrame->show();
    for (const QString& path : imageFiles)
        m_pMainFrame->GetActiveView()->OpenBackground(path);
    m_pMainFrame->UpdateCommandUI();
    return true;
}

bool CPavlixMakerApp::OnCmdMsg(int id)
{
    if (id != ID_APP_ABOUT)
        return false;
    OnAppAbout();
    return true;
}

bool CPavlixMakerApp::OnUpdateCmdUI(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_nID != ID_APP_ABOUT)
        return false;
    pCmdUI->Enable();
    return true;
}

void CPavlixMakerApp::OnAppAbout()
{
    CAboutDlg aboutDlg(AfxGetMainFrame());
    aboutDlg.exec();
}
