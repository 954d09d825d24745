// Pixel work on large pages, each measured against a reference in the same run:
// ImageMagick for flood fill and thumbnails, memset and memcpy of a page for the
// machine's floor. A summary of ratios against the targets closes the run.
//
//   build/perf/pixels_bench
#include "app/mainframe.h"
#include "app/resource.h"
#include "canvas/view.h"
#include "panel/workpanel.h"
#include "platform/qimage_view.h"
#include "support/pixel_pages.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace pixelbench;

namespace {

constexpr double kMinTime = 0.3;
constexpr int kCorridorWidth = 4000, kCorridorHeight = 3000;  // 12 MP
constexpr int kSmallWidth = 866, kSmallHeight = 577;          // 0.5 MP
constexpr int kListPages = 50;
constexpr int kOpenedPages = 10;
const char* const kOpenChildFlag = "--open-pages-child";

int64_t PageBytes() { return int64_t(kPageWidth) * kPageHeight * 4; }

// ---- the machine's floor ---------------------------------------------------

struct PageBuffers {
    std::vector<char> a = std::vector<char>(size_t(PageBytes()), 1);
    std::vector<char> b = std::vector<char>(size_t(PageBytes()), 2);
};
PageBuffers& Buffers()
{
    static PageBuffers buffers;
    return buffers;
}

void BM_Memset(benchmark::State& state)
{
    PageBuffers& buffers = Buffers();
    int value = 0;
    for (auto _ : state) {
        std::memset(buffers.a.data(), ++value & 0xFF, buffers.a.size());
        benchmark::ClobberMemory();
    }
}

void BM_Memcpy(benchmark::State& state)
{
    PageBuffers& buffers = Buffers();
    for (auto _ : state) {
        std::memcpy(buffers.a.data(), buffers.b.data(), buffers.a.size());
        benchmark::ClobberMemory();
    }
}

// ---- flood fill --------------------------------------------------------------

// Fills back and forth between two colours, so every iteration fills the whole area.
void FillOurs(benchmark::State& state, QImage page, CPoint seed)
{
    const raster::PixelView v = PixelViewOf(page);
    const Pixel colours[2] = {0xFFFF0000u, raster::GetPixel(v, seed)};
    int k = 0;
    for (auto _ : state) {
        raster::FloodFill(v, seed, colours[k++ & 1]);
        benchmark::ClobberMemory();
    }
}

void FillMagick(benchmark::State& state, const QImage& page, CPoint seed)
{
    _Image* image = MagickImageOf(page);
    const char* colours[2] = {"red", page.pixel(seed.x, seed.y) == qRgb(255, 255, 255) ? "white" : "black"};
    int k = 0;
    for (auto _ : state)
        if (!MagickFloodFill(image, seed.x, seed.y, colours[k++ & 1])) state.SkipWithError("ImageMagick flood fill failed");
    DestroyMagickImage(image);
}

void BM_FillBlank_Ours(benchmark::State& state) { FillOurs(state, BlankPage(kPageWidth, kPageHeight), {10, 10}); }
void BM_FillBlank_ImageMagick(benchmark::State& state) { FillMagick(state, BlankPage(kPageWidth, kPageHeight), {10, 10}); }
void BM_FillCorridor_Ours(benchmark::State& state)
{
    FillOurs(state, CorridorPage(kCorridorWidth, kCorridorHeight), {0, 0});
}
void BM_FillCorridor_ImageMagick(benchmark::State& state)
{
    FillMagick(state, CorridorPage(kCorridorWidth, kCorridorHeight), {0, 0});
}

// ---- the editor --------------------------------------------------------------

// A real main frame, 850 x 600 like a small window, whose view holds the given pages.
class Editor {
public:
    // Takes the pages over: nothing else shares their pixels, as with pages opened from files.
    explicit Editor(std::vector<QImage> pages)
    {
        m_frame->resize(850, 600);
        m_frame->show();
        for (QImage& image : pages) View()->m_arrPages.AddNew()->SetImage(std::exchange(image, QImage()));
        View()->m_bPageLoaded = true;
        View()->ShowPage(0);
        QApplication::processEvents();
    }
    CMainFrame* Frame() const { return m_frame.get(); }
    CPavlixMakerView* View() const { return m_frame->GetActiveView(); }
    // A click with the fill tool at a point of the window.
    void FillAt(CPoint client, Pixel colour)
    {
        m_frame->m_nShape = SHAPE_FILL;
        View()->m_clrFill = SColorFromPixel(colour);
        View()->OnLButtonDown({}, client);
    }

private:
    std::unique_ptr<CMainFrame> m_frame = std::make_unique<CMainFrame>();
};

// Made on first use; gone before the application object is.
std::unique_ptr<Editor>& PageEditorSlot()
{
    static std::unique_ptr<Editor> editor;
    return editor;
}

Editor& PageEditor()
{
    std::unique_ptr<Editor>& editor = PageEditorSlot();
    if (!editor) editor = std::make_unique<Editor>(std::vector<QImage>{BlankPage(kPageWidth, kPageHeight), BlankPage(kSmallWidth, kSmallHeight)});
    return *editor;
}

// One full-page fill inside its undo pair; the fill always changes the page.
void FillStep(CPavlixMakerView* view, benchmark::State* timing)
{
    view->SaveUndo(view->m_rectPage);
    if (timing) timing->PauseTiming();
    const raster::PixelView page = view->PagePixels();
    raster::FloodFill(page, {10, 10}, raster::GetPixel(page, {10, 10}) == 0xFFFF0000u ? 0xFFFFFFFFu : 0xFFFF0000u);
    if (timing) timing->ResumeTiming();
    view->SaveRedo(view->m_rectPage);
}

// The fill's undo pair alone, the fill between them not timed. The first step,
// which faults in the reused buffers, is left out.
void BM_UndoPair(benchmark::State& state)
{
    CPavlixMakerView* view = PageEditor().View();
    view->ShowPage(0);
    FillStep(view, nullptr);
    for (auto _ : state) FillStep(view, &state);
    view->ClearUndoHistory();
}

void BM_UndoRedo(benchmark::State& state)
{
    CPavlixMakerView* view = PageEditor().View();
    view->ShowPage(0);
    FillStep(view, nullptr);
    for (auto _ : state) {
        view->OnEditUndo();
        view->OnEditRedo();
    }
    view->ClearUndoHistory();
}

// A rubber-band rectangle dragged to and fro, each move painting the whole
// window's view through its paint event (the offscreen platform skips real repaints).
void RubberBand(benchmark::State& state, int page)
{
    Editor& editor = PageEditor();
    CPavlixMakerView* view = editor.View();
    view->ShowPage(page);
    editor.Frame()->m_nShape = SHAPE_RECT;
    view->OnLButtonDown({}, {100, 100});
    QImage window(view->viewport()->size(), QImage::Format_RGB32);
    int k = 0;
    for (auto _ : state) {
        view->OnMouseMove(Qt::LeftButton, {400 + (k & 7), 300 + (k & 3)});
        view->viewport()->render(&window);
        ++k;
    }
    view->OnRButtonDown({100, 100});
}
void BM_RubberBand_24MP(benchmark::State& state) { RubberBand(state, 0); }
void BM_RubberBand_HalfMP(benchmark::State& state) { RubberBand(state, 1); }

// Fills at points of the window, then checks that every step undoes and redoes exactly.
struct HistoryResult {
    int64_t bytes = 0;
    bool exact = true;
};

HistoryResult FillSession(const QImage& page, const std::vector<CPoint>& clicks)
{
    Editor editor({page});
    CPavlixMakerView* view = editor.View();
    auto hash = [view] { return PageHash(view->m_hPageBitmap->Image()); };
    std::vector<size_t> states{hash()};
    for (size_t k = 0; k < clicks.size(); ++k) {
        editor.FillAt(clicks[k], 0xFF000000u | uint32_t((k + 1) * 0x2F4B1D));
        states.push_back(hash());
    }
    HistoryResult result{view->HistoryBytes(), view->m_nUndoPos == int(clicks.size())};
    for (size_t k = clicks.size(); k > 0; --k) {
        view->OnEditUndo();
        result.exact = result.exact && hash() == states[k - 1];
    }
    for (size_t k = 1; k <= clicks.size(); ++k) {
        view->OnEditRedo();
        result.exact = result.exact && hash() == states[k];
    }
    return result;
}

// Twenty full-page fills on each page; the reference keeps both whole pages a step.
void History(benchmark::State& state, const QImage& page, const std::vector<CPoint>& clicks)
{
    HistoryResult result;
    for (auto _ : state) result = FillSession(page, clicks);
    const double fullCopies = double(clicks.size()) * 2 * double(PageBytes());
    state.counters["history_MB"] = double(result.bytes) / 1e6;
    state.counters["vs_full_copies_pct"] = 100.0 * double(result.bytes) / fullCopies;
    state.counters["exact"] = result.exact ? 1 : 0;
}

void BM_HistoryFlyer(benchmark::State& state)
{
    // Always on the white background: each fill recolours most of the page.
    History(state, FlyerPage(kPageWidth, kPageHeight), std::vector<CPoint>(20, CPoint(5, 45)));
}

void BM_HistoryPlasma(benchmark::State& state)
{
    std::vector<CPoint> clicks;
    for (int k = 0; k < 20; ++k) clicks.push_back(CPoint(20 + (k % 5) * 160, 60 + (k / 5) * 120));
    History(state, PlasmaPage(kPageWidth, kPageHeight), clicks);
}

// ---- the page list -------------------------------------------------------------

QImage ListPage() { return PlasmaPage(kCorridorWidth, kCorridorHeight); }

void BM_PageList_Ours(benchmark::State& state)
{
    const QImage page = ListPage();
    std::vector<QImage> pages;
    for (int k = 0; k < kListPages; ++k) pages.push_back(page.copy());  // fifty pages of their own
    Editor editor(pages);
    for (auto _ : state) editor.Frame()->m_wndWorkPanel->RebuildPageList();
}

// One image sampled fifty times: it stays in the cache, which only favours ImageMagick.
void BM_PageList_ImageMagick(benchmark::State& state)
{
    _Image* image = MagickImageOf(ListPage());
    for (auto _ : state)
        for (int k = 0; k < kListPages; ++k)
            if (!MagickSample(image)) state.SkipWithError("ImageMagick sample failed");
    DestroyMagickImage(image);
}

// ---- opening pages -------------------------------------------------------------

int64_t StatusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(int(strlen(field))).trimmed().split(' ').first().toLongLong();
    return -1;
}

