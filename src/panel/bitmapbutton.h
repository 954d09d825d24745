#pragma once
// A tool button that is only its picture: it never looks pressed, hovered or
// toggled, and a double click counts as one click, not two.

#include <QPixmap>
#include <QWidget>

class QImage;

class BitmapButton : public QWidget {
    Q_OBJECT

public:
    BitmapButton(const QImage& bitmap, QWidget* parent);

    QSize sizeHint() const override { return m_bitmap.size(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_bitmap;
    bool m_bArmed = false;  // a left press began here and its release will be a click
};
