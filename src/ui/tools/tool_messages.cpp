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

} // namespace pictra::ui
