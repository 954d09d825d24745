// The font controls: any change builds the text font anew from all five settings.
#include "panel/workpanel.h"

#include "app/mainframe.h"
#include "canvas/myedit.h"
#include "canvas/view.h"
#include "panel/fontcombo.h"

#include <QComboBox>
#include <QFontMetrics>

namespace {

// The entry the box shows; none when nothing is selected or the typed text
// no longer is the selected entry.
QString SelectedEntry(const QComboBox* box)
{
    if (box->currentIndex() < 0)
        return {};
    const QString entry = box->itemText(box->currentIndex());
    return box->isEditable() && box->currentText() != entry ? QString() : entry;
}

}  // namespace

// Sizes are cell heights in pixels: the font's ascent and descent together
// take exactly that many pixels, whatever the family's proportions.
QFont FontWithCellHeight(const QString& family, int cellHeight, bool bold, bool italic, bool underline)
{
    QFont font(family);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    const auto heightAt = [&font](int pixelSize) {
        font.setPixelSize(std::max(1, pixelSize));
        return QFontMetrics(font).height();
    };
    int pixelSize = std::max(1, cellHeight * cellHeight / std::max(1, heightAt(cellHeight)));
    while (pixelSize > 1 && heightAt(pixelSize) > cellHeight)
        --pixelSize;
    while (heightAt(pixelSize + 1) <= cellHeight)
        ++pixelSize;
    font.setPixelSize(pixelSize);
    return font;
}

void CWorkPanel::OnFontChange()
{
    const QString name = SelectedEntry(m_cmbFontName);
    const int size = SelectedEntry(m_cmbFontSize).toInt();
    CMainFrame* frame = AfxGetMainFrame();
    if (name.isEmpty() || size <= 0 || !frame)
        return;
    CPavlixMakerView* view = frame->GetActiveView();
    view->m_font = FontWithCellHeight(name, size, m_bBold, m_bItalic, m_bUnderline);
    view->m_wndEdit->ApplyFont(*view->m_font);
    view->RedrawView();
}

void CWorkPanel::OnBold()
{
    m_bBold = !m_bBold;
    OnFontChange();
}

void CWorkPanel::OnItalic()
{
    m_bItalic = !m_bItalic;
    OnFontChange();
}

void CWorkPanel::OnUnderline()
{
    m_bUnderline = !m_bUnderline;
    OnFontChange();
}
