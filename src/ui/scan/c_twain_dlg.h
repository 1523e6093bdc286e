// CTwainDlg "TWAIN Driver": scans pictures into a folder, lists them,
// previews one, deletes files and hands the chosen ones to the album window
// through TEMP/scan.dat. The scanners are looked for when it opens and the
// chosen one's settings shown (ScanDevicePicker); the settings used are
// remembered per device in PARAM/pictra.ini. The scan runs on a worker
// thread with progress and a cancel button; only the ui thread touches the
// album and the widgets.
#pragma once

#include "core/scan/scan_import.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PicturePreview;
class ScanDevicePicker;
class UserPrompts;

// The dialog's result codes.
enum class TwainResult {
    Cancelled = -1,
    Open = 1, // "開く": open the handed-over images
    Add = 2,  // "追加": add them to the album
};

class CTwainDlg : public QDialog {
    Q_OBJECT
public:
    CTwainDlg(AppState& state, UserPrompts& prompts, ScanSource& source, QWidget* parent);
    ~CTwainDlg() override;

    TwainResult resultCode() const { return m_result; }
    bool scanning() const { return m_scanning; }

public slots:
    void reject() override;

signals:
    // An acquisition ended (successfully or not) and the list shows its rows.
    void acquisitionFinished();
    // The chosen device's settings are shown (or no device was found).
    void deviceReady();

private:
    struct Row {
        std::string folder;
        std::string name;
        ScanFileType type;
        std::string path() const;
    };

    void pickerReady(ScanError error);
    void acquire();
    void startRound();
    void roundFinished();
    void endAcquisition();
    void showProgress(int page, int percent);
    void rowsClicked();
    void deleteRows();
    void handOver(TwainResult result);
    void chooseFolder();
    void fillList();
    void setRowButtons(bool enabled);
    void setWorking(bool working, const QString& text);
    void rememberSettings(const std::string& device, const ScanSettings& settings);
    ScanSaveTarget saveTarget() const;

    AppState& m_state;
    UserPrompts& m_prompts;
    ScanSource& m_source;
    TwainResult m_result = TwainResult::Cancelled;
    std::string m_stem;
    int m_nextNumber = 0;
    bool m_startWhenReady = false;    // "読み込み開始" pressed while the device was being read
    std::string m_roundFolder;        // where the running round saves
    ScanFileType m_roundType = ScanFileType::Jpg;
    std::vector<Row> m_rows;
    std::atomic<bool> m_cancel{false};
    bool m_scanning = false;
    bool m_closeWhenDone = false;
    QFutureWatcher<ScanRoundReport> m_roundWatcher;

    QLineEdit* m_folder = nullptr;
    QComboBox* m_fileType = nullptr;
    ScanDevicePicker* m_picker = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_stop = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_progressText = nullptr;
    QTreeWidget* m_list = nullptr;
    PicturePreview* m_preview = nullptr;
};

} // namespace pictra::ui
