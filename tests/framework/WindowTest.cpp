// Windows: Window's class record, the construction of a window class's
// instance with its two layout events, the implicit instance, the native
// window that the window's property list asks for, and its controls.
#include "WindowTestKit.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include <set>

using namespace fw;
using namespace windowtest;

namespace {

const std::vector<std::string> kWindowListKeys{"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth",
    "MaxHeight", "Frame", "Composite", "HasBackColor", "BackColor", "Title", "Visible", "FullScreen",
    "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton", "MacProcID"};

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

QMainWindow* frameOf(Window* window)
{
    return static_cast<QMainWindow*>(window->widget());
}

} // namespace

TEST(WindowClass, RecordsFollowTheTableAndCountsAsGiven)
{
    const ClassRecord& record = Window::__Lookup();
    EXPECT_EQ(record.name, "Window");
    ASSERT_EQ(record.methods.size(), WindowSlot::MethodRecordCount);
    ASSERT_EQ(record.events.size(), WindowSlot::EventRecordCount);
    ASSERT_EQ(record.properties.size(), WindowSlot::PropertyRecordCount);
    ASSERT_EQ(record.vtable.size(), WindowSlot::OperationCount);
    EXPECT_EQ(record.vtableCount, WindowSlot::OperationCount);
    EXPECT_EQ(record.initializer, &Window::__Init);
    EXPECT_EQ(record.finalizer, &Window::__Exit);

    const std::vector<std::string> operations{"Show", "ShowWithin", "ShowModalWithin", "Hide", "Close", "Refresh",
        "RefreshRect", "ShowModal", "AcceptTextDrop", "AcceptPictureDrop", "AcceptFileDrop", "AcceptMacDataDrop",
        "AcceptRawDataDrop", "Control", "SetFocus", "DrawInto", "UpdateNow", "_AddControl", "_AddMenuHandler",
        "Window", "Operator_Convert", "__New", "_Move", "Maximize", "Minimize", "Restore", "_Update", "_CallMoved",
        "_EnableMenuItems", "_CallActivated", "_CallDeactivated", "_HandleMenuCommand", "_UnifiedClose",
        "_CallMouseDown", "_CallResized", "_CallResizing", "_RemoveControl", "_MouseEnter", "_MouseExit",
        "_MouseMove", "_Paint", "_MouseWheel", "_KeyDown", "__DependencyList", "Constructor", "TrueWindow",
        "FocusNext", "FocusPrevious", "_ControlByName", "_ControlByNameIndex", "_DrawBackground"};
    ASSERT_EQ(operations.size(), WindowSlot::OperationCount);
    for (std::size_t slot = 0; slot < operations.size(); ++slot) {
        EXPECT_EQ(record.methods[slot].name, operations[slot]) << "slot " << slot;
        ASSERT_NE(record.vtable[slot], nullptr) << operations[slot];
        EXPECT_EQ(record.methods[slot].function, record.vtable[slot]) << operations[slot];
    }
    EXPECT_EQ(record.vtable[WindowSlot::Constructor.index], eraseOperation(&Window::Constructor));
    EXPECT_EQ(record.vtable[WindowSlot::__New.index], eraseOperation(&Window::__New));

    const std::vector<std::string> events{"Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open",
        "Close", "CancelClose", "KeyDown", "KeyUp", "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown",
        "MouseDrag", "MouseUp", "EnableMenuItems", "Resized", "Resizing", "Moved", "DropObject", "Activate",
        "Deactivate", "Minimize", "Maximize", "Restore", "MouseWheel", "ConstructContextualMenu",
        "ContextualMenuAction", "DragEnter", "DragExit", "DragOver", "ContentsChanged"};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(record.events[i].name, events[i]);
        EXPECT_EQ(record.events[i].implementation, nullptr) << "Window handles no event of its own";
    }
    EXPECT_EQ(record.events[WindowEvent::CreateControls.index].name, "CreateControls");
    EXPECT_EQ(record.events[WindowEvent::ContentsChanged.index].name, "ContentsChanged");
}

