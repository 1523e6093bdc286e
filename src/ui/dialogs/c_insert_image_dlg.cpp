// The insert-images dialog.
#include "ui/dialogs/c_insert_image_dlg.h"

#include "core/app/app_state.h"
#include "core/album/store_copy.h"
#include "core/album/store_name_clash.h"
#include "core/settings/last_used_folder.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialog_units.h"
#include "ui/dialogs/added_images_check.h"
#include "ui/dialogs/duplicate_prompt.h"
#include "ui/dialogs/image_file_filter.h"
#include "ui/dialogs/status_messages.h"
#include "ui/drawing/image_painter.h"
#include "ui/prompts/user_prompts.h"
#include "ui/widgets/picture_preview.h"
#include "ui/widgets/thumbnail_strip.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace pictra::ui {
namespace {

// The list's 1000 path slots: slot 0 is the preview, so 999 files.
constexpr int kMaxListedFiles = kMaxAlbumImages - 1;
constexpr int kStripCells = 6;
constexpr int kCellXs[kStripCells] = {19, 66, 113, 160, 207, 254};
constexpr int kCellY = 164;
constexpr const char* kCellIds[kStripCells] = {"1032", "1033", "1034", "1035", "1036", "1037"};
constexpr const char* kLabelIds[kStripCells] = {"1045", "1046", "1050", "1051", "1053", "1055"};

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

StripLayout stripLayout()
{
    StripLayout layout;
    for (int k = 0; k < kStripCells; ++k) {
        layout.cells.push_back(dluRect(kCellXs[k], kCellY, 44, 36));
        layout.cellIds.push_back(QString::fromLatin1(kCellIds[k]));
        layout.labels.push_back(dluRect(kCellXs[k] - 1, kCellY + 38, 46, 9));
        layout.labelIds.push_back(QString::fromLatin1(kLabelIds[k]));
    }
    layout.spin = dluRect(302, kCellY, 9, 36);
    layout.spinId = QStringLiteral("1016");
    layout.pageLabel = dluRect(314, kCellY + 14, 28, 9);
    layout.pageLabelId = QStringLiteral("1058");
    return layout;
}

QPushButton* button(const char* text, const char* id, QRect where, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(id));
    b->setGeometry(where);
    b->setAutoDefault(false);
    return b;
}

} // namespace

CInsertImageDlg::CInsertImageDlg(AppState& state, UserPrompts& prompts, InsertTarget target, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_target(std::move(target))
{
    setObjectName(QStringLiteral("133"));
    setWindowTitle(QStringLiteral("画像挿入"));
    setFixedSize(dluToPixelsX(350), dluToPixelsY(236));
    (new QLabel(QStringLiteral("プレビュー"), this))->setGeometry(dluRect(20, 4, 60, 9));
    m_preview = new PicturePreview(state, this);
    m_preview->setObjectName(QStringLiteral("1031"));
    m_preview->setGeometry(dluRect(20, 15, 188, 134));
    m_strip = new ThumbnailStrip(stripLayout(), this);
    m_strip->setCellPainter([this](QPainter& p, const QRect& cell, int item) { paintCell(p, cell, item); });
    connect(m_strip, &ThumbnailStrip::itemClicked, this, &CInsertImageDlg::showItem);
    connect(m_strip, &ThumbnailStrip::spinMoved, this, [this] { m_preview->setPath({}); });
    m_open = button("開く", "1017", dluRect(236, 15, 60, 14), this);
    connect(m_open, &QPushButton::clicked, this, &CInsertImageDlg::pickFiles);
    m_insert = button("挿入", "1", dluRect(236, 37, 60, 14), this);
    connect(m_insert, &QPushButton::clicked, this, &CInsertImageDlg::insert);
    m_remove = button("削除", "1020", dluRect(236, 59, 60, 14), this);
    connect(m_remove, &QPushButton::clicked, this, &CInsertImageDlg::removePreviewed);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("1082"));
    m_progress->setGeometry(dluRect(7, 222, 336, 9));
    m_progress->setTextVisible(false);
    m_progress->setValue(0);
    refresh();
}

int CInsertImageDlg::room() const
{
    const int albumRoom = kMaxAlbumImages - static_cast<int>(m_target.imagePaths.size());
    return std::max(0, std::min(kMaxListedFiles, albumRoom) - static_cast<int>(m_paths.size()));
}

