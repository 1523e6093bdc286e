// A framed area that shows one picture file fitted into it, loaded by its
// extension into buffers of its own (the program's shared picture and the
// information bar stay as they are). Used by the search dialog's preview.
#pragma once

#include "core/image/image_file_io.h"
#include "core/image/image_record.h"

#include <QFrame>

#include <memory>
#include <string>

namespace pictra::ui {

class PicturePreview : public QFrame {
    Q_OBJECT
public:
    // `bufferBytes`: the pixel buffer made at the first picture shown.
    PicturePreview(JpegSaveOptions jpeg, std::size_t bufferBytes, QWidget* parent);

    // Loads and shows `path`; an empty path or a file that cannot be loaded shows nothing.
    void showPicture(const std::string& path);
    void clear();
    bool showsPicture() const { return m_loaded; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageFileIO m_io;
    std::size_t m_bufferBytes;
    std::unique_ptr<ImageBuffers> m_buffers;
    Outline m_outline{}; // as loaded: drawing fits a copy of it
    bool m_loaded = false;
};

} // namespace pictra::ui
