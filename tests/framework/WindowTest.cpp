// Windows: Window's class record and reflection, the construction of a window
// class's instance with its two layout events, the implicit instance, the
// native window that the window's property list asks for, and its controls.
#include "WindowTestKit.h"

#include <QMainWindow>

using namespace fw;
using namespace windowtest;

namespace {

QMainWindow* frameOf(Window* window)
{
    return static_cast<QMainWindow*>(window->widget());
}

Ref<Object> invokeMethod(std::string_view name, Object* target, const ArgumentList* arguments = nullptr)
{
    const MethodRecord* method = Window::__Lookup().findMethod(name);
    if (!method || !method->invoker)
        throw std::invalid_argument("no reflected method " + std::string(name));
    return method->invoker(method->function, target, arguments);
}

} // namespace

TEST(WindowClass, ReflectionUnboxesArgumentsAndBoxesEveryKindOfResult)
{
    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    _SetProperties(window.get(), String(encodeList({{"Title", "Reflected"}, {"BackColor", Color{1, 2, 3}}})));
    EXPECT_EQ(unbox<String>(invokeMethod("Operator_Convert", window.get()).get()), "Reflected");
    EXPECT_EQ(unbox<Color>(invokeMethod("BackColor.Get", window.get()).get()), (Color{1, 2, 3}));
    EXPECT_EQ(unbox<Window*>(invokeMethod("TrueWindow", window.get()).get()), window.get());
    EXPECT_EQ(unbox<std::int32_t>(invokeMethod("WindowCount", nullptr).get()), 0) << "shared, and nothing is open";

    invokeMethod("BackColor.Set", window.get(), arguments({box(Color{4, 5, 6})}).get());
    EXPECT_EQ(propertyValue<Color>(window.get(), "BackColor"), (Color{4, 5, 6}));
    EXPECT_EQ(raisedBy([&] { invokeMethod("BackColor.Set", window.get(), arguments({}).get()); }),
        "IllegalCastException");
}

using WindowConstruction = WindowFixture;

TEST_F(WindowConstruction, RunsBothLayoutEventsOnceBeforeShowingThenDrawsTheControls)
{
    Ref<Window> window = openWindow();
    EXPECT_EQ(observed().layoutRuns, 1);
    EXPECT_EQ(observed().createControlsRuns, 1);
    EXPECT_FALSE(observed().shownDuringConstruction) << "the window could take input before its layout was done";
    EXPECT_TRUE(window->widget()->isVisible());

    call(window.get(), WindowSlot::Constructor);
    EXPECT_EQ(observed().layoutRuns, 1) << "a second construction ran the layout again";
    EXPECT_EQ(observed().createControlsRuns, 1);
    EXPECT_EQ(window->controls().size(), 4u);

    Ref<Picture> drawn = call(window.get(), WindowSlot::DrawInto);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->image().size(), QSize(kWidth, kHeight));
    EXPECT_EQ(drawn->image().pixelColor(kKeyboard.topLeft()), QColor(Qt::red));
}

TEST_F(WindowConstruction, HoldsTheWindowAsItsClassImplicitInstanceByFullNameUntilReleasedOrClosed)
{
    Ref<WeakReference> held;
    {
        Ref<Window> window = openWindow();
        EXPECT_EQ(_GetImplicitWindow(kClassName).get(), window.get());
        EXPECT_TRUE(propertyValue<bool>(window.get(), "ImplicitInstance"));
    }
    EXPECT_EQ(_GetImplicitWindow("TestWindow"), nullptr) << "found by its short name";
    EXPECT_EQ(_GetImplicitWindow("Window"), nullptr);
    RuntimeReleaseWindows();

    // Closing asks CancelClose, then lets the window go.
    ClassRecord& record = testWindowClass();
    {
        Ref<Window> window = openWindow();
        held = window->weakReference();
        QWidget* frame = window->widget();
        implementEvent(record, WindowEvent::CancelClose, +[](Window*, bool) { return true; });
        EXPECT_FALSE(frame->close()) << "CancelClose was not asked";
        EXPECT_TRUE(frame->isVisible());

        record.events[WindowEvent::CancelClose.index].implementation = nullptr;
        call(window.get(), WindowSlot::Close);
        EXPECT_FALSE(frame->isVisible());
        EXPECT_TRUE(propertyValue<bool>(window.get(), "Closed"));
        EXPECT_EQ(_GetImplicitWindow(kClassName), nullptr);
        EXPECT_EQ(Window::WindowCount(), 0);
    }
    EXPECT_EQ(held->target(), nullptr) << "a closed window stayed alive";
}

