// Dialog 195 "圧縮ファイルを作成中": the modeless progress of making store
// copies for dropped images, with a bar and the path being worked on.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace pictra::ui {

class CompressProgressDialog : public QDialog {
    Q_OBJECT
public:
    CompressProgressDialog(int total, QWidget* parent);

    // One more image done; `path` is shown as the current file.
    void step(const QString& path);
    int value() const;

private:
    QProgressBar* m_bar = nullptr;
    QLabel* m_path = nullptr;
};

} // namespace pictra::ui
