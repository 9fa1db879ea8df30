// Intrusive reference counting: the one ownership mechanism of the runtime.
//
// Every object and string of the runtime derives from RefCounted and is held
// through Ref<T>, a nullable smart pointer that retains what it stores and
// releases what it replaces. A new object starts with one reference, which
// make<T>() adopts, so creating an object never needs a separate retain.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace fw {

class RefCounted {
public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    void ref() const noexcept { ++m_refCount; }
    void deref() const noexcept
    {
        if (--m_refCount == 0)
            const_cast<RefCounted*>(this)->destroy();
    }
    std::uint32_t refCount() const noexcept { return m_refCount; }

protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;
    // Called when the last reference goes; subclasses that must run code of
    // the runtime's own before the destructor (finaliser chains) override it.
    virtual void destroy() noexcept { delete this; }

private:
    mutable std::uint32_t m_refCount = 1;
};

template<typename T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept { }
    // Retains: the caller keeps its own reference.
    Ref(T* ptr) noexcept : m_ptr(ptr) { retain(); }
    Ref(const Ref& other) noexcept : m_ptr(other.m_ptr) { retain(); }
    Ref(Ref&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) { }
    template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) noexcept : m_ptr(other.get()) { retain(); }
    template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(Ref<U>&& other) noexcept : m_ptr(other.leak()) { }
    ~Ref() { release(); }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(m_ptr, other.m_ptr);
        return *this;
    }

    // Takes over a reference that is already counted (a new object's first).
    static Ref adopt(T* ptr) noexcept
    {
        Ref ref;
        ref.m_ptr = ptr;
        return ref;
    }
    // Gives up the reference without releasing it.
    [[nodiscard]] T* leak() noexcept { return std::exchange(m_ptr, nullptr); }
    // Empties the reference and hands back what it held.
    Ref take() noexcept { return adopt(leak()); }

    T* get() const noexcept { return m_ptr; }
    T* operator->() const noexcept { return m_ptr; }
    T& operator*() const noexcept { return *m_ptr; }
    explicit operator bool() const noexcept { return m_ptr != nullptr; }

    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.m_ptr == b.m_ptr; }
    friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return !a.m_ptr; }

private:
    void retain() const noexcept
    {
        if (m_ptr)
            m_ptr->ref();
    }
    void release() noexcept
    {
        if (T* ptr = std::exchange(m_ptr, nullptr))
            ptr->deref();
    }

    T* m_ptr = nullptr;
};

// The one place where the runtime allocates a counted object.
template<typename T, typename... Args>
Ref<T> make(Args&&... args)
{
    return Ref<T>::adopt(new T(std::forward<Args>(args)...));
}

} // namespace fw
