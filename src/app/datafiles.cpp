#include "app/datafiles.h"

#include "analysis/alert.h"
#include "app/qtvfile.h"
#include "data/gridcopy.h"
#include "data/module1.h"
#include "data/textpaste.h"
#include "framework/atomicfile.h"
#include "framework/conversions.h"
#include "framework/textdecoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace Module1 {

namespace {

// The file's bytes, at most limit of them; nothing (after telling why) when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& path, std::size_t limit) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        notify("The file could not be opened: " + std::string(std::strerror(errno)) + ".");
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> buffer{};
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(buffer.size(), limit - bytes.size());
        const std::size_t got = std::fread(buffer.data(), 1, wanted, file.get());
        bytes.append(buffer.data(), got);
        if (got < wanted) {
            break;
        }
    }
    if (std::ferror(file.get()) != 0) {
        notify("The file could not be read: " + std::string(std::strerror(errno)) + ".");
        return std::nullopt;
    }
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
    const std::optional<std::string> bytes =
        readFile(path, std::numeric_limits<std::size_t>::max());
    if (!bytes || !mayReplaceData()) {
        return;
    }
    if (readtextdata(framework::decodeTextFile(*bytes))) {
        notify("Only the first 199 rows were read.");
    }
}

void openDataFile(const std::filesystem::path& path) {
    // Bytes past the largest possible file are never part of the data.
    const std::optional<std::string> bytes = readFile(path, qtvfile::largestFileSize);
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
