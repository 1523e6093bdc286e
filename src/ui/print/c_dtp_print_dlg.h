// CDtpPrintDlg "DTP印刷": one page composed of an album image fitted into the
// sheet and a text in a chosen font, character size, writing direction and
// colour. Paper (a free size included), orientation and margin last only
// while the dialog is open. Controls carry their ids as object names.
#pragma once

#include "core/album/album_record.h"
#include "ui/print/dtp_renderer.h"
#include "ui/print/preview_pictures.h"

#include <QDialog>
#include <QImage>

#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class DtpPreviewView;
class PrintStrip;
class UserPrompts;

class CDtpPrintDlg : public QDialog {
    Q_OBJECT
public:
    // A paper picked in the printer's set-up becomes the dialog's paper, or
    // the user is told which paper the dialog keeps.
    void takeOverPrinterPaper();
    CDtpPrintDlg(AppState& state, const AlbumRecord& album, UserPrompts& prompts, QPrinter& printer,
                 QWidget* parent = nullptr);
    ~CDtpPrintDlg() override;

    const DtpContent& content() const { return m_content; }
    const std::string& imagePath() const { return m_imagePath; }
    PrintStrip* strip() const { return m_strip; }
    DtpPreviewView* previewView() const { return m_preview; }

    void pickImage(int index);
    // "OK": the printer set-up, then the page. The dialog stays open.
    void print();

private:
    void buildControls();
    QWidget* buildTextGroup();
    void paperChosen();
    void orientationChosen(SheetOrientation orientation);
    void sizesTyped();
    void marginTyped();
    void textChanged();
    void showSetup();
    void refreshPreview();

    AppState& m_state;
    UserPrompts& m_prompts;
    QPrinter& m_printer;
    DtpContent m_content;
    std::string m_imagePath;
    QImage m_previewPicture;
    bool m_sizeRefused = false;
    bool m_marginRefused = false;
    PreviewPictures m_pictures;

    QComboBox* m_paper = nullptr;
    QRadioButton* m_landscape = nullptr;
    QRadioButton* m_portrait = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_margin = nullptr;
    QComboBox* m_font = nullptr;
    QLineEdit* m_charWidth = nullptr;
    QLineEdit* m_charHeight = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QRadioButton* m_vertical = nullptr;
    QRadioButton* m_horizontal = nullptr;
    QButtonGroup* m_colours = nullptr;
    DtpPreviewView* m_preview = nullptr;
    PrintStrip* m_strip = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace pictra::ui