void CInsertImageDlg::pickFiles()
{
    const Result<LastUsedFolder> loaded = loadLastUsedFolder(m_state.programFolder);
    if (!loaded && loaded.status() != Status::NotFound)
        return;
    LastUsedFolder folders = loaded ? *loaded : LastUsedFolder{};
    const QStringList chosen =
        m_prompts.openFileNames(this, QStringLiteral("開く"), qs(fieldText(folders.imageFolder)), imageFileFilter());
    if (chosen.isEmpty())
        return;
    m_preview->setPath({});
    setFieldText(folders.imageFolder, folderWithSeparator(chosen.front().toStdString()));
    (void)saveLastUsedFolder(m_state.programFolder, folders); // only the remembered folder is lost
    addFiles(chosen);
}

void CInsertImageDlg::addFiles(const QStringList& chosen)
{
    std::vector<std::string> added;
    int overflow = 0;
    QStringList tooLong;
    std::vector<std::string> clashes;
    std::vector<std::string> owners = m_target.imagePaths;
    owners.insert(owners.end(), m_paths.begin(), m_paths.end());
    std::vector<std::string> files;
    for (const QString& file : chosen)
        files.push_back(file.toStdString());
    const auto offered = offeredAfterDuplicateCheck(m_state, m_prompts, this, m_target.albumPath, owners, files);
    if (!offered)
        return;
    const int room = this->room();
    for (const std::string& path : *offered) {
        const QString file = QString::fromStdString(path);
        if (static_cast<int>(added.size()) >= room) {
            ++overflow;
        } else if (path.size() >= kPathBytes) {
            tooLong << file;
        } else if (storeNameOwner({}, owners, path)) {
            clashes.push_back(path);
        } else {
            added.push_back(path);
            owners.push_back(path);
        }
    }
    m_progress->setRange(0, std::max<int>(static_cast<int>(added.size()), 1));
    // Events run while the copies are written; the buttons wait till the list is complete.
    for (QPushButton* b : {m_open, m_insert, m_remove})
        b->setEnabled(false);
    ImageFileIO io(jpegSaveOptions(m_state.settings));
    BatchResults results;
    for (std::size_t k = 0; k < added.size(); ++k) {
        QApplication::processEvents();
        results.emplace_back(makeStoreCopy(io, sharedRecord(m_state), m_state.programFolder, m_target.albumPath, added[k]));
        m_progress->setValue(static_cast<int>(k) + 1);
    }
    m_progress->setValue(0);
    // Files that cannot be read are named now and never enter the list.
    for (std::string& path : imagesToAdd(m_prompts, this, added, results))
        m_paths.push_back(std::move(path));
    m_open->setEnabled(true);
    refresh();
    QStringList notes;
    if (overflow > 0)
        notes << QStringLiteral("一度に挿入できるのは、アルバムの残りを含めてあと%1枚までです。%2個のファイルは追加しませんでした。")
                     .arg(room)
                     .arg(overflow);
    if (!clashes.empty())
        notes << storeNameClashMessage(clashes, StoreNameClashAct::Add);
    if (!tooLong.isEmpty())
        notes << QStringLiteral("パスが長すぎるため、次のファイルは追加しませんでした。\n%1").arg(tooLong.join(QLatin1Char('\n')));
    if (!notes.isEmpty())
        m_prompts.showMessage(this, notes.join(QStringLiteral("\n\n")));
}

void CInsertImageDlg::removePreviewed()
{
    const std::string previewed = m_preview->path();
    const auto it = std::find(m_paths.begin(), m_paths.end(), previewed);
    if (previewed.empty() || it == m_paths.end())
        return;
    m_paths.erase(it);
    m_preview->setPath({});
    refresh();
}

void CInsertImageDlg::insert()
{
    if (m_paths.empty()) {
        QApplication::beep();
        return;
    }
    accept();
}

void CInsertImageDlg::showItem(int item)
{
    if (item >= 0 && item < static_cast<int>(m_paths.size()))
        m_preview->setPath(m_paths[static_cast<std::size_t>(item)]);
}

void CInsertImageDlg::refresh()
{
    QStringList names;
    for (const std::string& path : m_paths)
        names << qs(fileNamePart(path));
    m_strip->setNames(names);
    m_insert->setEnabled(!m_paths.empty());
    m_remove->setEnabled(!m_paths.empty());
}

void CInsertImageDlg::paintCell(QPainter& painter, const QRect& cell, int item)
{
    const std::string& path = m_paths[static_cast<std::size_t>(item)];
    const Rect box{0, 0, cell.width(), cell.height()};
    ImageFileIO io(jpegSaveOptions(m_state.settings));
    ImageRecord& record = sharedRecord(m_state);
    if (pictureLoaded(loadStoreCopy(io, record, m_state.programFolder, m_target.albumPath, path))) {
        ImagePainter draw(painter);
        draw.drawFitted(box, record);
    }
}

} // namespace pictra::ui
