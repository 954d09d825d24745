// Loading and saving 24-megapixel pages, each measured against a reference in the
// same run: libjpeg-turbo's own TurboJPEG calls for JPEG, ImageMagick for PNG and GIF.
// A summary of ratios against the targets closes the run.
//
//   build/files/files_bench                 the table
//   build/files/files_bench --png-sweep     also the zlib level and row filter sweep
#include "app/mainframe.h"
#include "app/resource.h"
#include "canvas/view.h"
#include "platform/dialogs.h"
#include "platform/image.h"
#include "platform/png_writer.h"
#include "support/files_pages.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <png.h>
#include <turbojpeg.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace files_bench;

namespace {

constexpr int kJpegQuality = 90;
constexpr int kTickMs = 5;

struct Files {
    QTemporaryDir dir;
    QImage photo = PhotoPage();
    QImage flyer = FlyerPage();
    QString jpeg = dir.filePath("photo.jpg");
    QString Path(const char* name) const { return dir.filePath(name); }
};

Files& Shared()
{
    static Files files;
    static const bool written = [] {
        CImage page;
        page.SetImage(files.photo);
        return page.Save(files.jpeg, ImageFormat::Jpeg).ok;
    }();
    Q_UNUSED(written);
    return files;
}

CImage PageOf(const QImage& image)
{
    CImage page;
    page.SetImage(image);
    return page;
}

void WriteBytes(const QString& path, const unsigned char* data, unsigned long size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
}

// ---- JPEG ------------------------------------------------------------------

void OpenJpegAsPage(benchmark::State& state)
{
    const QString path = Shared().jpeg;
    for (auto _ : state) {
        CImage page;
        if (!page.Load(path)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(page.Image().constBits());
    }
}

void OpenJpegTurboReference(benchmark::State& state)
{
    const QString path = Shared().jpeg;
    tjhandle handle = tjInitDecompress();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
        int width = 0, height = 0, subsampling = 0, colorspace = 0;
        tjDecompressHeader3(handle, data, bytes.size(), &width, &height, &subsampling, &colorspace);
        std::vector<unsigned char> pixels(size_t(width) * height * 4);
        tjDecompress2(handle, data, bytes.size(), pixels.data(), width, width * 4, height, TJPF_BGRA, 0);
        benchmark::DoNotOptimize(pixels.data());
    }
    tjDestroy(handle);
}

void SaveJpegFromPage(benchmark::State& state)
{
    const CImage page = PageOf(Shared().photo);
    const QString path = Shared().Path("page.jpg");
    for (auto _ : state)
        if (!page.Save(path, ImageFormat::Jpeg)) state.SkipWithError("save failed");
}

void SaveJpegTurboReference(benchmark::State& state)
{
    const QImage& photo = Shared().photo;
    const QString path = Shared().Path("turbo.jpg");
    tjhandle handle = tjInitCompress();
    for (auto _ : state) {
        unsigned char* encoded = nullptr;
        unsigned long size = 0;
        tjCompress2(handle, photo.constBits(), photo.width(), int(photo.bytesPerLine()), photo.height(), TJPF_BGRA,
                    &encoded, &size, TJSAMP_420, kJpegQuality, 0);
        WriteBytes(path, encoded, size);
        tjFree(encoded);
    }
    tjDestroy(handle);
}

// ---- PNG and GIF -------------------------------------------------------------

template <ImageFormat format>
void SaveFromPage(benchmark::State& state, const QImage& image, const char* name)
{
    const CImage page = PageOf(image);
    const QString path = Shared().Path(name);
    for (auto _ : state)
        if (!page.Save(path, format)) state.SkipWithError("save failed");
}

void SaveWithImageMagick(benchmark::State& state, const QImage& image, const char* name)
{
    const QString path = Shared().Path(name);
    for (auto _ : state)
        if (!WriteWithImageMagick(image, path)) state.SkipWithError("ImageMagick failed");
}

// ---- the window while a noisy page is saved --------------------------------

double g_longestGapMs = 0;
double g_noisySaveMs = 0;

// The real main frame saves through File > Save Pavlix As; a timer on the interface
// thread ticks all the while, and the longest pause between ticks is what a user feels.
void WindowWhileSavingNoisyPng(benchmark::State& state)
{
    const QString bmp = Shared().Path("noisy.bmp");
    PageOf(NoisyPage()).Save(bmp, ImageFormat::Bmp);
    QString answer = bmp;
    platform::TestSeams().fileDialog = [&answer](const platform::FileDialogCall&) { return std::optional(answer); };
    platform::TestSeams().messageBox = [](const platform::MessageBoxCall&) { return platform::Answer::Ok; };
    CMainFrame frame;
    frame.resize(850, 600);
    frame.show();
    frame.RouteCommand(ID_FILE_OPEN);
    answer = Shared().Path("noisy.png");
    for (auto _ : state) {
        QElapsedTimer clock;
        qint64 lastTick = 0, longest = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - lastTick);
            lastTick = now;
            frame.GetActiveView()->viewport()->repaint();
        });
        QEventLoop loop;
        QObject::connect(&frame.GetActiveView()->m_pageWriter, &PageWriter::idle, &loop, &QEventLoop::quit);
        ticker.start(kTickMs);
        clock.start();
        frame.RouteCommand(ID_FILE_SAVE);
        loop.exec();
        longest = std::max(longest, clock.nsecsElapsed() - lastTick);
        g_longestGapMs = double(longest) / 1e6;
        g_noisySaveMs = double(clock.nsecsElapsed()) / 1e6;
    }
    state.counters["longest_gap_ms"] = g_longestGapMs;
    platform::TestSeams() = {};
}

