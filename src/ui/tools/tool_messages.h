// The image tools' questions about writing the edited picture back.
#pragma once

#include <QString>

namespace pictra::ui {

// Keeping an edit over the source JPEG compresses it again: asked once a session.
QString reencodeSourceQuestion();
// A lossless JPEG turn or flip is impossible for this picture's size.
QString reencodeTurnQuestion();
// "変更" on a picture of a format the program cannot write (`name`): keep
// the result as the JPEG `jpegName` beside it instead?
QString jpegBesideQuestion(const QString& name, const QString& jpegName);
// No free JPEG name beside `path` fits a stored path.
QString noJpegBesideMessage(const QString& path);

} // namespace pictra::ui
