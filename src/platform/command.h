#pragma once
// Command ids are routed to handler methods; an update pass asks each
// handler's owner whether its command is enabled or checked.

#include <optional>

class CCmdUI {
public:
    explicit CCmdUI(int id) : m_nID(id) {}

    void Enable(bool enable = true) { m_bEnabled = enable; m_bHandled = true; }
    void SetCheck(bool check = true) { m_bChecked = check; m_bHandled = true; }

    const int m_nID;
    bool m_bEnabled = false;
    std::optional<bool> m_bChecked;
    bool m_bHandled = false;  // some update rule answered
};

// Something that takes part in command routing.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Runs the handler of id; false when this target has none.
    virtual bool OnCmdMsg(int id) = 0;
    // Applies the update rule of pCmdUI's id; false when this target has none.
    virtual bool OnUpdateCmdUI(CCmdUI* pCmdUI) = 0;
};
