// What the window and control tests share: a window class registered the way
// a program registers its own, whose Layout and CreateControls events lay it
// out from property lists and create a keyboard-like image well with key
// labels over it, binding their events through delegates and stubs; the
// encoder of property lists; presses delivered through the window system.
#pragma once

#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/Picture.h"
#include "framework/PropertyList.h"
#include "framework/Window.h"

#include "RaisedBy.h"

#include <QImage>
#include <QRect>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace windowtest {

// --- property lists ---

using ListValue = std::variant<std::int32_t, bool, fw::Color, std::string_view>;
using ListEntry = std::pair<std::string_view, ListValue>;

inline std::string encodeList(std::initializer_list<ListEntry> entries)
{
    std::string bytes;
    auto appendBigEndian = [&bytes](std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>((value >> shift) & 0xFF);
    };
    for (const auto& [key, value] : entries) {
        bytes.append(key) += ' ';
        std::visit([&](const auto& typed) {
            using T = std::decay_t<decltype(typed)>;
            if constexpr (std::is_same_v<T, std::int32_t>)
                appendBigEndian(static_cast<std::uint32_t>(typed));
            else if constexpr (std::is_same_v<T, bool>)
                bytes += static_cast<char>(typed);
            else if constexpr (std::is_same_v<T, fw::Color>)
                bytes += {static_cast<char>(typed.red), static_cast<char>(typed.green), static_cast<char>(typed.blue)};
            else {
                appendBigEndian(static_cast<std::uint32_t>(typed.size()));
                bytes += typed;
            }
        }, value);
    }
    return bytes;
}

inline constexpr std::int32_t kWidth = 1013;
inline constexpr std::int32_t kHeight = 917;
inline constexpr const char* kClassName = "WindowTest.TestWindow";
inline constexpr const char* kTitle = "Window test";
inline constexpr QRect kKeyboard{9, 722, 995, 191};
inline constexpr QRect kFirstKey{191, 829, 19, 68};
inline constexpr QRect kSecondKey{214, 829, 23, 68};
inline constexpr QRect kUnboundKey{183, 748, 9, 76};

// The lists as a program writes them: every key of the kind, in its order.
inline std::string windowList()
{
    return encodeList({{"Placement", 0}, {"Width", kWidth}, {"Height", kHeight}, {"MinWidth", 64},
        {"MinHeight", 64}, {"MaxWidth", 32000}, {"MaxHeight", 32000}, {"Frame", 0}, {"Composite", false},
        {"HasBackColor", false}, {"BackColor", fw::Color{0xFF, 0xFF, 0xFF}}, {"Title", kTitle}, {"Visible", true},
        {"FullScreen", false}, {"MenuBarVisible", true}, {"CloseButton", false}, {"Resizeable", false},
        {"LiveResize", false}, {"MaximizeButton", false}, {"MinimizeButton", false}, {"MacProcID", 0}});
}

inline std::string controlList(std::string_view name, QRect rect, std::initializer_list<ListEntry> kindEntries)
{
    return encodeList({{"Name", name}, {"Index", INT32_MIN}, {"Left", rect.left()}, {"Top", rect.top()},
               {"Width", rect.width()}, {"Height", rect.height()}, {"LockLeft", true}, {"LockTop", true},
               {"LockRight", false}, {"LockBottom", false}, {"TabPanelIndex", 0}, {"TabIndex", 0}})
        + encodeList(kindEntries);
}

inline std::string wellList(std::string_view name, QRect rect)
{
    return controlList(name, rect, {{"TabStop", true}, {"InitialParent", ""}, {"Visible", true}, {"HelpTag", ""},
        {"AutoDeactivate", true}, {"Enabled", true}});
}

inline std::string labelList(std::string_view name, QRect rect, std::string_view initialParent = "Keyboard")
{
    return controlList(name, rect, {{"Text", ""}, {"TextAlign", 0}, {"TextColor", fw::Color{}},
        {"Multiline", false}, {"Enabled", true}, {"Visible", true}, {"Selectable", false}, {"Transparent", false},
        {"HelpTag", ""}, {"AutoDeactivate", true}, {"TextFont", "System"}, {"Bold", false}, {"Italic", false},
        {"Underline", false}, {"DataSource", ""}, {"DataField", ""}, {"InitialParent", initialParent}});
}

