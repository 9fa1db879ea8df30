#include "framework/Control.h"

#include "framework/Picture.h"

#include "CheckedSelf_p.h"
#include "ImageWellWidget_p.h"
#include "PluginEntries_p.h"
#include "Statics_p.h"
#include "StoredProperty_p.h"

namespace fw {

namespace {

void registerImageWell()
{
    ImageWell::__Lookup();
    registerPluginEntry("ImageWell.Image.Get", eraseOperation(&ImageWell::Image_Get));
    registerPluginEntry("ImageWell.Image.Set", eraseOperation(&ImageWell::Image_Set));
}

const StaticsRegistration imageWellStatics(StaticsRank::Controls, registerImageWell, nullptr);

} // namespace

ClassRecord& ImageWell::__Lookup()
{
    static ClassRecord& record = [] () -> ClassRecord& {
        NativeClassDefinition definition{
            .name = "ImageWell",
            .base = &RectControl::__Lookup(),
            .operationCount = RectControlSlot::OperationCount,
        };
        addNativeMembers(definition, {},
            {
                accessor<ImageWell, Picture*>("Image", "o<Picture>",
                    +[](ImageWell* well) { return well->image(); },
                    +[](ImageWell* well, Picture* picture) { Image_Set(well, 0, picture); }),
            });
        return defineNativeClass<ImageWell>(std::move(definition));
    }();
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
    if (QWidget* widget = self.widget())
        widget->update();
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