// ---- the PNG settings sweep --------------------------------------------------

struct Filter {
    const char* name;
    int bits;
};
const Filter kFilters[] = {{"none", PNG_FILTER_NONE}, {"sub", PNG_FILTER_SUB}, {"up", PNG_FILTER_UP},
                           {"sub+up", PNG_FILTER_SUB | PNG_FILTER_UP}, {"paeth", PNG_FILTER_PAETH},
                           {"all", PNG_ALL_FILTERS}};
struct SweepResult {
    std::string setting;
    qint64 bytes = 0;
};
std::map<std::string, SweepResult> g_sweep;  // by the run's name

void PngSettingsSweep(benchmark::State& state)
{
    const PngSettings settings{int(state.range(0)), int(state.range(2)), kFilters[state.range(1)].bits};
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WritePng(Shared().flyer, buffer, settings);
        bytes = buffer.size();
    }
    const std::string key = "PngSweep/" + std::to_string(state.range(0)) + "/" + std::to_string(state.range(1)) +
                            "/" + std::to_string(state.range(2));
    g_sweep[key] = {"level " + std::to_string(settings.zlibLevel) + (settings.zlibStrategy == Z_RLE ? " rle" : "") +
                        ", filters " + kFilters[state.range(1)].name,
                    bytes};
}

// ---- summary -------------------------------------------------------------------

class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;  // real time per iteration, by benchmark name
    // The fastest repetition: other work on a shared machine only ever adds time.
    void Keep(const Run& run)
    {
        const std::string name =
            run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
        const double time = run.GetAdjustedRealTime();
        ms[name] = ms.count(name) ? std::min(ms[name], time) : time;
    }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) Keep(run);
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRow(const char* row, double ours, double reference, const QString& extra, bool met)
{
    std::printf("%-44s %9.0f ms %9.0f ms  %5.2f x  %-34s %s\n", row, ours, reference, ours / reference,
                extra.toUtf8().constData(), met ? "met" : "MISSED");
}

