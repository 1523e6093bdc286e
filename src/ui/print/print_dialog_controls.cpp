// Shared controls of the poster and DTP dialogs.
#include "ui/print/print_dialog_controls.h"

#include "core/util/typed_number.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace pictra::ui {

QLineEdit* idNumberEdit(const char* id, bool readOnly, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setMaximumWidth(70);
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    return edit;
}

std::optional<int> typedNumberIn(const QLineEdit& edit, int low, int high)
{
    const std::optional<std::int64_t> typed = readTypedNumber(edit.text().toStdString());
    if (!typed || *typed < low || *typed > high)
        return std::nullopt;
    return static_cast<int>(*typed);
}

QRadioButton* idRadio(const QString& text, const char* id, QWidget* parent)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(id));
    return button;
}

QGroupBox* paperGroup(const QString& title, QComboBox* combo, QRadioButton* landscape, QRadioButton* portrait,
                      QLineEdit* width, QLineEdit* height, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->addWidget(combo, 0, 0, 1, 2);
    grid->addWidget(landscape, 0, 2);
    grid->addWidget(portrait, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("横")), 1, 0);
    grid->addWidget(width, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("縦")), 1, 2);
    grid->addWidget(height, 1, 3);
    auto* orientation = new QButtonGroup(group);
    orientation->addButton(landscape);
    orientation->addButton(portrait);
    return group;
}

void markRefused(QLineEdit* edit, bool refused)
{
    edit->setStyleSheet(refused ? QStringLiteral("QLineEdit { color: red; }") : QString());
}

} // namespace pictra::ui