// In a fresh process: opens the files as pages the way File > Open does and
// prints the resident memory before and at its peak, in kilobytes.
int OpenPagesChild(const QStringList& files)
{
    CMainFrame frame;
    frame.resize(850, 600);
    frame.show();
    QApplication::processEvents();
    const int64_t before = StatusKilobytes("VmRSS:");
    for (const QString& file : files)
        if (!frame.GetActiveView()->OpenBackground(file)) return 1;
    std::printf("%lld %lld %d\n", (long long)before, (long long)StatusKilobytes("VmHWM:"), frame.GetActiveView()->PageCount());
    return 0;
}

void BM_OpenPages(benchmark::State& state)
{
    QTemporaryDir dir;
    const QImage page = PlasmaPage(kPageWidth, kPageHeight);
    const QString jpeg = dir.filePath(QStringLiteral("page.jpg")), png = dir.filePath(QStringLiteral("page.png"));
    page.save(jpeg, "JPEG", 90);
    page.save(png, "PNG", 90);  // fast compression: the file is only read
    QStringList args{QString::fromLatin1(kOpenChildFlag)};
    for (int k = 0; k < kOpenedPages; ++k) args << (k % 2 ? png : jpeg);
    QList<QByteArray> figures;
    for (auto _ : state) {
        QProcess child;
        child.start(QStringLiteral("/proc/self/exe"), args);
        child.waitForFinished(-1);
        figures = child.readAllStandardOutput().trimmed().split(' ');
    }
    if (figures.size() != 3 || figures[2].toInt() != kOpenedPages) return state.SkipWithError("opening the pages failed");
    const double pages = double(kOpenedPages) * double(PageBytes());
    state.counters["baseline_MB"] = figures[0].toDouble() * 1024 / 1e6;
    state.counters["peak_MB"] = figures[1].toDouble() * 1024 / 1e6;
    state.counters["peak_vs_pages"] = figures[1].toDouble() * 1024 / pages;
}

