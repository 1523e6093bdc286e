// What the image tools remember for the rest of the program's run.
#pragma once

namespace pictra::ui {

struct ToolSession {
    // The user agreed once to replace a JPEG original with a re-encoded copy.
    bool reencodeConfirmed = false;
};

// The one record of this run (tests may reset it).
ToolSession& toolSession();

} // namespace pictra::ui
