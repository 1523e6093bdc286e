// One installation run: the eight stages over a distribution folder and a
// target, with what it made recorded so that a cancelled or failed run can
// be undone and a finished one uninstalled. No windows: the setup program
// shows the stages, the unattended mode and the tests run them directly.
#pragma once

#include "core/platform/registry_store.h"
#include "core/setup/desktop_places.h"
#include "core/setup/install_manifest.h"
#include "core/setup/install_stages.h"
#include "core/util/result.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// The installation folder's limit, with room for the program's own names.
inline constexpr std::size_t kMaxInstallFolderBytes = 300;

// The registry value that tells the program its folder.
inline constexpr std::string_view kProgramFolderValue = "_dir";

struct InstallFailure {
    InstallStage stage;
    std::string path; // the file or folder concerned
    Status status;
};

enum class InstallOutcome {
    Installed,
    Cancelled, // nothing registered, what this run copied removed
    Failed,    // likewise; failures() says what went wrong
};

// Told the file name before each copy; returns false to cancel.
using InstallFileObserver = std::function<bool(std::string_view name)>;

class Installation {
public:
    Installation(InstallOptions options, DesktopPlaces places, RegistryStore& registry);

    // InvalidArgument for a target that is empty, relative, the root, longer
    // than 300 bytes or holds a line break or tab; NotFound for a source
    // without the program (with the program box checked).
    static Status check(const InstallOptions& options);

    // False when the target is the distribution folder itself (any spelling
    // of it): then only the icon and registry stages run.
    bool copiesFiles() const { return m_copiesFiles; }

    // Runs one stage. After a cancel or a failure the icon and registry
    // stages do nothing, so such a run registers nothing.
    void runStage(InstallStage stage, const InstallFileObserver& onFile = {});
    // All eight stages in order (the copy stages only when copiesFiles()).
    void runAll(const InstallFileObserver& onFile = {});

    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    const std::vector<InstallFailure>& failures() const { return m_failures; }

    // Ends the run: Installed writes the record into the installation
    // folder; Cancelled and Failed remove what this run made and registered.
    InstallOutcome finish();

private:
    bool stopped() const { return m_cancelled || !m_failures.empty(); }
    void fail(InstallStage stage, const std::string& path, Status status);
    bool makeFolder(InstallStage stage, const std::string& folder);    // false after a failure
    bool makeFolderTree(InstallStage stage, const std::string& folder); // with its missing parents
    bool targetHoldsProgram() const;
    bool copy(InstallStage stage, const CopyJob& job); // true when it wrote the target
    void writeText(InstallStage stage, const std::string& path, const std::string& text, bool executable = false);
    void record(const std::string& path);
    void registerMenuEntries();
    void registerFileType();
    void setDefault(const std::string& mimeAppsPath);
    void writeRegistryValue(std::string_view name, const std::string& value);
    void rollBack();

    InstallOptions m_options;
    DesktopPlaces m_places;
    RegistryStore& m_registry;
    bool m_copiesFiles = true;
    bool m_cancelled = false;
    std::vector<InstallFailure> m_failures;
    InstallManifest m_manifest;        // of earlier runs into this folder, and this one
    InstallManifest m_madeNow;         // what this run created (undone on cancel or failure)
    std::string m_installedAlbum; // the sample album this run copied ("" for none)
};

} // namespace pictra
