#include "app/datafiles.h"

#include "analysis/alert.h"
#include "app/qtvfile.h"
#include "data/gridcopy.h"
#include "data/module1.h"
#include "data/textpaste.h"
#include "framework/atomicfile.h"
#include "framework/conversions.h"
#include "framework/textdecoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace Module1 {

namespace {

// A text file of data holds at most 199 short lines; anything near this size is something else.
constexpr std::size_t largestTextFile = std::size_t{4} << 20;

enum class Oversize { readPrefix, refuse };

struct FileDescriptor {
    explicit FileDescriptor(int opened) : value(opened) {}
    ~FileDescriptor() {
        if (value >= 0) {
            ::close(value);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int value;
};

// The bytes of a regular file, at most limit of them; nothing (after telling why) when it cannot
// be read. Opening does not wait: a named pipe or a device is refused, never read from, and a
// file larger than limit is either cut to its first limit bytes or refused before any is read.
std::optional<std::string> readFile(const std::filesystem::path& path, std::size_t limit,
                                    Oversize oversize) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    const int descriptor = file.value;
    if (descriptor < 0) {
        notify("The file could not be opened: " + std::string(std::strerror(errno)) + ".");
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        notify("The file could not be opened: it is not a regular file.");
        return std::nullopt;
    }
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (oversize == Oversize::refuse && size > limit) {
        notify("This file is larger than " +
               framework::CStr(static_cast<std::int32_t>(limit >> 20)) +
               " MB, too large for a text file of TVK data.");
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ::ssize_t got = ::read(descriptor, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            notify("The file could not be read: " + std::string(std::strerror(errno)) + ".");
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

bool mayReplaceData() {
    return datasaved ||
           ask("Are you sure you want to replace the data with the data from the file?", "Replace");
}

void save(const std::filesystem::path& path, const std::string& bytes) {
    const std::string failure = framework::writeFileAtomically(path, bytes);
    if (failure.empty()) {
        datasaved = true;
    } else {
        notify("Not saved. " + failure + ".");
    }
}

} // namespace

bool isTextDataFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".asc" || extension == ".ascii" || extension == ".text" ||
           extension == ".txt";
}

void openTextFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = readFile(path, largestTextFile, Oversize::refuse);
    if (!bytes || !mayReplaceData()) {
        return;
    }
    if (readtextdata(framework::decodeTextFile(*bytes))) {
        notify("Only the first 199 rows were read.");
    }
}

void openDataFile(const std::filesystem::path& path) {
    // Bytes past the largest possible file are never part of the data.
    const std::optional<std::string> bytes =
        readFile(path, qtvfile::largestFileSize, Oversize::readPrefix);
    if (!bytes) {
        return;
    }
    const qtvfile::ReadResult file = qtvfile::read(*bytes);
    switch (file.problem) {
    case qtvfile::Problem::notTvkFile:
        notify("This does not appear to be a TVK file.");
        return;
    case qtvfile::Problem::incomplete:
        notify("This TVK file is damaged: it ends too early. The data were left as they were.");
        return;
    case qtvfile::Problem::none:
        break;
    }
    if (mayReplaceData()) {
        qtvfile::apply(grid(), file.cells);
    }
}

void openDocument(const std::filesystem::path& path) {
    if (isTextDataFile(path)) {
        openTextFile(path);
    } else {
        openDataFile(path);
    }
}

void saveTextFile(const std::filesystem::path& path) {
    if (const int row = firstRowUnfitForText(grid(), {DataGrid::dvColumn, DataGrid::phaseColumn});
        row != 0) {
        notify("Not saved. Row " + framework::CStr(row) +
               " holds a cell with a tab or a line break, which text cannot keep.");
        return;
    }
    save(path, tabDelimitedText(grid(), cps));
}

void saveDataFile(const std::filesystem::path& path) {
    const qtvfile::WriteResult file = qtvfile::write(grid());
    if (file.tooLongRow != 0) {
        notify("Not saved. Row " + framework::CStr(file.tooLongRow) +
               " holds a cell longer than 255 bytes, too long for a TVK file.");
        return;
    }
    save(path, file.bytes);
}

} // namespace Module1
