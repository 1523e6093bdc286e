// The user's words for failures: every Status the core reports while
// reading or writing an album is turned into a Japanese message here.
#pragma once

#include "core/util/result.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace pictra::ui {

// A message lists at most this many images by name.
inline constexpr std::size_t kListedImages = 10;

// Why a file operation failed, one sentence (no file name).
QString statusReason(Status status);

// The first few of `images` one a line (each after a line break), and how
// many more there are.
QString listedImages(const std::vector<std::string>& images);

// "ファイル名: reason" for a failed album read.
QString readFailureMessage(const QString& path, Status status);

// "ファイル名: reason" for a failed album save; tells a folder without write
// permission and a full disk apart by looking at the target's folder.
QString saveFailureMessage(const QString& path, Status status);

// Why a picture could not be loaded (for prints and previews), one sentence.
QString pictureFailureReason(Status status);
// The settings file `path` could not be written; the new settings stay in
// force for this run.
QString settingsSaveFailureMessage(const QString& path, Status status);

// "ファイル名: reason" for a picture file that could not be written; the
// original picture stays as it was.
QString pictureSaveFailureMessage(const QString& path, Status status);

// Opening or saving `path` would share the store folder of another open album.
QString storeFolderClashMessage(const QString& path);

// The images a drop or insert left out, each with its reason.
QString skippedImagesMessage(const std::vector<std::pair<std::string, Status>>& skipped);

// `images` could be read only in part (their files are damaged); asks
// whether to add them with the part that could be read.
QString damagedImagesQuestion(const std::vector<std::string>& images);

// A save would write `images` without their picture (their store copies are
// gone); asks whether to save anyway.
QString missingStoreCopiesQuestion(const std::vector<std::string>& images);

// The album is full: `leftOut` images of an append, drop or paste were not added.
QString albumFullMessage(int leftOut);

// Images (dropped, handed over by the search or dragged from another album)
// whose file name a different picture of the target already uses; asks
// whether to add the others when `othersRemain`.
QString storeNameClashQuestion(const std::vector<std::string>& images, bool othersRemain);

// What was refused because a different picture of the album already owns the
// store-copy name: every path that meets such a clash shows this wording.
enum class StoreNameClashAct { Add, Paste, Rename };
QString storeNameClashMessage(const std::vector<std::string>& images, StoreNameClashAct act);

// `path` already exists: asks whether to write over it (every save, export and rename).
QString overwriteQuestion(const QString& path);

// The picture `path` to be written in another format could not be read.
QString exportReadFailureMessage(const QString& path, Status status);

} // namespace pictra::ui

namespace pictra::ui {

// The program folder `folder` could not be prepared; the program does not start.
QString programFolderFailureMessage(const QString& folder, Status status);

// The manual `pdf` could not be shown (no viewer, or the file is missing).
QString manualNotShownMessage(const QString& pdf, bool exists);

} // namespace pictra::ui
