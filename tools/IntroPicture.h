// The opening picture of the centre area: the application's title and what
// to do first. Its dark ground sets it apart from every note picture.
#pragma once

#include <QImage>

namespace tolvane::mediagen {

QImage introPicture();

} // namespace tolvane::mediagen
