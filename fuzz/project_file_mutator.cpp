// Structure-aware mutation for the libFuzzer build: half of the time one line of the input is
// replaced by a number text (extreme, tiny, negative, just above absolute zero, ...) so that sound
// files with extreme values reach the calculation; otherwise libFuzzer's own byte mutations run.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// clang-format off
constexpr std::array<std::string_view, 18> kEdgeNumbers{
    "0", "-0", "1", "-1", "100", "405", "675", "1000000000", "-1000000000", "  -273,14",
    "-273,1499999999", "0,0000001", "1e-300", "99,9999999", "10000", "-50", "300", "  1e9",
};
// clang-format on

std::string NumberText(std::minstd_rand& random)
{
    switch (random() % 4) {
    case 0: return std::string(kEdgeNumbers[random() % kEdgeNumbers.size()]);
    case 1: return "  " + std::to_string(static_cast<int>(random() % 2001) - 1000);
    case 2:
        return "  " + std::to_string(static_cast<int>(random() % 2001) - 1000) + "," +
               std::to_string(random() % 100000);
    default:
        return "  " + std::string(random() % 2 ? "-" : "") + std::to_string(1 + random() % 9) + "e" +
               std::to_string(static_cast<int>(random() % 19) - 9);
    }
}

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed)
{
    std::minstd_rand random(seed);
    if (random() % 2 == 0 || size == 0)
        return LLVMFuzzerMutate(data, size, maxSize);

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    const std::size_t chosen = random() % lines.size();
    const std::string replacement = NumberText(random);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += i == chosen ? std::string_view(replacement) : lines[i];
        out += "\r\n";
    }
    if (out.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, out.data(), out.size());
    return out.size();
}
