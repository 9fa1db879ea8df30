#include "framework/Control.h"

#include "framework/Window.h"

#include "CheckedSelf_p.h"
#include "LabelWidget_p.h"
#include "PluginEntries_p.h"
#include "QtText_p.h"
#include "Statics_p.h"
#include "StoredProperty_p.h"

#include <QApplication>

#include <algorithm>
#include <array>

namespace fw {

namespace {

// TextAlign 0 (the default) and 1 are left, 2 centre, 3 right.
constexpr std::array<Qt::Alignment::Int, 4> kAlignments{Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

// Points per FontUnits value: 0 default (points), 1 pixels (none: the size
// is set in pixels), 2 points, 3 inches, 4 millimetres.
constexpr std::array<double, 5> kPointsPerUnit{1.0, 0.0, 1.0, 72.0, 72.0 / 25.4};

// Font names that mean the system's own font rather than a family.
bool namesSystemFont(const String& font)
{
    return font.view().empty() || equalsIgnoringCase(font.view(), "System")
        || equalsIgnoringCase(font.view(), "SmallSystem");
}

void registerLabel()
{
    Label::__Lookup();
    // Plug-ins set the unit but never read it: the setter alone is published.
    registerPluginEntry("Label.TextUnit.Set", eraseOperation(&Label::TextUnit_Set));
}

const StaticsRegistration labelStatics(StaticsRank::Controls, registerLabel, nullptr);

} // namespace

// The friend through which the rows reach the label's hooks.
struct LabelPropertyTable {
    using L = Label;
    using i4 = std::int32_t;

    static std::vector<NativeAccessor> rows()
    {
        return {
            publishedAccessor<&L::Text_Get, &L::Text_Set>("Text", "s"),
            storedAccessor<L, i4, &L::textAlign, &L::applyAlignment>("TextAlign", "i4"),
            storedAccessor<L, Color, &L::textColor, &L::applyColor>("TextColor", "c"),
            storedAccessor<L, bool, &L::multiLine, &L::applyAlignment>("MultiLine", "b"),
            storedAccessor<L, bool, &L::selectable, &L::applyInteraction>("Selectable", "b"),
            storedAccessor<L, bool, &L::transparent, &L::applyColor>("Transparent", "b"),
            storedAccessor<L, String, &L::textFont, &L::applyFont>("TextFont", "s"),
            storedAccessor<L, i4, &L::textSize, &L::applyFont>("TextSize", "i4"),
            storedAccessor<L, i4, &L::textUnit, &L::applyFont>("TextUnit", "i4"),
            storedAccessor<L, bool, &L::bold, &L::applyFont>("Bold", "b"),
            storedAccessor<L, bool, &L::italic, &L::applyFont>("Italic", "b"),
            storedAccessor<L, bool, &L::underline, &L::applyFont>("Underline", "b"),
            storedAccessor<L, String, &L::dataSource>("DataSource", "s"),
            storedAccessor<L, String, &L::dataField>("DataField", "s"),
        };
    }
};

ClassRecord& Label::__Lookup()
{
    static ClassRecord& record = defineNativeClassWithMembers<Label>(
        {.name = "Label", .base = &RectControl::__Lookup(), .operationCount = RectControlSlot::OperationCount}, {},
        LabelPropertyTable::rows());
    return record;
}

Label::Label(ClassRecord& record) : RectControl(record) { }
Label::~Label() = default;

void Label::TextUnit_Set(Label* label, std::int32_t, std::int32_t unit)
{
    Label& self = checkedSelf(label);
    self.textUnit = unit;
    self.applyFont();
}

String Label::Text_Get(Label* label, std::int32_t)
{
    return checkedSelf(label).text;
}

void Label::Text_Set(Label* label, std::int32_t, String text)
{
    Label& self = checkedSelf(label);
    self.text = std::move(text);
    self.applyText();
}

bool Label::_MouseDown(std::int32_t x, std::int32_t y)
{
    return callBoundStub<Label>(this, "MouseDown", x, y);
}

bool Label::paintsBackground() const
{
    return !transparent && window() && window()->hasBackColor();
}

std::unique_ptr<QWidget> Label::createWidget()
{
    return std::make_unique<LabelWidget>(*this);
}

void Label::applyProperties()
{
    RectControl::applyProperties();
    applyText();
    applyAlignment();
    applyColor();
    applyFont();
    applyInteraction();
}

QLabel* Label::labelWidget() const
{
    // createWidget made it a LabelWidget.
    return static_cast<QLabel*>(widget());
}

void Label::applyText()
{
    if (QLabel* widget = labelWidget())
        widget->setText(toQString(text));
}

void Label::applyAlignment()
{
    QLabel* widget = labelWidget();
    if (!widget)
        return;
    // Values outside the table are the default alignment.
    const std::size_t align = static_cast<std::size_t>(textAlign) < kAlignments.size() ? std::size_t(textAlign) : 0;
    widget->setAlignment(Qt::Alignment::fromInt(kAlignments[align]) | Qt::AlignTop);
    widget->setWordWrap(multiLine);
}

void Label::applyColor()
{
    QWidget* widget = this->widget();
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(textColor.red, textColor.green, textColor.blue));
    widget->setPalette(palette);
    widget->update();
}

void Label::applyFont()
{
    QWidget* widget = this->widget();
    if (!widget)
        return;
    QFont font = namesSystemFont(textFont) ? QApplication::font() : QFont(toQString(textFont));
    const std::size_t unit = textUnit < 0 ? 0 : static_cast<std::size_t>(textUnit);
    if (textSize > 0) {
        // No screen shows a glyph taller than this; larger sizes only make
        // the font engine work for nothing.
        const int size = std::min(textSize, 4096);
        if (unit == 1)
            font.setPixelSize(size);
        else if (unit < kPointsPerUnit.size())
            font.setPointSizeF(size * kPointsPerUnit[unit]);
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    widget->setFont(font);
}

void Label::applyInteraction()
{
    if (QLabel* widget = labelWidget())
        widget->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

} // namespace fw
