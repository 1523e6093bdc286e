// Making a batch of store copies.
#include "core/album/store_copy_batch.h"

#include "core/album/store_copy.h"

namespace pictra {

Status makeBatchStoreCopy(const StoreCopyBatch& batch, std::size_t index)
{
    if (index >= batch.sources.size())
        return Status::InvalidArgument;
    ImageBuffers buffers(0, batch.bufferCap);
    ImageFileIO io(batch.jpeg);
    return makeStoreCopy(io, buffers.record(), batch.programFolder, batch.albumPath, batch.sources[index]);
}

BatchResults makeStoreCopiesInOrder(const StoreCopyBatch& batch, const BatchProgress& progress)
{
    BatchResults results(batch.sources.size());
    for (std::size_t i = 0; i < batch.sources.size(); ++i) {
        results[i] = makeBatchStoreCopy(batch, i);
        if (progress && !progress(i + 1))
            break;
    }
    return results;
}

} // namespace pictra
