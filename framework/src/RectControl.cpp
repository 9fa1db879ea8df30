#include "framework/Control.h"

#include "framework/Window.h"

#include "CheckedSelf_p.h"
#include "ControlWidget_p.h"
#include "NativeWidget_p.h"
#include "QtText_p.h"
#include "Statics_p.h"
#include "StoredProperty_p.h"

#include <algorithm>

namespace fw {

struct RectControl::Native {
    NativeWidget<QWidget> widget;
    ControlLink* link = nullptr; // the same widget, as the link to this control

    void release()
    {
        if (link)
            link->forgetControl();
        link = nullptr;
        widget.reset();
    }
};

namespace {
const StaticsRegistration rectControlStatics(StaticsRank::Controls, [] { RectControl::__Lookup(); }, nullptr);
} // namespace

// The friend through which the rows reach the control's hooks.
struct RectControlPropertyTable {
    using R = RectControl;
    using i4 = std::int32_t;

    static std::vector<NativeAccessor> rows()
    {
        return {
            storedAccessor<R, i4, &R::left, &R::applyGeometry>("Left", "i4"),
            storedAccessor<R, i4, &R::top, &R::applyGeometry>("Top", "i4"),
            storedAccessor<R, i4, &R::width, &R::applyGeometry>("Width", "i4"),
            storedAccessor<R, i4, &R::height, &R::applyGeometry>("Height", "i4"),
            storedAccessor<R, bool, &R::lockLeft>("LockLeft", "b"),
            storedAccessor<R, bool, &R::lockTop>("LockTop", "b"),
            storedAccessor<R, bool, &R::lockRight>("LockRight", "b"),
            storedAccessor<R, bool, &R::lockBottom>("LockBottom", "b"),
            storedAccessor<R, i4, &R::tabIndex, &R::applyTabOrder>("TabIndex", "i4"),
            storedAccessor<R, bool, &R::tabStop, &R::applyFocusPolicy>("TabStop", "b"),
            storedAccessor<R, String, &R::initialParent, &R::applyStacking>("InitialParent", "s"),
            storedAccessor<R, bool, &R::visible, &R::applyVisibility>("Visible", "b"),
            storedAccessor<R, String, &R::helpTag, &R::applyHelpTag>("HelpTag", "s"),
            storedAccessor<R, bool, &R::autoDeactivate>("AutoDeactivate", "b"),
            storedAccessor<R, bool, &R::enabled, &R::applyEnabled>("Enabled", "b"),
        };
    }
};

ClassRecord& RectControl::__Lookup()
{
    static ClassRecord& record = defineNativeClassWithMembers<RectControl>(
        {
            .name = "RectControl",
            .base = &Control::__Lookup(),
            .events = {"MouseDown", "MouseDrag", "MouseUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel",
                "KeyDown", "KeyUp", "GotFocus", "LostFocus", "DropObject", "DragEnter", "DragExit", "DragOver",
                "ConstructContextualMenu", "ContextualMenuAction"},
            .operationCount = RectControlSlot::OperationCount,
        },
        {
            nativeOperation(RectControlSlot::Constructor, "Constructor", "%%", &RectControl::Constructor),
            nativeOperation(RectControlSlot::Refresh, "Refresh", "%%", &RectControl::Refresh),
            nativeOperation(RectControlSlot::SetFocus, "SetFocus", "%%", &RectControl::SetFocus),
            nativeOperation(RectControlSlot::Close, "Close", "%%", &RectControl::Close),
        },
        RectControlPropertyTable::rows());
    return record;
}

RectControl::RectControl(ClassRecord& record) : Control(record), m_native(std::make_unique<Native>()) { }

RectControl::~RectControl()
{
    m_native->release();
}

QWidget* RectControl::widget() const
{
    return m_native->widget.get();
}

void RectControl::Constructor(RectControl* control)
{
    RectControl& self = checkedSelf(control);
    if (self.m_native->widget)
        return;
    std::unique_ptr<QWidget> widget = self.createWidget();
    if (Window* window = self.window(); window && window->contentWidget())
        widget->setParent(window->contentWidget());
    self.m_native->link = dynamic_cast<ControlLink*>(widget.get());
    self.m_native->widget = adoptWidget(std::move(widget));
    self.applyProperties();
}

std::unique_ptr<QWidget> RectControl::createWidget()
{
    return std::make_unique<RectControlWidget>(*this);
}

void RectControl::Refresh(RectControl* control)
{
    if (QWidget* widget = checkedSelf(control).widget())
        widget->update();
}

void RectControl::SetFocus(RectControl* control)
{
    if (QWidget* widget = checkedSelf(control).widget())
        widget->setFocus(Qt::OtherFocusReason);
}

void RectControl::Close(RectControl* control)
{
    RectControl& self = checkedSelf(control);
    if (Window* window = self.window())
        call(window, WindowSlot::_RemoveControl, &self);
}

void RectControl::detachFromWindow()
{
    Control::detachFromWindow();
    m_native->release();
}

void RectControl::followContentResize(std::int32_t deltaWidth, std::int32_t deltaHeight)
{
    // A control locked on both sides stretches; locked on the far side only,
    // it moves along.
    if (lockRight) {
        if (lockLeft)
            width += deltaWidth;
        else
            left += deltaWidth;
    }
    if (lockBottom) {
        if (lockTop)
            height += deltaHeight;
        else
            top += deltaHeight;
    }
    applyGeometry();
}

void RectControl::applyProperties()
{
    applyGeometry();
    applyEnabled();
    applyHelpTag();
    applyFocusPolicy();
    applyStacking();
    applyVisibility();
}

void RectControl::applyGeometry()
{
    if (QWidget* widget = this->widget())
        widget->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}

void RectControl::applyVisibility()
{
    if (QWidget* widget = this->widget())
        widget->setVisible(visible);
}

void RectControl::applyStacking()
{
    // A control inside another one is drawn over it; its place stays in
    // window coordinates, so the widgets remain siblings.
    QWidget* widget = this->widget();
    Window* window = this->window();
    if (!widget || !window || initialParent.view().empty())
        return;
    Ref<Control> parent = call(window, WindowSlot::_ControlByName, initialParent);
    if (parent && parent.get() != this)
        widget->raise();
}

void RectControl::applyFocusPolicy()
{
    QWidget* widget = this->widget();
    if (!widget)
        return;
    if (!acceptsFocus())
        widget->setFocusPolicy(Qt::NoFocus);
    else
        widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    applyTabOrder();
}

void RectControl::applyHelpTag()
{
    if (QWidget* widget = this->widget())
        widget->setToolTip(toQString(helpTag));
}

void RectControl::applyEnabled()
{
    if (QWidget* widget = this->widget())
        widget->setEnabled(enabled);
}

void RectControl::applyTabOrder()
{
    if (Window* window = this->window(); window && widget())
        window->updateTabOrder();
}

} // namespace fw
