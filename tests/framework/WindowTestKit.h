// What the window and control tests share: a window class registered the way
// a program registers its own, which lays itself out from a property list
// and creates a keyboard-like image well with labels over it, binding their
// events through delegates and stubs; the encoder of property lists; pictures
// written to a temporary folder; presses delivered through the window system.
#pragma once

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Introspection.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"
#include "framework/PropertyList.h"
#include "framework/Window.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace windowtest {

// --- property lists ---

class ListEncoder {
public:
    ListEncoder& add(std::string_view key, std::int32_t value)
    {
        begin(key);
        for (int shift = 24; shift >= 0; shift -= 8)
            m_bytes += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
        return *this;
    }
    ListEncoder& add(std::string_view key, bool value)
    {
        begin(key);
        m_bytes += static_cast<char>(value ? 1 : 0);
        return *this;
    }
    ListEncoder& add(std::string_view key, const char* value) { return add(key, std::string_view(value)); }
    ListEncoder& add(std::string_view key, std::string_view value)
    {
        add(key, static_cast<std::int32_t>(value.size()));
        m_bytes += value;
        return *this;
    }
    ListEncoder& add(std::string_view key, fw::Color value)
    {
        begin(key);
        m_bytes += static_cast<char>(value.red);
        m_bytes += static_cast<char>(value.green);
        m_bytes += static_cast<char>(value.blue);
        return *this;
    }
    // Bytes as they are, for lists that are malformed on purpose.
    ListEncoder& raw(std::string_view bytes)
    {
        m_bytes += bytes;
        return *this;
    }

    const std::string& bytes() const { return m_bytes; }
    fw::String list() const { return fw::String(m_bytes); }

private:
    void begin(std::string_view key)
    {
        m_bytes += key;
        m_bytes += ' ';
    }

    std::string m_bytes;
};

// --- the test window's layout ---

struct Rect {
    std::int32_t left, top, width, height;
};

inline constexpr Rect kKeyboard{9, 722, 995, 191};
inline constexpr Rect kFirstKey{191, 829, 19, 68};
inline constexpr Rect kSecondKey{214, 829, 23, 68};
inline constexpr Rect kUnboundKey{183, 748, 9, 76};
inline constexpr std::int32_t kWidth = 1013;
inline constexpr std::int32_t kHeight = 917;
inline constexpr const char* kClassName = "WindowTest.TestWindow";
inline constexpr const char* kTitle = "Window test";

inline fw::String windowList()
{
    return ListEncoder()
        .add("Placement", 0)
        .add("Width", kWidth)
        .add("Height", kHeight)
        .add("MinWidth", 64)
        .add("MinHeight", 64)
        .add("MaxWidth", 32000)
        .add("MaxHeight", 32000)
        .add("Frame", 0)
        .add("Composite", false)
        .add("HasBackColor", false)
        .add("BackColor", fw::Color{0xFF, 0xFF, 0xFF})
        .add("Title", kTitle)
        .add("Visible", true)
        .add("FullScreen", false)
        .add("MenuBarVisible", true)
        .add("CloseButton", false)
        .add("Resizeable", false)
        .add("LiveResize", false)
        .add("MaximizeButton", false)
        .add("MinimizeButton", false)
        .add("MacProcID", 0)
        .list();
}

inline ListEncoder rectEntries(std::string_view name, Rect rect)
{
    ListEncoder list;
    list.add("Name", name)
        .add("Index", std::int32_t(INT32_MIN))
        .add("Left", rect.left)
        .add("Top", rect.top)
        .add("Width", rect.width)
        .add("Height", rect.height)
        .add("LockLeft", true)
        .add("LockTop", true)
        .add("LockRight", false)
        .add("LockBottom", false)
        .add("TabPanelIndex", 0)
        .add("TabIndex", 0);
    return list;
}

inline fw::String wellList(std::string_view name, Rect rect)
{
    return rectEntries(name, rect)
        .add("TabStop", true)
        .add("InitialParent", "")
        .add("Visible", true)
        .add("HelpTag", "")
        .add("AutoDeactivate", true)
        .add("Enabled", true)
        .list();
}

inline ListEncoder labelEntries(std::string_view name, Rect rect, std::string_view initialParent = "Keyboard")
{
    return rectEntries(name, rect)
        .add("Text", "")
        .add("TextAlign", 0)
        .add("TextColor", fw::Color{})
        .add("Multiline", false)
        .add("Enabled", true)
        .add("Visible", true)
        .add("Selectable", false)
        .add("Transparent", false)
        .add("HelpTag", "")
        .add("AutoDeactivate", true)
        .add("TextFont", "System")
        .add("Bold", false)
        .add("Italic", false)
        .add("Underline", false)
        .add("DataSource", "")
        .add("DataField", "")
        .add("InitialParent", initialParent);
}

