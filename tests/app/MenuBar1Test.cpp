// The program's menu bar: its class, its one shared instance, and the File
// and Edit menus it builds, as the model holds them and as Qt shows them.
#include "app/MenuBar1.h"

#include "RaisedBy.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

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

// A menu with its items, in the model and in the Qt menu that shows it.
void expectMenu(fw::MenuItem& menu, const char* name, const char* text, std::span<const ExpectedItem> expected)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(menu.name(), name);
    EXPECT_EQ(menu.text(), text);
    EXPECT_EQ(menu.keyboardShortcut(), "");
    EXPECT_FALSE(menu.keyboardShortcut().isNil()) << "a menu's shortcut is set, to the empty text";
    EXPECT_TRUE(menu.autoEnable());
    ASSERT_EQ(menu.children().size(), expected.size());
    ASSERT_NE(menu.menu(), nullptr);
    ASSERT_EQ(menu.menu()->actions().size(), qsizetype(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const fw::MenuItem& item = *menu.children()[i];
        const ExpectedItem& want = expected[i];
        EXPECT_EQ(item.name(), want.name);
        EXPECT_EQ(item.text(), want.text) << want.name;
        EXPECT_TRUE(item.autoEnable()) << want.name;
        if (want.shortcut)
            EXPECT_EQ(item.keyboardShortcut(), *want.shortcut) << want.name;
        else
            EXPECT_TRUE(item.keyboardShortcut().isNil()) << want.name << " has a shortcut set";

        const QAction* shown = menu.menu()->actions()[qsizetype(i)];
        EXPECT_EQ(shown->isSeparator(), item.isSeparator()) << want.name;
        EXPECT_EQ(shown->shortcut(), want.shown) << want.name;
    }
}

class MenuBar1Instance : public ::testing::Test {
protected:
    void TearDown() override { MenuBar1::_implicitInstance.__Exit(); }
};

TEST_F(MenuBar1Instance, IsMadeOnceWithFileThenEditAndReleasedByItsGlobal)
{
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    QWidget window;
    QMenuBar* shown = bar->createNativeMenuBar(&window);
    ASSERT_EQ(bar->children().size(), 2u);
    ASSERT_EQ(shown->actions().size(), 2);
    expectMenu(*bar->children()[0], "FileMenu", "&File", kFile);
    expectMenu(*bar->children()[1], "EditMenu", "&Edit", kEdit);

    // The window's accessors find the items by Name at any depth.
    fw::MenuItem* barItem = bar.get();
    fw::Ref<fw::MenuItem> quit = fw::call(barItem, fw::MenuItemSlot::_Lookup, fw::String("FileQuit"));
    ASSERT_TRUE(quit);
    EXPECT_EQ(&quit->classRecord(), &fw::QuitMenuItem::__Lookup());

    fw::Ref<MenuBar1> second = implicit::MenuBar1();
    EXPECT_EQ(second, bar);
    EXPECT_EQ(bar->children().size(), 2u) << "the menus are built once";
    EXPECT_EQ(bar->refCount(), 3u) << "two callers and the global";

    fw::Ref<fw::WeakReference> weak = bar->weakReference();
    quit = nullptr;
    bar = nullptr;
    second = nullptr;
    MenuBar1::_implicitInstance.__Exit();
    EXPECT_EQ(MenuBar1::_implicitInstance.get(), nullptr);
    EXPECT_EQ(weak->target(), nullptr);
    MenuBar1::_implicitInstance.__Exit(); // an empty global: nothing happens

    fw::Ref<MenuBar1> fresh = implicit::MenuBar1();
    EXPECT_EQ(fresh->children().size(), 2u) << "a request after the release starts over";
}

// Puts an operation into MenuBar1's class table for one test and restores the
// original afterwards: the builders reach Child and Append on the menu bar
// through that table, so a test can watch or fail what they ask of it.
class TableEntry {
public:
    template<typename Signature>
    TableEntry(fw::Slot<Signature> slot, Signature* replacement)
        : m_table(MenuBar1::__Lookup().vtable), m_index(slot.index), m_saved(m_table.at(m_index))
    {
        fw::fill(m_table, slot, replacement);
    }
    ~TableEntry() { m_table[m_index] = m_saved; }
    TableEntry(const TableEntry&) = delete;
    TableEntry& operator=(const TableEntry&) = delete;

private:
    fw::Vtable& m_table;
    std::size_t m_index;
    fw::Operation m_saved;
};

