// Property lists: the packed form in which a window or control receives its
// design-time properties in one call.
//
// An entry is the key's ASCII bytes, one blank, and the value in the form of
// the type of the property the key names: Int32 4 bytes big-endian, Boolean
// 1 byte (0 or 1), Color 3 bytes, String a 4-byte big-endian length and the
// bytes. Keys are matched against the class's properties, its bases'
// included, without regard to letter case.
#pragma once

#include "framework/ClassRecord.h"

namespace fw {

// Applies a list; a malformed list raises PropertyListException naming the
// key and offset, leaving the properties set before it as they are.
void _SetProperties(Object* object, const String& list);
void RuntimeMassPropertySetter(Object* object, std::string_view list);

} // namespace fw
