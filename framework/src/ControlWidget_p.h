// What the native widgets of controls share: the link back to their control,
// which the control cuts before it goes (Qt may still send the widget events
// until the event loop deletes it), and the plain widget of a RectControl.
#pragma once

#include "framework/Control.h"

#include <QWidget>

namespace fw {

class ControlLink {
public:
    explicit ControlLink(RectControl& control) : m_control(&control) { }
    virtual ~ControlLink() = default;
    ControlLink(const ControlLink&) = delete;
    ControlLink& operator=(const ControlLink&) = delete;

    void forgetControl() { m_control = nullptr; }

protected:
    // The control, of the class that made the widget; nil once it went.
    template<typename Control>
    Ref<Control> control() const
    {
        return Ref<Control>(static_cast<Control*>(m_control));
    }

private:
    RectControl* m_control;
};

class RectControlWidget final : public QWidget, public ControlLink {
public:
    explicit RectControlWidget(RectControl& control) : ControlLink(control) { }
};

} // namespace fw