TEST(WindowClass, EveryMemberIsNamedOnceWithItsFlags)
{
    const ClassRecord& record = Window::__Lookup();
    std::set<std::string> methodNames;
    int shared = 0;
    for (const MethodRecord& method : record.methods) {
        EXPECT_TRUE(methodNames.insert(lowerCase(method.name.toStdString())).second) << method.name.toStdString();
        EXPECT_NE(method.function, nullptr) << method.name.toStdString();
        const bool isShared = std::any_of(method.attributes.begin(), method.attributes.end(),
            [](const Attribute& attribute) { return attribute.name == "__Shared"; });
        EXPECT_EQ(method.flags, isShared ? 3u : 1u) << method.name.toStdString();
        shared += isShared;
    }
    EXPECT_GT(shared, 0);

    std::set<std::string> propertyNames;
    for (const PropertyRecord& property : record.properties) {
        EXPECT_TRUE(propertyNames.insert(lowerCase(property.name.toStdString())).second)
            << property.name.toStdString();
        ASSERT_NE(property.boxedGetter, nullptr) << property.name.toStdString();
        EXPECT_EQ(property.flags, property.setter ? 5u : 1u) << property.name.toStdString();
    }
    for (const std::string& key : kWindowListKeys) {
        const PropertyRecord* property = record.findProperty(key);
        ASSERT_NE(property, nullptr) << key;
        EXPECT_EQ(property->flags, 5u) << key;
    }
    EXPECT_EQ(record.findProperty("MacProcID")->name, "MacProcId");
    EXPECT_EQ(record.findProperty("ControlCount")->flags, 1u);
}

TEST(WindowClass, ReflectionCallsOperationsAndAccessors)
{
    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    const ClassRecord& record = window->classRecord();
    setProperty(window.get(), "Title", String("Reflected"));
    const MethodRecord* convert = record.findMethod("Operator_Convert");
    ASSERT_NE(convert, nullptr);
    EXPECT_EQ(unbox<String>(convert->invoker(convert->function, window.get(), nullptr).get()), "Reflected");

    const MethodRecord* getTitle = record.findMethod("Title.Get");
    ASSERT_NE(getTitle, nullptr);
    EXPECT_EQ(unbox<String>(getTitle->invoker(getTitle->function, window.get(), nullptr).get()), "Reflected");

    const MethodRecord* windowCount = record.findMethod("WindowCount");
    ASSERT_NE(windowCount, nullptr);
    EXPECT_EQ(unbox<std::int32_t>(windowCount->invoker(windowCount->function, nullptr, nullptr).get()), 0)
        << "a window that was never constructed is not open";
    EXPECT_THROW(convert->invoker(convert->function, nullptr, nullptr), RaisedException);
}

TEST(WindowClass, NewWindowsHaveUsableDefaults)
{
    Ref<Window> window = RuntimeNewObjectOf<Window>(Window::__Lookup());
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "Width"), 300);
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "MinWidth"), 64);
    EXPECT_EQ(propertyValue<String>(window.get(), "Title"), "Untitled");
    EXPECT_TRUE(propertyValue<bool>(window.get(), "CloseButton"));
    EXPECT_TRUE(propertyValue<bool>(window.get(), "Resizeable"));
    EXPECT_FALSE(window->isConstructed());
    EXPECT_EQ(window->widget(), nullptr);
}

using WindowConstruction = WindowFixture;

TEST_F(WindowConstruction, RunsBothLayoutEventsOnceBeforeShowing)
{
    Ref<Window> window = openWindow();
    EXPECT_EQ(observed().layoutRuns, 1);
    EXPECT_EQ(observed().createControlsRuns, 1);
    EXPECT_FALSE(observed().shownDuringConstruction) << "the window showed before its layout was done";
    EXPECT_TRUE(window->widget()->isVisible());

    call(window.get(), WindowSlot::Constructor);
    EXPECT_EQ(observed().layoutRuns, 1) << "a second construction ran the layout again";
    EXPECT_EQ(observed().createControlsRuns, 1);
    EXPECT_EQ(window->controls().size(), 4u);
}

TEST_F(WindowConstruction, HoldsTheWindowAsItsClassImplicitInstance)
{
    EXPECT_EQ(_GetImplicitWindow(kClassName), nullptr);
    Ref<WeakReference> held;
    {
        Ref<Window> window = openWindow();
        held = window->weakReference();
        EXPECT_EQ(_GetImplicitWindow(kClassName).get(), window.get());
        EXPECT_TRUE(propertyValue<bool>(window.get(), "ImplicitInstance"));
    }
    EXPECT_NE(held->target(), nullptr) << "the framework let go of its implicit window";
    EXPECT_EQ(_GetImplicitWindow("TestWindow"), nullptr) << "found by its short name";
    EXPECT_EQ(_GetImplicitWindow("Window"), nullptr);
    EXPECT_EQ(Window::WindowCount(), 1);

    RuntimeReleaseWindows();
    EXPECT_EQ(held->target(), nullptr) << "shut-down left the window alive";
    EXPECT_EQ(_GetImplicitWindow(kClassName), nullptr);
}

