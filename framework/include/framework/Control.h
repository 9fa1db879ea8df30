// Controls of a window: the base Control, the rectangular RectControl, and
// the two kinds the chart uses, Label and ImageWell (a plug-in control).
//
// Geometry is in the window's coordinates, also for a control whose
// InitialParent is another control. Events reach program code through the
// stub and delegate bound with RuntimeAddEventHandler.
//
// The public fields hold each property's value for reading; a property is
// set through its record (the property list reader, reflection or the
// accessors below), which also brings the native widget up to date.
#pragma once

#include "framework/Box.h"
#include "framework/Delegate.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class QLabel;
class QWidget;

namespace fw {

class Window;
class Picture;

class Control : public Object {
public:
    explicit Control(ClassRecord& record);
    ~Control() override;
    static ClassRecord& __Lookup();

    // The control's Name, under which its window finds it.
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

    // Set by Window.__New (nil name) and Window._AddControl.
    void attach(Window* window, String name);
    void setName(String name) { m_name = std::move(name); }
    // The window is going: the control stays, without it.
    virtual void detachFromWindow() { m_window = nullptr; }

    // Property values a list may set on every control (Name is name()).
    std::int32_t index = 0;
    std::int32_t tabPanelIndex = 0;

protected:
    // Calls the stub bound to the event with the control and the event's
    // arguments and hands back its Boolean; False when nothing is bound.
    template<typename Self, typename... Args>
    bool callBoundStub(Self* self, std::string_view event, Args... args) const
    {
        const EventBinding* bound = binding(event);
        if (!bound || !bound->stub)
            return false;
        // The handler may drop every other reference to the control.
        Ref<Self> keepAlive(self);
        auto stub = reinterpret_cast<bool (*)(Self*, Args...)>(bound->stub);
        return stub(self, args...);
    }

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

    // `RectControl.Constructor`: makes the native widget, a child of the
    // window's content widget, so the control can be registered; the
    // result is not used.
    static void Constructor(RectControl* control);
    static void Refresh(RectControl* control);
    static void SetFocus(RectControl* control);
    // Takes the control out of its window.
    static void Close(RectControl* control);

    // The native widget, nil before the constructor and after the window went.
    QWidget* widget() const;
    void detachFromWindow() override;

    // Brings the widget's place up to date after its window's content was
    // resized, by the control's locks.
    void followContentResize(std::int32_t deltaWidth, std::int32_t deltaHeight);

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
    // The native widget of the control's kind; RectControl's own is an empty
    // widget.
    virtual std::unique_ptr<QWidget> createWidget();
    // Brings the whole widget up to date with the property values.
    virtual void applyProperties();
    // Whether the widget can take the keyboard focus at all.
    virtual bool acceptsFocus() const { return true; }

private:
    friend struct RectControlPropertyTable;
    struct Native;

    void applyGeometry();
    void applyVisibility();
    void applyStacking();
    void applyFocusPolicy();
    void applyHelpTag();
    void applyEnabled();
    void applyTabOrder();

    std::unique_ptr<Native> m_native;
};

class Label final : public RectControl {
public:
    explicit Label(ClassRecord& record);
    ~Label() override;
    static ClassRecord& __Lookup();

    // `Label.TextUnit` (set): the unit of the font size (FontUnits: 0 the
    // default, 1 pixels, 2 points, 3 inches, 4 millimetres).
    static void TextUnit_Set(Label* label, std::int32_t, std::int32_t unit);
    static String Text_Get(Label* label, std::int32_t);
    static void Text_Set(Label* label, std::int32_t, String text);
    std::int32_t textUnit = -1; // -1: not set yet

    // The label's mouse-down event entry: x, y in the label's coordinates.
    // Returns the bound stub's result, False when nothing is bound.
    bool _MouseDown(std::int32_t x, std::int32_t y);

    String text;
    std::int32_t textAlign = 0; // 0 default (left), 1 left, 2 centre, 3 right
    Color textColor;
    bool multiLine = false;
    bool selectable = false;
    bool transparent = false;
    String textFont;
    std::int32_t textSize = 0; // 0: the font's own size
    bool bold = false, italic = false, underline = false;
    String dataSource, dataField;

    // Whether the label fills its rectangle before drawing its text: only an
    // opaque label in a window with a background colour of its own does.
    bool paintsBackground() const;

protected:
    std::unique_ptr<QWidget> createWidget() override;
    void applyProperties() override;
    bool acceptsFocus() const override { return false; }

private:
    friend struct LabelPropertyTable;
    // The native widget as the QLabel it is, nil when there is none.
    QLabel* labelWidget() const;
    void applyText();
    void applyAlignment();
    void applyColor();
    void applyFont();
    void applyInteraction();
};

class ImageWell final : public RectControl {
public:
    explicit ImageWell(ClassRecord& record);
    ~ImageWell() override;
    static ClassRecord& __Lookup();

    // "ImageWell.Image.Get" / "ImageWell.Image.Set" of the plug-in table.
    // The well keeps its own reference; nil shows no picture.
    static Ref<Picture> Image_Get(ImageWell* well, std::int32_t);
    static void Image_Set(ImageWell* well, std::int32_t, Picture* picture);

    // The well's key-down event entry, with the key as a String.
    bool _KeyDown(String key);

    Picture* image() const { return m_image.get(); }

protected:
    std::unique_ptr<QWidget> createWidget() override;

private:
    Ref<Picture> m_image;
};

namespace RectControlSlot {
inline constexpr Slot<void(RectControl*)> Constructor{0};
inline constexpr Slot<void(RectControl*)> Refresh{1};
inline constexpr Slot<void(RectControl*)> SetFocus{2};
inline constexpr Slot<void(RectControl*)> Close{3};
inline constexpr std::size_t OperationCount = 4;
} // namespace RectControlSlot

} // namespace fw
