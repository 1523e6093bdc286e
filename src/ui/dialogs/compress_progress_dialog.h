// Dialog 195 "圧縮ファイルを作成中": the modeless progress of making store
// copies for dropped images, with a bar, the path being worked on and a
// "中止" button.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pictra::ui {

class CompressProgressDialog : public QDialog {
    Q_OBJECT
public:
    CompressProgressDialog(int total, QWidget* parent);

    // One more image done; `path` is shown as the current file.
    void step(const QString& path);
    // `done` images are finished; `path` is shown as the current file.
    void setDone(int done, const QString& path);
    int value() const;
    bool cancelled() const { return m_cancelled; }

signals:
    void cancelRequested();

protected:
    void reject() override; // Esc or the close box act as "中止"

private:
    QProgressBar* m_bar = nullptr;
    QLabel* m_path = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_cancelled = false;
};

} // namespace pictra::ui
