// The writer's temporary files: ".NAME.zeltar-XXXXXX" beside the target, where XXXXXX are the six
// letters or digits mkstemp draws. A save killed between creating one and renaming it leaves it
// behind; the next save in the same folder removes such leftovers once they are a day old.
#pragma once

#include <chrono>
#include <ctime>
#include <string>
#include <string_view>

namespace zeltar::files {

// A leftover is removed only when it is older than this: a save in progress is never touched.
inline constexpr std::chrono::hours kStaleTemporaryAge{24};

// The mkstemp template of the temporary file for a target named `name` (its folder not included).
std::string TemporaryTemplateFor(const std::string& name);

// Whether `name` is exactly of the temporary files' pattern: ".", at least one byte, ".zeltar-",
// six letters or digits.
bool IsTemporaryName(std::string_view name);

// Removes from `folder` the temporary files of the writer's own pattern that are regular files
// (never a link, a folder or anything else), belong to the effective user, have no other name (a
// single hard link) and were last changed more than kStaleTemporaryAge before `now`. Failures are
// ignored: the save itself has succeeded.
void RemoveStaleTemporaries(const std::string& folder, std::time_t now);

} // namespace zeltar::files
