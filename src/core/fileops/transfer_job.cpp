// Planning and running a copy or move job.
#include "core/fileops/transfer_job.h"

#include "core/album/image_entry.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <set>

namespace pictra {

std::string transferTarget(std::string_view folder, std::string_view source)
{
    std::string target(folder);
    if (target.empty() || target.back() != '/')
        target += '/';
    target += fileNamePart(source);
    return target;
}

std::vector<TransferRow> planTransfer(std::span<const std::string> sources, std::string_view folder)
{
    std::vector<TransferRow> rows;
    std::set<std::string> targets;
    std::set<std::string> listed;
    const bool absolute = !folder.empty() && folder.front() == '/';
    for (const std::string& source : sources) {
        TransferRow row{source, transferTarget(folder, source)};
        if (!absolute)
            row.outcome = FileOutcome::InvalidName;
        else if (!listed.insert(source).second)
            row.outcome = FileOutcome::ListedTwice;
        else if (row.target.size() >= kPathBytes)
            row.outcome = FileOutcome::PathTooLong;
        else if (!fileExists(source))
            row.outcome = FileOutcome::SourceMissing;
        else if (isSameFile(source, row.target))
            row.outcome = FileOutcome::SameFile;
        else if (!targets.insert(row.target).second)
            row.outcome = FileOutcome::DuplicateName;
        row.targetExists = row.outcome == FileOutcome::Done && fileExists(row.target);
        rows.push_back(std::move(row));
    }
    return rows;
}

const TransferRow* firstRowOfSource(std::span<const TransferRow> rows, const TransferRow& row)
{
    for (const TransferRow& earlier : rows) {
        if (&earlier == &row)
            break;
        if (earlier.source == row.source)
            return &earlier;
    }
    return nullptr;
}

void runTransfer(std::vector<TransferRow>& rows, TransferMode mode, Overwrite overwrite,
                 const std::function<void(int done)>& progress)
{
    int done = 0;
    for (TransferRow& row : rows) {
        if (row.outcome == FileOutcome::Done) {
            row.outcome = mode == TransferMode::Copy ? copyFileKeepingTimes(row.source, row.target, overwrite)
                                                     : moveFile(row.source, row.target, overwrite);
        }
        if (progress)
            progress(++done);
    }
}

} // namespace pictra
