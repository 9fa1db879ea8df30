// The program's menu bar: its class, its one shared instance, and the File
// and Edit menus it builds, as the model holds them and as Qt shows them.
#include "app/MenuBar1.h"

#include "framework/Application.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

namespace tolvane {
namespace {

struct ExpectedItem {
    const char* name;
    const char* text;
    std::optional<const char*> shortcut; // nullopt: never set
    QKeySequence shown;
};

const ExpectedItem kFile[] = {
    {"FileQuit", "&Quit", "Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q)},
};
const ExpectedItem kEdit[] = {
    {"EditUndo", "&Undo", "Cmd+Z", QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {"UntitledMenu1", "-", std::nullopt, QKeySequence()},
    {"EditCut", "Cu&t", "Cmd+X", QKeySequence(Qt::CTRL | Qt::Key_X)},
    {"EditCopy", "&Copy", "Cmd+C", QKeySequence(Qt::CTRL | Qt::Key_C)},
    {"EditPaste", "&Paste", "Cmd+V", QKeySequence(Qt::CTRL | Qt::Key_V)},
    {"EditClear", "&Delete", "", QKeySequence()},
    {"UntitledMenu0", "-", std::nullopt, QKeySequence()},
    {"EditSelectAll", "Select &All", "Cmd+A", QKeySequence(Qt::CTRL | Qt::Key_A)},
};

void expectMenu(const fw::MenuItem& menu, std::span<const ExpectedItem> expected)
{
    ASSERT_EQ(menu.children().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const fw::MenuItem& item = *menu.children()[i];
        const ExpectedItem& want = expected[i];
        EXPECT_EQ(item.name(), want.name);
        EXPECT_EQ(item.text(), want.text) << want.name;
        EXPECT_TRUE(item.autoEnable()) << want.name;
        EXPECT_TRUE(item.children().empty()) << want.name;
        if (want.shortcut) {
            EXPECT_EQ(item.keyboardShortcut(), *want.shortcut) << want.name;
        } else {
            EXPECT_TRUE(item.keyboardShortcut().isNil()) << want.name << " has a shortcut set";
        }
    }
}

class MenuBar1Instance : public ::testing::Test {
protected:
    void TearDown() override { MenuBar1::_implicitInstance.__Exit(); }
};

TEST_F(MenuBar1Instance, HoldsFileThenEditWithTheirItems)
{
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    ASSERT_EQ(bar->children().size(), 2u);
    const fw::MenuItem& file = *bar->children()[0];
    const fw::MenuItem& edit = *bar->children()[1];
    EXPECT_EQ(file.name(), "FileMenu");
    EXPECT_EQ(file.text(), "&File");
    EXPECT_EQ(edit.name(), "EditMenu");
    EXPECT_EQ(edit.text(), "&Edit");
    for (const fw::MenuItem* menu : {&file, &edit}) {
        EXPECT_TRUE(menu->autoEnable());
        EXPECT_FALSE(menu->keyboardShortcut().isNil());
        EXPECT_EQ(menu->keyboardShortcut(), "");
    }
    expectMenu(file, kFile);
    expectMenu(edit, kEdit);

    // The items are found by Name at any depth, with their classes.
    fw::MenuItem* barItem = bar.get();
    fw::Ref<fw::MenuItem> clear = fw::call(barItem, fw::MenuItemSlot::_Lookup, fw::String("EditClear"));
    ASSERT_TRUE(clear);
    EXPECT_EQ(clear->text(), "&Delete");
    fw::Ref<fw::MenuItem> quit = fw::MenuItem::_Lookup(bar.get(), "FileQuit");
    EXPECT_EQ(&quit->classRecord(), &fw::QuitMenuItem::__Lookup());
    EXPECT_EQ(&clear->classRecord(), &fw::MenuItem::__Lookup());
}

TEST_F(MenuBar1Instance, ShowsTheMenusWithCtrlShortcuts)
{
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    QWidget window;
    QMenuBar* shown = bar->createNativeMenuBar(&window);
    ASSERT_EQ(shown->actions().size(), 2);
    EXPECT_EQ(shown->actions()[0]->text(), "&File");
    EXPECT_EQ(shown->actions()[1]->text(), "&Edit");

    QMenu* edit = shown->actions()[1]->menu();
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(edit->actions().size(), 8);
    for (int i = 0; i < edit->actions().size(); ++i) {
        const QAction* action = edit->actions()[i];
        EXPECT_EQ(action->isSeparator(), kEdit[i].text == std::string_view("-")) << kEdit[i].name;
        if (!action->isSeparator()) {
            EXPECT_EQ(action->text(), kEdit[i].text);
        }
        EXPECT_EQ(action->shortcut(), kEdit[i].shown) << kEdit[i].name;
    }
    QMenu* file = shown->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 1);
    EXPECT_EQ(file->actions()[0]->shortcut(), kFile[0].shown);
}

TEST_F(MenuBar1Instance, CtrlQQuitsFromEveryWindowThatShowsTheBar)
{
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    QWidget first, second;
    for (QWidget* window : {&first, &second}) {
        bar->createNativeMenuBar(window);
        window->resize(200, 100);
        window->show();
    }
    for (QWidget* window : {&first, &second}) {
        bool pressed = false;
        QTimer::singleShot(0, [&] {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            pressed = true;
            QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        fw::_RuntimeRun();
        EXPECT_TRUE(pressed);
        EXPECT_TRUE(guard.isActive()) << "Ctrl+Q did not end the loop";
        EXPECT_EQ(fw::RuntimeExit(), 0);
    }
}

TEST_F(MenuBar1Instance, IsMadeOnceAndReleasedByItsGlobal)
{
    fw::Ref<MenuBar1> first = implicit::MenuBar1();
    fw::Ref<MenuBar1> second = implicit::MenuBar1();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->children().size(), 2u) << "the menus are built once";
    EXPECT_EQ(first->children()[1]->children().size(), 8u);
    EXPECT_EQ(first->refCount(), 3u) << "two callers and the global";

    fw::Ref<fw::WeakReference> weak = first->weakReference();
    first = nullptr;
    second = nullptr;
    EXPECT_NE(weak->target(), nullptr);
    MenuBar1::_implicitInstance.__Exit();
    EXPECT_EQ(MenuBar1::_implicitInstance.get(), nullptr);
    EXPECT_EQ(weak->target(), nullptr);
    MenuBar1::_implicitInstance.__Exit(); // an empty global: nothing happens

    fw::Ref<MenuBar1> fresh = implicit::MenuBar1();
    EXPECT_EQ(fresh->children().size(), 2u) << "a request after the release starts over";
}

TEST(MenuBar1Class, KeepsMenuBarsTableWithItsConstructorAndBuilders)
{
    fw::ClassRecord& record = MenuBar1::__Lookup();
    const fw::ClassRecord& base = fw::MenuBar::__Lookup();
    fw::Vtable table = record.vtable;
    MenuBar1::__ctblinit();
    EXPECT_EQ(&MenuBar1::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table);

    EXPECT_EQ(record.name, "MenuBar1.MenuBar1");
    EXPECT_EQ(record.base, &base);
    EXPECT_EQ(record.instanceSize, base.instanceSize);
    ASSERT_EQ(record.classAttributes.size(), 1u);
    EXPECT_EQ(record.classAttributes[0].name, "__Scope");
    EXPECT_EQ(record.classAttributes[0].value, "Public");
    EXPECT_EQ(record.events.size(), 2u);
    for (const fw::EventRecord& event : record.events)
        EXPECT_EQ(event.implementation, nullptr);
    EXPECT_EQ(record.properties.size(), 16u);

    ASSERT_EQ(record.vtable.size(), 27u);
    EXPECT_EQ(record.vtableCount, 27u);
    for (std::size_t slot = 0; slot < base.vtable.size(); ++slot) {
        if (slot == fw::MenuItemSlot::Constructor.index) {
            EXPECT_EQ(record.vtable[slot], fw::eraseOperation(&MenuBar1::Constructor));
        } else {
            EXPECT_EQ(record.vtable[slot], base.vtable[slot]) << slot;
        }
    }
    EXPECT_EQ(record.vtable[25], fw::eraseOperation(&MenuBar1::Untitled0));
    EXPECT_EQ(record.vtable[26], fw::eraseOperation(&MenuBar1::Untitled1));

    ASSERT_EQ(record.methods.size(), 54u);
    const char* own[] = {"Untitled0", "Untitled1", "Constructor"};
    for (std::size_t i = 0; i < 3; ++i) {
        const fw::MethodRecord& method = record.methods[51 + i];
        EXPECT_EQ(method.name, own[i]);
        EXPECT_EQ(method.flags, 1u);
        EXPECT_EQ(method.signature, "%%");
        EXPECT_NE(method.invoker, nullptr);
        ASSERT_EQ(method.attributes.size(), 1u);
        EXPECT_EQ(method.attributes[0].value, "Public");
    }
}

} // namespace
} // namespace tolvane
