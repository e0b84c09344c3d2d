// Following a chain of symbolic links at the last component of a path the program writes, under
// the system's rule for shared folders: in a folder that is sticky and writable by everyone (/tmp),
// a link is followed only when it belongs to the user or to the folder's owner. The system applies
// this rule itself when it opens a path; the writer reads links by hand (to write the file a link
// points to and keep the link), so it applies the rule itself too.
#pragma once

#include <string>

#include <sys/types.h>

namespace zeltar::files {

struct FollowedLinks {
    std::string target;      // the file the chain ends at (the path itself when it is no link)
    int error = 0;           // errno when the chain could not be followed, else 0
    std::string refusedLink; // the link the rule refused (error is EACCES), else ""
};

// Whether a link owned by `linkOwner` in a folder of `folderMode` owned by `folderOwner` may be
// followed by `user`.
bool MayFollowLink(uid_t linkOwner, mode_t folderMode, uid_t folderOwner, uid_t user);

// Follows the links at `path`'s last component for the effective user; a link's relative target is
// taken from the link's own folder. A missing file (a new file, a dangling link's target) is no
// error.
FollowedLinks FollowLinks(const std::string& path);

// The folder part of a path: "." for a bare name, "/" for a name in the root.
std::string FolderOf(const std::string& path);
// The last component of a path.
std::string NameOf(const std::string& path);

} // namespace zeltar::files
