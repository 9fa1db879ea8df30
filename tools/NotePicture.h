// The picture of one note, shown in the centre of the chart when its key is
// pressed: the note's name in a band coloured after its pitch, the written
// pitch on a treble staff, and how to finger it (or, in the altissimo, that
// its fingerings vary).
#pragma once

#include <QImage>

#include <cstddef>

namespace tolvane::mediagen {

QImage notePicture(std::size_t noteIndex);

} // namespace tolvane::mediagen
