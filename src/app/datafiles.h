#pragma once

#include <filesystem>

// Moving the data between the grid and files, once a file has been chosen. Problems are told
// through the alert window; a file that cannot be used leaves the grid as it was, and a save that
// fails leaves the file and the saved flag as they were. Opening over unsaved data asks first.
namespace Module1 {

// True for the extensions of tab-delimited text (.asc, .ascii, .text, .txt, any letter case).
bool isTextDataFile(const std::filesystem::path& path);

void openTextFile(const std::filesystem::path& path);
void openDataFile(const std::filesystem::path& path);
// A document handed over by the desktop: text or TVK data file by its extension.
void openDocument(const std::filesystem::path& path);

// Both mark the data saved once the whole file is written.
void saveTextFile(const std::filesystem::path& path);
void saveDataFile(const std::filesystem::path& path);

} // namespace Module1
