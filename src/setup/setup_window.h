// The full-screen window behind the setup dialogs, with the background picture.
#pragma once

#include <QImage>
#include <QWidget>

namespace pictra::setup {

// The 1280 × 1024 background: a calm gradient with the product name.
QImage setupBackground();

class SetupWindow : public QWidget {
public:
    explicit SetupWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
};

} // namespace pictra::setup
