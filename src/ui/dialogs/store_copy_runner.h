// Making a batch of store copies on worker threads while the progress
// dialog "圧縮ファイルを作成中" shows and stays responsive; its "中止" button
// stops the batch (copies under way finish, no new one starts).
#pragma once

#include "core/album/store_copy_batch.h"

class QWidget;

namespace pictra::ui {

BatchResults runStoreCopies(const StoreCopyBatch& batch, QWidget* parent);

} // namespace pictra::ui
