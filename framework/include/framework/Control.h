// Controls of a window: the base Control, the rectangular RectControl, and
// the two kinds the chart uses, Label and ImageWell (a plug-in control).
//
// Geometry is in the window's coordinates, also for a control whose
// InitialParent is another control. Events reach program code through the
// stub and delegate bound with RuntimeAddEventHandler.
#pragma once

#include "framework/Box.h"
#include "framework/Delegate.h"

#include <cstdint>
#include <memory>
#include <vector>

class QWidget;

namespace fw {

class Window;
class Picture;

class Control : public Object {
public:
    explicit Control(ClassRecord& record);
    ~Control() override;
    static ClassRecord& __Lookup();

    const String& name() const { return m_name; }
    Window* window() const { return m_window; }

    // Event bindings, kept by RuntimeAddEventHandler.
    struct EventBinding {
        String event;
        Operation stub = nullptr;
        Ref<Delegate> delegate;
    };
    void bindEvent(std::string_view event, Operation stub, Delegate* delegate);
    const EventBinding* binding(std::string_view event) const;

    // Set by Window.__New and Window._AddControl.
    void attach(Window* window, String name);
    void detachFromWindow() { m_window = nullptr; }

    // Property values a list may set on every control.
    String nameProperty;
    std::int32_t index = 0;
    std::int32_t tabPanelIndex = 0;

private:
    String m_name;
    Window* m_window = nullptr; // the window owns its controls
    std::vector<EventBinding> m_bindings;
};

class RectControl : public Control {
public:
    explicit RectControl(ClassRecord& record);
    ~RectControl() override;
    static ClassRecord& __Lookup();

    // `RectControl.Constructor`: makes the native widget so the control can
    // be registered; the result is not used.
    static void Constructor(RectControl* control);

    QWidget* widget() const;

    std::int32_t left = 0, top = 0, width = 0, height = 0;
    bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
    std::int32_t tabIndex = 0;
    bool tabStop = false;
    String initialParent;
    bool visible = true;
    String helpTag;
    bool autoDeactivate = false;
    bool enabled = true;

protected:
    struct Native;
    std::unique_ptr<Native> m_native;
};

class Label final : public RectControl {
public:
    explicit Label(ClassRecord& record);
    static ClassRecord& __Lookup();

    // `Label.TextUnit` (set): the unit of the font size (FontUnits, 0 default).
    static void TextUnit_Set(Label* label, std::int32_t, std::int32_t unit);
    std::int32_t textUnit = -1; // -1: not set yet

    // The label's mouse-down event entry: x, y in the label's coordinates.
    // Returns the bound stub's result, False when nothing is bound.
    bool _MouseDown(std::int32_t x, std::int32_t y);

    String text;
    std::int32_t textAlign = 0;
    Color textColor;
    bool multiLine = false;
    bool selectable = false;
    bool transparent = false;
    String textFont;
    bool bold = false, italic = false, underline = false;
    String dataSource, dataField;
};

class ImageWell final : public RectControl {
public:
    explicit ImageWell(ClassRecord& record);
    ~ImageWell() override;
    static ClassRecord& __Lookup();

    // "ImageWell.Image.Get" / "ImageWell.Image.Set" of the plug-in table.
    static Ref<Picture> Image_Get(ImageWell* well, std::int32_t);
    static void Image_Set(ImageWell* well, std::int32_t, Picture* picture);

    // The well's key-down event entry, with the key as a String.
    bool _KeyDown(String key);

private:
    Ref<Picture> m_image;
};

namespace RectControlSlot {
inline constexpr Slot<void(RectControl*)> Constructor{0};
} // namespace RectControlSlot

} // namespace fw
