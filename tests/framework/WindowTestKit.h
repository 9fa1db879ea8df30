// What the window and control tests share: a window class registered the way
// a program registers its own, whose Layout and CreateControls events lay it
// out from property lists and create a keyboard-like image well with key
// labels over it, binding their events to stubs; the encoder of property
// lists; presses delivered through the window system.
#pragma once

#include "framework/Control.h"
#include "framework/Delegate.h"
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
#include <utility>
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
inline constexpr QRect kKeyboard{9, 722, 995, 191};
inline constexpr QRect kFirstKey{191, 829, 19, 68};
inline constexpr QRect kSecondKey{214, 829, 23, 68};
inline constexpr QRect kUnboundKey{183, 748, 9, 76};

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

// The stubs the controls' events call. A program's stubs go on through the
// delegate bound with them to a handler of the window; here the stubs
// themselves note what reached them.
inline bool keyMouseDown(fw::Label* label, std::int32_t x, std::int32_t y)
{
    observed().presses.push_back(Press{label->name().toStdString(), x, y});
    if (observed().raiseInHandler)
        fw::RaiseNilObjectException();
    return observed().handlerResult;
}

inline bool keyboardKeyDown(fw::ImageWell*, fw::String key)
{
    observed().keys.push_back(key.toStdString());
    return true;
}

// --- the test window's class ---

template<typename ControlClass>
fw::Ref<ControlClass> addControl(fw::Window* window, std::string_view name, QRect rect)
{
    fw::Ref<ControlClass> control = fw::RuntimeCheckCast<ControlClass>(
        fw::call(window, fw::WindowSlot::__New, &ControlClass::__Lookup()).get());
    fw::RectControl* constructed = control.get();
    fw::call(constructed, fw::RectControlSlot::Constructor);
    fw::call(window, fw::WindowSlot::_AddControl, fw::String(name), constructed);
    // The keys these tests rely on; the rest keep their defaults.
    const bool takesFocus = std::is_same_v<ControlClass, fw::ImageWell>;
    fw::_SetProperties(control.get(),
        fw::String(encodeList({{"Name", name}, {"Index", INT32_MIN}, {"Left", rect.left()}, {"Top", rect.top()},
            {"Width", rect.width()}, {"Height", rect.height()}, {"LockLeft", true}, {"LockTop", true},
            {"TabStop", takesFocus}})));
    return control;
}

inline void layout(fw::Window* window)
{
    ++observed().layoutRuns;
    observed().shownDuringConstruction |= window->widget()->isVisible();
    fw::Ref<fw::MenuBar> bar = fw::RuntimeNewObjectOf<fw::MenuBar>(fw::MenuBar::__Lookup());
    fw::MenuItem::Constructor(bar.get());
    fw::Ref<fw::MenuItem> file = fw::RuntimeNewObjectOf<fw::MenuItem>(fw::MenuItem::__Lookup());
    fw::MenuItem::ConstructorWithText(file.get(), "File", nullptr);
    fw::MenuItem::Append(bar.get(), file.get());
    fw::Window::MenuBar_Set(window, 0, bar.get());
    fw::_SetProperties(window, fw::String(encodeList({{"Width", kWidth}, {"Height", kHeight}, {"Resizeable", false},
                                   {"CloseButton", false}, {"MaximizeButton", false}, {"MinimizeButton", false}})));
}

inline void createControls(fw::Window* window)
{
    ++observed().createControlsRuns;
    fw::Ref<fw::ImageWell> keyboard = addControl<fw::ImageWell>(window, "Keyboard", kKeyboard);
    fw::ImageWell::Image_Set(keyboard.get(), 0, solidPicture(kKeyboard.size(), Qt::red).get());
    fw::RuntimeAddEventHandler(keyboard.get(), "KeyDown", &keyboardKeyDown, nullptr);
    for (auto [name, rect] : {std::pair{"FirstKey", kFirstKey}, std::pair{"SecondKey", kSecondKey}})
        fw::RuntimeAddEventHandler(addControl<fw::Label>(window, name, rect).get(), "MouseDown", &keyMouseDown, nullptr);
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
