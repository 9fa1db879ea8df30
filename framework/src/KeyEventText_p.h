// The key of a key event as program code receives it: the text the key
// types, or for a key that types nothing the control character that
// stands for it (the arrows are 28 to 31, Return 13, Escape 27...).
#pragma once

#include "framework/String.h"

class QKeyEvent;

namespace fw {

// The empty String for a key that neither types text nor has a character
// (a modifier on its own).
String keyEventText(const QKeyEvent& event);

} // namespace fw
