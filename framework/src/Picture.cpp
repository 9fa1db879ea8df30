#include "framework/Picture.h"

#include "BoundedFile_p.h"
#include "NativeClass_p.h"
#include "Statics_p.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace fw {

namespace {

const StaticsRegistration pictureStatics(StaticsRank::Files, [] { Picture::__Lookup(); }, nullptr);

// The decoders fill in whatever is missing at the end of a cut-off file, so a
// truncated file is told by its last bytes instead: a JPEG ends with its
// end-of-image marker, a GIF with its trailer. Zero padding after them, as
// some writers leave, is allowed.
bool endsWhole(QByteArrayView bytes, QByteArrayView format)
{
    qsizetype end = bytes.size();
    while (end > 0 && bytes[end - 1] == '\0')
        --end;
    QByteArrayView content = bytes.first(end);
    if (format == "jpeg")
        return content.endsWith("\xFF\xD9");
    return content.endsWith(';');
}

// "jpeg" or "gif" by the file's signature; empty for anything else.
QByteArrayView formatOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    return {};
}

bool withinBounds(QSize size)
{
    if (!size.isValid() || size.isEmpty())
        return false;
    if (size.width() > Picture::kMaximumSide || size.height() > Picture::kMaximumSide)
        return false;
    return std::int64_t(size.width()) * size.height() * 4 <= Picture::kMaximumImageBytes;
}

} // namespace

ClassRecord& Picture::__Lookup()
{
    static ClassRecord& record = defineNativeClass<Picture>({.name = "Picture", .base = &ObjectClass()});
    return record;
}

Picture::Picture(ClassRecord& record) : Object(record), m_image(std::make_unique<QImage>()) { }
Picture::~Picture() = default;

const QImage& Picture::image() const { return *m_image; }
int Picture::width() const { return m_image->width(); }
int Picture::height() const { return m_image->height(); }

Ref<Picture> Picture::fromFile(const std::string& path)
{
    std::optional<QByteArray> bytes = readBoundedFile(path, kMaximumFileBytes);
    if (!bytes || bytes->isEmpty())
        return nullptr;

    // The format comes from the content alone, never from the file's name.
    // Naming it to the reader also spares loading every image plug-in Qt
    // has, which probing would do at the first picture of the run.
    const QByteArrayView format = formatOf(*bytes);
    if (format.isEmpty() || !endsWhole(*bytes, format))
        return nullptr;
    QBuffer buffer(&*bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return nullptr;
    QImageReader reader(&buffer, format.toByteArray());
    reader.setDecideFormatFromContent(false);
    // The header's size is read before a single pixel is decoded.
    if (!withinBounds(reader.size()))
        return nullptr;

    QImage image;
    if (!reader.read(&image))
        return nullptr;
    return fromImage(std::move(image));
}

Ref<Picture> Picture::fromImage(QImage image)
{
    if (image.isNull() || !withinBounds(image.size()))
        return nullptr;
    Ref<Picture> picture = RuntimeNewObjectOf<Picture>(__Lookup());
    *picture->m_image = std::move(image);
    return picture;
}

} // namespace fw
