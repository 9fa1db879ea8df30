#include "FailedFiles_p.h"

namespace fw {

bool FailedFiles::failedUnchanged(const std::string& path) const
{
    auto failure = m_failures.find(path);
    if (failure == m_failures.end())
        return false;
    std::optional<FileIdentity> now = fileIdentity(path);
    return now && *now == failure->second;
}

void FailedFiles::remember(const std::string& path, const FileIdentity& identity)
{
    if (m_failures.size() >= kCapacity && !m_failures.contains(path))
        m_failures.clear();
    m_failures.insert_or_assign(path, identity);
}

void FailedFiles::forget(const std::string& path)
{
    m_failures.erase(path);
}

} // namespace fw
