// The usage agreement.
#include "setup/agreement_dialog.h"

#include "setup/screen_centre.h"
#include "setup/setup_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictra::setup {

AgreementDialog::AgreementDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("使用上の注意事項"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Pictra　Version1.03のセットアップを開始します。"), this));
    layout->addWidget(new QLabel(QStringLiteral("セットアップを開始する前に全てのｱﾌﾟﾘｹｰｼｮﾝを終了してください。"), this));
    auto* text = new QPlainTextEdit(agreementText(), this);
    text->setObjectName(QStringLiteral("1000"));
    text->setReadOnly(true);
    text->setMinimumSize(520, 300);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* agree = new QPushButton(QStringLiteral("同意する"), this);
    agree->setObjectName(QStringLiteral("1"));
    auto* refuse = new QPushButton(QStringLiteral("同意しない"), this);
    refuse->setObjectName(QStringLiteral("2"));
    buttons->addWidget(agree);
    buttons->addWidget(refuse);
    layout->addLayout(buttons);
    connect(agree, &QPushButton::clicked, this, &QDialog::accept);
    connect(refuse, &QPushButton::clicked, this, &QDialog::reject);
    centreOnScreen(*this);
}

} // namespace pictra::setup
