// What the chart's tests share: a bundle holding the media generated for the
// build (less the files a test leaves out), the chart window opened as
// start-up opens it, presses delivered through the window system as a
// user's are, and a record of the exceptions that event delivery reports.
#pragma once

#include "chart/LayoutTable.h"
#include "chart/Window1.h"

#include "framework/Application.h"

#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::testing {

// A bundle in a temporary folder whose Resources link to the generated media
// files. While it lives the framework takes its executable for the running
// one, so the media accessors read from it.
class ChartBundle {
public:
    explicit ChartBundle(std::vector<std::string> leftOut = {});
    ~ChartBundle();
    ChartBundle(const ChartBundle&) = delete;
    ChartBundle& operator=(const ChartBundle&) = delete;

    std::filesystem::path executable() const;

private:
    QTemporaryDir m_root;
};

// The exceptions that reach the framework's unhandled-exception routine
// while it lives, by class name: an application object whose
// UnhandledException event keeps them.
class ReportedExceptions {
public:
    ReportedExceptions();
    ~ReportedExceptions();
    ReportedExceptions(const ReportedExceptions&) = delete;
    ReportedExceptions& operator=(const ReportedExceptions&) = delete;

    std::vector<std::string> take();

private:
    fw::Ref<fw::Application> m_application;
};

// Releases at the end of each test what start-up's counterpart would: the
// windows, the menu bar and the cached recordings.
class ChartTest : public ::testing::Test {
protected:
    void TearDown() override;
};

const chart::ControlLayout& layoutOf(std::string_view controlName);
QPoint centreOf(const chart::Rect& rect);

// The chart window, shown and exposed.
fw::Ref<Window1> openChart();

// A press and release of the left button at a point of the window's
// content, routed to whatever widget lies there.
void clickAt(Window1* window, QPoint contentPoint);

// The class name of the exception that the routine raises, or "" for none.
template<typename Routine>
std::string raisedBy(Routine&& routine)
{
    try {
        routine();
    } catch (const fw::RaisedException& raised) {
        return raised.exception() ? raised.exception()->classRecord().name.toStdString() : "nil";
    }
    return "";
}

} // namespace tolvane::testing