// --- properties through their records, as reflection reaches them ---

inline const fw::PropertyRecord& propertyRecord(fw::Object* object, std::string_view name)
{
    const fw::PropertyRecord* property = object->classRecord().findProperty(name);
    if (!property)
        throw std::invalid_argument("no property " + std::string(name));
    return *property;
}

template<typename T>
T propertyValue(fw::Object* object, std::string_view name)
{
    const fw::PropertyRecord& property = propertyRecord(object, name);
    return fw::unbox<T>(property.boxedGetter(object, property).get());
}

template<typename T>
void setProperty(fw::Object* object, std::string_view name, T value)
{
    const fw::PropertyRecord& property = propertyRecord(object, name);
    property.boxedSetter(object, property, fw::box(std::move(value)).get());
}

using tolvane::testing::raisedBy;

inline fw::Ref<fw::Picture> solidPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return fw::Picture::fromImage(std::move(image));
}

// --- what the test window's handlers saw ---

struct Press {
    std::string label;
    std::int32_t x, y;
    friend bool operator==(const Press&, const Press&) = default;
};

struct Observed {
    int layoutRuns = 0;
    int createControlsRuns = 0;
    bool shownDuringConstruction = false;
    std::vector<Press> presses;
    std::vector<std::string> keys;
    bool raiseInHandler = false;
    bool handlerResult = false;
};

inline Observed& observed()
{
    static Observed state;
    return state;
}

inline bool keyMouseDown(fw::Window*, fw::Label* label, std::int32_t x, std::int32_t y)
{
    observed().presses.push_back(Press{label->name().toStdString(), x, y});
    if (observed().raiseInHandler)
        fw::RaiseNilObjectException();
    return observed().handlerResult;
}

inline bool keyboardKeyDown(fw::Window*, fw::ImageWell*, fw::String key)
{
    observed().keys.push_back(key.toStdString());
    return true;
}

// The program's side of event binding: the stub that the control's event
// calls finds the delegate bound to the control, and the delegate's invoker
// calls the handler on the window the delegate still reaches.
template<const char* Event, typename Control, typename... Args>
struct EventGlue {
    using Handler = bool(fw::Window*, Control*, Args...);

    static bool invoke(fw::Delegate* delegate, Control* control, Args... args)
    {
        if (!delegate->target())
            fw::RaiseNilObjectException();
        fw::Ref<fw::Window> window = fw::RuntimeCheckCast<fw::Window>(delegate->target());
        return delegate->routineAs<Handler>()(window.get(), control, args...);
    }

    static bool stub(Control* control, Args... args)
    {
        fw::Delegate* delegate = fw::RuntimeEventDelegate(control, Event);
        return delegate->invokerAs<bool(fw::Delegate*, Control*, Args...)>()(delegate, control, args...);
    }

    static void bind(fw::Window* window, Control* control, Handler* handler)
    {
        fw::Ref<fw::Delegate> delegate = fw::RuntimeCreateDelegate(&invoke, handler, window, "", 1);
        fw::RuntimeAddEventHandler(control, Event, &stub, delegate.get());
    }
};

inline constexpr char kMouseDown[] = "MouseDown";
inline constexpr char kKeyDown[] = "KeyDown";
using LabelGlue = EventGlue<kMouseDown, fw::Label, std::int32_t, std::int32_t>;
using WellGlue = EventGlue<kKeyDown, fw::ImageWell, fw::String>;

// --- the test window's class ---

template<typename ControlClass>
fw::Ref<ControlClass> addControl(fw::Window* window, std::string_view name, QRect rect)
{
    fw::Ref<ControlClass> control = fw::RuntimeCheckCast<ControlClass>(
        fw::call(window, fw::WindowSlot::__New, &ControlClass::__Lookup()).get());
    fw::RectControl* constructed = control.get();
    fw::call(constructed, fw::RectControlSlot::Constructor);
    fw::call(window, fw::WindowSlot::_AddControl, fw::String(name), constructed);
    const bool isLabel = std::is_same_v<ControlClass, fw::Label>;
    fw::_SetProperties(control.get(), fw::String(isLabel ? labelList(name, rect) : wellList(name, rect)));
    return control;
}

