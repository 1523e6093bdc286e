// The poster path of pictra-cli print (--poster): one image across sheets.
#pragma once

#include "cli_context.h"

namespace pictra::cli {

int runPosterPrint(const Args& args);

} // namespace pictra::cli
