// Texts, shortcuts and layout of the program's menus and toolbar.
#include "core/commands/command_table.h"

#include "core/commands/command_ids.h"

#include <algorithm>
#include <array>

namespace pictra {

namespace {

using namespace cmd;

constexpr std::array kCommands = {
    CommandInfo{kNewAlbum, "新規作成(&N)", "Ctrl+N", "新しいアルバムを作成する\n新規作成(Ctrl+N)", "new"},
    CommandInfo{kOpenAlbum, "開く(&O)...", "Ctrl+O", "既存のアルバムを開く\n開く(Ctrl+O)", "open"},
    CommandInfo{kSave, "上書き保存(&S)", "Ctrl+S", "アルバムを上書きして保存する\n上書き保存(Ctrl+S)", "save"},
    CommandInfo{kSaveAs, "名前を付けて保存(&A)...", "", "アルバムに名前を付けて保存する\n名前を付けて保存", ""},
    CommandInfo{kPrintNormal, "通常(&N)", "Ctrl+P", "選択したイメージを印刷する\n印刷(Ctrl+P)", "print"},
    CommandInfo{kPrintPoster, "ポスター(&O)", "", "イメージを複数の用紙に分けて印刷する\nポスター印刷", ""},
    CommandInfo{kPrintDtp, "DTP(&D)...", "", "イメージと文字を1枚の用紙に配置して印刷する\nDTP印刷", ""},
    CommandInfo{kPrintSetup, "プリンタの設定(&R)...", "", "プリンタと用紙を設定する\nプリンタの設定", ""},
    CommandInfo{kInputFromFile, "ファイル(&F)...", "", "イメージファイルをアルバムに挿入する\nファイルから入力", "input"},
    CommandInfo{kInputTwain, "ＴＷＡＩＮ(&T)...", "", "スキャナなどからイメージを取り込む\nＴＷＡＩＮ入力", "twain"},
    CommandInfo{kExportJpeg, "JPEG(&J)...", "", "イメージをJPEGファイルに出力する\nJPEG出力", ""},
    CommandInfo{kExportBmp, "BMP(&B)...", "", "イメージをBMPファイルに出力する\nBMP出力", ""},
    CommandInfo{kExportTiff, "TIFF(&T)...", "", "イメージをTIFFファイルに出力する\nTIFF出力", ""},
    CommandInfo{kExportPsd, "PSD(&P)...", "", "イメージをPSDファイルに出力する\nPSD出力", ""},
    CommandInfo{kExportPcx, "PCX(&X)...", "", "イメージをPCXファイルに出力する\nPCX出力", ""},
    CommandInfo{kExportPng, "PNG(&N)...", "", "イメージをPNGファイルに出力する\nPNG出力", ""},
    CommandInfo{kExportWebp, "WebP(&W)...", "", "イメージをWebPファイルに出力する\nWebP出力", ""},
    CommandInfo{kExit, "アプリケーションの終了(&X)", "", "Pictraを終了する\n終了", ""},
    CommandInfo{kCut, "切り取り(&T)", "Ctrl+X", "イメージを切り取ってクリップボードに移す\n切り取り(Ctrl+X)", "cut"},
    CommandInfo{kCopy, "ｺﾋﾟｰ(&C)", "Ctrl+C", "イメージをクリップボードにコピーする\nコピー(Ctrl+C)", "copy"},
    CommandInfo{kPaste, "貼り付け(&P)", "Ctrl+V", "クリップボードのイメージを貼り付ける\n貼り付け(Ctrl+V)", "paste"},
    CommandInfo{kDelete, "削除(&D)", "Ctrl+Del", "イメージをアルバムから削除する\n削除(Ctrl+Delete)", "delete"},
    CommandInfo{kCopyToFolder, "別のフォルダーにコピー(&Y)...", "", "イメージファイルを別のフォルダーにコピーする\n別のフォルダーにコピー", ""},
    CommandInfo{kMoveToFolder, "別のフォルダーに移動(&M)...", "", "イメージファイルを別のフォルダーに移動する\n別のフォルダーに移動", ""},
    CommandInfo{kRename, "ファイル名を変更(&R)...", "", "イメージファイルの名前を変更する\nファイル名を変更", ""},
    CommandInfo{kFillDateTaken, "撮影日を日付に入れる(&D)", "", "選択したイメージの日付を撮影日にする\n撮影日を日付に入れる", ""},
    CommandInfo{kExportXmp, "XMPに書き出す(&X)", "", "選択したイメージの日付と文字情報をXMPファイルに書き出す\nXMPに書き出す", ""},
    CommandInfo{kSortByDate, "日付順(&D)", "", "アルバムのイメージを日付の順に並べ替える\n日付順に並べ替え", ""},
    CommandInfo{kSortByName, "ファイル名順(&N)", "", "アルバムのイメージをファイル名の順に並べ替える\nファイル名順に並べ替え", ""},
    CommandInfo{kSortByPlace, "場所順(&P)", "", "アルバムのイメージを場所の順に並べ替える\n場所順に並べ替え", ""},
    CommandInfo{kRelink, "元画像を探す(&L)...", "", "移動または名前を変更した元画像を探して、アルバムの画像を結び直す\n元画像を探す", ""},
    CommandInfo{kViewToolbar, "ツールバー(&T)", "", "ツールバーの表示/非表示を切り替える\nツールバー", ""},
    CommandInfo{kViewStatusBar, "ステータスバー(&S)", "", "ステータスバーの表示/非表示を切り替える\nステータスバー", ""},
    CommandInfo{kEnlargedView, "拡大ビュー表示(&E)", "Return", "イメージを拡大ビューで表示する\n拡大ビュー表示(Enter)", "enlarge"},
    CommandInfo{kStandardSize, "標準サイズ(&S)", "", "イメージを標準サイズで表示する\n標準サイズ", "standard"},
    CommandInfo{kZoom, "拡大(&Z)", "", "範囲を指定して拡大する\nズームアップ", "zoom"},
    CommandInfo{kZoomBack, "元に戻す(&B)", "", "拡大を一段階元に戻す\nズームバック", "zoomback"},
    CommandInfo{kNextPage, "ページ送り(&N)", "PgDown", "次のページにする\nページ送り(PageDown)", "next"},
    CommandInfo{kPreviousPage, "ページ戻し(&P)", "PgUp", "前のページにする\nページ戻し(PageUp)", "previous"},
    CommandInfo{kFirstPage, "先頭ページに移動(&F)", "Ctrl+Home", "先頭のページにする\n先頭ページ(Ctrl+Home)", "first"},
    CommandInfo{kLastPage, "最終ページに移動(&L)", "Ctrl+End", "最後のページにする\n最終ページ(Ctrl+End)", "last"},
    CommandInfo{kSlideShow, "スライドショー(&S)", "Ctrl+M", "スライドショーを開始する\nスライドショー(Ctrl+M)", "slide"},
    CommandInfo{kReverseSlide, "逆スライド(&R)", "Ctrl+B", "逆方向にスライドショーを開始する\n逆スライド(Ctrl+B)", "reverse"},
    CommandInfo{kPauseSlide, "一時停止(&P)", "", "スライドショーを一時停止する\n一時停止", "pause"},
    CommandInfo{kEndSlideShow, "スライドショーを終了(&E)", "", "スライドショーを終了する\nスライドショーを終了", "stop"},
    CommandInfo{kSearch, "検索(&S)...", "", "アルバムのイメージを検索する\n検索", "search"},
    CommandInfo{kSearchFromFile, "ファイルから検索(&F)...", "", "フォルダーからファイルを検索する\nファイルから検索", "searchfile"},
    CommandInfo{kOptions, "オプション設定(&O)...", "", "動作の設定を変更する\nオプション設定", ""},
    CommandInfo{kCascade, "重ねて表示(&C)", "", "ウインドウを重ねて表示する\n重ねて表示", ""},
    CommandInfo{kTile, "並べて表示(&T)", "", "ウインドウを並べて表示する\n並べて表示", ""},
    CommandInfo{kArrangeIcons, "ｱｲｺﾝの整列(&A)", "", "アイコンを整列する\nアイコンの整列", ""},
    CommandInfo{kManual, "マニュアル(&M)", "", "マニュアルを表示する\nマニュアル", ""},
    CommandInfo{kAbout, "バージョン情報(&A)...", "", "プログラムのバージョンを表示する\nバージョン情報", ""},
};

constexpr MenuItem begin(std::string_view title) { return {MenuItemKind::SubmenuBegin, 0, title}; }
constexpr MenuItem end() { return {MenuItemKind::SubmenuEnd, 0, {}}; }
constexpr MenuItem item(int id) { return {MenuItemKind::Command, id, {}}; }
constexpr MenuItem separator() { return {MenuItemKind::Separator, 0, {}}; }

constexpr std::array kMenuBar = {
    begin("ファイル(&F)"),
    item(kNewAlbum), item(kOpenAlbum), item(kSave), item(kSaveAs), separator(),
    begin("印刷(&P)"), item(kPrintNormal), item(kPrintPoster), item(kPrintDtp), end(),
    item(kPrintSetup), separator(),
    begin("入力(&I)"), item(kInputFromFile), item(kInputTwain), end(),
    begin("出力(&E)"), item(kExportJpeg), item(kExportBmp), item(kExportTiff), item(kExportPsd), item(kExportPcx),
    item(kExportPng), item(kExportWebp), end(),
    separator(), item(kExit),
    end(),
    begin("編集(&E)"),
    item(kCut), item(kCopy), item(kPaste), item(kDelete), separator(),
    item(kCopyToFolder), item(kMoveToFolder), item(kRename), separator(), item(kRelink), separator(),
    item(kFillDateTaken), item(kExportXmp),
    begin("並べ替え(&O)"), item(kSortByDate), item(kSortByName), item(kSortByPlace), end(),
    end(),
    begin("表示(&V)"),
    item(kViewToolbar), item(kViewStatusBar), separator(),
    item(kEnlargedView), item(kStandardSize), item(kZoom), item(kZoomBack),
    end(),
    begin("ページ(&G)"),
    item(kNextPage), item(kPreviousPage), item(kFirstPage), item(kLastPage), separator(),
    item(kSlideShow), item(kReverseSlide), item(kPauseSlide), item(kEndSlideShow),
    end(),
    begin("ツール(&T)"),
    item(kSearch), item(kSearchFromFile), separator(), item(kOptions),
    end(),
    begin("ウインドウ(&W)"),
    item(kCascade), item(kTile), item(kArrangeIcons),
    end(),
    begin("ヘルプ(&H)"),
    // No topic index: the manual is one short PDF, which "マニュアル" opens.
    item(kManual), separator(), item(kAbout),
    end(),
};

constexpr std::array kToolbar = {
    kNewAlbum, kOpenAlbum, kSave, 0,
    kCut, kCopy, kPaste, 0,
    kDelete, 0,
    kPrintNormal, 0,
    kSearch, kSearchFromFile, 0,
    kReverseSlide, kFirstPage, kPreviousPage, kPauseSlide, kEndSlideShow, kNextPage, kLastPage, kSlideShow, 0,
    kEnlargedView, kStandardSize, kZoom, kZoomBack, 0,
    kInputFromFile, kInputTwain,
};

} // namespace

std::string_view commandPrompt(const CommandInfo& info)
{
    return info.strings.substr(0, info.strings.find('\n'));
}

std::string_view commandTooltip(const CommandInfo& info)
{
    const std::size_t nl = info.strings.find('\n');
    return nl == std::string_view::npos ? std::string_view{} : info.strings.substr(nl + 1);
}

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo* findCommand(int id)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [id](const CommandInfo& c) { return c.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::span<const MenuItem> menuBarLayout() { return kMenuBar; }

std::span<const int> toolbarLayout() { return kToolbar; }

} // namespace pictra
