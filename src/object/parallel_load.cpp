#include "object/parallel_load.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace zeltar::object {

namespace {

// Below this many jobs a thread costs more than it saves.
constexpr std::size_t kJobsWorthAThread = 4;

} // namespace

void ForEachInParallel(std::size_t count, const std::function<void(std::size_t)>& job)
{
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads = std::min(cores, count / kJobsWorthAThread);
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            job(i);
        return;
    }
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            try {
                job(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace zeltar::object
