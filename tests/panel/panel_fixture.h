#pragma once
// The work panel of a real main frame.

#include "support/frame_fixture.h"

#include "panel/fontcombo.h"
#include "panel/workpanel.h"

class PanelTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        m_panel = m_frame->m_wndWorkPanel;
    }

    QWidget* Control(int id) const { return m_panel->GetDlgItem(id); }

    // What a tool command does: change the mode, then ask the panel for the fitting set.
    void SwitchTool(int mode)
    {
        m_frame->m_nToolMode = mode;
        m_panel->UpdateControlSet();
    }

    CWorkPanel* m_panel = nullptr;
};
