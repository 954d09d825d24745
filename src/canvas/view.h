#pragma once
// The canvas: the scrolling view that owns the pages, shows the current one
// and carries out every change of a page.

#include "canvas/itemlist.h"
#include "canvas/tracker.h"
#include "canvas/undo.h"
#include "export/page_writer.h"
#include "platform/color.h"
#include "platform/command.h"
#include "platform/geometry.h"
#include "platform/image.h"

#include <QAbstractScrollArea>
#include <QFont>

#include <functional>
#include <optional>

class CMyEdit;
class CMyImage;
class CMainFrame;

// One rubber-band shape of the drawing tools; points are in client coordinates.
struct ShapePreview {
    CPoint ptStart;
    CPoint ptEnd;
    bool bActive = false;
    sColor clr;
};

class CPavlixMakerView : public QAbstractScrollArea, public CCmdTarget {
    Q_OBJECT

public:
    // The page lies this far below the top of the scrollable area.
    static constexpr int kPageTop = 40;
    static constexpr COLORREF kBandColor = RGB(212, 208, 200);

    explicit CPavlixMakerView(QWidget* parent = nullptr);
    ~CPavlixMakerView() override;

    // Command routing
    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(CCmdUI* pCmdUI) override;

    // Pages
    void OnOpenBackground();
    void OnFileNew();
    // Opens an image file as a new page after the current one; false (with the
    // load message shown) when the file cannot be read.
    bool OpenBackground(const QString& path);
    void OnPageDelete();
    void DeleteCurrentPage();
    void ShowPage(int nIndex);
    int PageCount() const { return m_arrPages.m_nCount; }
    // Pixels of every page, in bytes.
    int64_t PagesBytes() const;
    // Opening stops before the pages would hold more than this (half the machine by default).
    int64_t m_nPageMemoryBudget;

    // Undo and redo; rectangles in document coordinates
    void SaveUndo(CRect rc);
    void SaveRedo(CRect rc);
    void ClearUndoHistory();
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);
    // Bytes the undo and redo records hold for their pixels.
    int64_t HistoryBytes() const;
    // A step that takes the history past this drops the oldest steps (a quarter of the machine by default).
    int64_t m_nHistoryBudget;

    // Export
    void OnFileSaveAs();
    void OnFileSaveAll();
    // Writes exports off the interface thread, one after another; WaitForAll() finishes them.
    PageWriter m_pageWriter;

    // Mouse and the drawing tools; points in client coordinates
    void OnLButtonDown(Qt::KeyboardModifiers nFlags, CPoint point);
    void OnMouseMove(Qt::MouseButtons nFlags, CPoint point);
    void OnLButtonUp(CPoint point);
    void OnRButtonDown(CPoint point);
    void OnToolDraw();
    void OnUpdateToolDraw(CCmdUI* pCmdUI);
    // A point snapped to the grid of the pen width, counted from the client origin.
    CPoint Snap(CPoint point) const;

    // Overlays: the text box and the placed picture, each in its frame
    void PlaceOverlay(CRect rc);
    // Ends a frame drag as if it had not happened; false when none is going on.
    bool CancelFrameDrag();
    bool IsTextBoxVisible() const;
    bool IsPictureVisible() const;

    // Text boxes
    void OnToolText();
    void OnUpdateToolText(CCmdUI* pCmdUI);
    void ShowTextBox();
    void CommitText();
    void DiscardTextBox();
    void OnTextCut();
    void OnTextCopy();
    void OnTextPaste();
    void OnUpdateTextCutCopy(CCmdUI* pCmdUI);
    void OnUpdateTextPaste(CCmdUI* pCmdUI);

    // Placed pictures
    void OnToolImage();
    void OnUpdateToolImage(CCmdUI* pCmdUI);
    void ChoosePicture();
    void ShowPicture();
    void CommitPicture();
    void DiscardPicture();

    // Coordinates
    CPoint GetScrollPosition() const;
    CPoint ClientToDoc(CPoint client) const { return client + GetScrollPosition(); }
    // Page pixels of the current page to draw into; an empty view when there is none.
    raster::PixelView PagePixels() const;
    // The same for reading only: it leaves copies that share the pixels alone.
    raster::PixelView PageReadView() const;
    // Where the page lies in document coordinates for the current client width.
    CRect ComputePageRect() const;
    // Repaints the view at once.
    void RedrawView();

    CRect m_rectPage;
    bool m_bPageLoaded = false;
    CImage* m_hPageBitmap = nullptr;  // the current page; owned by m_arrPages
    CSize m_sizePage;
    int m_nCurPage = 0;
    CItemList<CImage> m_arrPages;

    CMyEdit* m_wndEdit = nullptr;
    CTracker m_trackerEdit;
    CRect m_rectEdit{100, 100, 200, 200};
    std::optional<QFont> m_font;  // the text font last chosen in the work panel
    sColor m_clrEraser;
    sColor m_clrFill;
    CImage m_imgPicture;
    CTracker m_trackerImage;
    CRect m_rectImage{100, 100, 200, 200};
    bool m_bPictureLoaded = false;
    CMyImage* m_wndImage = nullptr;

    CItemList<sUndoElement> m_undoList;
    CItemList<sUndoElement> m_redoList;
    int m_nUndoPos = 0;

    ShapePreview m_previewLine;
    ShapePreview m_previewRect;
    ShapePreview m_previewEllipse;

signals:
    // The pixels or the set of pages changed.
    void pagesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitialUpdate();
    void PaintFrames(QPainter& painter);
    // The frame of the visible overlay under point, text box first; null if none.
    CTracker* FrameAt(CPoint point);
    void StartShape(CPoint point);
    void FloodFillAt(CPoint point);
    void EraseAt(CPoint point);
    void CommitLine();
    void CommitRectangle();
    void CommitEllipse();
    void CommitBoxShape(ShapePreview& preview, void (*draw)(const raster::PixelView&, CRect, Pixel));
    // Runs one page edit inside its undo pair; draw gets the page pixels and
    // the page's top-left corner in document coordinates.
    void EditPage(const CRect& docRect, const std::function<void(const raster::PixelView&, CPoint)>& draw);
    void RefreshOverlay(CTracker& tracker, QWidget* window);
    void ShowOverlay(QWidget* window, CTracker& tracker, const CRect& rect);
    void HideOverlay(QWidget* window);

    CTracker* m_pTracking = nullptr;  // the frame being dragged
    CPoint m_ptTrackPress;
    void SetScrollSizes(CSize total);
    void UpdatePageRect();
    void PaintBackground(QImage& frame, const CRect& exposed) const;
    void PaintPage(QImage& frame, const CRect& exposed) const;
    void PaintPreviews(QImage& frame, const CRect& exposed) const;
    void WriteBack(const sUndoElement* record);
    void FinishPendingUndo();
    void KeepHistoryWithinBudget();
    // SaveUndo's pixels wait here until SaveRedo shows what the step changed.
    CUndoScratch m_undoScratch;
    std::optional<CRect> m_rectPendingUndo;  // page coordinates, clipped to the page
    CSize m_sizeTotal;
};
