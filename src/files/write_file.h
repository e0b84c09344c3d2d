// THE routine that writes every file the programs produce: projects, report PDFs, object files and
// summaries, recovery copies, window pictures. Use it for any new output; never open an output
// file by hand.
//
//   if (std::optional<files::FileError> error = files::WriteFileSafely(path, bytes))
//       show(error->message);  // "Не удалось записать файл «…»: на диске нет места."
//
// What it guarantees, as the most careful desktop editors do:
// - The bytes go to a new temporary file beside the target, created exclusively under an
//   unpredictable name (mkstemp), and renamed over the target only when every byte was written,
//   flushed and the file closed without error; on any failure the old file stays byte for byte as
//   it was and no temporary file is left. A link planted at any name beside the target is never
//   followed. Temporary files of this pattern that a killed save left in the folder are removed
//   once they are a day old (files/temporary_files.h).
// - A symbolic link as target: the file it points to is written and the link stays a link. In a
//   folder that is sticky and writable by everyone (/tmp) a link is followed only when it belongs
//   to the user or the folder's owner, as the system itself does (files/follow_links.h); another
//   user's link there is refused.
// - An output is never the same file as one it was made from: the inputs given are compared by
//   device and inode with the file the target's links end at, and such a target is refused.
// - A target that is no regular file (folder, FIFO, device, socket) is refused; so is a target the
//   user may not write (a read-only file is not replaced, as the file manager would not).
// - The new file keeps the old one's permission bits, and its owner and group where the system
//   allows; a new file gets the usual 0666 less the umask. It keeps the old one's extended
//   attributes and access control list too (files/extended_attributes.h).
// - A file with several hard links is replaced by the rename like any other: its other names keep
//   the old content. This is what Qt's QSaveFile (and so KDE's editors) and Emacs do by default; it
//   keeps the promise that a power cut or full disk leaves the old or the new file whole, which an
//   in-place rewrite cannot.
// - Flushed (the default): the data is flushed to the disk (fsync) before the rename and the
//   folder after it, so that a power cut leaves the old or the new file. Unflushed skips both
//   flushes (recovery copies, which must never slow the window).
#pragma once

#include "files/file_error.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::files {

enum class Durability { Flushed, Unflushed };

// `path` is UTF-8 (the system's file name bytes). Returns the error, or nullopt when written.
std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes,
                                         Durability durability = Durability::Flushed);

// The same for an output made from the files `inputs` (the project of a report, the object file
// and every room of a summary): refused when the target is one of them.
std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes,
                                         const std::vector<std::string>& inputs,
                                         Durability durability = Durability::Flushed);

// Refuses an output that is the same file (device and inode) as any of its inputs
// (`zeltar-cli report P.zlt P.zlt`, a summary PDF over one of its rooms; also through links or
// another spelling of the path); nullopt when none is, or the output does not exist yet. For a
// check before the work; the writer checks again when it writes.
std::optional<FileError> RefuseOutputOverInputs(const std::string& output, const std::vector<std::string>& inputs);

} // namespace zeltar::files