TEST_F(WindowConstruction, ContentHasExactlyTheWindowSizeBelowTheMenuBar)
{
    Ref<Window> window = openWindow();
    QMainWindow* frame = frameOf(window.get());
    QWidget* content = window->contentWidget();
    EXPECT_EQ(content->size(), QSize(kWidth, kHeight));
    ASSERT_NE(frame->menuWidget(), nullptr);
    EXPECT_TRUE(frame->menuWidget()->isVisible());
    const int menuBarHeight = frame->menuWidget()->height();
    EXPECT_GT(menuBarHeight, 0);
    EXPECT_EQ(content->mapTo(frame, QPoint(0, 0)), QPoint(0, menuBarHeight));
    EXPECT_EQ(frame->size(), QSize(kWidth, kHeight + menuBarHeight));
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "MenuBarHeight"), menuBarHeight);
    EXPECT_EQ(Window::MenuBar_Get(window.get(), 0).get(), observed().menuBar.get());

    // Hiding the bar gives its room back without moving the content.
    setProperty(window.get(), "MenuBarVisible", false);
    EXPECT_EQ(frame->size(), QSize(kWidth, kHeight));
    EXPECT_EQ(content->size(), QSize(kWidth, kHeight));
}

TEST_F(WindowConstruction, DrawsItsContentIntoAPicture)
{
    Ref<Window> window = openWindow();
    Ref<Picture> drawn = call(window.get(), WindowSlot::DrawInto);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->width(), kWidth);
    EXPECT_EQ(drawn->height(), kHeight);
    const QColor keyboard = drawn->image().pixelColor(kKeyboard.left + 3, kKeyboard.top + 3);
    EXPECT_GT(keyboard.red(), 200) << "the keyboard's red picture is not in the drawing";
    EXPECT_LT(keyboard.blue(), 60);
}

TEST_F(WindowConstruction, WindowListSetsTitleFlagsAndAFixedSize)
{
    Ref<Window> window = openWindow();
    QMainWindow* frame = frameOf(window.get());
    EXPECT_EQ(frame->windowTitle(), kTitle);
    const Qt::WindowFlags flags = frame->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "without it the platform adds its own buttons";
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "the user can resize the window";
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "MacProcId"), 0);

    setProperty(window.get(), "CloseButton", true);
    setProperty(window.get(), "MinimizeButton", true);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(frame->isVisible()) << "new flags left the window hidden";

    setProperty(window.get(), "Title", String("Renamed"));
    EXPECT_EQ(frame->windowTitle(), "Renamed");
    EXPECT_EQ(call(window.get(), WindowSlot::Operator_Convert), "Renamed");
}

TEST_F(WindowConstruction, ResizeableWindowKeepsWithinItsLimits)
{
    Ref<Window> window = openWindow();
    QMainWindow* frame = frameOf(window.get());
    setProperty(window.get(), "Resizeable", true);
    setProperty(window.get(), "MaxWidth", std::int32_t(1100));
    setProperty(window.get(), "Width", std::int32_t(5000));
    EXPECT_EQ(window->contentWidget()->width(), 1100) << "the width went past MaxWidth";
    EXPECT_LT(frame->minimumSize().width(), frame->maximumSize().width());

    // Controls locked to the right edge move with it.
    Ref<Label> key = control<Label>(window.get(), "FirstKey");
    setProperty(key.get(), "LockRight", true);
    setProperty(key.get(), "LockLeft", false);
    frame->resize(frame->width() - 100, frame->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->contentWidget()->width(), 1000);
    EXPECT_EQ(key->left, kFirstKey.left - 100);
    EXPECT_EQ(key->widget()->x(), kFirstKey.left - 100);
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "Width"), 1000);
}

