#include "about/aboutdlg.h"

#include "platform/dialog_units.h"
#include "res/artwork.h"

#include <QPushButton>

namespace {

const QString kWebAddress = QStringLiteral("https://www.example.com/pavlixmaker");
const QString kMailAddress = QStringLiteral("support@example.com");

// The box is laid out in dialog units of an 8-point dialog font at 96 dpi.
constexpr int kDialogPointSize = 8;

// A text keeps its place but is never clipped: a wider or taller font than the
// layout was made for grows its rectangle.
void PlaceText(QLabel* label, const char* name, const QString& text, const QRect& du)
{
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    const QRect rect = PixelsFromDialogUnits(du);
    label->setGeometry(QRect(rect.topLeft(), rect.size().expandedTo(label->sizeHint())));
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_linkWeb(this), m_linkMail(this)
{
    setWindowTitle(tr("About Quorvin Pavlix Maker"));
    QFont dialogFont = font();
    dialogFont.setPointSize(kDialogPointSize);
    setFont(dialogFont);
    setFixedSize(PixelsFromDialogUnits({0, 0, 313, 199}).size());
    CreateControls();
    m_linkWeb.m_strLink = kWebAddress;
    m_linkMail.m_strLink = QStringLiteral("mailto:") + kMailAddress;
}

void CAboutDlg::CreateControls()
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("IDC_ABOUT_PICTURE"));
    picture->setPixmap(QPixmap::fromImage(artwork::AboutPicture()));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(PixelsFromDialogUnits({7, 7, 127, 184}));

    PlaceText(new QLabel(this), "IDC_ABOUT_PRODUCT", tr("Quorvin Pavlix Maker 1.1"), {143, 14, 119, 8});
    PlaceText(new QLabel(this), "IDC_ABOUT_NOTICE", tr("Copyright (C) 2026 Quorvin. GPL 3 or later."), {143, 30, 137, 8});
    PlaceText(&m_linkWeb, "IDC_LINK_WEB", kWebAddress, {143, 46, 66, 8});
    PlaceText(&m_linkMail, "IDC_LINK_MAIL", kMailAddress, {143, 62, 79, 8});

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("IDC_ABOUT_RULE"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(PixelsFromDialogUnits({143, 100, 163, 2}));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    ok->setGeometry(PixelsFromDialogUnits({143, 177, 50, 16}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
