// AppState: the one owner of the process-wide records (registry store,
// program folder, settings, album table, shared image buffers, selection and
// clipboard, slide show, the duplicate guard's store-copy contents). Windows receive it by reference; tests build their own.
#pragma once

#include "core/album/album_table.h"
#include "core/album/selection_block.h"
#include "core/album/slide_show.h"
#include "core/image/image_record.h"
#include "core/platform/registry_store.h"
#include "core/recognise/content_reading.h"
#include "core/settings/work_mode_settings.h"

#include <memory>
#include <string>

namespace pictra {

struct AppState {
    // The store of registry values ("_dir", window placement ...).
    RegistryStore registry{RegistryStore::defaultPath()};
    std::string programFolder;
    WorkModeSettings settings;
    std::unique_ptr<AlbumTable> albums = makeAlbumTable();
    // The shared picture; made on first use with the image-buffer setting.
    std::unique_ptr<ImageBuffers> sharedImage;
    SelectionBlock selection; // selection list and image clipboard
    SlideShowState slideShow;
    // What the duplicate guard has read of the open albums' store copies.
    StoreCopyContents storeCopyContents;
};

} // namespace pictra
