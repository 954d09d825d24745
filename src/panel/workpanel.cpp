// The panel's controls, the switching of control sets and the pen-width menu.
#include "panel/workpanel.h"

#include "app/mainframe.h"
#include "panel/bitmapbutton.h"
#include "panel/fontcombo.h"
#include "panel/mylistctrl.h"
#include "panel/wndpickcolor.h"
#include "platform/dialog_units.h"
#include "platform/popupmenu.h"
#include "res/artwork.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <optional>

int g_nShownSet = SET_TEXT;

namespace {

// How a control takes its template rectangle.
enum class Fit {
    Template,       // the whole rectangle
    NaturalHeight,  // a combo box: the rectangle's height includes its drop-down list
    OwnSize,        // a picture shown at its own size from the rectangle's corner
};

struct ControlTemplate {
    int id;
    const char* name;
    QRect dialogUnits;
    Fit fit;
};

// In tab order, rectangles in dialog units (x, y, width, height).
constexpr ControlTemplate kTemplate[] = {
    {IDC_FONT_NAME, "IDC_FONT_NAME", {8, 7, 82, 262}, Fit::NaturalHeight},
    {IDC_FONT_SIZE, "IDC_FONT_SIZE", {95, 7, 32, 129}, Fit::NaturalHeight},
    {IDC_BOLD, "IDC_BOLD", {7, 22, 11, 10}, Fit::Template},
    {IDC_ITALIC, "IDC_ITALIC", {23, 22, 11, 10}, Fit::Template},
    {IDC_UNDERLINE, "IDC_UNDERLINE", {39, 22, 11, 10}, Fit::Template},
    {IDC_PALETTE, "IDC_PALETTE", {13, 36, 107, 98}, Fit::OwnSize},
    {IDC_TEXT_COLOR, "IDC_TEXT_COLOR", {64, 23, 11, 10}, Fit::Template},
    {IDC_TEXT_BACK, "IDC_TEXT_BACK", {81, 23, 11, 10}, Fit::Template},
    {IDC_PAGE_LIST, "IDC_PAGE_LIST", {7, 143, 120, 210}, Fit::Template},
    {IDC_TOOL_FRAME, "IDC_TOOL_FRAME", {3, 0, 127, 139}, Fit::Template},
    {IDC_COLOR_SAMPLE, "IDC_COLOR_SAMPLE", {96, 21, 30, 14}, Fit::Template},
    {IDC_SHAPE_RECT, "IDC_SHAPE_RECT", {7, 7, 11, 10}, Fit::Template},
    {IDC_SHAPE_LINE, "IDC_SHAPE_LINE", {22, 7, 11, 10}, Fit::Template},
    {IDC_SHAPE_ELLIPSE, "IDC_SHAPE_ELLIPSE", {37, 7, 11, 10}, Fit::Template},
    {IDC_SHAPE_ERASER, "IDC_SHAPE_ERASER", {54, 7, 11, 10}, Fit::Template},
    {IDC_PEN_WIDTH, "IDC_PEN_WIDTH", {69, 7, 11, 10}, Fit::Template},
    {IDC_SHAPE_FILL, "IDC_SHAPE_FILL", {84, 7, 11, 10}, Fit::Template},
};

struct ButtonArt {
    int id;
    artwork::Button bitmap;
};

constexpr ButtonArt kButtonArt[] = {
    {IDC_BOLD, artwork::Button::Bold},
    {IDC_ITALIC, artwork::Button::Italic},
    {IDC_UNDERLINE, artwork::Button::Underline},
    {IDC_TEXT_COLOR, artwork::Button::TextColor},
    {IDC_TEXT_BACK, artwork::Button::Bucket},
    {IDC_SHAPE_RECT, artwork::Button::ShapeRect},
    {IDC_SHAPE_LINE, artwork::Button::ShapeLine},
    {IDC_SHAPE_ELLIPSE, artwork::Button::ShapeEllipse},
    {IDC_SHAPE_ERASER, artwork::Button::ShapeEraser},
    {IDC_PEN_WIDTH, artwork::Button::PenWidth},
    {IDC_SHAPE_FILL, artwork::Button::Bucket},
};

QImage ButtonBitmapOf(int id)
{
    for (const ButtonArt& art : kButtonArt)
        if (art.id == id)
            return artwork::ButtonBitmap(art.bitmap);
    return {};
}

struct ButtonCommand {
    int id;
    void (CWorkPanel::*handler)();
};

constexpr ButtonCommand kButtonCommands[] = {
    {IDC_BOLD, &CWorkPanel::OnBold},
    {IDC_ITALIC, &CWorkPanel::OnItalic},
    {IDC_UNDERLINE, &CWorkPanel::OnUnderline},
    {IDC_TEXT_COLOR, &CWorkPanel::OnTextColor},
    {IDC_TEXT_BACK, &CWorkPanel::OnBackColor},
    {IDC_SHAPE_RECT, &CWorkPanel::OnShapeRect},
    {IDC_SHAPE_LINE, &CWorkPanel::OnShapeLine},
    {IDC_SHAPE_ELLIPSE, &CWorkPanel::OnShapeEllipse},
    {IDC_SHAPE_ERASER, &CWorkPanel::OnShapeEraser},
    {IDC_PEN_WIDTH, &CWorkPanel::OnPenWidth},
    {IDC_SHAPE_FILL, &CWorkPanel::OnShapeFill},
};

const char* const kFontSizes[] = {"8",  "10", "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                  "30", "32", "36", "40", "44", "48", "52", "58", "66", "72"};

struct PenWidthItem {
    int id;
    int width;
    const char* text;
};

constexpr PenWidthItem kPenWidths[] = {
    {ID_PEN_1, 1, "1 Pixel"},  {ID_PEN_2, 2, "2 Pixels"}, {ID_PEN_3, 3, "3 Pixels"},
    {ID_PEN_4, 4, "4 Pixels"}, {ID_PEN_5, 5, "5 Pixels"},
};

// The drawing tool works with the shape set; the text tool and no tool with the text set.
// Other tools keep whichever set is shown.
std::optional<int> SetForToolMode(int mode)
{
    switch (mode) {
    case MODE_DRAW: return SET_SHAPE;
    case MODE_TEXT:
    case MODE_NONE: return SET_TEXT;
    default: return std::nullopt;
    }
}

}  // namespace

CWorkPanel::CWorkPanel(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    Create();
}

void CWorkPanel::Create()
{
    g_nShownSet = SET_TEXT;
    g_rgbSample = {};
    CreateControls();
    m_cmbFontName->setCurrentIndex(0);
    m_cmbFontSize->setCurrentIndex(0);
    ConnectControls();
    WatchDeleteKey();
    SetPanelCursor(Qt::ArrowCursor);
    for (int id : g_idsShapeSet)
        GetDlgItem(id)->hide();
}

void CWorkPanel::CreateControls()
{
    for (const ControlTemplate& entry : kTemplate) {
        QWidget* control = MakeControl(entry.id);
        control->setObjectName(QString::fromLatin1(entry.name));
        QRect rect = PixelsFromDialogUnits(entry.dialogUnits);
        if (entry.fit == Fit::NaturalHeight)
            rect.setHeight(control->sizeHint().height());
        else if (entry.fit == Fit::OwnSize)
            rect.setSize(control->sizeHint());
        control->setGeometry(rect);
        m_controls.insert(entry.id, control);
    }
    // The frame is drawn behind the controls it surrounds.
    GetDlgItem(IDC_TOOL_FRAME)->lower();
}

QWidget* CWorkPanel::MakeControl(int id)
{
    switch (id) {
    case IDC_FONT_NAME: return m_cmbFontName = new CFontCombo(this);
    case IDC_FONT_SIZE: return m_cmbFontSize = MakeSizeBox();
    case IDC_PAGE_LIST: return m_listPages = new CMyListCtrl({m_nThumbWidth, m_nThumbHeight}, this);
    case IDC_COLOR_SAMPLE: return m_wndColorSample = new CWndPickColor(this);
    case IDC_PALETTE: {
        auto* palette = new QLabel(this);
        palette->setPixmap(QPixmap::fromImage(artwork::PaletteBitmap()));
        palette->setAttribute(Qt::WA_TransparentForMouseEvents);  // a click on it picks a colour
        return palette;
    }
    case IDC_TOOL_FRAME: {
        auto* frame = new QFrame(this);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        return frame;
    }
    default: return new BitmapButton(ButtonBitmapOf(id), this);
    }
}

QComboBox* CWorkPanel::MakeSizeBox()
{
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const char* size : kFontSizes)
        box->addItem(QString::fromLatin1(size));
    return box;
}

