#include "framework/Picture.h"

#include "BoundedFile_p.h"
#include "DecodedPixelBudget_p.h"
#include "FailedFiles_p.h"
#include "NativeClass_p.h"
#include "NeverDestroyed_p.h"
#include "PictureStructure_p.h"
#include "Statics_p.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace fw {

namespace {
std::uint64_t nextKey()
{
    static std::uint64_t last = 0;
    return ++last;
}
} // namespace

// Either the kept bytes of a file, decoded on demand into the budget, or an
// image made in memory, which has nothing to be decoded again from and is
// kept whole.
struct Picture::Data {
    std::uint64_t key = nextKey();
    QByteArray encoded;
    QByteArray format;
    QSize size;
    QImage drawn;
};

namespace {

const StaticsRegistration pictureStatics(StaticsRank::Files, [] { Picture::__Lookup(); }, nullptr);

// Neither is ever torn down: pictures cached for the whole run are released
// during static destruction and drop their pixels from the budget then.
DecodedPixelBudget& decodedPixels()
{
    static NeverDestroyed<DecodedPixelBudget> budget(Picture::kDecodedBytesBudget);
    return budget.get();
}

FailedFiles& failedPictureFiles()
{
    static NeverDestroyed<FailedFiles> failures;
    return failures.get();
}

bool withinBounds(QSize size)
{
    if (!size.isValid() || size.isEmpty())
        return false;
    if (size.width() > Picture::kMaximumSide || size.height() > Picture::kMaximumSide)
        return false;
    return std::int64_t(size.width()) * size.height() * 4 <= Picture::kMaximumImageBytes;
}

bool withinDecodeWork(const PictureStructure& structure)
{
    const std::int64_t pixels = std::int64_t(structure.size.width()) * structure.size.height();
    return structure.passes <= Picture::kMaximumScans && pixels * structure.passes <= Picture::kMaximumDecodeWork;
}

QImage decode(const QByteArray& bytes, const QByteArray& format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    // Naming the format spares loading every image plug-in Qt has, which
    // probing would do at the first picture of the run.
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // The decoder's own reading of the header, before a single pixel.
    if (!withinBounds(reader.size()))
        return {};
    QImage image;
    if (!reader.read(&image) || !withinBounds(image.size()))
        return {};
    return image;
}

// A file's picture, decoded, with the bytes it is decoded again from: the
// format comes from the content alone, never from the file's name, and only
// the picture's own bytes are kept.
struct DecodedFile {
    QByteArray encoded;
    QByteArray format;
    QImage image;
};

std::optional<DecodedFile> decodeFile(QByteArray bytes)
{
    std::optional<PictureStructure> structure = walkPictureStructure(bytes);
    if (!structure || !withinBounds(structure->size) || !withinDecodeWork(*structure))
        return std::nullopt;
    bytes.truncate(structure->end);
    bytes.squeeze();
    QImage image = decode(bytes, structure->format);
    if (image.isNull())
        return std::nullopt;
    return DecodedFile{std::move(bytes), std::move(structure->format), std::move(image)};
}

} // namespace

ClassRecord& Picture::__Lookup()
{
    static ClassRecord& record = defineNativeClass<Picture>({.name = "Picture", .base = &ObjectClass()});
    return record;
}

Picture::Picture(ClassRecord& record) : Object(record), m_data(std::make_unique<Data>()) { }

Picture::~Picture()
{
    if (!m_data->encoded.isEmpty())
        decodedPixels().drop(m_data->key);
}

QImage Picture::image() const
{
    if (m_data->encoded.isEmpty())
        return m_data->drawn;
    QImage image = decodedPixels().take(m_data->key);
    if (image.isNull()) {
        image = decode(m_data->encoded, m_data->format);
        // A decode that fails this time (memory short) holds nothing, so
        // that the picture does not pass for decoded.
        if (!image.isNull())
            decodedPixels().hold(m_data->key, image);
    }
    return image;
}

int Picture::width() const { return m_data->size.width(); }
int Picture::height() const { return m_data->size.height(); }

bool Picture::isDecoded() const
{
    return m_data->encoded.isEmpty() || decodedPixels().holds(m_data->key);
}

std::uint64_t Picture::serial() const { return m_data->key; }

Ref<Picture> Picture::fromFile(const std::string& path)
{
    FailedFiles& failures = failedPictureFiles();
    if (failures.failedUnchanged(path))
        return nullptr;
    std::optional<FileIdentity> opened;
    std::optional<QByteArray> bytes = readBoundedFile(path, kMaximumFileBytes, opened);
    std::optional<DecodedFile> decoded = bytes ? decodeFile(std::move(*bytes)) : std::nullopt;
    if (!decoded) {
        if (opened)
            failures.remember(path, *opened);
        return nullptr;
    }
    failures.forget(path);
    Ref<Picture> picture = RuntimeNewObjectOf<Picture>(__Lookup());
    Data& data = *picture->m_data;
    data.encoded = std::move(decoded->encoded);
    data.format = std::move(decoded->format);
    data.size = decoded->image.size();
    decodedPixels().hold(data.key, std::move(decoded->image));
    return picture;
}

Ref<Picture> Picture::fromImage(QImage image)
{
    if (image.isNull() || !withinBounds(image.size()))
        return nullptr;
    Ref<Picture> picture = RuntimeNewObjectOf<Picture>(__Lookup());
    picture->m_data->size = image.size();
    picture->m_data->drawn = std::move(image);
    return picture;
}

} // namespace fw