TEST_F(WindowConstruction, ControlsStandAtTheirRectanglesInWindowCoordinates)
{
    Ref<Window> window = openWindow();
    QWidget* content = window->contentWidget();
    const std::vector<std::pair<std::string, Rect>> expected{
        {"Keyboard", kKeyboard}, {"FirstKey", kFirstKey}, {"SecondKey", kSecondKey}, {"UnboundKey", kUnboundKey}};
    for (const auto& [name, rect] : expected) {
        Ref<RectControl> found = control<RectControl>(window.get(), name);
        ASSERT_NE(found, nullptr) << name;
        QWidget* widget = found->widget();
        EXPECT_EQ(widget->parentWidget(), content) << name;
        EXPECT_EQ(widget->geometry(), QRect(rect.left, rect.top, rect.width, rect.height)) << name;
        EXPECT_TRUE(widget->isVisible()) << name;
        EXPECT_TRUE(widget->isEnabled()) << name;
        // What lies under the middle of the rectangle is the control itself.
        EXPECT_EQ(content->childAt(rect.left + rect.width / 2, rect.top + rect.height / 2), widget) << name;
    }
    EXPECT_EQ(propertyValue<std::int32_t>(window.get(), "ControlCount"), 4);
}

TEST_F(WindowConstruction, FindsControlsByNameAndIndex)
{
    Ref<Window> window = openWindow();
    Ref<Control> first = call(window.get(), WindowSlot::_ControlByName, String("FirstKey"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByName, String("firstkey")), first);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByName, String("FirstKey47")), nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByName, String("")), nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByNameIndex, String("FirstKey"), INT32_MIN), first);
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByNameIndex, String("FirstKey"), 0), nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::ControlAt, 1), first);
    EXPECT_EQ(call(window.get(), WindowSlot::ControlAt, 4), nullptr);
    EXPECT_EQ(call(window.get(), WindowSlot::ControlAt, -1), nullptr);

    // A control taken out of the window is found no more and loses its widget.
    call(window.get(), WindowSlot::_RemoveControl, first.get());
    EXPECT_EQ(call(window.get(), WindowSlot::_ControlByName, String("FirstKey")), nullptr);
    EXPECT_EQ(first->window(), nullptr);
    EXPECT_EQ(static_cast<RectControl*>(first.get())->widget(), nullptr);

    EXPECT_THROW(call(window.get(), WindowSlot::__New, static_cast<ClassRecord*>(nullptr)), RaisedException);
    try {
        call(window.get(), WindowSlot::__New, &Window::__Lookup());
        FAIL() << "a window was made as a control";
    } catch (const RaisedException& raised) {
        EXPECT_TRUE(raised.exception()->isKindOf(IllegalCastException::__Lookup()));
    }
}

TEST_F(WindowConstruction, CloseAsksCancelCloseThenLetsTheWindowGo)
{
    Ref<WeakReference> held;
    {
        Ref<Window> window = openWindow();
        held = window->weakReference();
        QWidget* frame = window->widget();
        window->classRecord().events[WindowEvent::CancelClose.index].implementation
            = eraseOperation(+[](Window*, bool) { return true; });
        EXPECT_FALSE(frame->close()) << "CancelClose was not asked";
        EXPECT_TRUE(frame->isVisible());

        window->classRecord().events[WindowEvent::CancelClose.index].implementation = nullptr;
        call(window.get(), WindowSlot::Close);
        EXPECT_FALSE(frame->isVisible());
        EXPECT_TRUE(propertyValue<bool>(window.get(), "Closed"));
        EXPECT_EQ(_GetImplicitWindow(kClassName), nullptr);
        EXPECT_EQ(Window::WindowCount(), 0);
    }
    EXPECT_EQ(held->target(), nullptr) << "a closed window stayed alive";
}

TEST_F(WindowConstruction, LayoutFailurePropagatesAndLeavesNoImplicitWindow)
{
    Ref<Window> window = RuntimeNewObjectOf<Window>(TestWindow::__Lookup());
    // The menu bar's absence is fine; a list that cannot be read is not.
    observed().menuBar = nullptr;
    ClassRecord& record = window->classRecord();
    Operation layout = record.events[WindowEvent::Layout.index].implementation;
    record.events[WindowEvent::Layout.index].implementation
        = eraseOperation(+[](Window* failing) { _SetProperties(failing, String("Width \x01")); });
    EXPECT_THROW(call(window.get(), WindowSlot::Constructor), RaisedException);
    record.events[WindowEvent::Layout.index].implementation = layout;
    EXPECT_EQ(_GetImplicitWindow(kClassName), nullptr);
    EXPECT_FALSE(window->widget()->isVisible());
}