inline fw::String labelList(std::string_view name, Rect rect)
{
    return labelEntries(name, rect).list();
}

// --- properties through their records, as reflection reaches them ---

template<typename T>
T propertyValue(fw::Object* object, std::string_view name)
{
    const fw::PropertyRecord* property = object->classRecord().findProperty(name);
    if (!property)
        throw std::invalid_argument("no property " + std::string(name));
    return fw::unbox<T>(property->boxedGetter(object, *property).get());
}

template<typename T>
void setProperty(fw::Object* object, std::string_view name, T value)
{
    const fw::PropertyRecord* property = object->classRecord().findProperty(name);
    if (!property)
        throw std::invalid_argument("no property " + std::string(name));
    property->boxedSetter(object, *property, fw::box(value).get());
}

// --- what the test window saw ---

struct Press {
    std::string label;
    std::int32_t x, y;
};

struct Observed {
    int layoutRuns = 0;
    int createControlsRuns = 0;
    bool shownDuringConstruction = false;
    std::vector<Press> presses;
    std::vector<std::string> keys;
    bool raiseInHandler = false;
    bool handlerResult = false;
    fw::Ref<fw::Picture> keyboardPicture;
    fw::Ref<fw::MenuBar> menuBar;
};

inline Observed& observed()
{
    static Observed state;
    return state;
}

// --- the test window's class ---

class TestWindow final : public fw::Window {
public:
    using Window::Window;
    static fw::ClassRecord& __Lookup();

    static void Layout(fw::Window* window);
    static void CreateControls(fw::Window* window);
    static bool Label_MouseDown(fw::Window* window, fw::Label* label, std::int32_t x, std::int32_t y);
    static bool Keyboard_KeyDown(fw::Window* window, fw::ImageWell* well, fw::String key);
};

namespace TestWindowSlot {
inline constexpr fw::Slot<void(fw::Window*)> Layout{fw::WindowSlot::OperationCount};
inline constexpr fw::Slot<void(fw::Window*)> CreateControls{fw::WindowSlot::OperationCount + 1};
inline constexpr fw::Slot<bool(fw::Window*, fw::Label*, std::int32_t, std::int32_t)> Label_MouseDown{
    fw::WindowSlot::OperationCount + 2};
inline constexpr fw::Slot<bool(fw::Window*, fw::ImageWell*, fw::String)> Keyboard_KeyDown{
    fw::WindowSlot::OperationCount + 3};
inline constexpr std::size_t OwnCount = 4;
} // namespace TestWindowSlot

inline fw::ClassRecord& TestWindow::__Lookup()
{
    static fw::ClassRecord* record = nullptr;
    if (record)
        return *record;
    fw::ClassRecord& base = fw::Window::__Lookup();
    const std::size_t own = TestWindowSlot::OwnCount;
    record = &fw::RuntimeNewClass<TestWindow>(
        &base, base.methods.size() + own, 0, base.events.size(), 0, base.properties.size(), 1);
    record->name = kClassName;
    record->vtable = fw::RuntimeNewVtable(fw::WindowSlot::OperationCount + own);
    record->vtableCount = record->vtable.size();
    std::copy(base.vtable.begin(), base.vtable.end(), record->vtable.begin());
    fw::fill(record->vtable, TestWindowSlot::Layout, &Layout);
    fw::fill(record->vtable, TestWindowSlot::CreateControls, &CreateControls);
    fw::fill(record->vtable, TestWindowSlot::Label_MouseDown, &Label_MouseDown);
    fw::fill(record->vtable, TestWindowSlot::Keyboard_KeyDown, &Keyboard_KeyDown);
    const std::array<const char*, own> names{"Layout", "CreateControls", "Label_MouseDown", "Keyboard_KeyDown"};
    for (std::size_t i = 0; i < own; ++i) {
        fw::MethodRecord& method = record->methods[base.methods.size() + i];
        method.name = names[i];
        method.flags = 1;
        method.function = record->vtable[fw::WindowSlot::OperationCount + i];
        method.attributes = {fw::publicScope()};
    }
    fw::implementEvent(*record, fw::WindowEvent::Layout, &Layout);
    fw::implementEvent(*record, fw::WindowEvent::CreateControls, &CreateControls);
    record->classAttributes[0] = fw::publicScope();
    return *record;
}

