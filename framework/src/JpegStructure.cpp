// The walk of a JPEG file's marker segments, from its start-of-image marker
// to its end-of-image marker.
#include "PictureStructure_p.h"

#include <cstring>

namespace fw {

namespace {

constexpr unsigned char kMarkerPrefix = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kTemporary = 0x01;

bool isRestart(unsigned char marker) { return marker >= 0xD0 && marker <= 0xD7; }

// The start-of-frame markers C0 to CF, less the three that share their range:
// Huffman tables (C4), the reserved JPG (C8) and arithmetic conditioning
// (CC).
bool isStartOfFrame(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

class JpegWalk {
public:
    explicit JpegWalk(QByteArrayView bytes) : m_bytes(bytes) { }

    std::optional<PictureStructure> walk()
    {
        qsizetype at = 2;
        while (true) {
            // A marker: 0xFF, then any number of fill bytes 0xFF. Stray bytes
            // before it are skipped, as the decoder skips them.
            at = nextMarkerPrefix(at);
            while (at < size() && byte(at) == kMarkerPrefix)
                ++at;
            if (at >= size())
                return std::nullopt;
            const unsigned char marker = byte(at++);
            if (marker == kEndOfImage)
                return finish(at);
            if (marker == kTemporary || isRestart(marker))
                continue;
            if (marker == kStartOfImage || marker == 0x00)
                return std::nullopt;
            if (!segment(marker, at))
                return std::nullopt;
        }
    }

private:
    qsizetype size() const { return m_bytes.size(); }
    unsigned char byte(qsizetype at) const { return static_cast<unsigned char>(m_bytes[at]); }
    int bigEndian16(qsizetype at) const { return byte(at) << 8 | byte(at + 1); }

    // A segment with a length; `at` is moved past it, and past the
    // entropy-coded data that follows a scan header.
    bool segment(unsigned char marker, qsizetype& at)
    {
        if (at + 2 > size())
            return false;
        const int length = bigEndian16(at);
        if (length < 2 || at + length > size())
            return false;
        if (isStartOfFrame(marker)) {
            // Precision, height, width, components: one frame per image.
            if (length < 8 || m_sawFrame)
                return false;
            m_sawFrame = true;
            m_structure.size = QSize(bigEndian16(at + 5), bigEndian16(at + 3));
        }
        at += length;
        if (marker != kStartOfScan)
            return true;
        if (!m_sawFrame)
            return false;
        ++m_structure.passes;
        at = afterEntropyCodedData(at);
        return at < size();
    }

    qsizetype nextMarkerPrefix(qsizetype at) const
    {
        if (at >= size())
            return size();
        const void* found = std::memchr(m_bytes.data() + at, kMarkerPrefix, std::size_t(size() - at));
        return found ? static_cast<const char*>(found) - m_bytes.data() : size();
    }

    // Scan data runs until a marker: 0xFF followed by anything but a
    // stuffed 0x00 or a restart marker, which belong to the data.
    qsizetype afterEntropyCodedData(qsizetype at) const
    {
        while ((at = nextMarkerPrefix(at)) < size()) {
            qsizetype next = at + 1;
            while (next < size() && byte(next) == kMarkerPrefix)
                ++next;
            if (next >= size())
                return size();
            if (byte(next) != 0x00 && !isRestart(byte(next)))
                return at;
            at = next + 1;
        }
        return size();
    }

    std::optional<PictureStructure> finish(qsizetype end)
    {
        if (!m_sawFrame || m_structure.passes == 0)
            return std::nullopt;
        m_structure.format = "jpeg";
        m_structure.end = end;
        return m_structure;
    }

    QByteArrayView m_bytes;
    PictureStructure m_structure;
    bool m_sawFrame = false;
};

} // namespace

std::optional<PictureStructure> walkJpeg(QByteArrayView bytes)
{
    if (!bytes.startsWith("\xFF\xD8\xFF"))
        return std::nullopt;
    return JpegWalk(bytes).walk();
}

} // namespace fw
