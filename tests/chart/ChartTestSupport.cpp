#include "ChartTestSupport.h"

#include "app/MenuBar1.h"
#include "media/SoundItems.h"

#include "framework/Application.h"
#include "framework/FolderItem.h"

#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace tolvane::testing {

namespace {

// The media that the build generated into its own bundle.
std::filesystem::path generatedResources()
{
    const char* bundle = std::getenv("TOLVANE_BUNDLE");
    if (!bundle)
        throw std::runtime_error("TOLVANE_BUNDLE is not set");
    const std::filesystem::path resources = std::filesystem::path(bundle) / "Contents" / "Resources";
    if (!std::filesystem::is_directory(resources))
        throw std::runtime_error("no generated media at " + resources.string());
    return resources;
}

std::vector<std::string>* s_reported = nullptr;

bool keepException(fw::Application*, fw::RuntimeException* exception)
{
    if (s_reported)
        s_reported->push_back(exception ? exception->classRecord().name.toStdString() : "nil");
    return true;
}

// An application class whose UnhandledException event keeps what it is
// given, registered the way a program registers its own.
fw::ClassRecord& reportingApplicationClass()
{
    static fw::ClassRecord* record = nullptr;
    if (record)
        return *record;
    fw::ClassRecord& base = fw::Application::__Lookup();
    record = &fw::RuntimeNewClass<fw::Application>(
        &base, base.methods.size(), 0, base.events.size(), 0, base.properties.size(), 0);
    record->name = "ChartTestApplication";
    record->vtable = base.vtable;
    record->vtableCount = base.vtableCount;
    fw::implementEvent(*record, fw::ApplicationEvent::UnhandledException, &keepException);
    return *record;
}

std::vector<std::string>& reported()
{
    static std::vector<std::string> names;
    return names;
}

} // namespace

ChartBundle::ChartBundle(std::vector<std::string> leftOut)
{
    if (!m_root.isValid())
        throw std::runtime_error("no temporary folder");
    std::filesystem::path contents = std::filesystem::path(m_root.path().toStdString()) / "Tolvane.app" / "Contents";
    std::filesystem::create_directories(contents / "MacOS");
    std::filesystem::create_directories(contents / "Resources");
    std::ofstream(contents / "MacOS" / "Tolvane").put('\0');
    for (const auto& entry : std::filesystem::directory_iterator(generatedResources())) {
        std::string name = entry.path().filename().string();
        if (std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end())
            std::filesystem::create_symlink(entry.path(), contents / "Resources" / name);
    }
    fw::RuntimeOverrideExecutablePath(executable().string());
}

ChartBundle::~ChartBundle()
{
    fw::RuntimeOverrideExecutablePath({});
}

std::filesystem::path ChartBundle::executable() const
{
    return std::filesystem::path(m_root.path().toStdString()) / "Tolvane.app" / "Contents" / "MacOS" / "Tolvane";
}

ReportedExceptions::ReportedExceptions()
    : m_application(fw::RuntimeNewObjectOf<fw::Application>(reportingApplicationClass()))
{
    reported().clear();
    s_reported = &reported();
    fw::_RuntimeRegisterAppObject(m_application.get());
}

ReportedExceptions::~ReportedExceptions()
{
    fw::_RuntimeRegisterAppObject(nullptr);
    s_reported = nullptr;
}

std::vector<std::string> ReportedExceptions::take()
{
    return std::exchange(reported(), {});
}

void ChartTest::TearDown()
{
    fw::RuntimeReleaseWindows();
    MenuBar1::_implicitInstance.__Exit();
    for (media::SoundItem* item : media::kSoundItems)
        item->permaSound.__Exit();
}

const chart::ControlLayout& layoutOf(std::string_view controlName)
{
    auto found = std::find_if(chart::kControls.begin(), chart::kControls.end(),
        [controlName](const chart::ControlLayout& control) { return control.name == controlName; });
    if (found == chart::kControls.end())
        throw std::invalid_argument("no control " + std::string(controlName));
    return *found;
}

QPoint centreOf(const chart::Rect& rect)
{
    return QPoint(rect.left + rect.width / 2, rect.top + rect.height / 2);
}

fw::Ref<Window1> openChart()
{
    fw::Ref<Window1> window = implicit::Window1();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    return window;
}

void clickAt(Window1* window, QPoint contentPoint)
{
    QWidget* top = window->widget();
    const QPoint inWindow = window->contentWidget()->mapTo(top, contentPoint);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

} // namespace tolvane::testing
