#include "app/app.h"

#include "about/aboutdlg.h"
#include "app/doc.h"
#include "app/mainframe.h"
#include "app/recovery.h"
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
    m_pRecovery.reset();
    m_pMainFrame.reset();
    if (g_pApp == this)
        g_pApp = nullptr;
}

bool CPavlixMakerApp::InitInstance(const QStringList& imageFiles, const QString& recoveryFolder)
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
    CPavlixMakerView* view = m_pMainFrame->GetActiveView();
    m_pRecovery = std::make_unique<SessionRecovery>(view, recoveryFolder);
    m_pRecovery->OfferRestore();
    QObject::connect(view, &CPavlixMakerView::pagesChanged, m_pRecovery.get(), &SessionRecovery::MarkChanged);
    for (const QString& path : imageFiles)
        m_pMainFrame->GetActiveView()->OpenBackground(path);
    m_pMainFrame->UpdateCommandUI();
    return true;
}

void CPavlixMakerApp::ExitInstance()
{
    if (m_pRecovery)
        m_pRecovery->Discard();
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