// ---- registration and the summary ------------------------------------------------

void Register(const char* name, void (*fn)(benchmark::State&), bool timed = true)
{
    benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond);
    if (timed) b->MinTime(kMinTime); else b->Iterations(1);
}

void RegisterAll()
{
    Register("FillBlank24MP/ours", BM_FillBlank_Ours);
    Register("FillBlank24MP/imagemagick", BM_FillBlank_ImageMagick);
    Register("Memset24MP", BM_Memset);
    Register("FillCorridor12MP/ours", BM_FillCorridor_Ours);
    Register("FillCorridor12MP/imagemagick", BM_FillCorridor_ImageMagick);
    Register("UndoPair24MP", BM_UndoPair);
    Register("UndoThenRedo24MP", BM_UndoRedo);
    Register("Memcpy24MP", BM_Memcpy);
    Register("History20Fills/flyer", BM_HistoryFlyer, false);
    Register("History20Fills/plasma", BM_HistoryPlasma, false);
    Register("RubberBand850x600/page24MP", BM_RubberBand_24MP);
    Register("RubberBand850x600/page0.5MP", BM_RubberBand_HalfMP);
    Register("PageList50x12MP/ours", BM_PageList_Ours);
    Register("PageList50x12MP/imagemagick", BM_PageList_ImageMagick);
    Register("Open10Pages24MP", BM_OpenPages, false);
}

