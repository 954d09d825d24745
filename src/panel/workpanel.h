#pragma once
// The docked tool panel: font or shape controls, colours and the page list.

#include "platform/color.h"
#include "platform/geometry.h"

#include <QHash>
#include <QWidget>

class CFontCombo;
class CImage;
class CMyListCtrl;
class CWndPickColor;
class QComboBox;

// Control ids of the panel; each control's object name is its IDC_ name.
constexpr int IDC_COLOR_SAMPLE = 1004;
constexpr int IDC_FONT_NAME = 1013;
constexpr int IDC_FONT_SIZE = 1014;
constexpr int IDC_BOLD = 1016;
constexpr int IDC_ITALIC = 1017;
constexpr int IDC_UNDERLINE = 1018;
constexpr int IDC_TEXT_COLOR = 1019;
constexpr int IDC_TEXT_BACK = 1020;
constexpr int IDC_PAGE_LIST = 1021;
constexpr int IDC_SHAPE_RECT = 1022;
constexpr int IDC_SHAPE_LINE = 1023;
constexpr int IDC_SHAPE_ELLIPSE = 1024;
constexpr int IDC_SHAPE_ERASER = 1025;
constexpr int IDC_PEN_WIDTH = 1026;
constexpr int IDC_SHAPE_FILL = 1027;
constexpr int IDC_PALETTE = 1028;
constexpr int IDC_TOOL_FRAME = 1029;

// The two control sets that share the panel's top rows.
inline constexpr int g_idsShapeSet[] = {IDC_SHAPE_RECT, IDC_SHAPE_LINE, IDC_SHAPE_ELLIPSE,
                                        IDC_SHAPE_ERASER, IDC_PEN_WIDTH, IDC_SHAPE_FILL};
inline constexpr int g_idsTextSet[] = {IDC_FONT_NAME, IDC_FONT_SIZE, IDC_BOLD, IDC_ITALIC,
                                       IDC_UNDERLINE, IDC_TEXT_COLOR, IDC_TEXT_BACK};

enum ControlSet : int { SET_TEXT, SET_SHAPE };
// The set on show. There is one panel; a new panel starts with the text set.
extern int g_nShownSet;

class CWorkPanel : public QWidget {
    Q_OBJECT

public:
    // The panel's size in pixels, from its 134 x 360 dialog-unit layout.
    static constexpr int kWidth = 201;
    static constexpr int kHeight = 585;
    // The shape set has one row less; everything below it moves up by this much.
    static constexpr int kSetShift = 25;

    explicit CWorkPanel(QWidget* parent = nullptr);

    QWidget* GetDlgItem(int id) const { return m_controls.value(id); }

    // Shows the control set that fits the main frame's tool mode.
    void UpdateControlSet();
    // Rebuilds the thumbnails from the canvas's pages; no item is selected afterwards.
    void RebuildPageList();
    // Switches the canvas to page nItem; indices outside the page set are ignored.
    void OnPageItemChanged(int nItem);

    // Font controls: a new text font from the name, the size and the three styles.
    void OnFontChange();
    void OnBold();
    void OnItalic();
    void OnUnderline();

    // Tool buttons
    void OnTextColor();
    void OnBackColor();
    void OnShapeRect();
    void OnShapeLine();
    void OnShapeEllipse();
    void OnShapeEraser();
    void OnShapeFill();
    void OnPenWidth();
    // Serves every pending colour request with the colour shown at point.
    void OnLButtonDown(QPoint point);

    CFontCombo* m_cmbFontName = nullptr;
    bool m_bBold = false;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    bool m_bPickTextColor = false;
    bool m_bPickBackColor = false;
    bool m_bPickRectColor = false;
    bool m_bPickLineColor = false;
    bool m_bPickEllipseColor = false;
    bool m_bPickEraserColor = false;
    bool m_bPickFillColor = false;
    CWndPickColor* m_wndColorSample = nullptr;
    sColor m_rgbText;
    sColor m_rgbBack;
    sColor m_rgbRect;
    sColor m_rgbLine;
    sColor m_rgbEllipse;
    sColor m_rgbEraser;
    sColor m_rgbFill;
    int m_nThumbWidth = 132;
    int m_nThumbHeight = 132;
    CMyListCtrl* m_listPages = nullptr;
    int m_nPageItems = 0;
    int m_nSelectedItem = 0;
    QComboBox* m_cmbFontSize = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Catches the Delete key for every control of the panel.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Create();
    void CreateControls();
    QWidget* MakeControl(int id);
    QComboBox* MakeSizeBox();
    void ConnectControls();
    void WatchDeleteKey();

    void RaisePick(bool& request, const sColor& remembered);
    void OnShape(int shape, bool& request, const sColor& remembered);
    void ShowSample(const sColor& colour);
    sColor ShownColorAt(QPoint point);
    // The cursor stays as set while it is over the panel or any of its controls.
    void SetPanelCursor(const QCursor& cursor);

    QImage MakeThumbnail(const CImage& page) const;
    CRect ThumbnailPageRect(int pageWidth, int pageHeight) const;

    QHash<int, QWidget*> m_controls;
};

// A font whose cell (ascent and descent) is cellHeight pixels high.
QFont FontWithCellHeight(const QString& family, int cellHeight, bool bold, bool italic, bool underline);
