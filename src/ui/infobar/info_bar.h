// InfoBar: the dock at the bottom of the main window that shows and edits the
// focused image of the active album: size, source path, date, author, place,
// summary, a memo or Exif page, and an RGB histogram. Every edit goes
// straight into the working copy's entry and the active window's slot.
#pragma once

#include "core/infobar/info_fields.h"

#include <QDockWidget>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabBar;

namespace pictra {
struct AppState;
struct ImageRecord;
struct ImageEntry;
}

namespace pictra::ui {

class HistogramBox;

class InfoBar : public QDockWidget {
    Q_OBJECT
public:
    explicit InfoBar(AppState& state, QWidget* parent = nullptr);

    // Fills every control for the focused entry of the working copy; `image`
    // is the picture loaded for it (size text and histogram).
    void refresh(const ImageRecord& image);
    // Rebuilds control 1000 for the selected tab.
    void showPage();

    // The Exif text of an image file, or nothing when it has none.
    using ExifTextSource = std::function<std::optional<std::string>(const std::string& path)>;
    void setExifTextSource(ExifTextSource source) { m_exifText = std::move(source); }

signals:
    // A typed text could not be stored as typed (`message` says why).
    void inputRefused(const QString& message);

private:
    QLineEdit* addEdit(const char* id, InfoField field);
    void storeField(InfoField field, const QString& text, QWidget* edit);
    void showStored(InfoField field, const ImageEntry& entry, QWidget* edit);
    ImageEntry* focusedEntry();

    AppState& m_state;
    ExifTextSource m_exifText;
    QLabel* m_size = nullptr;
    QLineEdit* m_path = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    QLineEdit* m_author = nullptr;
    QLineEdit* m_place = nullptr;
    QLineEdit* m_summary = nullptr;
    QTabBar* m_tabs = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    HistogramBox* m_histogram = nullptr;
};

} // namespace pictra::ui