// Keeps each run's time and counters for the summary.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            m_time[run.run_name.function_name] = run.GetAdjustedRealTime();
            for (const auto& [name, counter] : run.counters) m_counter[run.run_name.function_name + ":" + name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const { return Find(m_time, name); }
    double Counter(const std::string& name) const { return Find(m_counter, name); }

private:
    static double Find(const std::map<std::string, double>& m, const std::string& name)
    {
        const auto it = m.find(name);
        return it == m.end() ? 0.0 : it->second;
    }
    std::map<std::string, double> m_time, m_counter;
};

void Row(const char* operation, const char* reference, double ratio, const char* shown, bool met)
{
    std::printf("| %-44s | %-34s | %8.2f %-11s | %s |\n", operation, reference, ratio, shown, met ? "met" : "MISSED");
}

void PrintSummary(const Collector& c)
{
    std::printf("\n| operation | reference | ratio | target |\n|---|---|---|---|\n");
    const double fill = c.Time("FillBlank24MP/ours");
    Row("flood fill, blank 24 MP page", "ImageMagick flood fill", c.Time("FillBlank24MP/imagemagick") / fill, "x faster", c.Time("FillBlank24MP/imagemagick") >= 15 * fill);
    Row("flood fill, blank 24 MP page", "memset of the page", fill / c.Time("Memset24MP"), "x memset", fill <= 20 * c.Time("Memset24MP"));
    const double corridor = c.Time("FillCorridor12MP/ours");
    Row("flood fill, 12 MP one-pixel corridor", "ImageMagick flood fill", c.Time("FillCorridor12MP/imagemagick") / corridor, "x faster", c.Time("FillCorridor12MP/imagemagick") >= 10 * corridor);
    const double memcpyTime = c.Time("Memcpy24MP");
    Row("full-page undo pair (SaveUndo + SaveRedo)", "memcpy of the page", c.Time("UndoPair24MP") / memcpyTime, "x memcpy", c.Time("UndoPair24MP") <= 3 * memcpyTime);
    Row("one undo plus one redo, full page", "memcpy of the page", c.Time("UndoThenRedo24MP") / memcpyTime, "x memcpy", c.Time("UndoThenRedo24MP") <= 3 * memcpyTime);
    for (const char* page : {"flyer", "plasma"}) {
        const std::string name = std::string("History20Fills/") + page;
        const double pct = c.Counter(name + ":vs_full_copies_pct");
        const bool exact = c.Counter(name + ":exact") == 1;
        Row(page == std::string("flyer") ? "history of 20 full-page fills, flat flyer" : "history of 20 full-page fills, plasma",
            "full copies, 2 x 96 MB a step", pct, exact ? "% (exact)" : "% (NOT exact)", pct <= 5 && exact);
    }
    const double band = c.Time("RubberBand850x600/page24MP") / c.Time("RubberBand850x600/page0.5MP");
    Row("rubber-band repaint, 850 x 600, 24 MP page", "the same on a 0.5 MP page", band, "x", band <= 1.2);
    const double list = c.Time("PageList50x12MP/imagemagick") / c.Time("PageList50x12MP/ours");
    Row("RebuildPageList, 50 pages of 12 MP", "ImageMagick SampleImage to 132x132", list, "x faster", list >= 1);
    const double peak = c.Counter("Open10Pages24MP:peak_vs_pages");
    Row("opening 10 pages of 24 MP, peak resident", "10 x 96 MB", peak, "x", peak > 0 && peak <= 1.15);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], kOpenChildFlag) == 0) return OpenPagesChild(app.arguments().mid(2));
    StartImageMagick();
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    PageEditorSlot().reset();
    PrintSummary(collector);
    benchmark::Shutdown();
    return 0;
}
