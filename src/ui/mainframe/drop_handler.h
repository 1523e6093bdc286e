// Files dropped on the main window: images are appended to the active album
// (a new one when no window is open) after their store copies are made, with
// progress; albums are opened. Nothing is collected while a single-image or
// slide-show window is active.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumDocuments;
class AlbumWindowHost;

class DropHandler {
public:
    DropHandler(AppState& state, AlbumWindowHost& host, AlbumDocuments& documents, QWidget* window);

    // The local paths of one drop, in the order the file manager gave them.
    void dropFiles(const std::vector<std::string>& paths);

private:
    void addImages(const std::vector<std::string>& images);

    AppState& m_state;
    AlbumWindowHost& m_host;
    AlbumDocuments& m_documents;
    QWidget* m_window;
};

} // namespace pictra::ui
