#include "framework/Object.h"

#include "framework/ClassRecord.h"

namespace fw {

Object::Object(ClassRecord& classRecord)
    : m_classRecord(&classRecord)
    , m_fields(classRecord.instanceSize)
{
}

Object::~Object()
{
    if (m_weakReference)
        m_weakReference->m_target = nullptr;
}

bool Object::isKindOf(const ClassRecord& record) const
{
    return m_classRecord->isSubclassOf(record);
}

std::byte* Object::fieldAt(std::size_t offset, std::size_t size)
{
    if (offset + size > m_fields.size() || offset + size < offset)
        return nullptr;
    return m_fields.data() + offset;
}

Ref<WeakReference> Object::weakReference()
{
    if (!m_weakReference)
        m_weakReference = make<WeakReference>(this);
    return m_weakReference;
}

void Object::destroy() noexcept
{
    // Weak holders see the object gone before any finaliser runs: a
    // finaliser that reached it through one would count it alive again.
    if (m_weakReference)
        m_weakReference->m_target = nullptr;
    // The finaliser chain runs while the whole object is still alive, the
    // class's own first, then its bases'.
    for (ClassRecord* record = m_classRecord; record; record = record->base) {
        if (record->finalizer)
            record->finalizer(this);
    }
    delete this;
}

} // namespace fw
