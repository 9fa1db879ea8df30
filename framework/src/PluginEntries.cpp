#include "PluginEntries_p.h"

#include "NeverDestroyed_p.h"
#include "framework/Application.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace fw {

namespace {
// The entry points start-up resolves, in table order. The framework's own
// units publish the application's and the menu items' accessors; the
// controls, windows and media publish theirs, the image well's last.
constexpr std::array<std::string_view, kPluginEntryCount> pluginEntryNames{
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
    "Application.ScreenWidth.Get", "Application.ScreenHeight.Get", "Application.WindowCount.Get",
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
    "Window.MenuBar.Get", "Window.MenuBar.Set",
    "Label.Text.Get", "Label.Text.Set", "Label.TextUnit.Set",
    "Picture.Width.Get", "Picture.Height.Get",
    "Sound.Play", "Sound.Stop", "Sound.Volume.Get", "Sound.Volume.Set",
    "FolderItem.Exists.Get",
    "ImageWell.Image.Get", "ImageWell.Image.Set",
};
static_assert(pluginEntryNames.size() == 70);
static_assert(pluginEntryNames[kPluginEntryCount - 2] == "ImageWell.Image.Get");
static_assert(pluginEntryNames[kPluginEntryCount - 1] == "ImageWell.Image.Set");

std::vector<std::pair<std::string, Operation>>& publishedEntries()
{
    static NeverDestroyed<std::vector<std::pair<std::string, Operation>>> entries;
    return entries.get();
}

std::array<Operation, kPluginEntryCount>& entryTable()
{
    static NeverDestroyed<std::array<Operation, kPluginEntryCount>> table;
    return table.get();
}

Operation publishedEntry(std::string_view name)
{
    for (const auto& [published, entry] : publishedEntries()) {
        if (published == name)
            return entry;
    }
    return nullptr;
}
} // namespace

void registerPluginEntry(std::string_view name, Operation entry)
{
    for (auto& [published, existing] : publishedEntries()) {
        if (published == name) {
            existing = entry;
            return;
        }
    }
    publishedEntries().emplace_back(std::string(name), entry);
}

void _InitPluginEntrypoints()
{
    for (std::size_t i = 0; i < kPluginEntryCount; ++i)
        entryTable()[i] = publishedEntry(pluginEntryNames[i]);
}

Operation pluginEntryPoint(std::string_view name)
{
    for (std::size_t i = 0; i < kPluginEntryCount; ++i) {
        if (pluginEntryNames[i] == name)
            return entryTable()[i];
    }
    return nullptr;
}

} // namespace fw