void PrintSummary(const Collector& collector)
{
    const auto& ms = collector.ms;
    const auto at = [&ms](const char* name) { return ms.count(name) ? ms.at(name) : 0.0; };
    std::printf("\n%-44s %12s %12s %7s  %-34s\n", "6000 x 4000 page", "ours", "reference", "ratio", "target");
    const double open = at("OpenJpegAsPage"), openRef = at("OpenJpegTurboReference");
    PrintRow("open JPEG vs TurboJPEG decode", open, openRef, "at most 1.3 x", open <= 1.3 * openRef);
    const double jpeg = at("SaveJpegFromPage"), jpegRef = at("SaveJpegTurboReference");
    PrintRow("save JPEG q90 vs TurboJPEG encode", jpeg, jpegRef, "at most 1.3 x", jpeg <= 1.3 * jpegRef);

    const double png = at("SavePng/flyer"), pngRef = at("SavePngImageMagick/flyer");
    const double pngSize = double(FileSize(Shared().Path("flyer.png")));
    const double pngRefSize = double(FileSize(Shared().Path("flyer-magick.png")));
    PrintRow("save flyer PNG vs ImageMagick", png, pngRef,
             QStringLiteral("%1 x faster (>= 1.5), size %2 x (<= 1.2)")
                 .arg(pngRef / png, 0, 'f', 2).arg(pngSize / pngRefSize, 0, 'f', 2),
             pngRef >= 1.5 * png && pngSize <= 1.2 * pngRefSize);

    const double gif = at("SaveGif/photo"), gifRef = at("SaveGifImageMagick/photo");
    const QImage& photo = Shared().photo;
    const double psnr = Psnr(photo, QImage(Shared().Path("photo.gif")));
    const double psnrRef = Psnr(photo, QImage(Shared().Path("photo-magick.gif")));
    PrintRow("save photo GIF vs ImageMagick", gif, gifRef,
             QStringLiteral("PSNR %1 vs %2 dB (+%3, >= 2)").arg(psnr, 0, 'f', 2).arg(psnrRef, 0, 'f', 2)
                 .arg(psnr - psnrRef, 0, 'f', 2),
             gif <= gifRef && psnr - psnrRef >= 2.0);
    std::printf("%-44s %9.0f ms %12s %7s  %-34s %s\n", "window while saving noisy PNG: longest gap", g_longestGapMs, "100 ms",
                "", QStringLiteral("the save took %1 ms").arg(g_noisySaveMs, 0, 'f', 0).toUtf8().constData(),
                g_longestGapMs <= 100 ? "met" : "MISSED");
    if (g_sweep.empty()) return;
    std::printf("\nPNG settings on the flyer page (ImageMagick: %.0f ms, %.2f MB)\n", pngRef, pngRefSize / 1e6);
    for (const auto& [name, result] : g_sweep)
        std::printf("  %-40s %7.0f ms %7.2f MB\n", result.setting.c_str(), at(name.c_str()), double(result.bytes) / 1e6);
}

void Register(bool sweep)
{
    const auto add = [](const char* name, auto function) {
        return benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    add("OpenJpegTurboReference", OpenJpegTurboReference)->Iterations(3)->Repetitions(3);
    add("OpenJpegAsPage", OpenJpegAsPage)->Iterations(3)->Repetitions(3);
    add("SaveJpegTurboReference", SaveJpegTurboReference)->Iterations(3)->Repetitions(3);
    add("SaveJpegFromPage", SaveJpegFromPage)->Iterations(3)->Repetitions(3);
    add("SavePngImageMagick/flyer", [](benchmark::State& s) { SaveWithImageMagick(s, Shared().flyer, "flyer-magick.png"); })
        ->Iterations(2);
    add("SavePng/flyer", [](benchmark::State& s) { SaveFromPage<ImageFormat::Png>(s, Shared().flyer, "flyer.png"); })
        ->Iterations(3);
    add("SaveGifImageMagick/photo", [](benchmark::State& s) { SaveWithImageMagick(s, Shared().photo, "photo-magick.gif"); })
        ->Iterations(2);
    add("SaveGif/photo", [](benchmark::State& s) { SaveFromPage<ImageFormat::Gif>(s, Shared().photo, "photo.gif"); })
        ->Iterations(2);
    add("WindowWhileSavingNoisyPng", WindowWhileSavingNoisyPng)->Iterations(1);
    if (!sweep) return;
    for (const int level : {1, 2, 3, 4, 6})
        for (int filter = 0; filter < int(std::size(kFilters)); ++filter)
            add("PngSweep", PngSettingsSweep)->Args({level, filter, Z_DEFAULT_STRATEGY})->Iterations(1);
    for (int filter = 0; filter < int(std::size(kFilters)); ++filter)
        add("PngSweep", PngSettingsSweep)->Args({1, filter, Z_RLE})->Iterations(1);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    QApplication app(argc, argv);
    std::vector<char*> args(argv, argv + argc);
    const bool sweep = std::erase_if(args, [](const char* arg) { return std::string(arg) == "--png-sweep"; }) > 0;
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    Register(sweep);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    PrintSummary(collector);
    benchmark::Shutdown();
    return 0;
}
