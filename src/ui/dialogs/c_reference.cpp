// The copy/move dialog.
#include "ui/dialogs/c_reference.h"

#include "core/album/album_changes.h"
#include "core/album/cell_picture.h"
#include "core/album/store_copy.h"
#include "core/app/app_state.h"
#include "core/image_io/image_file_io.h"
#include "core/fileops/repoint_entries.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialog_units.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/dialogs/file_outcome_messages.h"
#include "ui/prompts/user_prompts.h"
#include "ui/widgets/file_list_view.h"
#include "ui/widgets/picture_preview.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>

namespace pictra::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString modeWord(TransferMode mode) { return mode == TransferMode::Copy ? QStringLiteral("複写") : QStringLiteral("移動"); }

} // namespace

CReference::CReference(AppState& state, UserPrompts& prompts, TransferMode mode, std::vector<std::string> selected,
                       std::vector<std::string> all, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_mode(mode), m_selected(std::move(selected)),
      m_all(std::move(all))
{
    setObjectName(QStringLiteral("141"));
    setWindowTitle(modeWord(mode));
    setFixedSize(dluToPixelsX(330), dluToPixelsY(240));
    m_list = makeFileListView(this, FileListSelection::Several);
    m_list->setObjectName(QStringLiteral("1079"));
    m_list->setGeometry(dluRect(7, 7, 316, 94));
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CReference::rowsPicked);

    m_selectedOnly = new QRadioButton(QStringLiteral("選択ファイルのみ"), this);
    m_selectedOnly->setObjectName(QStringLiteral("1067"));
    m_selectedOnly->setGeometry(dluRect(7, 106, 90, 10));
    m_allFiles = new QRadioButton(QStringLiteral("全てのファイル"), this);
    m_allFiles->setObjectName(QStringLiteral("1068"));
    m_allFiles->setGeometry(dluRect(100, 106, 90, 10));
    connect(m_selectedOnly, &QRadioButton::clicked, this, [this] { fillList(false); });
    connect(m_allFiles, &QRadioButton::clicked, this, [this] { fillList(true); });

    (new QLabel(QStringLiteral("転送先ディレクトリー"), this))->setGeometry(dluRect(7, 121, 120, 9));
    m_folder = new QLineEdit(qs(joinPath(state.programFolder, kUserFolder)), this);
    m_folder->setObjectName(QStringLiteral("1000"));
    m_folder->setGeometry(dluRect(7, 131, 250, 12));
    auto* browse = new QPushButton(QStringLiteral("参照"), this);
    browse->setObjectName(QStringLiteral("1017"));
    browse->setGeometry(dluRect(263, 130, 60, 14));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CReference::chooseFolder);

    (new QLabel(QStringLiteral("プレビュー"), this))->setGeometry(dluRect(7, 149, 60, 9));
    m_preview = new PicturePreview(state, this);
    m_preview->setObjectName(QStringLiteral("1031"));
    m_preview->setGeometry(dluRect(7, 159, 100, 62));
    m_start = new QPushButton(QStringLiteral("開始"), this);
    m_start->setObjectName(QStringLiteral("1020"));
    m_start->setGeometry(dluRect(263, 207, 60, 14));
    m_start->setAutoDefault(false);
    connect(m_start, &QPushButton::clicked, this, &CReference::start);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("1082"));
    m_progress->setGeometry(dluRect(7, 226, 316, 9));
    m_progress->setTextVisible(false);

    if (!m_selected.empty())
        m_preview->setPath(m_selected.front());
    fillList(false);
}

void CReference::fillList(bool allImages)
{
    m_start->setEnabled(false);
    m_selectedOnly->setChecked(!allImages);
    m_allFiles->setChecked(allImages);
    const QSignalBlocker block(m_list);
    m_list->clear();
    int number = 0;
    for (const std::string& path : allImages ? m_all : m_selected) {
        auto* row = new QTreeWidgetItem({QString::number(++number), qs(BaseName(path)), qs(extensionOf(path)),
                                         qs(folderPart(path)) + QLatin1Char('/')});
        row->setData(0, Qt::UserRole, qs(path));
        m_list->addTopLevelItem(row);
    }
}

void CReference::rowsPicked()
{
    const QList<QTreeWidgetItem*> picked = m_list->selectedItems();
    if (picked.isEmpty())
        return;
    m_preview->setPath(picked.back()->data(0, Qt::UserRole).toString().toStdString());
    m_start->setEnabled(true);
}

