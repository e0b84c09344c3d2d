#include "files/follow_links.h"

#include <cerrno>
#include <climits>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace zeltar::files {

namespace {

// Links followed before giving up with ELOOP, as the system does.
constexpr int kMostLinksFollowed = 40;

} // namespace

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool MayFollowLink(uid_t linkOwner, mode_t folderMode, uid_t folderOwner, uid_t user)
{
    if (linkOwner == user)
        return true;
    const bool sharedFolder = (folderMode & S_ISVTX) != 0 && (folderMode & S_IWOTH) != 0;
    return !sharedFolder || linkOwner == folderOwner;
}

FollowedLinks FollowLinks(const std::string& path)
{
    FollowedLinks result{path, 0, {}};
    std::string& at = result.target;
    for (int followed = 0;; ++followed) {
        struct stat link {};
        if (::lstat(at.c_str(), &link) != 0) {
            if (errno != ENOENT) // a new file (or a dangling link's target) is fine
                result.error = errno;
            return result;
        }
        if (!S_ISLNK(link.st_mode))
            return result;
        if (followed == kMostLinksFollowed) {
            result.error = ELOOP;
            return result;
        }
        struct stat folder {};
        if (::stat(FolderOf(at).c_str(), &folder) != 0) {
            result.error = errno;
            return result;
        }
        if (!MayFollowLink(link.st_uid, folder.st_mode, folder.st_uid, ::geteuid())) {
            result.error = EACCES;
            result.refusedLink = at;
            return result;
        }
        std::vector<char> pointed(PATH_MAX + 1);
        const ssize_t n = ::readlink(at.c_str(), pointed.data(), pointed.size());
        if (n < 0) {
            result.error = errno;
            return result;
        }
        if (static_cast<std::size_t>(n) >= pointed.size()) {
            result.error = ENAMETOOLONG;
            return result;
        }
        const std::string next(pointed.data(), static_cast<std::size_t>(n));
        at = next.starts_with('/') ? next : FolderOf(at) + "/" + next;
    }
}

} // namespace zeltar::files
