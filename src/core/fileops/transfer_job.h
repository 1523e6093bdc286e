// A copy or move job of the "移動/複写" dialog: where each chosen file goes
// in the target folder and which rows cannot go at all, decided before any
// file is touched; then the job itself, row by row.
#pragma once

#include "core/fileops/file_outcome.h"
#include "core/fileops/file_transfer.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

enum class TransferMode { Copy, Move };

struct TransferRow {
    std::string source;
    std::string target;
    // Done = ready to go; otherwise why the row is left out (ListedTwice,
    // SameFile, DuplicateName, PathTooLong, SourceMissing, InvalidName), or
    // after the job, what became of it.
    FileOutcome outcome = FileOutcome::Done;
    bool targetExists = false; // a file of that name is already in the folder
};

// The target path of `source` in `folder`: the folder, a "/" unless it ends
// with one, and the source's file name.
std::string transferTarget(std::string_view folder, std::string_view source);

// Plans the job. The folder must be absolute (else every row InvalidName).
// A source already listed by an earlier row is ListedTwice (that row decides
// what becomes of the file); a target that does not fit an album entry is
// PathTooLong; a source that is the target itself SameFile; a second source
// with the same file name as an earlier row DuplicateName (it would replace
// the file this job wrote).
std::vector<TransferRow> planTransfer(std::span<const std::string> sources, std::string_view folder);

// Carries out the rows still Done, in order, copying or moving; existing
// targets are replaced when `overwrite` says so, else TargetExists.
// `progress(done)` runs after each row (done counts rows of the job).
// The row before `row` that carries the same source (the one a ListedTwice
// row stands behind), or nullptr.
const TransferRow* firstRowOfSource(std::span<const TransferRow> rows, const TransferRow& row);

void runTransfer(std::vector<TransferRow>& rows, TransferMode mode, Overwrite overwrite,
                 const std::function<void(int done)>& progress);

} // namespace pictra
