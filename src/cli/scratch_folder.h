// A folder made for one run of a command and removed with everything in it
// at the end (store copies that a running Pictra must never see).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pictra::cli {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code ec;
        std::string tmpl = (std::filesystem::temp_directory_path(ec) / "pictra-cli-XXXXXX").string();
        if (::mkdtemp(tmpl.data()))
            m_path = tmpl;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // Empty when the folder could not be made.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace pictra::cli
