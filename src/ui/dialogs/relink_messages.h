// The user's words of "元画像を探す...": the dialog's labels, its progress,
// the confirmation list's columns and the notices after the search.
#pragma once

#include "core/recognise/relink_album.h"
#include "core/recognise/relink_search.h"

#include <QString>
#include <QStringList>

namespace pictra::ui {

QString relinkTitle();
QString relinkFoldersLabel();
QString relinkAddFolderText();
QString relinkRemoveFolderText();
QString relinkChooseFolderCaption();
QString relinkSearchText();
QString relinkStopText();
QString relinkApplyText();
QString relinkCloseText();
QString relinkCheckAllText();
QString relinkCheckNoneText();
// The columns of the confirmation list.
QString relinkStoreCopyColumn();
QString relinkFoundColumn();
QString relinkLikenessColumn();

// What the search is doing: hashing or comparing `done` of `total` files.
QString relinkProgressText(RelinkPhase phase, std::size_t done, std::size_t total);
// After a search: found, to choose and not found, of the files looked at.
QString relinkSummary(int found, int ties, int notFound, std::size_t filesSeen);
// A likeness cell: hash distance and PSNR.
QString relinkLikenessText(int hashDistance, double psnr);
// A tie's row: the user picks one of the files.
QString relinkChooseOneText();
// A missing entry nothing was found for.
QString relinkNotFoundText();

// Before the search: the album has no missing originals / no folder is chosen.
QString relinkNothingMissingMessage();
QString relinkNoFolderMessage();
// Missing entries whose store copy cannot be read: they cannot be recognised.
QString relinkUnreadableCopiesMessage(const QStringList& paths);
// Changes that could not be made, one line each (`path`: why).
QString relinkRefusalLine(const QString& path, RelinkRefusal refusal);
QString relinkRefusedMessage(const QStringList& lines);
// The store copy of `album` kept the old name after a relink: the album
// shows no picture for the entry until it is renamed.
QString relinkStoreCopyRenameFailure(const QString& album, const QString& from, const QString& to);

// The error log's button that opens the search.
QString relinkErrorLogButtonText();

} // namespace pictra::ui
