// A whole program for ui tests: a fresh program folder in a temporary
// folder, scripted prompts, and the start-up run with a short splash.
#pragma once

#include "core/app/app_state.h"
#include "app/pictra_startup.h"
#include "core/platform/registry_store.h"
#include "support/exif_jpeg.h"
#include "support/scripted_prompts.h"
#include "support/synthetic_image.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"
#include "ui/mainframe/c_main_frame.h"

#include <memory>
#include <string>

namespace pictra::test {

// Points the registry's "_dir" at `programFolder` and starts the program.
inline std::unique_ptr<ui::CMainFrame> startProgram(AppState& state, ScriptedPrompts& prompts,
                                                    const std::string& programFolder,
                                                    std::optional<std::string> album = std::nullopt,
                                                    int splashMs = 0)
{
    (void)state.registry.writeString(kPictraRegistryKey, "_dir", programFolder);
    StartOptions options;
    options.splashMs = splashMs;
    options.prompts = &prompts;
    options.album = std::move(album);
    options.programDir = qEnvironmentVariable("PICTRA_BINARY_DIR").toStdString() + "/src/app";
    return startPictra(state, options);
}

// A started program on a fresh program folder (which opens the sample album).
struct StartedProgram {
    TempDir tmp;
    AppState state;
    ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame = startProgram(state, prompts, tmp.file("program"));
};

// Writes a photo-like JPEG of w × h pixels, with camera data when `exif`.
// Each seed is its own scene, so the duplicate guard tells them apart.
inline void writeJpeg(const std::string& path, int w, int h, std::uint32_t seed, bool exif = false)
{
    auto bytes = encodeWithTurbo(makeScene(w, h, seed), 90, TurboSampling::S420);
    if (exif)
        bytes = withExif(bytes);
    writeBytes(path, std::string(bytes.begin(), bytes.end()));
}

} // namespace pictra::test
