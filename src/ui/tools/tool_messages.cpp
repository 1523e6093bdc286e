// The image tools' questions about writing the edited picture back.
#include "ui/tools/tool_messages.h"

namespace pictra::ui {

QString reencodeSourceQuestion()
{
    return QStringLiteral("元のJPEGファイルを圧縮し直した画像で置き換えます。\n画質が少し落ちますがよろしいですか。");
}

QString reencodeTurnQuestion()
{
    return QStringLiteral("この画像は縦横の大きさのため画質を落とさずに回転・反転できません。\nJPEGに圧縮し直して保存しますか。");
}

QString jpegBesideQuestion(const QString& name, const QString& jpegName)
{
    return QStringLiteral("「%1」の形式では保存できません。\n変更した画像をJPEGファイル「%2」として同じフォルダーに保存し、"
                          "アルバムはそのファイルを指すようにしますか。\n「いいえ」を選ぶと何も保存しません。")
        .arg(name, jpegName);
}

QString noJpegBesideMessage(const QString& path)
{
    return QStringLiteral("%1\nの隣にJPEGファイルとして保存できる名前がありません。元の画像は変更されていません。").arg(path);
}

} // namespace pictra::ui
