#pragma once
// A text label that works as a hyperlink: blue and underlined, a hand cursor,
// and a press hands its target to the desktop. Once opened it turns purple.

#include "platform/color.h"

#include <QLabel>

class CStaticLink : public QLabel {
    Q_OBJECT

public:
    explicit CStaticLink(QWidget* parent = nullptr);

    // What a press opens; left empty, the label's text is taken on the first press.
    QString m_strLink;
    COLORREF m_crText = kUnvisited;

    static constexpr COLORREF kUnvisited = RGB(0, 0, 255);
    static constexpr COLORREF kVisited = RGB(128, 0, 128);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowLink();
    bool ShowsText() const;
};