void CWorkPanel::ConnectControls()
{
    for (const ButtonCommand& command : kButtonCommands)
        connect(static_cast<BitmapButton*>(GetDlgItem(command.id)), &BitmapButton::clicked, this, command.handler);
    connect(m_listPages, &QListWidget::currentRowChanged, this, &CWorkPanel::OnPageItemChanged);
    // A new choice in either box, or typing in the size box, rebuilds the font.
    connect(m_cmbFontName, &QComboBox::activated, this, &CWorkPanel::OnFontChange);
    connect(m_cmbFontSize, &QComboBox::activated, this, &CWorkPanel::OnFontChange);
    connect(m_cmbFontSize, &QComboBox::editTextChanged, this, &CWorkPanel::OnFontChange);
}

void CWorkPanel::UpdateControlSet()
{
    const CMainFrame* frame = AfxGetMainFrame();
    const std::optional<int> set = frame ? SetForToolMode(frame->m_nToolMode) : std::nullopt;
    if (!set || *set == g_nShownSet)
        return;
    g_nShownSet = *set;
    const bool shapes = *set == SET_SHAPE;
    for (int id : g_idsShapeSet)
        GetDlgItem(id)->setVisible(shapes);
    for (int id : g_idsTextSet)
        GetDlgItem(id)->setVisible(!shapes);
    const int shift = shapes ? -kSetShift : kSetShift;
    for (int id : {IDC_COLOR_SAMPLE, IDC_PALETTE, IDC_PAGE_LIST})
        GetDlgItem(id)->move(GetDlgItem(id)->pos() + QPoint(0, shift));
    QWidget* toolFrame = GetDlgItem(IDC_TOOL_FRAME);
    toolFrame->resize(toolFrame->width(), toolFrame->height() + shift);
    update();
}

