#include "about/aboutdlg.h"
#include "app/app.h"
#include "support/frame_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kPurple = RGB(128, 0, 128);

struct LinkCase {
    const char* name;
    CStaticLink CAboutDlg::*link;
    QString target;
};

const LinkCase kLinks[] = {
    {"web", &CAboutDlg::m_linkWeb, "https://www.example.com/pavlixmaker"},
    {"mail", &CAboutDlg::m_linkMail, "mailto:support@example.com"},
};

// Pixels of the widget as painted that have exactly this colour.
int CountPixels(QWidget& widget, COLORREF colour)
{
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == wanted;
    return count;
}

void ExpectPaintedIn(CStaticLink& link, COLORREF shown, COLORREF notShown)
{
    EXPECT_EQ(link.m_crText, shown);
    EXPECT_GT(CountPixels(link, shown), 0);
    EXPECT_EQ(CountPixels(link, notShown), 0);
}

class AboutBoxTest : public FrameTest {
protected:
    // Runs the About command; while its modal box is up, inspect looks at it, then it is closed.
    // Returns how many boxes were up.
    int RunAboutCommand(const std::function<void(CAboutDlg&)>& inspect)
    {
        int boxes = 0;
        QTimer::singleShot(0, m_frame.get(), [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<CAboutDlg*>(window);
                if (!box || !box->isVisible())
                    continue;
                ++boxes;
                inspect(*box);
                box->reject();
            }
        });
        m_frame->RouteCommand(ID_APP_ABOUT);
        QCoreApplication::sendPostedEvents();  // a command that ran no dialog leaves the check queued
        return boxes;
    }
};

TEST_F(AboutBoxTest, ShowsCaptionProductAndBothAddresses)
{
    CAboutDlg box(m_frame.get());
    EXPECT_EQ(box.windowTitle(), "About Quorvin Pavlix Maker");
    const std::pair<const char*, QString> texts[] = {
        {"IDC_ABOUT_PRODUCT", "Quorvin Pavlix Maker 1.1"},
        {"IDC_LINK_WEB", "https://www.example.com/pavlixmaker"},
        {"IDC_LINK_MAIL", "support@example.com"},
    };
    for (const auto& [name, text] : texts) {
        const QLabel* label = box.findChild<QLabel*>(name);
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->text(), text) << name;
    }
    ASSERT_TRUE(box.findChild<QLabel*>("IDC_ABOUT_NOTICE"));
    EXPECT_FALSE(box.findChild<QLabel*>("IDC_ABOUT_NOTICE")->text().isEmpty());
}

TEST_F(AboutBoxTest, EveryControlFitsInsideTheBoxAndThePictureShowsWhole)
{
    CAboutDlg box(m_frame.get());
    box.show();
    for (const char* name : {"IDC_ABOUT_PICTURE", "IDC_ABOUT_PRODUCT", "IDC_ABOUT_NOTICE", "IDC_LINK_WEB",
                             "IDC_LINK_MAIL", "IDC_ABOUT_RULE", "IDOK"}) {
        const QWidget* control = box.findChild<QWidget*>(name);
        ASSERT_TRUE(control) << name;
        EXPECT_TRUE(box.rect().contains(control->geometry())) << name;
    }
    const QLabel* picture = box.findChild<QLabel*>("IDC_ABOUT_PICTURE");
    EXPECT_EQ(picture->pixmap().size(), QSize(190, 299));
    EXPECT_GE(picture->width(), 190);
    EXPECT_GE(picture->height(), 299);
}

