// Red text on a pale red ground, back to the normal palette when accepted.
#include "ui/widgets/refused_mark.h"

#include <QLineEdit>

namespace pictra::ui {

void showRefused(QLineEdit& edit, bool refused)
{
    QPalette p;
    if (refused) {
        p = edit.palette();
        p.setColor(QPalette::Text, Qt::red);
        p.setColor(QPalette::Base, QColor(255, 228, 228));
    }
    edit.setPalette(p);
}

} // namespace pictra::ui
