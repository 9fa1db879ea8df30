// Reads a screen dump in the X Window Dump format that xwd writes, for a
// test to look at what the X server shows.
#pragma once

#include <QByteArray>
#include <QImage>

// A null image when the dump is not a true-colour ZPixmap of 24 or 32 bits.
QImage imageFromXwd(const QByteArray& dump);
