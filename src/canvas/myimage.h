#pragma once
// The placed picture: shown scaled to its window by nearest neighbour, with
// its transparent parts showing the page. Mouse input passes to the view.

#include <QWidget>

class CImage;
class CPavlixMakerView;

class CMyImage : public QWidget {
    Q_OBJECT

public:
    explicit CMyImage(QWidget* parent);

    // The part of the picture scaled to size that lies in part, alpha kept.
    QImage Scaled(QSize size, QRect part) const;

    const CImage* m_pImage = nullptr;
    CPavlixMakerView* m_pView = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
