// The disk search's places from the mounted volumes.
#include "ui/search/search_places.h"

#include "core/search/search_locations.h"

#include <QDir>
#include <QStorageInfo>

namespace pictra::ui {

std::vector<std::string> diskSearchPlaces()
{
    std::vector<MountedVolume> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            volumes.push_back({volume.rootPath().toStdString(), volume.fileSystemType().toStdString()});
    }
    return searchLocations(QDir::homePath().toStdString(), volumes);
}

} // namespace pictra::ui
