#include "files/extended_attributes.h"

#include <cerrno>
#include <string_view>
#include <vector>

#include <sys/xattr.h>

namespace zeltar::files {

namespace {

constexpr std::string_view kUserAttributes = "user.";
constexpr std::string_view kAccessControlList = "system.posix_acl_access";

// The bytes of a list or a value, read with the system's size-then-fetch protocol; the attribute
// may grow in between, so a too-small buffer (ERANGE) is sized again.
template <typename Read>
int ReadSized(std::vector<char>& bytes, Read read)
{
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return errno;
        bytes.resize(static_cast<std::size_t>(size));
        const ssize_t n = read(bytes.data(), bytes.size());
        if (n >= 0) {
            bytes.resize(static_cast<std::size_t>(n));
            return 0;
        }
        if (errno != ERANGE)
            return errno;
    }
}

} // namespace

bool MustKeepAttribute(const std::string& name)
{
    return name.starts_with(kUserAttributes) || name == kAccessControlList;
}

AttributeFailure CopyExtendedAttributes(const std::string& from, int to)
{
    std::vector<char> names;
    if (const int error = ReadSized(
            names, [&](char* buffer, std::size_t size) { return ::llistxattr(from.c_str(), buffer, size); })) {
        // A file system without extended attributes has none to lose.
        if (error == ENOTSUP)
            return {};
        return {error, ""};
    }
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        std::vector<char> value;
        int error = ReadSized(value, [&](char* buffer, std::size_t size) {
            return ::lgetxattr(from.c_str(), name.c_str(), buffer, size);
        });
        if (error == ENODATA) // removed since the list was read
            continue;
        if (error == 0 && ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0)
            error = errno;
        if (error != 0 && MustKeepAttribute(name))
            return {error, name};
    }
    return {};
}

} // namespace zeltar::files
