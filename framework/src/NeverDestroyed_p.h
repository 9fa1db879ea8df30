// Storage for a runtime static that must outlive every object: class records
// are read by objects that are released during static destruction (cached
// pictures live until the process ends), so the registry is never torn down.
#pragma once

#include <new>
#include <utility>

namespace fw {

template<typename T>
class NeverDestroyed {
public:
    template<typename... Args>
    explicit NeverDestroyed(Args&&... args)
    {
        ::new (static_cast<void*>(m_storage)) T(std::forward<Args>(args)...);
    }
    NeverDestroyed(const NeverDestroyed&) = delete;
    NeverDestroyed& operator=(const NeverDestroyed&) = delete;

    T& get() { return *std::launder(reinterpret_cast<T*>(m_storage)); }
    T* operator->() { return &get(); }

private:
    alignas(T) unsigned char m_storage[sizeof(T)];
};

} // namespace fw
