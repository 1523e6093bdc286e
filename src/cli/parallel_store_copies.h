// Running a batch of store copies on every core with a small pool of
// threads (the command-line tool has no Qt).
#pragma once

#include "core/album/store_copy_batch.h"

namespace pictra::cli {

// Makes the batch's copies on up to one thread per core. `progress` is
// called with the number done, one call at a time; false stops the batch
// (copies under way finish, none start).
BatchResults makeStoreCopiesInParallel(const StoreCopyBatch& batch, const BatchProgress& progress = {});

} // namespace pictra::cli
