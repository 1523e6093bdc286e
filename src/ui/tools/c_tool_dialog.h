// CToolDialog: the frame every image tool shares. It shows the source
// picture ("元の画像") and the edited one ("編集後の画像"), recomputes the
// edit whenever a parameter changes and writes it to the tool's scratch
// file, and keeps the result in one of three ways: "変更" replaces the
// source file, "追加" saves a new file for the album, "開く" opens a copy in
// a new window. The source and the result stay in memory while the dialog
// is open, so repaints never decode the picture again.
#pragma once

#include "core/image/image_record.h"
#include "core/tools/tool_edit.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QBoxLayout;
class QPushButton;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PreviewFrame;
class UserPrompts;

// What a tool dialog works on.
struct ToolContext {
    AppState& state;
    UserPrompts& prompts;
    std::string sourcePath;   // the picture of the enlarged view
    int rememberedAlbumSlot;  // the slot the single-image window came from
};

enum class ToolOutcome { None = 0, Changed = 1, Added = 2, Opened = 3 };

// Button ids for "変更", "追加", "開く".
struct ToolButtonIds {
    int change = 1017;
    int add = 1018;
    int open = 1019;
};

class CToolDialog : public QDialog {
    Q_OBJECT
public:
    CToolDialog(ToolContext context, ImageTool tool, ToolButtonIds buttons, QWidget* parent);
    ~CToolDialog() override;

    ToolOutcome outcome() const { return m_outcome; }
    // The file the outcome names: the new file of "追加", the copy of "開く".
    const std::string& toolPath() const { return m_toolPath; }
    // The album slot "追加" stored the copy in (-1 for none).
    int addedAlbumSlot() const { return m_addedSlot; }
    const ToolEdit& edit() const { return m_edit; }
    // False when the source could not be loaded (the dialog says why).
    bool hasSource() const { return m_hasSource; }

    void reject() override;

protected:
    // Where a tool puts its controls, below the pictures.
    QBoxLayout& parameterArea() { return *m_parameters; }
    const ImageRecord& source() const;
    ToolEdit& editToChange() { return m_edit; }
    // Ends initialisation: from now on parameter changes recompute.
    void setReady();
    bool isReady() const { return m_ready; }
    // Computes the edit from the kept source, shows it and writes the scratch
    // file. An edit whose parameters are out of range is skipped and the
    // edited picture stays as it was.
    void recompute();

private:
    void keepByChange();
    void keepByAdding();
    void keepByOpening();
    // Reads the scratch file back into the shared record and checks it is the
    // result; tells the user and returns false otherwise.
    bool resultReadBack();
    // Where "変更" writes: the source, or for a format the program cannot
    // write the JPEG beside it the user agrees to; nullopt to keep nothing.
    std::optional<std::string> changeTarget();
    bool replaceSource(ImageRecord& picture, const std::string& target);
    // False, the user told `failure` (by default that the album's copy is
    // not renewed), when the store copy could not be written.
    bool renewStoreCopy(ImageRecord& picture, int slot, const std::string& imagePath, const QString& failure = {});
    void removeScratch();

    ToolContext m_context;
    ImageTool m_tool;
    ToolEdit m_edit;
    std::unique_ptr<ImageBuffers> m_source;
    std::unique_ptr<ImageBuffers> m_result;
    bool m_hasSource = false;
    bool m_hasResult = false;
    bool m_ready = false;
    bool m_cancelPressed = false;
    ToolOutcome m_outcome = ToolOutcome::None;
    std::string m_toolPath;
    int m_addedSlot = -1;
    PreviewFrame* m_sourceFrame = nullptr;
    PreviewFrame* m_resultFrame = nullptr;
    QBoxLayout* m_parameters = nullptr;
};

} // namespace pictra::ui
