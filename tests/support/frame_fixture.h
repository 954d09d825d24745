#pragma once
// A real main frame, shown off-screen, with every dialog answered by the test.

#include "app/mainframe.h"
#include "canvas/view.h"
#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

// A w x h image whose every pixel differs from its neighbours, seeded so two images differ.
QImage PatternImage(int w, int h, int seed = 0);
// Writes image into path (format from the suffix); fails the test if it cannot.
QString WriteImageFile(const QString& path, const QImage& image);
// Checks that a message box was the question asked before a page is deleted.
void ExpectDeletePageQuestion(const platform::MessageBoxCall& call);

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next file dialogs answer these paths in order; an empty string cancels.
    void AnswerFileDialogs(std::initializer_list<QString> paths);
    // The next message boxes answer these in order; afterwards every box answers Ok/Yes.
    void AnswerMessageBoxes(std::initializer_list<platform::Answer> answers);
    // Writes a pattern image into the temp folder and opens it as a page through the command.
    QString OpenPatternPage(int w, int h, int seed = 0, const QString& name = {});
    // Opens a page of one colour through the command.
    void OpenBlankPage(int w, int h, QRgb color = qRgb(255, 255, 255));
    QString TempPath(const QString& name) const { return m_dir.filePath(name); }
    bool IsEnabled(int id);
    bool IsChecked(int id);
    // The page pixels of page i, as an image (a copy).
    QImage PageImage(int i) const;

    std::unique_ptr<CMainFrame> m_frame;
    CPavlixMakerView* m_view = nullptr;
    std::vector<platform::MessageBoxCall> m_messages;
    std::vector<platform::FileDialogCall> m_fileDialogs;
    std::vector<QString> m_openedUrls;
    int m_beeps = 0;
    bool m_urlOpenSucceeds = true;

private:
    QTemporaryDir m_dir;
    std::deque<QString> m_dialogAnswers;
    std::deque<platform::Answer> m_boxAnswers;
    int m_patternFiles = 0;
};