void CReference::chooseFolder()
{
    const QString folder = m_prompts.chooseFolder(this, QStringLiteral("転送先ディレクトリー"), m_folder->text());
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

std::vector<std::string> CReference::pickedSources() const
{
    std::vector<std::string> sources;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (QTreeWidgetItem* row = m_list->topLevelItem(i); row->isSelected())
            sources.push_back(row->data(0, Qt::UserRole).toString().toStdString());
    }
    return sources;
}

// Asks about the rows that need the user's word: later files with the name
// of an earlier one are left out, and a move replaces existing files only
// after a Yes (a copy replaces them, as copying always has). False to stop.
bool CReference::confirm(std::vector<TransferRow>& rows, Overwrite& overwrite)
{
    QStringList duplicates;
    int existing = 0;
    for (const TransferRow& row : rows) {
        if (row.outcome == FileOutcome::DuplicateName)
            duplicates << qs(row.source);
        existing += row.targetExists ? 1 : 0;
    }
    if (!duplicates.isEmpty() &&
        !m_prompts.askYesNo(this, QStringLiteral("同じ名前のファイルが複数選ばれています。次のファイルは%1しません。続けますか。\n%2")
                                      .arg(modeWord(m_mode), duplicates.join(QLatin1Char('\n')))))
        return false;
    overwrite = Overwrite::Replace;
    if (m_mode == TransferMode::Move && existing > 0 &&
        !m_prompts.askYesNo(this, QStringLiteral("転送先に同じ名前のファイルが%1個あります。置き換えますか。\n"
                                                 "「いいえ」を選ぶと、それらのファイルは移動しません。")
                                      .arg(existing)))
        overwrite = Overwrite::Refuse;
    return true;
}

void CReference::start()
{
    const std::vector<std::string> sources = pickedSources();
    if (sources.empty())
        return;
    std::vector<TransferRow> rows = planTransfer(sources, m_folder->text().toStdString());
    Overwrite overwrite = Overwrite::Replace;
    if (!confirm(rows, overwrite))
        return;
    m_progress->setRange(0, static_cast<int>(rows.size()));
    m_progress->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runTransfer(rows, m_mode, overwrite, [this](int done) {
        m_progress->setValue(done);
        QApplication::processEvents();
    });
    QApplication::restoreOverrideCursor();
    if (m_mode == TransferMode::Move) {
        for (const TransferRow& row : rows) {
            if (row.outcome == FileOutcome::Done)
                (void)repointEntries(*m_state.albums, m_state.selection, row.source, row.target); // a move keeps the name, so the store copies stay
        }
    }
    renewReplacedCopies(rows);
    m_rows = rows;
    report(rows);
    accept();
}

// A file put over one an open album lists changed that album's picture:
// its store copy is made again from the new file and the album is to be saved.
void CReference::renewReplacedCopies(const std::vector<TransferRow>& rows)
{
    AlbumTable& table = *m_state.albums;
    ImageFileIO io(jpegSaveOptions(m_state.settings));
    QStringList stale;
    for (const TransferRow& row : rows) {
        if (row.outcome != FileOutcome::Done || !row.targetExists)
            continue;
        for (const int slot : albumSlotsListingFile(table, row.target)) {
            const std::uint64_t view = table.windowSlots[static_cast<std::size_t>(slot)].viewId;
            const std::string album = albumFilePath(table.windowSlots[static_cast<std::size_t>(slot)]);
            if (makeStoreCopy(io, sharedRecord(m_state), m_state.programFolder, album, row.target) == Status::Ok)
                markWindowChanged(table, view);
            else
                stale << qs(row.target);
        }
    }
    if (!stale.isEmpty())
        m_prompts.showMessage(this, replacedStoreCopyFailureMessage(stale));
}

void CReference::report(const std::vector<TransferRow>& rows)
{
    QStringList lines;
    QStringList once;
    for (const TransferRow& row : rows) {
        if (row.outcome == FileOutcome::ListedTwice) {
            // The file's first row tells what became of it; only a success needs the word here.
            const TransferRow* first = firstRowOfSource(rows, row);
            if (first && first->outcome == FileOutcome::Done && !once.contains(qs(fileNamePart(row.source))))
                once << qs(fileNamePart(row.source));
        } else if (row.outcome != FileOutcome::Done) {
            lines << QStringLiteral("%1: %2").arg(qs(fileNamePart(row.source)), fileOutcomeText(row.outcome));
        }
    }
    QStringList notes;
    if (!lines.isEmpty())
        notes << QStringLiteral("次のファイルは%1しませんでした。\n%2").arg(modeWord(m_mode), lines.join(QLatin1Char('\n')));
    if (!once.isEmpty())
        notes << transferredOnceMessage(once, modeWord(m_mode));
    if (!notes.isEmpty())
        m_prompts.showMessage(this, notes.join(QStringLiteral("\n\n")));
}

} // namespace pictra::ui
