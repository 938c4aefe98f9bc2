// From the main window's construction to the start dialog painted: what a
// user waits for after main() has created the application.

#include "BenchSession.h"
#include "BenchTable.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/mdiMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QWidget>

#include <memory>

namespace {

using namespace BenchSession;

void BM_Start(benchmark::State& state)
{
    start();
    dropMainWindow();
    bool shown = true;
    for (auto _ : state) {
        auto window = std::make_unique<mdiMain>();
        window->show();
        // The window system activates the window when it likes: wait for the dialog.
        QElapsedTimer waited;
        waited.start();
        Form* selection = nullptr;
        while (!(selection = Forms::find(QStringLiteral("frmSelection"))) && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        settle(window.get());
        state.PauseTiming();
        shown = shown && selection;
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A new process decodes its pictures again.
        QPixmapCache::clear();
        state.ResumeTiming();
    }
    if (!shown)
        state.SkipWithError("the start dialog did not appear");
    finish(state);
}

[[maybe_unused]] const bool registered = [] {
    benchmark::RegisterBenchmark("BM_Start", BM_Start)->Arg(Sample)->Unit(benchmark::kMillisecond);
    BenchTable::budget("BM_Start", {30, 0, 0});
    return true;
}();

} // namespace