TEST_F(WindowConstruction, FramesTheContentBelowItsMenuBarAndFollowsTheFramingProperties)
{
    Ref<Window> window = openWindow();
    QMainWindow* frame = frameOf(window.get());
    QWidget* content = window->contentWidget();
    QWidget* bar = frame->menuWidget();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(content->mapTo(frame, QPoint(0, 0)), QPoint(0, bar->height()));
    // Not resizeable: the frame is fixed at the content plus the menu bar.
    EXPECT_EQ(frame->minimumSize(), QSize(kWidth, kHeight + bar->height()));
    EXPECT_EQ(frame->maximumSize(), frame->minimumSize());
    EXPECT_TRUE(frame->windowFlags() & Qt::CustomizeWindowHint) << "without it the platform adds its own buttons";

    setProperty(window.get(), "CloseButton", true);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(frame->isVisible()) << "new flags left the window hidden";
    // Hiding the bar gives its room back without moving the content.
    setProperty(window.get(), "MenuBarVisible", false);
    EXPECT_EQ(frame->size(), QSize(kWidth, kHeight));
    EXPECT_EQ(content->size(), QSize(kWidth, kHeight));
    setProperty(window.get(), "Visible", false);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(WindowConstruction, ResizeableWindowKeepsWithinItsLimitsAndMovesLockedControls)
{
    Ref<Window> window = openWindow();
    QMainWindow* frame = frameOf(window.get());
    setProperty(window.get(), "Resizeable", true);
    setProperty(window.get(), "MaxWidth", std::int32_t(1100));
    setProperty(window.get(), "Width", std::int32_t(5000));
    EXPECT_EQ(window->contentWidget()->width(), 1100) << "the width went past MaxWidth";
    setProperty(window.get(), "MinHeight", std::int32_t(950));
    EXPECT_EQ(window->contentWidget()->height(), 950) << "the height stayed below MinHeight";

    Ref<Label> key = control<Label>(window.get(), "FirstKey");
    setProperty(key.get(), "LockRight", true);
    setProperty(key.get(), "LockLeft", false);
    frame->resize(frame->width() - 100, frame->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "Width"), 1000);
    EXPECT_EQ(key->widget()->x(), kFirstKey.left() - 100) << "a control locked to the right edge stayed put";
}

TEST_F(WindowConstruction, FindsControlsByNameAndIndexUntilTheyAreRemoved)
{
    Ref<Window> window = openWindow();
    Ref<Control> first = call(window.get(), WindowSlot::_ControlByName, String("FirstKey"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByName, String("firstkey")), first);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByNameIndex, String("FirstKey"), INT32_MIN), first);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByNameIndex, String("FirstKey"), 0), nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::ControlAt, 1), first);
    EXPECT_EQ(call(window.get(), WindowSlot::ControlAt, 4), nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::ControlAt, -1), nullptr);

    call(window.get(), WindowSlot::_RemoveControl, first.get());
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByName, String("FirstKey")), nullptr);
    EXPECT_EQ(first->window(), nullptr);
    EXPECT_EQ(control<RectControl>(window.get(), "SecondKey")->window(), window.get());

    EXPECT_EQ(raisedBy([&] { call(window.get(), WindowSlot::__New, static_cast<ClassRecord*>(nullptr)); }),
        "NilObjectException");
    EXPECT_EQ(raisedBy([&] { call(window.get(), WindowSlot::__New, &Window::__Lookup()); }),
        "IllegalCastException");
}

TEST_F(WindowConstruction, LayoutFailurePropagatesAndLeavesNoImplicitWindow)
{
    ClassRecord& record = testWindowClass();
    implementEvent(record, WindowEvent::Layout, +[](Window* window) { _SetProperties(window, String("Width \x01")); });
    Ref<Window> window = RuntimeNewObjectOf<Window>(record);
    EXPECT_EQ(raisedBy([&] { call(window.get(), WindowSlot::Constructor); }), "PropertyListException");
    implementEvent(record, WindowEvent::Layout, &layout);
    EXPECT_EQ(_GetImplicitWindow(kClassName), nullptr);
    EXPECT_FALSE(window->widget()->isVisible());
}