void CWorkPanel::OnShapeRect() { OnShape(SHAPE_RECT, m_bPickRectColor, m_rgbRect); }
void CWorkPanel::OnShapeLine() { OnShape(SHAPE_LINE, m_bPickLineColor, m_rgbLine); }
void CWorkPanel::OnShapeEllipse() { OnShape(SHAPE_ELLIPSE, m_bPickEllipseColor, m_rgbEllipse); }
void CWorkPanel::OnShapeEraser() { OnShape(SHAPE_ERASER, m_bPickEraserColor, m_rgbEraser); }
void CWorkPanel::OnShapeFill() { OnShape(SHAPE_FILL, m_bPickFillColor, m_rgbFill); }

void CWorkPanel::OnShape(int shape, bool& request, const sColor& remembered)
{
    RaisePick(request, remembered);
    if (CMainFrame* frame = AfxGetMainFrame())
        frame->m_nShape = shape;
}

void CWorkPanel::OnPenWidth()
{
    CMainFrame* frame = AfxGetMainFrame();
    if (!frame)
        return;
    platform::PopupMenuCall menu{{}, QCursor::pos()};
    for (const PenWidthItem& item : kPenWidths)
        menu.items.push_back({item.id, QString::fromLatin1(item.text), item.width == frame->m_nPenWidth});
    const int chosen = platform::TrackPopupMenu(menu, this);
    for (const PenWidthItem& item : kPenWidths)
        if (item.id == chosen)
            frame->m_nPenWidth = item.width;
}

void CWorkPanel::SetPanelCursor(const QCursor& cursor)
{
    setCursor(cursor);
    for (QWidget* child : findChildren<QWidget*>())
        if (child->window() == window())  // not the combo boxes' drop-down lists
            child->setCursor(cursor);
}
