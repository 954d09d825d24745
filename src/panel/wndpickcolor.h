#pragma once
// The colour sample: a sunken box filled with the colour g_rgbSample holds.

#include "platform/color.h"

#include <QFrame>

// The colour the sample shows; whoever changes it repaints the sample.
extern sColor g_rgbSample;

class CWndPickColor : public QFrame {
    Q_OBJECT

public:
    explicit CWndPickColor(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
