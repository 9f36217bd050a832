// A fresh directory under the system's temporary folder, removed with all its
// files when the object goes out of scope.
#pragma once

#include <string>

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return path; }  // ends with a backslash
    std::string File(const std::string& name) const { return path + name; }

private:
    std::string path;
};

// Writes bytes to a file; true on success.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Removes a directory tree (files and subdirectories).
void RemoveTree(const std::string& path);
