// Menus: the item tree and its look-ups, the class records, the shortcut
// texts, the Qt menus that show the tree, and what choosing an item does.
#include "framework/Application.h"
#include "framework/Box.h"
#include "framework/MenuItem.h"

#include "../../framework/src/KeyboardShortcut_p.h"
#include "RaisedBy.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

using namespace fw;
using tolvane::testing::raisedBy;

namespace {

Ref<MenuItem> newItem(std::string_view name, std::string_view text = "", ClassRecord& record = MenuItem::__Lookup())
{
    Ref<MenuItem> item = RuntimeNewObjectOf<MenuItem>(record);
    call(item.get(), MenuItemSlot::Constructor);
    MenuItem::Name_Set(item.get(), 0, name);
    MenuItem::Text_Set(item.get(), 0, text.empty() ? name : text);
    return item;
}

Ref<MenuBar> newMenuBar()
{
    return RuntimeNewObjectOf<MenuBar>(MenuBar::__Lookup());
}

std::vector<std::string> namesOf(const MenuItem& item)
{
    std::vector<std::string> names;
    for (const Ref<MenuItem>& child : item.children())
        names.push_back(child->name().toStdString());
    return names;
}

TEST(MenuItemTree, FindsByIndexAndNameInsertsRemovesSwapsAndMoves)
{
    Ref<MenuBar> bar = newMenuBar();
    Ref<MenuItem> menu = newItem("Menu");
    MenuItem::Append(bar.get(), menu.get());
    for (const char* name : {"A", "B", "C"})
        MenuItem::Append(menu.get(), newItem(name).get());

    EXPECT_EQ(MenuItem::Count(menu.get()), 3);
    EXPECT_EQ(MenuItem::Item(menu.get(), 3), nullptr);
    EXPECT_EQ(MenuItem::Item(menu.get(), -1), nullptr);
    // Child sees only the direct children; _Lookup searches the whole tree,
    // ignoring case.
    EXPECT_EQ(MenuItem::Child(bar.get(), "B"), nullptr);
    Ref<MenuItem> b = MenuItem::_Lookup(bar.get(), "b");
    ASSERT_TRUE(b);
    EXPECT_EQ(MenuItem::Item(menu.get(), 1), b);
    EXPECT_EQ(b->index(), 1);

    MenuItem::Insert(menu.get(), 1, newItem("X").get());
    EXPECT_EQ(namesOf(*menu), (std::vector<std::string>{"A", "X", "B", "C"}));
    MenuItem::RemoveAt(menu.get(), 0);
    MenuItem::RemoveNamed(menu.get(), "C");
    EXPECT_EQ(namesOf(*menu), (std::vector<std::string>{"X", "B"}));

    Ref<MenuItem> y = newItem("Y");
    MenuItem::_Swap(menu.get(), "X", y.get());
    EXPECT_EQ(namesOf(*menu), (std::vector<std::string>{"Y", "B"}));

    // Appending an item that sits in another menu moves it.
    Ref<MenuItem> other = newItem("Other");
    MenuItem::Append(other.get(), y.get());
    EXPECT_EQ(namesOf(*menu), (std::vector<std::string>{"B"}));
    EXPECT_EQ(y->parent(), other.get());
    MenuItem::RemoveItem(other.get(), y.get());
    EXPECT_EQ(y->parent(), nullptr);
    EXPECT_EQ(y->index(), -1);
}

TEST(MenuItemTree, RefusesCyclesAndNilAndGoesWithItsRoot)
{
    Ref<MenuItem> outer = newItem("Outer");
    Ref<MenuItem> inner = newItem("Inner");
    MenuItem::Append(outer.get(), inner.get());
    EXPECT_THROW(MenuItem::Append(inner.get(), outer.get()), RaisedException);
    EXPECT_THROW(MenuItem::Append(outer.get(), outer.get()), RaisedException);
    EXPECT_EQ(namesOf(*outer), (std::vector<std::string>{"Inner"}));

    EXPECT_EQ(raisedBy([&] { MenuItem::Append(outer.get(), nullptr); }), "NilObjectException");
    EXPECT_EQ(raisedBy([&] { MenuItem::_Swap(outer.get(), "Inner", nullptr); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { MenuItem::Child(nullptr, "x"); }), "NilObjectException");
    EXPECT_EQ(raisedBy([] { MenuItem::Name_Set(nullptr, 0, "x"); }), "NilObjectException");
    EXPECT_EQ(namesOf(*outer), (std::vector<std::string>{"Inner"})) << "a failed swap keeps the item";

    // Releasing the root releases the tree.
    Ref<WeakReference> weakOuter = outer->weakReference();
    EXPECT_EQ(inner->refCount(), 2u);
    outer = nullptr;
    EXPECT_EQ(weakOuter->target(), nullptr);
    EXPECT_EQ(inner->refCount(), 1u);
    EXPECT_EQ(inner->parent(), nullptr);
}

TEST(MenuItemTree, CloneCopiesTheSubtreeAndTheClass)
{
    Ref<MenuItem> menu = newItem("Menu", "&Menu");
    MenuItem::Append(menu.get(), newItem("Quit", "&Quit", QuitMenuItem::__Lookup()).get());
    MenuItem::KeyboardShortcut_Set(menu->children()[0].get(), 0, "Cmd+Q");

    Ref<MenuItem> copy = MenuItem::Clone(menu.get());
    EXPECT_EQ(copy->text(), "&Menu");
    ASSERT_EQ(copy->children().size(), 1u);
    const Ref<MenuItem>& quit = copy->children()[0];
    EXPECT_NE(quit, menu->children()[0]);
    EXPECT_EQ(&quit->classRecord(), &QuitMenuItem::__Lookup());
    EXPECT_EQ(quit->keyboardShortcut(), "Cmd+Q");
}

TEST(MenuItemClasses, PropertiesShowWhatThePlatformMakesOfTheItem)
{
    Ref<MenuItem> item = newItem("EditCut", "Cu&t");
    MenuItem::KeyboardShortcut_Set(item.get(), 0, "Cmd+X");
    EXPECT_EQ(MenuItem::ShortcutText_Get(item.get(), 0), "Ctrl+X");
    EXPECT_EQ(MenuItem::Mnemonic_Get(item.get(), 0), "Alt+T");
    MenuItem::Text_Set(item.get(), 0, "Fish && Chips");
    EXPECT_EQ(MenuItem::Mnemonic_Get(item.get(), 0), "") << "a doubled ampersand marks no key";

    const PropertyRecord* index = item->classRecord().findProperty("Index");
    ASSERT_NE(index, nullptr);
    EXPECT_THROW(index->boxedSetter(item.get(), *index, box(std::int32_t(3)).get()), RaisedException);
}

TEST(KeyboardShortcuts, CommandTextsBecomeCtrlSequences)
{
    struct Case {
        const char* written;
        const char* expected; // portable text; empty: no shortcut
    };
    const Case cases[] = {
        {"cmd+z", "Ctrl+Z"},
        {"Shift+Cmd+Z", "Ctrl+Shift+Z"},
        {"Option+Command+F", "Ctrl+Alt+F"},
        {"Q", "Ctrl+Q"},
        {"F5", "F5"},
        {"Cmd++", "Ctrl++"},
        {"Cmd+", ""},
        {"Hyper+Q", ""},
        {"Cmd+NoSuchKey", ""},
        {"Cmd+Q, Cmd+W", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nativeKeySequence(c.written).toString(QKeySequence::PortableText).toStdString(), c.expected)
            << c.written;
    }
}

TEST(NativeMenus, MenuBarsShowTheSharedActionsWhileTheirWindowsLive)
{
    Ref<MenuBar> bar = newMenuBar();
    MenuItem::Append(bar.get(), newItem("FileMenu", "&File").get());
    QWidget first, second;
    QMenuBar* firstBar = bar->createNativeMenuBar(&first);
    QMenuBar* secondBar = bar->createNativeMenuBar(&second);
    ASSERT_EQ(firstBar->actions().size(), 1);
    EXPECT_EQ(secondBar->actions(), firstBar->actions()) << "the bars share the menus' actions";

    // A menu added later reaches every bar already shown, separators and
    // changed texts included.
    Ref<MenuItem> edit = newItem("EditMenu", "&Edit");
    MenuItem::Append(bar.get(), edit.get());
    MenuItem::Append(edit.get(), newItem("EditUndo", "&Undo").get());
    MenuItem::Append(edit.get(), newItem("Separator", "-").get());
    EXPECT_EQ(secondBar->actions().size(), 2);
    ASSERT_NE(edit->menu(), nullptr);
    ASSERT_EQ(edit->menu()->actions().size(), 2);
    EXPECT_TRUE(edit->menu()->actions()[1]->isSeparator());
    EXPECT_TRUE(edit->menu()->actions()[1]->shortcut().isEmpty());
    MenuItem::Text_Set(edit.get(), 0, "&Change");
    EXPECT_EQ(secondBar->actions()[1]->text(), "&Change");

    MenuItem::RemoveItem(bar.get(), edit.get());
    EXPECT_EQ(firstBar->actions().size(), 1);

    // A bar whose window has gone is forgotten: changing the tree afterwards
    // must not touch it.
    auto gone = std::make_unique<QWidget>();
    bar->createNativeMenuBar(gone.get());
    gone.reset();
    MenuItem::Append(bar.get(), newItem("Late").get());
    EXPECT_EQ(secondBar->actions().size(), 2);
}

// An item class of a program that handles its own Action event.
int actionsRun = 0;
bool raiseFromAction = false;
bool countAction(MenuItem*)
{
    ++actionsRun;
    if (raiseFromAction)
        RaiseNilObjectException();
    return true;
}

TEST(MenuItemChoice, RunsTheActionEventAndReportsWhatItRaises)
{
    ClassRecord& base = MenuItem::__Lookup();
    ClassRecord& record = RuntimeNewClass<MenuItem>(&base, base.methods.size(), 0, base.events.size(), 0,
        base.properties.size(), 0);
    record.name = "CountingItem";
    record.vtable = base.vtable;
    record.vtableCount = base.vtableCount;
    implementEvent(record, MenuItemEvent::Action, &countAction);
    Ref<MenuItem> counting = newItem("Count", "Count", record);
    counting->choose();
    counting->choose();
    EXPECT_EQ(actionsRun, 2);

    raiseFromAction = true;
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(counting->choose());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("NilObjectException"), std::string::npos);
}

std::vector<std::string> handled;

TEST(MenuItemChoice, PlainItemsGoToTheApplicationsMenuHandlerForTheirName)
{
    Ref<Application> application = RuntimeNewObjectOf<Application>(Application::__Lookup());
    _RuntimeRegisterAppObject(application.get());
    auto first = +[](Application*) {
        handled.push_back("first");
        return true;
    };
    auto second = +[](Application*) {
        handled.push_back("second");
        return true;
    };
    Application::_AddMenuHandler(application.get(), "HelpAbout", eraseOperation(first));
    // A second handler for the same name, in any case, replaces the first.
    Application::_AddMenuHandler(application.get(), "helpabout", eraseOperation(second));
    newItem("HelpAbout")->choose();
    newItem("HelpOther")->choose();
    EXPECT_EQ(handled, std::vector<std::string>{"second"});
    EXPECT_THROW(Application::_HandleMenuCommand(application.get(), nullptr), RaisedException);
    RuntimeFinalizeFrameworkStatics();
    EXPECT_EQ(application->refCount(), 1u);
}

// The Edit items: enabled while the focused widget can do their command.
TEST(StandardEditItems, FollowAndActOnTheFocusedWidget)
{
    Ref<MenuBar> bar = newMenuBar();
    Ref<MenuItem> edit = newItem("EditMenu", "&Edit");
    MenuItem::Append(bar.get(), edit.get());
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
        Ref<MenuItem> item = newItem(name);
        MenuItem::AutoEnable_Set(item.get(), 0, true);
        MenuItem::Append(edit.get(), item.get());
    }
    QWidget window;
    QLineEdit editor("saxophone", &window);
    bar->createNativeMenuBar(&window);
    window.show();
    auto item = [&](const char* name) -> MenuItem& { return *MenuItem::_Lookup(bar.get(), name); };

    EXPECT_FALSE(item("EditCopy").enabled()) << "nothing has the focus";
    editor.setFocus();
    window.activateWindow();
    for (int i = 0; i < 100 && QApplication::focusWidget() != &editor; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(QApplication::focusWidget(), &editor);
    EXPECT_TRUE(item("EditCopy").enabled());
    EXPECT_TRUE(item("EditCopy").action()->isEnabled());
    EXPECT_TRUE(item("EditPaste").enabled());

    item("EditSelectAll").choose();
    EXPECT_EQ(editor.selectedText(), "saxophone");
    item("EditClear").choose();
    EXPECT_EQ(editor.text(), "");
    item("EditUndo").choose();
    EXPECT_EQ(editor.text(), "saxophone");

    editor.setReadOnly(true);
    edit->refreshAutomaticEnabling();
    EXPECT_TRUE(item("EditCopy").enabled());
    EXPECT_FALSE(item("EditCut").enabled()) << "a read-only editor cannot cut";
    EXPECT_FALSE(item("EditClear").enabled());
}

} // namespace
