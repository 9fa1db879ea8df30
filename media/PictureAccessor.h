// A picture accessor: one callable global per picture of the chart.
//
// Called like a function, it hands out its picture, loading the file from the
// bundle's Resources folder while it has none. Once a load gives a picture,
// that same object is handed out for the rest of the process and no file is
// touched again; a failed load is not remembered, so the next call simply
// tries again (the framework answers a retry of a file that failed and has
// not changed since with one stat, not a new read). The cached picture is
// never released; the framework holds its decoded pixels only while they are
// among the most recently used.
#pragma once

#include "framework/Picture.h"

#include <string_view>

namespace tolvane::media {

class PictureAccessor {
public:
    constexpr explicit PictureAccessor(const char* fileName) : m_fileName(fileName) { }
    PictureAccessor(const PictureAccessor&) = delete;
    PictureAccessor& operator=(const PictureAccessor&) = delete;

    // The picture as a new reference; nil while the Resources folder is
    // missing or the file cannot be read as a picture. Raises
    // NilObjectException when the road to the file gives a nil item.
    fw::Ref<fw::Picture> operator()();

    std::string_view fileName() const { return m_fileName; }

private:
    const char* m_fileName;
    fw::Ref<fw::Picture> pic;
};

} // namespace tolvane::media
