#include "framework/Application.h"
#include "framework/Control.h"

#include "framework/Picture.h"

#include "CheckedSelf_p.h"
#include "ImageWellWidget_p.h"
#include "NativeMembers_p.h"
#include "Statics_p.h"

namespace fw {

// Program code calls these through the plug-in table, typed by its places.
static_assert(std::is_same_v<decltype(&ImageWell::Image_Get),
    decltype(PluginEntries::ImageWell_Image_Get)::Function*>);
static_assert(std::is_same_v<decltype(&ImageWell::Image_Set),
    decltype(PluginEntries::ImageWell_Image_Set)::Function*>);


namespace {
const StaticsRegistration imageWellStatics(StaticsRank::Controls, [] { ImageWell::__Lookup(); }, nullptr);
} // namespace

ClassRecord& ImageWell::__Lookup()
{
    static ClassRecord& record = defineNativeClassWithMembers<ImageWell>(
        {.name = "ImageWell", .base = &RectControl::__Lookup(), .operationCount = RectControlSlot::OperationCount},
        {}, {publishedAccessor<&ImageWell::Image_Get, &ImageWell::Image_Set>("Image", "o<Picture>")});
    return record;
}

ImageWell::ImageWell(ClassRecord& record) : RectControl(record) { }
ImageWell::~ImageWell() = default;

Ref<Picture> ImageWell::Image_Get(ImageWell* well, std::int32_t)
{
    return checkedSelf(well).m_image;
}

void ImageWell::Image_Set(ImageWell* well, std::int32_t, Picture* picture)
{
    ImageWell& self = checkedSelf(well);
    self.m_image = picture;
    if (QWidget* widget = self.widget()) {
        // Decoded now, within the press that shows it, so that the repaint
        // finds the pixels held and only draws them.
        if (picture)
            picture->image();
        widget->update();
    }
}

bool ImageWell::_KeyDown(String key)
{
    return callBoundStub<ImageWell>(this, "KeyDown", std::move(key));
}

std::unique_ptr<QWidget> ImageWell::createWidget()
{
    return std::make_unique<ImageWellWidget>(*this);
}

} // namespace fw
