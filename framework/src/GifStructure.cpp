// The walk of a GIF file's blocks, from its header to its trailer.
#include "PictureStructure_p.h"


namespace fw {

namespace {

constexpr char kExtension = 0x21;
constexpr char kImageDescriptor = 0x2C;
constexpr char kTrailer = 0x3B;
constexpr qsizetype kHeaderAndScreen = 13;
constexpr qsizetype kDescriptorAfterSeparator = 9;
constexpr int kColourTableFlag = 0x80;

class GifWalk {
public:
    explicit GifWalk(QByteArrayView bytes) : m_bytes(bytes) { }

    std::optional<PictureStructure> walk()
    {
        if (size() < kHeaderAndScreen)
            return std::nullopt;
        int images = 0;
        QSize extent(littleEndian16(6), littleEndian16(8));
        qsizetype at = kHeaderAndScreen;
        skipColourTable(byte(10), at);
        while (at < size()) {
            const char block = m_bytes[at++];
            if (block == kTrailer) {
                if (images == 0)
                    return std::nullopt;
                return PictureStructure{.format = "gif", .end = at, .size = extent, .passes = 1};
            }
            if (block == kExtension) {
                // The label, then the extension's sub-blocks.
                if (++at > size() || !skipSubBlocks(at))
                    return std::nullopt;
            } else if (block == kImageDescriptor) {
                if (at + kDescriptorAfterSeparator > size())
                    return std::nullopt;
                // The decoder draws the first image on the logical screen,
                // which it widens to hold the image.
                if (images++ == 0) {
                    extent = extent.expandedTo(QSize(littleEndian16(at) + littleEndian16(at + 4),
                        littleEndian16(at + 2) + littleEndian16(at + 6)));
                }
                const int flags = byte(at + 8);
                at += kDescriptorAfterSeparator;
                skipColourTable(flags, at);
                // The code size of the compressed data, then its sub-blocks.
                if (++at > size() || !skipSubBlocks(at))
                    return std::nullopt;
            } else {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

private:
    qsizetype size() const { return m_bytes.size(); }
    int byte(qsizetype at) const { return static_cast<unsigned char>(m_bytes[at]); }
    int littleEndian16(qsizetype at) const { return byte(at) | byte(at + 1) << 8; }

    static void skipColourTable(int flags, qsizetype& at)
    {
        if (flags & kColourTableFlag)
            at += qsizetype(3) << ((flags & 7) + 1);
    }

    // Sub-blocks of up to 255 bytes, each after its length, up to an empty
    // one.
    bool skipSubBlocks(qsizetype& at) const
    {
        while (at < size()) {
            const int length = byte(at++);
            if (length == 0)
                return true;
            at += length;
        }
        return false;
    }

    QByteArrayView m_bytes;
};

} // namespace

std::optional<PictureStructure> walkGif(QByteArrayView bytes)
{
    if (!bytes.startsWith("GIF87a") && !bytes.startsWith("GIF89a"))
        return std::nullopt;
    return GifWalk(bytes).walk();
}

std::optional<PictureStructure> walkPictureStructure(QByteArrayView bytes)
{
    if (std::optional<PictureStructure> jpeg = walkJpeg(bytes))
        return jpeg;
    return walkGif(bytes);
}

} // namespace fw