// The program's side of event binding: the stub finds the delegate bound to
// the control, the invoker calls the handler on the delegate's target.
inline bool invokeLabelHandler(fw::Delegate* delegate, fw::Label* label, std::int32_t x, std::int32_t y)
{
    fw::Object* target = delegate->target();
    if (!target)
        fw::RaiseNilObjectException();
    fw::Ref<fw::Window> window = fw::RuntimeCheckCast<fw::Window>(target);
    return delegate->routineAs<bool(fw::Window*, fw::Label*, std::int32_t, std::int32_t)>()(window.get(), label, x, y);
}

inline bool labelStub(fw::Label* label, std::int32_t x, std::int32_t y)
{
    fw::Delegate* delegate = fw::RuntimeEventDelegate(label, "MouseDown");
    return delegate->invokerAs<bool(fw::Delegate*, fw::Label*, std::int32_t, std::int32_t)>()(delegate, label, x, y);
}

inline bool invokeWellHandler(fw::Delegate* delegate, fw::ImageWell* well, fw::String key)
{
    fw::Ref<fw::Window> window = fw::RuntimeCheckCast<fw::Window>(delegate->target());
    if (!window)
        fw::RaiseNilObjectException();
    return delegate->routineAs<bool(fw::Window*, fw::ImageWell*, fw::String)>()(window.get(), well, key);
}

inline bool wellStub(fw::ImageWell* well, fw::String key)
{
    fw::Delegate* delegate = fw::RuntimeEventDelegate(well, "KeyDown");
    return delegate->invokerAs<bool(fw::Delegate*, fw::ImageWell*, fw::String)>()(delegate, well, key);
}

inline void TestWindow::Layout(fw::Window* window)
{
    Observed& seen = observed();
    ++seen.layoutRuns;
    seen.shownDuringConstruction |= window->widget()->isVisible();
    fw::Window::MenuBar_Set(window, 0, seen.menuBar.get());
    fw::_SetProperties(window, windowList());
}

template<typename ControlClass>
fw::Ref<ControlClass> createControl(fw::Window* window, std::string_view name, const fw::String& list)
{
    {
        fw::Ref<fw::Control> made = fw::call(window, fw::WindowSlot::__New, &ControlClass::__Lookup());
        fw::Ref<ControlClass> control = fw::RuntimeCheckCast<ControlClass>(made.get());
        fw::RectControl* constructed = control.get();
        fw::call(constructed, fw::RectControlSlot::Constructor);
        fw::call(window, fw::WindowSlot::_AddControl, fw::String(name), control.get());
    }
    fw::Ref<ControlClass> control
        = fw::RuntimeCheckCast<ControlClass>(fw::call(window, fw::WindowSlot::_ControlByName, fw::String(name)).get());
    if constexpr (std::is_same_v<ControlClass, fw::ImageWell>)
        fw::ImageWell::Image_Set(control.get(), 0, observed().keyboardPicture.get());
    else
        fw::Label::TextUnit_Set(control.get(), 0, 0);
    fw::_SetProperties(control.get(), list);
    return control;
}

inline void bindLabel(fw::Window* window, fw::Label* label)
{
    auto handler = fw::operationAt(window->classRecord(), TestWindowSlot::Label_MouseDown);
    fw::Ref<fw::Delegate> delegate
        = fw::RuntimeCreateDelegate(&invokeLabelHandler, handler, window, "( Label, Int32, Int32 ) as Boolean", 1);
    fw::RuntimeAddEventHandler(label, "MouseDown", &labelStub, delegate.get());
}

inline void TestWindow::CreateControls(fw::Window* window)
{
    ++observed().createControlsRuns;
    fw::Ref<fw::ImageWell> keyboard = createControl<fw::ImageWell>(window, "Keyboard", wellList("Keyboard", kKeyboard));
    auto keyHandler = fw::operationAt(window->classRecord(), TestWindowSlot::Keyboard_KeyDown);
    fw::Ref<fw::Delegate> keyDelegate
        = fw::RuntimeCreateDelegate(&invokeWellHandler, keyHandler, window, "( ImageWell, String ) as Boolean", 1);
    fw::RuntimeAddEventHandler(keyboard.get(), "KeyDown", &wellStub, keyDelegate.get());

    bindLabel(window, createControl<fw::Label>(window, "FirstKey", labelList("FirstKey", kFirstKey)).get());
    bindLabel(window, createControl<fw::Label>(window, "SecondKey", labelList("SecondKey", kSecondKey)).get());
    createControl<fw::Label>(window, "UnboundKey", labelList("UnboundKey", kUnboundKey));
}

