#include "PluginEntries_p.h"

#include "NeverDestroyed_p.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>

namespace fw {

namespace {
// The entry points start-up resolves, in table order: every accessor of the
// application object and of menu items; the operations with which a plug-in
// builds, walks and searches a menu; the window's menu bar; the label's
// text; and last the image well's picture, through which the chart window's
// wells receive their pictures. Each is published by the unit that owns it.
constexpr std::array<std::string_view, kPluginEntryCount> kPluginEntryNames{
    "Application.MenuBar.Get", "Application.MenuBar.Set",
    "Application.AutoQuit.Get", "Application.AutoQuit.Set",
    "Application.ApplicationName.Get", "Application.ApplicationName.Set",
    "Application.DisplayName.Get", "Application.DisplayName.Set",
    "Application.Version.Get", "Application.Version.Set",
    "Application.DoubleClickInterval.Get", "Application.DoubleClickInterval.Set",
    "Application.KeyboardInputInterval.Get", "Application.KeyboardInputInterval.Set",
    "Application.CursorFlashTime.Get", "Application.CursorFlashTime.Set",
    "Application.WheelScrollLines.Get", "Application.WheelScrollLines.Set",
    "Application.StartDragDistance.Get", "Application.StartDragDistance.Set",
    "Application.StartDragTime.Get", "Application.StartDragTime.Set",
    "Application.ExecutablePath.Get", "Application.ProcessId.Get", "Application.Platform.Get",
    "Application.ScreenWidth.Get", "Application.ScreenHeight.Get", "Application.Active.Get",
    "Application.ActiveWindowTitle.Get", "Application.EventLoopRunning.Get",
    "MenuItem.Name.Get", "MenuItem.Name.Set",
    "MenuItem.Text.Get", "MenuItem.Text.Set",
    "MenuItem.KeyboardShortcut.Get", "MenuItem.KeyboardShortcut.Set",
    "MenuItem.AutoEnable.Get", "MenuItem.AutoEnable.Set",
    "MenuItem.Enabled.Get", "MenuItem.Enabled.Set",
    "MenuItem.Checked.Get", "MenuItem.Checked.Set",
    "MenuItem.Visible.Get", "MenuItem.Visible.Set",
    "MenuItem.HelpTag.Get", "MenuItem.HelpTag.Set",
    "MenuItem.Bold.Get", "MenuItem.Bold.Set",
    "MenuItem.Italic.Get", "MenuItem.Italic.Set",
    "MenuItem.Index.Get", "MenuItem.Parent.Get", "MenuItem.IsSeparator.Get",
    "MenuItem.ShortcutText.Get", "MenuItem.Mnemonic.Get", "MenuItem.HasChildren.Get",
    "MenuItem.Constructor", "MenuItem.Append", "MenuItem.Insert",
    "MenuItem.Count", "MenuItem.Item", "MenuItem.Child", "MenuItem._Lookup",
    "Window.MenuBar.Get", "Window.MenuBar.Set",
    "Label.Text.Get", "Label.Text.Set", "Label.TextUnit.Set",
    "ImageWell.Image.Get", "ImageWell.Image.Set",
};
// Every place named: a list one short would leave the last place empty.
static_assert(std::ranges::none_of(kPluginEntryNames, &std::string_view::empty));
static_assert(kPluginEntryNames[kPluginEntryCount - 2] == "ImageWell.Image.Get");
static_assert(kPluginEntryNames[kPluginEntryCount - 1] == "ImageWell.Image.Set");

std::map<std::string, Operation, std::less<>>& publishedEntries()
{
    static NeverDestroyed<std::map<std::string, Operation, std::less<>>> entries;
    return entries.get();
}

std::array<Operation, kPluginEntryCount>& entryTable()
{
    static NeverDestroyed<std::array<Operation, kPluginEntryCount>> table;
    return table.get();
}
} // namespace

std::span<const std::string_view, kPluginEntryCount> pluginEntryNames()
{
    return kPluginEntryNames;
}

void registerPluginEntry(std::string_view name, Operation entry)
{
    publishedEntries().insert_or_assign(std::string(name), entry);
}

void _InitPluginEntrypoints()
{
    for (std::size_t i = 0; i < kPluginEntryCount; ++i) {
        auto published = publishedEntries().find(kPluginEntryNames[i]);
        entryTable()[i] = published != publishedEntries().end() ? published->second : nullptr;
    }
}

Operation pluginEntryAt(std::size_t place)
{
    return place < kPluginEntryCount ? entryTable()[place] : nullptr;
}

Operation pluginEntryPoint(std::string_view name)
{
    for (std::size_t i = 0; i < kPluginEntryCount; ++i) {
        if (kPluginEntryNames[i] == name)
            return entryTable()[i];
    }
    return nullptr;
}

} // namespace fw
