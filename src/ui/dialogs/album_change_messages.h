// The user's words about unsaved albums and about files the open albums
// use: the save question, the exit's failures, renames the album could not
// follow, deleting a file albums list, and the error log's explanation.
#pragma once

#include "core/util/result.h"

#include <QString>
#include <QStringList>

namespace pictra::ui {

// Asked before an album with unsaved changes closes (window or program);
// `album` is its path. はい saves, いいえ discards, ｷｬﾝｾﾙ keeps it open.
QString saveChangesQuestion(const QString& album);

// The exit could not keep the main window's place or the list of open
// albums for the next start; the program ends all the same.
QString windowPlacementSaveFailureMessage(Status status);
QString openAlbumListSaveFailureMessage(Status status);

// The file `from` got the name `to`, but the store copy of `album` kept the
// old name: the album shows no picture for it until the file gets its old name back.
QString storeCopyRenameFailureMessage(const QString& album, const QString& from, const QString& to);

// A copy or move replaced `files` that open albums list, but their store
// copies could not be made from the new files: the albums show the old pictures.
QString replacedStoreCopyFailureMessage(const QStringList& files);

// Asked before the search dialog deletes `path`: which open albums list it
// (`albums`, file paths; none gives the plain question).
QString deleteFileQuestion(const QString& path, const QStringList& albums);

// The error log's words above its list: which album (`album`, a path) and
// what it means that the listed files are missing. Without an album (images
// just added) it speaks of the added images.
QString missingSourcesExplanation(const QString& album);

} // namespace pictra::ui