inline bool TestWindow::Label_MouseDown(fw::Window*, fw::Label* label, std::int32_t x, std::int32_t y)
{
    Observed& seen = observed();
    seen.presses.push_back(Press{label->name().toStdString(), x, y});
    if (seen.raiseInHandler)
        fw::RaiseNilObjectException();
    return seen.handlerResult;
}

inline bool TestWindow::Keyboard_KeyDown(fw::Window*, fw::ImageWell*, fw::String key)
{
    observed().keys.push_back(key.toStdString());
    return true;
}

// --- pictures, menus, exceptions ---

// A picture of one colour, written as a file and read back by the framework.
inline fw::Ref<fw::Picture> solidPicture(const QTemporaryDir& folder, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder.filePath(QString("solid-%1-%2.jpg").arg(size.width()).arg(colour.name().mid(1)));
    EXPECT_TRUE(image.save(path, "JPEG", 100));
    return fw::Picture::fromFile(path.toStdString());
}

inline fw::Ref<fw::MenuBar> menuBarWithFileMenu()
{
    fw::Ref<fw::MenuBar> bar = fw::RuntimeNewObjectOf<fw::MenuBar>(fw::MenuBar::__Lookup());
    fw::MenuItem::Constructor(bar.get());
    fw::Ref<fw::MenuItem> menu = fw::RuntimeNewObjectOf<fw::MenuItem>(fw::MenuItem::__Lookup());
    fw::MenuItem::Constructor(menu.get());
    fw::MenuItem::Text_Set(menu.get(), 0, "&File");
    fw::Ref<fw::MenuItem> item = fw::RuntimeNewObjectOf<fw::MenuItem>(fw::MenuItem::__Lookup());
    fw::MenuItem::Constructor(item.get());
    fw::MenuItem::Text_Set(item.get(), 0, "Quit");
    fw::MenuItem::Append(menu.get(), item.get());
    fw::MenuItem::Append(bar.get(), menu.get());
    return bar;
}

inline std::vector<std::string>& reportedExceptions()
{
    static std::vector<std::string> names;
    return names;
}

// An application object whose UnhandledException event keeps the class
// name of each exception that event delivery reports.
inline fw::ClassRecord& reportingApplicationClass()
{
    static fw::ClassRecord* record = nullptr;
    if (record)
        return *record;
    fw::ClassRecord& base = fw::Application::__Lookup();
    record = &fw::RuntimeNewClass<fw::Application>(
        &base, base.methods.size(), 0, base.events.size(), 0, base.properties.size(), 0);
    record->name = "WindowTestApplication";
    record->vtable = base.vtable;
    record->vtableCount = base.vtableCount;
    fw::implementEvent(*record, fw::ApplicationEvent::UnhandledException,
        +[](fw::Application*, fw::RuntimeException* exception) {
            reportedExceptions().push_back(exception->classRecord().name.toStdString());
            return true;
        });
    return *record;
}

// The test window, constructed through its class table as a program's
// implicit-instance accessor constructs it, shown and exposed.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        observed() = Observed{};
        observed().keyboardPicture = solidPicture(m_folder, QSize(kKeyboard.width, kKeyboard.height), Qt::red);
        observed().menuBar = menuBarWithFileMenu();
        reportedExceptions().clear();
        m_application = fw::RuntimeNewObjectOf<fw::Application>(reportingApplicationClass());
        fw::_RuntimeRegisterAppObject(m_application.get());
    }

    void TearDown() override
    {
        fw::RuntimeReleaseWindows();
        fw::_RuntimeRegisterAppObject(nullptr);
        observed() = Observed{};
    }

    fw::Ref<fw::Window> openWindow()
    {
        fw::Ref<fw::Object> made = fw::RuntimeNewObject(TestWindow::__Lookup());
        fw::Ref<fw::Window> window = fw::RuntimeCheckCast<fw::Window>(made.get());
        fw::call(window.get(), fw::WindowSlot::Constructor);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
        return window;
    }

    template<typename ControlClass>
    static fw::Ref<ControlClass> control(fw::Window* window, std::string_view name)
    {
        fw::Ref<fw::Control> found = fw::call(window, fw::WindowSlot::_ControlByName, fw::String(name));
        return fw::RuntimeCheckCast<ControlClass>(found.get());
    }

    // A left-button click at a point of the content, routed by the window
    // system to whatever widget lies there.
    static void clickAt(fw::Window* window, QPoint contentPoint)
    {
        QWidget* frame = window->widget();
        QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, Qt::NoModifier,
            window->contentWidget()->mapTo(frame, contentPoint));
    }

    QTemporaryDir m_folder;
    fw::Ref<fw::Application> m_application;
};

} // namespace windowtest
