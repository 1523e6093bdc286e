// The relink dialog: folders, a search that pumps events through its
// progress callback, and the list of proposed pairs with check boxes.
#include "ui/dialogs/c_relink_dlg.h"

#include "core/fileops/repoint_entries.h"
#include "core/image/shared_image.h"
#include "core/recognise/candidate_picture.h"
#include "core/recognise/hash_cache.h"
#include "core/recognise/relink_folders.h"
#include "core/settings/last_used_folder.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/dialogs/relink_messages.h"
#include "ui/drawing/image_painter.h"
#include "ui/prompts/user_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pictra::ui {
namespace {

constexpr int kThumbWidth = 96;
constexpr int kThumbHeight = 72;
constexpr int kEntryRole = Qt::UserRole;

QString qs(std::string_view s) { return QString::fromStdString(std::string(s)); }

std::span<const ImageEntry> workingEntries(const AppState& state)
{
    const AlbumRecord& w = state.albums->working;
    return {w.images.data(), static_cast<std::size_t>(std::clamp(w.imageCount, 0, kMaxAlbumImages))};
}

QIcon thumbnail(const std::string& path, std::size_t cap)
{
    const auto picture = loadCandidate(path, kThumbWidth, kThumbHeight, cap);
    if (!picture)
        return {};
    return QIcon(QPixmap::fromImage(uprightImage(picture->picture->record()))
                     .scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

CRelinkDlg::CRelinkDlg(AppState& state, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts),
      m_albumPath(storedPathToUtf8(fieldText(state.albums->working.path)))
{
    setObjectName(QStringLiteral("relink"));
    setWindowTitle(relinkTitle());
    const std::size_t cap = imageBufferBytes(state.settings);
    m_missing = findMissingEntries(
        workingEntries(state),
        [&](int i) {
            const std::string source = storedPathToUtf8(fieldText(workingEntries(state)[static_cast<std::size_t>(i)].path));
            auto bytes = readFile(storeCopyPath(state.programFolder, m_albumPath, source));
            return bytes ? std::move(*bytes) : std::vector<std::uint8_t>{};
        },
        cap);

    m_folders = new QListWidget(this);
    m_folders->setObjectName(QStringLiteral("folders"));
    m_folders->setMaximumHeight(110);
    std::vector<std::string> recent;
    if (const auto used = loadLastUsedFolder(state.programFolder)) {
        recent.emplace_back(fieldText(used->albumFolder));
        recent.emplace_back(fieldText(used->imageFolder));
    }
    setFolders(proposedRelinkFolders(m_albumPath, recent, currentRelinkPlaces()));
    auto* add = button(relinkAddFolderText(), "addFolder", this);
    auto* remove = button(relinkRemoveFolderText(), "removeFolder", this);
    m_search = button(relinkSearchText(), "search", this);
    m_stop = button(relinkStopText(), "stop", this);
    m_stop->setEnabled(false);
    m_bar = new QProgressBar(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_pairs = new QTreeWidget(this);
    m_pairs->setObjectName(QStringLiteral("pairs"));
    m_pairs->setColumnCount(3);
    m_pairs->setHeaderLabels({relinkStoreCopyColumn(), relinkFoundColumn(), relinkLikenessColumn()});
    m_pairs->setIconSize(QSize(kThumbWidth, kThumbHeight));
    m_pairs->setRootIsDecorated(false);
    m_pairs->header()->setSectionResizeMode(QHeaderView::Interactive);
    auto* all = button(relinkCheckAllText(), "checkAll", this);
    auto* none = button(relinkCheckNoneText(), "checkNone", this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(relinkCloseText(), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("close"));
    m_apply = buttons->addButton(relinkApplyText(), QDialogButtonBox::AcceptRole);
    m_apply->setObjectName(QStringLiteral("apply"));
    m_apply->setEnabled(false);

    connect(add, &QPushButton::clicked, this, &CRelinkDlg::addFolder);
    connect(remove, &QPushButton::clicked, this, [this] { delete m_folders->currentItem(); });
    connect(m_search, &QPushButton::clicked, this, &CRelinkDlg::search);
    connect(m_stop, &QPushButton::clicked, this, [this] { m_stopRequested = true; });
    connect(all, &QPushButton::clicked, this, [this] { setAllChecked(true); });
    connect(none, &QPushButton::clicked, this, [this] { setAllChecked(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CRelinkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRelinkDlg::reject);

    auto* folderButtons = new QVBoxLayout;
    folderButtons->addWidget(add);
    folderButtons->addWidget(remove);
    folderButtons->addStretch();
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folders, 1);
    folderRow->addLayout(folderButtons);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_search);
    searchRow->addWidget(m_bar, 1);
    searchRow->addWidget(m_stop);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(all);
    checkRow->addWidget(none);
    checkRow->addStretch();
    checkRow->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(relinkFoldersLabel(), this));
    layout->addLayout(folderRow);
    layout->addLayout(searchRow);
    layout->addWidget(m_status);
    layout->addWidget(m_pairs, 1);
    layout->addLayout(checkRow);
    resize(900, 600);
}

int CRelinkDlg::missingCount() const
{
    return static_cast<int>(m_missing.described.size() + m_missing.withoutStoreCopy.size());
}

std::vector<std::string> CRelinkDlg::folders() const
{
    std::vector<std::string> out;
    for (int i = 0; i < m_folders->count(); ++i) {
        const std::string folder = m_folders->item(i)->text().trimmed().toStdString();
        if (!folder.empty())
            out.push_back(folder);
    }
    return out;
}

void CRelinkDlg::setFolders(const std::vector<std::string>& folders)
{
    m_folders->clear();
    for (const std::string& folder : folders) {
        auto* item = new QListWidgetItem(qs(folder), m_folders);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void CRelinkDlg::addFolder()
{
    const QString start = m_folders->currentItem() ? m_folders->currentItem()->text() : qs(folderPart(m_albumPath));
    const QString folder = m_prompts.chooseFolder(this, relinkChooseFolderCaption(), start);
    if (folder.isEmpty())
        return;
    auto* item = new QListWidgetItem(folder, m_folders);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
}

void CRelinkDlg::search()
{
    if (m_searching)
        return;
    const std::vector<std::string> chosen = folders();
    if (chosen.empty()) {
        m_prompts.showMessage(this, relinkNoFolderMessage());
        return;
    }
    if (!m_missing.withoutStoreCopy.empty()) {
        QStringList paths;
        for (const int i : m_missing.withoutStoreCopy)
            paths << qs(storedPathToUtf8(fieldText(workingEntries(m_state)[static_cast<std::size_t>(i)].path)));
        m_prompts.showMessage(this, relinkUnreadableCopiesMessage(paths));
    }
    m_searching = true;
    m_stopRequested = false;
    m_search->setEnabled(false);
    m_stop->setEnabled(true);
    m_apply->setEnabled(false);
    m_pairs->clear();
    const std::string cachePath = hashCachePath();
    HashCache cache = loadHashCache(cachePath);
    const RelinkSearch request{chosen, entryPaths(workingEntries(m_state)), imageBufferBytes(m_state.settings)};
    const RelinkOutcome outcome =
        findMovedOriginals(m_missing.described, request, cache, [this](RelinkPhase phase, std::size_t done, std::size_t total) {
            m_bar->setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
            m_bar->setValue(static_cast<int>(done));
            m_status->setText(relinkProgressText(phase, done, total));
            QApplication::processEvents();
            return !m_stopRequested;
        });
    // The cache only saves time; a cache that cannot be written costs the next search its speed.
    if (cache.changed())
        (void)saveHashCache(cachePath, cache);
    m_searching = false;
    m_search->setEnabled(true);
    m_stop->setEnabled(false);
    if (outcome.cancelled) {
        m_status->clear();
        m_bar->reset();
        return;
    }
    fillPairs(outcome);
}

const MissingOriginal* CRelinkDlg::missingAt(int entryIndex) const
{
    for (const MissingOriginal& m : m_missing.described)
        if (m.entryIndex == entryIndex)
            return &m;
    return nullptr;
}

QTreeWidgetItem* CRelinkDlg::pairItem(const RelinkProposal& proposal)
{
    const std::size_t cap = imageBufferBytes(m_state.settings);
    auto* item = new QTreeWidgetItem(m_pairs);
    item->setData(0, kEntryRole, proposal.entryIndex);
    item->setText(0, qs(proposal.oldPath));
    item->setIcon(0, thumbnail(storeCopyPath(m_state.programFolder, m_albumPath, proposal.oldPath), cap));
    if (proposal.verdict == RelinkVerdict::NotFound) {
        item->setText(1, relinkNotFoundText());
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        return item;
    }
    item->setCheckState(0, proposal.verdict == RelinkVerdict::Found ? Qt::Checked : Qt::Unchecked);
    const RelinkCandidate& best = proposal.candidates.front();
    item->setText(2, relinkLikenessText(best.hashDistance, best.psnr));
    if (proposal.verdict == RelinkVerdict::Found) {
        item->setIcon(1, thumbnail(best.path, cap));
        item->setText(1, qs(best.path));
        return item;
    }
    item->setToolTip(1, relinkChooseOneText());
    auto* choice = new QComboBox(m_pairs);
    choice->setObjectName(QStringLiteral("choice"));
    choice->addItem(relinkChooseOneText());
    for (const RelinkCandidate& c : proposal.candidates)
        choice->addItem(thumbnail(c.path, cap), qs(c.path) + QStringLiteral("  (") +
                                                   relinkLikenessText(c.hashDistance, c.psnr) + QLatin1Char(')'));
    choice->setIconSize(QSize(kThumbWidth / 2, kThumbHeight / 2));
    choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(choice, &QComboBox::currentIndexChanged, this, [item](int index) {
        item->setCheckState(0, index > 0 ? Qt::Checked : Qt::Unchecked);
    });
    m_pairs->setItemWidget(item, 1, choice);
    return item;
}

void CRelinkDlg::fillPairs(const RelinkOutcome& outcome)
{
    m_proposals = outcome.proposals;
    int found = 0;
    int ties = 0;
    for (const RelinkProposal& p : m_proposals) {
        pairItem(p);
        found += p.verdict == RelinkVerdict::Found;
        ties += p.verdict == RelinkVerdict::Tie;
    }
    const int notFound = static_cast<int>(m_proposals.size()) - found - ties +
                         static_cast<int>(m_missing.withoutStoreCopy.size());
    m_status->setText(relinkSummary(found, ties, notFound, outcome.filesSeen));
    m_bar->setValue(m_bar->maximum());
    m_pairs->resizeColumnToContents(0);
    m_pairs->resizeColumnToContents(1);
    m_apply->setEnabled(found + ties > 0);
}

void CRelinkDlg::setAllChecked(bool checked)
{
    for (int i = 0; i < m_pairs->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pairs->topLevelItem(i);
        auto* choice = qobject_cast<QComboBox*>(m_pairs->itemWidget(item, 1));
        const bool checkable = item->flags() & Qt::ItemIsUserCheckable;
        // A tie is checked only by choosing its file.
        if (checkable && (!checked || !choice || choice->currentIndex() > 0))
            item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<RelinkChange> CRelinkDlg::checkedChanges() const
{
    std::vector<RelinkChange> changes;
    for (int i = 0; i < m_pairs->topLevelItemCount() && static_cast<std::size_t>(i) < m_proposals.size(); ++i) {
        QTreeWidgetItem* item = m_pairs->topLevelItem(i);
        const RelinkProposal& p = m_proposals[static_cast<std::size_t>(i)];
        if (item->checkState(0) != Qt::Checked || p.candidates.empty())
            continue;
        std::size_t pick = 0;
        if (auto* choice = qobject_cast<QComboBox*>(m_pairs->itemWidget(item, 1))) {
            if (choice->currentIndex() <= 0)
                continue;
            pick = static_cast<std::size_t>(choice->currentIndex() - 1);
        }
        changes.push_back({p.entryIndex, p.oldPath, p.candidates[std::min(pick, p.candidates.size() - 1)].path});
    }
    return changes;
}

void CRelinkDlg::accept()
{
    if (m_searching)
        return;
    QStringList refused;
    QStringList unfollowed;
    for (const RelinkChange& change : checkedChanges()) {
        const RelinkRefusal refusal = relinkRefusal(workingEntries(m_state), change);
        if (refusal != RelinkRefusal::None) {
            refused << relinkRefusalLine(qs(change.from), refusal);
            continue;
        }
        for (const std::string& album : repointEntries(*m_state.albums, m_state.selection, change.from, change.to)) {
            if (std::find(m_changedAlbums.begin(), m_changedAlbums.end(), album) == m_changedAlbums.end())
                m_changedAlbums.push_back(album);
            if (!renameStoreCopy(m_state.programFolder, album, change.from, change.to))
                unfollowed << relinkStoreCopyRenameFailure(qs(album), qs(change.from), qs(change.to));
        }
    }
    if (!refused.isEmpty())
        m_prompts.showMessage(this, relinkRefusedMessage(refused));
    if (!unfollowed.isEmpty())
        m_prompts.showMessage(this, unfollowed.join(QStringLiteral("\n\n")));
    QDialog::accept();
}

void CRelinkDlg::reject()
{
    if (m_searching) {
        m_stopRequested = true;
        return;
    }
    QDialog::reject();
}

} // namespace pictra::ui
