// Store copies of many images at once (a drop, an insert, a new album from
// the command line). Each copy is made with buffers of its own, so the
// ui and the command-line tool can run several on worker threads; the core
// itself runs them one after the other.
#pragma once

#include "core/image_io/image_file_io.h"
#include "core/util/result.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pictra {

struct StoreCopyBatch {
    std::string programFolder;
    std::string albumPath;
    JpegSaveOptions jpeg;      // the settings' JPEG options
    std::size_t bufferCap = 0; // the image-buffer setting, per copy
    std::vector<std::string> sources;
};

// Makes the store copy of sources[index] (makeStoreCopy with fresh buffers).
// Touches nothing shared, so copies of different indices may run at once.
Status makeBatchStoreCopy(const StoreCopyBatch& batch, std::size_t index);

// Asked after each copy with the number done; false stops the batch.
using BatchProgress = std::function<bool(std::size_t done)>;

// One entry per source: the copy's status, or nullopt when the batch was
// stopped before that copy was made.
using BatchResults = std::vector<std::optional<Status>>;

// Runs the copies in order.
BatchResults makeStoreCopiesInOrder(const StoreCopyBatch& batch, const BatchProgress& progress = {});

// How a batch is run: in order (above) or on several threads (ui, cli).
using StoreCopyRunner = std::function<BatchResults(const StoreCopyBatch&)>;

} // namespace pictra
