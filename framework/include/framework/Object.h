// The root of every object of the runtime.
//
// An object knows its class record and carries the fields that classes
// registered at run time append to the instance (Int32 properties such as a
// window class's own), as raw storage of the size the class record gives.
#pragma once

#include "framework/Ref.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace fw {

class ClassRecord;
class Object;

// A reference that empties when its target goes: what a delegate with flag 1
// holds instead of its target.
class WeakReference final : public RefCounted {
public:
    explicit WeakReference(Object* target) : m_target(target) { }
    Object* target() const { return m_target; }

private:
    friend class Object;
    Object* m_target;
};

class Object : public RefCounted {
public:
    explicit Object(ClassRecord& classRecord);
    ~Object() override;

    ClassRecord& classRecord() const { return *m_classRecord; }
    bool isKindOf(const ClassRecord& record) const;

    // The run-time fields of the instance, zeroed at creation.
    std::byte* fieldAt(std::size_t offset, std::size_t size);

    // The weak reference to this object; made on first request.
    Ref<WeakReference> weakReference();

protected:
    void destroy() noexcept override;

private:
    ClassRecord* m_classRecord;
    std::vector<std::byte> m_fields;
    Ref<WeakReference> m_weakReference;
};

} // namespace fw