// What the global held each time a menu was appended to the bar.
std::vector<MenuBar1*> globalAtAppend;
fw::Ref<fw::WeakReference> barWithoutMenus;

void appendNotingTheGlobal(fw::MenuItem* bar, fw::MenuItem* menu)
{
    globalAtAppend.push_back(MenuBar1::_implicitInstance.get());
    fw::MenuItem::Append(bar, menu);
}

fw::Ref<fw::MenuItem> findNoMenu(fw::MenuItem* bar, fw::String)
{
    barWithoutMenus = bar->weakReference();
    return nullptr;
}

TEST_F(MenuBar1Instance, AMenuThatCannotBeFoundFailsTheRequestAndTheNextIsStoredOnlyOnceBuilt)
{
    {
        TableEntry child(fw::MenuItemSlot::Child, &findNoMenu);
        EXPECT_EQ(tolvane::testing::raisedBy([] { implicit::MenuBar1(); }), "NilObjectException");
        EXPECT_EQ(MenuBar1::_implicitInstance.get(), nullptr);
        ASSERT_TRUE(barWithoutMenus);
        EXPECT_EQ(barWithoutMenus->target(), nullptr) << "the half-built bar is released";
    }
    TableEntry append(fw::MenuItemSlot::Append, &appendNotingTheGlobal);
    globalAtAppend.clear();
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    EXPECT_EQ(globalAtAppend, (std::vector<MenuBar1*>{nullptr, nullptr})) << "File and Edit, before the store";
    EXPECT_EQ(MenuBar1::_implicitInstance.get(), bar.get());
    ASSERT_EQ(bar->children().size(), 2u);
    EXPECT_EQ(bar->children()[0]->children().size(), 1u);
    EXPECT_EQ(bar->children()[1]->children().size(), 8u);
}

TEST(MenuBar1Class, KeepsMenuBarsTableWithItsConstructorAndBuilders)
{
    fw::ClassRecord& record = MenuBar1::__Lookup();
    fw::Vtable table = record.vtable;
    MenuBar1::__ctblinit();
    EXPECT_EQ(&MenuBar1::__Lookup(), &record);
    EXPECT_EQ(record.vtable, table) << "a second registration changes nothing";

    const fw::ClassRecord& base = fw::MenuBar::__Lookup();
    EXPECT_EQ(record.base, &base);
    EXPECT_EQ(record.name, "MenuBar1.MenuBar1");
    ASSERT_EQ(record.vtable.size(), 27u);
    for (std::size_t slot = 0; slot < base.vtable.size(); ++slot) {
        if (slot == fw::MenuItemSlot::Constructor.index)
            EXPECT_EQ(record.vtable[slot], fw::eraseOperation(&MenuBar1::Constructor));
        else
            EXPECT_EQ(record.vtable[slot], base.vtable[slot]) << slot;
    }
    EXPECT_EQ(record.vtable[25], fw::eraseOperation(&MenuBar1::Untitled0));
    EXPECT_EQ(record.vtable[26], fw::eraseOperation(&MenuBar1::Untitled1));

    ASSERT_EQ(record.methods.size(), 54u);
    const char* own[] = {"Untitled0", "Untitled1", "Constructor"};
    for (std::size_t i = 0; i < 3; ++i) {
        const fw::MethodRecord& method = record.methods[51 + i];
        EXPECT_EQ(method.name, own[i]);
        EXPECT_EQ(method.signature, "%%");
        ASSERT_EQ(method.attributes.size(), 1u);
        EXPECT_EQ(method.attributes[0].value, "Public");
    }
    ASSERT_EQ(record.classAttributes.size(), 1u);
    EXPECT_EQ(record.classAttributes[0].value, "Public");
}

} // namespace
} // namespace tolvane
