// The image tools' questions about writing the edited picture back.
#pragma once

#include <QString>

namespace pictra::ui {

// Keeping an edit over the source JPEG compresses it again: asked once a session.
QString reencodeSourceQuestion();
// A lossless JPEG turn or flip is impossible for this picture's size.
QString reencodeTurnQuestion();

} // namespace pictra::ui
