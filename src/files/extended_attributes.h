// The extended attributes of a file the writer replaces, carried over to the new file as
// `cp --preserve=xattr` does: the user's own attributes (user.*) and the POSIX access control list
// (system.posix_acl_access) are kept or the save is refused, the old file untouched; the
// attributes that belong to the system's security modules (security.*, trusted.*) are copied where
// the system allows and otherwise left to the system, which labels every new file itself.
#pragma once

#include <string>

namespace zeltar::files {

struct AttributeFailure {
    int error = 0;    // errno, 0 when every attribute that must be kept was copied
    std::string name; // the attribute that could not be copied
};

// Whether an attribute must reach the new file for the save to succeed.
bool MustKeepAttribute(const std::string& name);

// Copies the extended attributes of the file at `from` (not following a link) to the open file
// `to`.
AttributeFailure CopyExtendedAttributes(const std::string& from, int to);

} // namespace zeltar::files
