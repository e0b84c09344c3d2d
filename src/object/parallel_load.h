// Loading many rooms at once: each room loads into its own form model, so the rooms can load side
// by side on every core of the machine.
#pragma once

#include <cstddef>
#include <functional>

namespace zeltar::object {

// Runs job(i) once for every i in [0, count), spread over the machine's cores, and returns when
// all are done. Jobs must not share anything they change. An exception thrown by a job is thrown
// again here once the others have finished.
void ForEachInParallel(std::size_t count, const std::function<void(std::size_t)>& job);

} // namespace zeltar::object
