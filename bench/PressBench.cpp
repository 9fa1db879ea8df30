// Press to play: from a mouse press delivered to a key label to the handler
// having started the note (Play returned), for the first press of each key
// (the picture and recording loaded) and for a key pressed again. The
// program is started as it starts itself, on the offscreen platform with the
// built bundle's media; the sound output is opened before timing.
//
//   build/bench/PressBench
#include "app/Lifecycle.h"
#include "app/Startup.h"
#include "chart/Window1.h"

#include "framework/Application.h"
#include "framework/FolderItem.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using tolvane::chart::ControlKind;
using tolvane::chart::ControlLayout;
using tolvane::chart::kControls;

// The labels in keyboard order; the last (Top A) is kept for the warm-up and
// the repeated presses.
std::vector<const ControlLayout*> labelsByPosition()
{
    std::vector<const ControlLayout*> labels;
    for (const ControlLayout& control : kControls) {
        if (control.kind == ControlKind::Label)
            labels.push_back(&control);
    }
    std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) { return a->rect.left < b->rect.left; });
    return labels;
}

QWidget* widgetOf(const ControlLayout& label)
{
    fw::Ref<fw::Window> window = fw::_GetImplicitWindow(fw::String(tolvane::Window1::kClassName));
    fw::Ref<fw::Control> control = fw::Window::_ControlByName(window.get(), fw::String(label.name));
    fw::Ref<fw::RectControl> rect = fw::RuntimeCheckCast<fw::RectControl>(control.get());
    return rect ? rect->widget() : nullptr;
}

void press(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

void release(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent up(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

void BM_FirstPressOfAKey(benchmark::State& state)
{
    std::vector<const ControlLayout*> labels = labelsByPosition();
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QWidget* widget = widgetOf(*labels[next++]);
        state.ResumeTiming();
        press(widget);
        state.PauseTiming();
        release(widget);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPressOfAKey)->Iterations(tolvane::chart::kLabelCount - 1)->Unit(benchmark::kMillisecond);

void BM_RepeatedPressOfAKey(benchmark::State& state)
{
    QWidget* widget = widgetOf(*labelsByPosition().back());
    for (auto _ : state) {
        press(widget);
        state.PauseTiming();
        release(widget);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RepeatedPressOfAKey)->Unit(benchmark::kMicrosecond);

std::filesystem::path bundle(const char* argv0)
{
    if (const char* path = std::getenv("TOLVANE_BUNDLE"))
        return path;
    return std::filesystem::absolute(argv0).parent_path().parent_path() / "Tolvane.app";
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    fw::RuntimeOverrideExecutablePath((bundle(argv[0]) / "Contents/MacOS/Tolvane").string());
    QApplication application(argc, argv);
    fw::RuntimeInit();
    tolvane::percent_initialize();
    tolvane::_Startup();

    // The first press of the session opens the sound output; keep it out of
    // the first-press numbers.
    QWidget* warmUp = widgetOf(*labelsByPosition().back());
    press(warmUp);
    release(warmUp);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    tolvane::percent_finalize();
    return fw::RuntimeExit();
}