inline fw::Ref<fw::MenuBar> menuBarWithFileMenu()
{
    fw::Ref<fw::MenuBar> bar = fw::RuntimeNewObjectOf<fw::MenuBar>(fw::MenuBar::__Lookup());
    fw::MenuItem::Constructor(bar.get());
    fw::Ref<fw::MenuItem> menu = fw::RuntimeNewObjectOf<fw::MenuItem>(fw::MenuItem::__Lookup());
    fw::MenuItem::ConstructorWithText(menu.get(), "File", nullptr);
    fw::Ref<fw::MenuItem> quit = fw::RuntimeNewObjectOf<fw::MenuItem>(fw::MenuItem::__Lookup());
    fw::MenuItem::ConstructorWithText(quit.get(), "Quit", nullptr);
    fw::MenuItem::Append(menu.get(), quit.get());
    fw::MenuItem::Append(bar.get(), menu.get());
    return bar;
}

inline void layout(fw::Window* window)
{
    ++observed().layoutRuns;
    observed().shownDuringConstruction |= window->widget()->isVisible();
    fw::Window::MenuBar_Set(window, 0, menuBarWithFileMenu().get());
    fw::_SetProperties(window, fw::String(windowList()));
}

inline void createControls(fw::Window* window)
{
    ++observed().createControlsRuns;
    fw::Ref<fw::ImageWell> keyboard = addControl<fw::ImageWell>(window, "Keyboard", kKeyboard);
    fw::ImageWell::Image_Set(keyboard.get(), 0, solidPicture(kKeyboard.size(), Qt::red).get());
    WellGlue::bind(window, keyboard.get(), &keyboardKeyDown);
    LabelGlue::bind(window, addControl<fw::Label>(window, "FirstKey", kFirstKey).get(), &keyMouseDown);
    LabelGlue::bind(window, addControl<fw::Label>(window, "SecondKey", kSecondKey).get(), &keyMouseDown);
    addControl<fw::Label>(window, "UnboundKey", kUnboundKey);
}

inline fw::ClassRecord& testWindowClass()
{
    static fw::ClassRecord& record = []() -> fw::ClassRecord& {
        fw::ClassRecord& base = fw::Window::__Lookup();
        fw::ClassRecord& made = fw::RuntimeNewClass<fw::Window>(
            &base, base.methods.size(), 0, base.events.size(), 0, base.properties.size(), 0);
        made.name = kClassName;
        made.vtable = base.vtable;
        made.vtableCount = base.vtableCount;
        fw::implementEvent(made, fw::WindowEvent::Layout, &layout);
        fw::implementEvent(made, fw::WindowEvent::CreateControls, &createControls);
        return made;
    }();
    return record;
}

// The test window, constructed through its class table as a program's
// implicit-instance accessor constructs it, shown and exposed.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { observed() = Observed{}; }
    void TearDown() override { fw::RuntimeReleaseWindows(); }

    static fw::Ref<fw::Window> openWindow()
    {
        fw::Ref<fw::Window> window = fw::RuntimeNewObjectOf<fw::Window>(testWindowClass());
        fw::call(window.get(), fw::WindowSlot::Constructor);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
        return window;
    }

    template<typename ControlClass>
    static fw::Ref<ControlClass> control(fw::Window* window, std::string_view name)
    {
        return fw::RuntimeCheckCast<ControlClass>(
            fw::call(window, fw::WindowSlot::_ControlByName, fw::String(name)).get());
    }

    // A left-button click at a point of the content, routed by the window
    // system to whatever widget lies there.
    static void clickAt(fw::Window* window, QPoint contentPoint)
    {
        QWidget* frame = window->widget();
        QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, Qt::NoModifier,
            window->contentWidget()->mapTo(frame, contentPoint));
    }
};

} // namespace windowtest
