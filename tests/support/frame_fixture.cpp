#include "support/frame_fixture.h"

#include <QAction>

QImage PatternImage(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed * 31) & 0xFF, (y * 13 + seed * 17) & 0xFF, (x + y + seed) & 0xFF));
    return image;
}

QString WriteImageFile(const QString& path, const QImage& image)
{
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

void ExpectDeletePageQuestion(const platform::MessageBoxCall& call)
{
    EXPECT_EQ(call.text, "Please confirm to Delete your Page with the button 'Yes', or click the button 'No'.");
    EXPECT_EQ(call.caption, "Delete Page");
    EXPECT_EQ(call.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(call.icon, platform::Icon::Error);
}

void FrameTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    platform::Seams& seams = platform::TestSeams();
    seams.messageBox = [this](const platform::MessageBoxCall& call) {
        m_messages.push_back(call);
        if (!m_boxAnswers.empty()) {
            const platform::Answer answer = m_boxAnswers.front();
            m_boxAnswers.pop_front();
            return answer;
        }
        return call.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    };
    seams.fileDialog = [this](const platform::FileDialogCall& call) -> std::optional<QString> {
        m_fileDialogs.push_back(call);
        if (m_dialogAnswers.empty())
            return std::nullopt;
        const QString answer = m_dialogAnswers.front();
        m_dialogAnswers.pop_front();
        return answer.isEmpty() ? std::nullopt : std::optional<QString>(answer);
    };
    seams.openUrl = [this](const QString& url) {
        m_openedUrls.push_back(url);
        return m_urlOpenSucceeds;
    };
    seams.beep = [this] { ++m_beeps; };
    m_frame = std::make_unique<CMainFrame>();
    m_frame->resize(850, 600);
    m_frame->show();
    m_view = m_frame->GetActiveView();
}

void FrameTest::TearDown()
{
    m_frame.reset();
    platform::TestSeams() = {};
}

void FrameTest::AnswerFileDialogs(std::initializer_list<QString> paths)
{
    m_dialogAnswers.insert(m_dialogAnswers.end(), paths);
}

void FrameTest::AnswerMessageBoxes(std::initializer_list<platform::Answer> answers)
{
    m_boxAnswers.insert(m_boxAnswers.end(), answers);
}

QString FrameTest::OpenPatternPage(int w, int h, int seed, const QString& name)
{
    const QString file = name.isEmpty() ? QStringLiteral("pattern%1.png").arg(m_patternFiles++) : name;
    const QString path = WriteImageFile(TempPath(file), PatternImage(w, h, seed));
    AnswerFileDialogs({path});
    m_frame->RouteCommand(ID_FILE_OPEN);
    return path;
}

void FrameTest::OpenBlankPage(int w, int h, QRgb color)
{
    QImage blank(w, h, QImage::Format_RGB32);
    blank.fill(color);
    const QString path = WriteImageFile(TempPath(QStringLiteral("blank%1.png").arg(m_patternFiles++)), blank);
    AnswerFileDialogs({path});
    m_frame->RouteCommand(ID_FILE_OPEN);
}

bool FrameTest::IsEnabled(int id)
{
    m_frame->UpdateCommandUI();
    return m_frame->Action(id)->isEnabled();
}

bool FrameTest::IsChecked(int id)
{
    m_frame->UpdateCommandUI();
    return m_frame->Action(id)->isChecked();
}

QImage FrameTest::PageImage(int i) const
{
    const CImage* page = m_view->m_arrPages.GetAt(i);
    return page ? page->Image().copy() : QImage();
}
