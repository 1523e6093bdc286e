// A temporary folder removed with everything in it when the object dies.
#pragma once

#include <string>

namespace pictra::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string m_path;
};

// Writes bytes to a file (creating folders); aborts the test on failure.
void writeBytes(const std::string& path, const std::string& bytes);

} // namespace pictra::test
