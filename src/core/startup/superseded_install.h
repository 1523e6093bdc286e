// Removal of a superseded installation whose folder an outside program named
// at the last update. Only the files and folders an old installation brought
// are removed, and only inside the named folder.
#pragma once

#include <string>

namespace pictra {

struct RemovalReport {
    int filesRemoved = 0;
    int foldersRemoved = 0;
};

// Removes from `folder`: delabm10.exe, update.exe, setup.exe, autorun.inf,
// readme.txt; in abm10 every *.exe and *.dll, pictra.pdf/.gid/.hlp/.cnt; every
// *.dat in abm10/param, *.jpg in abm10/image, *.abm in abm10/user; then the
// folders param, user, temp, cmp, image and abm10 itself when empty.
// Names match without regard to case. Symbolic links are never followed:
// a linked sub-folder is left alone and a link is never deleted, so nothing
// outside `folder` is touched. A relative or empty `folder`, or the file
// system root, removes nothing. Failures are silent (the old files stay).
RemovalReport removeSupersededInstallation(const std::string& folder);

} // namespace pictra
