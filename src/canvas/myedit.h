#pragma once
// The floating text box: multi-line, wrapping at its width, never scrolling.
// With a black background colour it is see-through.

#include "platform/color.h"
#include "platform/raster.h"

#include <QPlainTextEdit>

class CPavlixMakerView;

class CMyEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CMyEdit(QWidget* parent);

    // Installs a copy of the font for the box's own use.
    void ApplyFont(const QFont& source);
    // Shows the current colours.
    void UpdateColors();
    // Draws the box as it shows, without caret or selection, over the pixels
    // already in target (which must be the box's size).
    void RenderContents(QImage& target) const;
    // How many lines the text needs, and how many the box shows in full.
    int LinesNeeded() const;
    int LinesShown() const;

    sColor m_clrText{1, 0, 0};
    sColor m_clrBack{0, 0, 0};
    CPavlixMakerView* m_pView = nullptr;
    QFont m_fontText;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Runs an edit and takes it back when the text would no longer fit.
    template <typename Edit>
    void EditWithinBox(Edit edit);
};
