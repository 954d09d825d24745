#pragma once
// The application object: start-up and the commands that belong to no window.

#include "platform/command.h"

#include <QStringList>

#include <memory>

class CMainFrame;
class CPavlixMakerDoc;
class SessionRecovery;

class CPavlixMakerApp : public CCmdTarget {
public:
    CPavlixMakerApp();
    ~CPavlixMakerApp() override;

    // Creates and shows the main window, offers the pages a crashed session left
    // (kept in recoveryFolder), then opens the given image files as pages.
    bool InitInstance(const QStringList& imageFiles, const QString& recoveryFolder);
    // A normal end: the recovery data goes.
    void ExitInstance();
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(CCmdUI* pCmdUI) override;
    void OnAppAbout();

private:
    std::unique_ptr<CPavlixMakerDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<SessionRecovery> m_pRecovery;
};

// The running application object, or null.
CPavlixMakerApp* AfxGetApp();
