// CPosterPrintDlg "ポスター印刷": one album image enlarged to a poster (A0 to
// A3) printed across printer sheets (A4 to A6, B4 to B6), one part per
// sheet. The user picks the image from the strip, sees the picture and the
// sheets in the preview, and prints. Nothing is written back to the
// settings. Controls carry their ids as object names.
#pragma once

#include "core/album/album_record.h"
#include "core/print/poster_setup.h"
#include "ui/print/preview_pictures.h"

#include <QDialog>
#include <QImage>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PosterPreviewView;
class PrintStrip;
class UserPrompts;

class CPosterPrintDlg : public QDialog {
    Q_OBJECT
public:
    // A paper picked in the printer's set-up becomes the dialog's paper, or
    // the user is told which paper the dialog keeps.
    void takeOverPrinterPaper();
    // `album` is the current window's record; `printer` keeps the printer
    // set-up's choice for the session.
    CPosterPrintDlg(AppState& state, const AlbumRecord& album, UserPrompts& prompts, QPrinter& printer,
                    QWidget* parent = nullptr);
    ~CPosterPrintDlg() override;

    const PosterSetup& setup() const { return m_setup; }
    const std::string& imagePath() const { return m_imagePath; }
    PrintStrip* strip() const { return m_strip; }
    PosterPreviewView* previewView() const { return m_preview; }

    // Makes album image `index` the poster image.
    void pickImage(int index);
    // "OK": the printer set-up, then the poster. The dialog stays open.
    void print();

private:
    void buildControls();
    void posterPaperChosen();
    void sheetPaperChosen();
    void marginTyped();
    void showSetup();

    AppState& m_state;
    UserPrompts& m_prompts;
    QPrinter& m_printer;
    PosterSetup m_setup;
    std::string m_imagePath;
    QImage m_previewPicture;
    bool m_marginRefused = false;
    PreviewPictures m_pictures;

    QComboBox* m_posterPaper = nullptr;
    QRadioButton* m_posterLandscape = nullptr;
    QRadioButton* m_posterPortrait = nullptr;
    QLineEdit* m_posterWidth = nullptr;
    QLineEdit* m_posterHeight = nullptr;
    QLineEdit* m_margin = nullptr;
    QComboBox* m_sheetPaper = nullptr;
    QRadioButton* m_sheetLandscape = nullptr;
    QRadioButton* m_sheetPortrait = nullptr;
    QLineEdit* m_sheetWidth = nullptr;
    QLineEdit* m_sheetHeight = nullptr;
    QLabel* m_sheets = nullptr;
    QLabel* m_note = nullptr;
    PosterPreviewView* m_preview = nullptr;
    PrintStrip* m_strip = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace pictra::ui
