// The red mark of an edit box whose text is refused: the field keeps its
// last accepted value while the text stays as typed.
#pragma once

class QLineEdit;

namespace pictra::ui {

void showRefused(QLineEdit& edit, bool refused);

} // namespace pictra::ui
