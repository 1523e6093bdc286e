// The start menu.
#include "setup/start_menu_dialog.h"

#include "setup/screen_centre.h"
#include "setup/setup_texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictra::setup {

StartMenuDialog::StartMenuDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(kSetupTitle));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromUtf8(kMessageTitle), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addSpacing(12);

    auto addButton = [&](const char* id, const QString& text, StartChoice choice) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(id));
        button->setMinimumSize(260, 36);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, choice] {
            m_choice = choice;
            choice == StartChoice::Cancelled ? reject() : accept();
        });
        return button;
    };
    addButton("1012", QStringLiteral("Pictraのインストール"), StartChoice::Install)->setDefault(true);
    addButton("3", QStringLiteral("PDFリーダー"), StartChoice::Reader);
    addButton("2", QStringLiteral("キャンセル"), StartChoice::Cancelled);
    centreOnScreen(*this);
}

} // namespace pictra::setup
