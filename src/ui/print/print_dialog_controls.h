// Small controls the poster and DTP dialogs share, each named by its id.
#pragma once

#include <QComboBox>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace pictra::ui {

// A narrow number edit; `readOnly` ones only show sizes.
QLineEdit* idNumberEdit(const char* id, bool readOnly, QWidget* parent);
QRadioButton* idRadio(const QString& text, const char* id, QWidget* parent);

template <std::size_t N>
QComboBox* idPaperCombo(const char* id, const std::array<std::string_view, N>& names, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(id));
    for (std::string_view name : names)
        combo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return combo;
}

// A group with a paper combo, "横"/"縦" and the width and height edits.
QGroupBox* paperGroup(const QString& title, QComboBox* combo, QRadioButton* landscape, QRadioButton* portrait,
                      QLineEdit* width, QLineEdit* height, QWidget* parent);

// The whole number typed into `edit` when it lies within low..high.
std::optional<int> typedNumberIn(const QLineEdit& edit, int low, int high);

// Shows the edit's text in red while `refused`.
void markRefused(QLineEdit* edit, bool refused);

} // namespace pictra::ui
