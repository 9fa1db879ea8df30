// Process start to the window mapped on screen, for the program and for a
// bare Qt window with the same menu bar, measured alternately in one run on
// a private X server; the counter "ratio" is program over bare window.
//
//   build/bench/StartupBench
#include "XServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include <poll.h>
#include <xcb/xcb.h>

namespace {

// Watches the X server's root window for top-level windows being mapped:
// the moment a window appears on screen, with no polling in between.
class MapWatcher {
public:
    explicit MapWatcher(const QString& display)
        : m_connection(xcb_connect(display.toLocal8Bit().constData(), nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    bool connected() const { return m_root != 0; }

    // Waits until a window titled so is mapped; false after the timeout.
    bool waitForMapped(const std::string& title, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            xcb_generic_event_t* event = xcb_poll_for_event(m_connection);
            if (!event) {
                ::poll(&descriptor, 1, 10);
                continue;
            }
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped && titleOf(window) == title)
                return true;
        }
        return false;
    }

private:
    std::string titleOf(xcb_window_t window)
    {
        xcb_get_property_cookie_t cookie =
            xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        if (!reply)
            return {};
        std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
            std::size_t(xcb_get_property_value_length(reply)));
        std::free(reply);
        return title;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
};

// Seconds from starting the program to its window being mapped, or a
// negative number when it never showed.
double secondsToWindow(const XServer& server, const QString& program, const std::string& title)
{
    MapWatcher watcher(server.display());
    if (!watcher.connected())
        return -1;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);

    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    const bool shown = watcher.waitForMapped(title, 20000);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    process.kill();
    process.waitForFinished(5000);
    return shown ? seconds : -1;
}

void BM_StartupAgainstBareWindow(benchmark::State& state)
{
    QString why;
    std::unique_ptr<XServer> server = XServer::start(why);
    if (!server) {
        state.SkipWithError(("no X server: " + why).toStdString().c_str());
        return;
    }
    double program = 0, bare = 0;
    int runs = 0;
    for (auto _ : state) {
        double bareSeconds = secondsToWindow(*server, TOLVANE_BARE_WINDOW, "Bare");
        double programSeconds = secondsToWindow(*server, TOLVANE_EXECUTABLE, "Tolvane");
        if (bareSeconds < 0 || programSeconds < 0) {
            state.SkipWithError("a window did not appear");
            return;
        }
        state.SetIterationTime(programSeconds);
        program += programSeconds;
        bare += bareSeconds;
        ++runs;
    }
    state.counters["program_ms"] = 1000 * program / runs;
    state.counters["bare_ms"] = 1000 * bare / runs;
    state.counters["ratio"] = program / bare;
}
BENCHMARK(BM_StartupAgainstBareWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
