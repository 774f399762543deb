#pragma once

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>

// How far the process's resident memory rose above its size before the call, at its highest
// while the call ran: the kernel's high-water mark, reset to the current size just before. This
// counts what the allocator really touched, under the sanitizers too. Nothing where the mark
// cannot be reset (a kernel without /proc/self/clear_refs).
template <typename Call> std::optional<std::size_t> peakMemoryGrowth(Call call) {
    const auto statusKilobytes = [](const std::string& field) -> std::optional<std::size_t> {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind(field + ":", 0) == 0) {
                return std::stoul(line.substr(field.size() + 1)) * 1024;
            }
        }
        return std::nullopt;
    };
    std::ofstream reset("/proc/self/clear_refs");
    if (!(reset << "5" << std::flush)) {
        return std::nullopt;
    }
    const std::optional<std::size_t> before = statusKilobytes("VmHWM");
    call();
    const std::optional<std::size_t> after = statusKilobytes("VmHWM");
    if (!before || !after) {
        return std::nullopt;
    }
    return *after - *before;
}