TEST_F(AboutBoxTest, ReturnPressesTheDefaultOkButton)
{
    CAboutDlg box(m_frame.get());
    box.show();
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutBoxTest, PressingALinkOpensItsTargetAndTurnsOnlyItPurple)
{
    for (const LinkCase& c : kLinks) {
        SCOPED_TRACE(c.name);
        m_openedUrls.clear();
        CAboutDlg box(m_frame.get());
        box.show();
        CStaticLink& link = box.*c.link;
        ExpectPaintedIn(link, kBlue, kPurple);
        QTest::mousePress(&link, Qt::LeftButton);
        EXPECT_EQ(m_openedUrls, std::vector<QString>{c.target});
        ExpectPaintedIn(link, kPurple, kBlue);
        CStaticLink& other = &link == &box.m_linkWeb ? box.m_linkMail : box.m_linkWeb;
        EXPECT_EQ(other.m_crText, kBlue);
        EXPECT_EQ(m_beeps, 0);
    }
}

TEST_F(AboutBoxTest, AFailedOpenBeepsAndTheLinkStaysBlue)
{
    m_urlOpenSucceeds = false;
    for (const LinkCase& c : kLinks) {
        SCOPED_TRACE(c.name);
        m_beeps = 0;
        CAboutDlg box(m_frame.get());
        box.show();
        QTest::mouseClick(&(box.*c.link), Qt::LeftButton);
        EXPECT_EQ(m_beeps, 1);
        ExpectPaintedIn(box.*c.link, kBlue, kPurple);
    }
}

TEST_F(AboutBoxTest, LinksShowTheHandAndTheRestOfTheBoxTheArrow)
{
    CAboutDlg box(m_frame.get());
    EXPECT_EQ(box.m_linkWeb.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.m_linkMail.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(box.findChild<QPushButton*>("IDOK")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(AboutBoxTest, AboutCommandOpensAFreshModalBoxOverTheFrameEachTime)
{
    EXPECT_FALSE(IsEnabled(ID_APP_ABOUT));  // nothing handles it without the application object
    CPavlixMakerApp app;
    EXPECT_TRUE(IsEnabled(ID_APP_ABOUT));
    const int first = RunAboutCommand([&](CAboutDlg& box) {
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        EXPECT_EQ(box.parentWidget(), m_frame.get());
        QTest::mouseClick(&box.m_linkWeb, Qt::LeftButton);
        QTest::mouseClick(&box.m_linkMail, Qt::LeftButton);
    });
    const int second = RunAboutCommand([&](CAboutDlg& box) {
        ExpectPaintedIn(box.m_linkWeb, kBlue, kPurple);
        ExpectPaintedIn(box.m_linkMail, kBlue, kPurple);
    });
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(m_openedUrls.size(), 2u);
}

using StaticLinkTest = FrameTest;

struct LooseLinkCase {
    const char* name;
    QString text;
    QString target;
    Qt::MouseButton button;
    std::vector<QString> opened;
};

TEST_F(StaticLinkTest, ALinkWithoutTargetOpensItsTextAndIgnoresOtherButtons)
{
    const LooseLinkCase cases[] = {
        {"text as target", "https://a.example/", "", Qt::LeftButton, {"https://a.example/"}},
        {"target over text", "Our site", "https://b.example/", Qt::LeftButton, {"https://b.example/"}},
        {"nothing to open", "", "", Qt::LeftButton, {}},
        {"right button", "https://a.example/", "", Qt::RightButton, {}},
    };
    for (const LooseLinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_openedUrls.clear();
        CStaticLink link;
        link.resize(120, 16);
        link.setText(c.text);
        link.m_strLink = c.target;
        QTest::mouseClick(&link, c.button);
        EXPECT_EQ(m_openedUrls, c.opened);
        EXPECT_EQ(m_beeps, 0);
    }
}

TEST_F(StaticLinkTest, APictureLabelKeepsItsOwnLook)
{
    QPixmap picture(20, 10);
    picture.fill(Qt::darkGreen);
    CStaticLink link;
    QLabel plain;
    for (QLabel* label : {static_cast<QLabel*>(&link), &plain}) {
        label->setPixmap(picture);
        label->resize(30, 14);
    }
    EXPECT_EQ(link.grab().toImage(), plain.grab().toImage());
}

}  // namespace
