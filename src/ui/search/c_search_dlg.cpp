// The search dialog: controls, the two searches, and the result buttons.
#include "ui/search/c_search_dlg.h"

#include "core/app/app_state.h"
#include "core/commands/command_ids.h"
#include "core/fileops/repoint_entries.h"
#include "core/platform/program_paths.h"
#include "core/search/album_search.h"
#include "core/search/disk_search.h"
#include "core/search/search_files.h"
#include "core/search/search_match.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/prompts/user_prompts.h"
#include "ui/widgets/picture_preview.h"
#include "ui/search/search_hand_over.h"
#include "ui/search/search_places.h"
#include "ui/search/search_result_list.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pictra::ui {
namespace {

constexpr const char* kPatterns[] = {"*.*", "*.abm", "*.bmp", "*.jpg", "*.tif", "*.psd", "*.pcx"};
constexpr int kMaxWordsTextLength = 360;
// Events run at least this often during a disk search; the folder text
// changes at most this often (redrawing it per folder would cost more than the walk).
constexpr qint64 kPumpIntervalMs = 10;
constexpr qint64 kFolderTextIntervalMs = 50;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The wait cursor for as long as it lives.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QPushButton* button(const char* text, const char* id, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(id));
    b->setAutoDefault(false);
    return b;
}

QLabel* caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

} // namespace

CSearchDlg::CSearchDlg(AppState& state, UserPrompts& prompts, int mode, bool albumWindowCurrent, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_mode(mode), m_albumWindowCurrent(albumWindowCurrent)
{
    setObjectName(QStringLiteral("134"));
    setWindowTitle(QStringLiteral("検索"));

    m_pattern = new QComboBox(this);
    m_pattern->setObjectName(QStringLiteral("1081"));
    m_pattern->setEditable(true);
    for (const char* p : kPatterns) {
        if (mode != cmd::kSearch || std::string_view(p) != kAlbumPattern)
            m_pattern->addItem(QString::fromLatin1(p));
    }
    m_pattern->setCurrentIndex(0);
    m_wordsEdit = new QLineEdit(this);
    m_wordsEdit->setObjectName(QStringLiteral("1001"));
    m_wordsEdit->setMaxLength(kMaxWordsTextLength);
    m_location = new QComboBox(this);
    m_location->setObjectName(QStringLiteral("1019"));

    m_start = button("検索開始", "1017", this);
    m_stop = button("中止", "1020", this);
    m_open = button("開く", "1018", this);
    m_delete = button("削除", "1021", this);
    m_add = button("追加", "1022", this);

    m_resultText = new QLabel(this);
    m_resultText->setObjectName(QStringLiteral("1012"));
    m_list = new SearchResultList(this);
    m_list->setObjectName(QStringLiteral("1079"));
    m_preview = new PicturePreview(state, this);
    m_preview->setObjectName(QStringLiteral("1058"));
    m_preview->setMinimumSize(200, 160);
    m_folderText = new QLabel(this);
    m_folderText->setObjectName(QStringLiteral("1043"));
    m_folderText->setTextFormat(Qt::PlainText);
    m_folderText->setMinimumWidth(100);
    m_folderText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* fields = new QGridLayout;
    fields->addWidget(caption("画像のファイル名", this), 0, 0);
    fields->addWidget(m_pattern, 1, 0);
    fields->addWidget(caption("含まれる語句", this), 0, 1);
    fields->addWidget(m_wordsEdit, 1, 1);
    fields->addWidget(caption("探す場所", this), 2, 0, 1, 2);
    fields->addWidget(m_location, 3, 0, 1, 2);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_start, m_stop, m_open, m_delete, m_add})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* previewBox = new QGroupBox(QStringLiteral("プレビュー"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_preview);

    auto* grid = new QGridLayout(this);
    grid->addLayout(fields, 0, 0);
    grid->addWidget(previewBox, 0, 1, 3, 1);
    grid->addLayout(buttons, 0, 2, 3, 1);
    grid->addWidget(m_resultText, 1, 0);
    grid->addWidget(m_list, 2, 0);
    grid->addWidget(m_folderText, 3, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(2, 1);
    resize(960, 460);

    setUpLocations();
    enableResultButtons(false);
    m_stop->setEnabled(false);
    if (mode == cmd::kSearch)
        m_location->setEnabled(false);
    else
        m_wordsEdit->setEnabled(false);

    connect(m_wordsEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_words = parseSearchWords(text.toStdString()); });
    connect(m_pattern, &QComboBox::editTextChanged, this, &CSearchDlg::patternChanged);
    connect(m_location, &QComboBox::activated, this, &CSearchDlg::chooseLocation);
    connect(m_start, &QPushButton::clicked, this, &CSearchDlg::startSearch);
    connect(m_stop, &QPushButton::clicked, this, [this] { m_searching = false; });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CSearchDlg::selectionChanged);
    connect(m_open, &QPushButton::clicked, this, [this] { handBack(Open); });
    connect(m_add, &QPushButton::clicked, this, [this] { handBack(Add); });
    connect(m_delete, &QPushButton::clicked, this, &CSearchDlg::deleteSelected);
}

void CSearchDlg::setUpLocations()
{
    for (const std::string& place : diskSearchPlaces())
        m_location->addItem(qs(place), qs(place));
    m_location->addItem(QStringLiteral("参照から指定する"));
    m_location->setCurrentIndex(0);
}

void CSearchDlg::chooseLocation(int index)
{
    if (!m_location->itemData(index).isNull()) {
        m_previousLocation = index;
        return;
    }
    m_location->setCurrentIndex(m_previousLocation);
    const QString start = m_location->itemData(m_previousLocation).toString();
    QString folder = m_prompts.chooseFolder(this, QStringLiteral("探す場所"), start);
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    int at = m_location->findData(folder);
    if (at < 0) {
        at = m_location->count() - 1;
        m_location->insertItem(at, folder, folder);
    }
    m_location->setCurrentIndex(at);
    m_previousLocation = at;
}

void CSearchDlg::patternChanged(const QString& pattern)
{
    if (m_mode == cmd::kSearchFromFile)
        m_wordsEdit->setEnabled(diskSearchTakesWords(pattern.toStdString(), DiskWords::AlbumPatternOnly));
}

void CSearchDlg::startSearch()
{
    if (m_searching)
        return;
    m_resultText->clear();
    m_folderText->clear();
    m_list->clear();
    m_selectedPath.clear();
    m_preview->setPath({});
    m_damagedAlbums = 0;
    enableResultButtons(false);
    m_stop->setEnabled(true);
    m_start->setEnabled(false);
    m_searching = true;
    const std::string pattern = m_pattern->currentText().toStdString();
    if (m_mode == cmd::kSearch)
        runAlbumSearch(pattern);
    else
        runDiskSearch(pattern);
    m_searching = false;
    m_stop->setEnabled(false);
    m_start->setEnabled(true);
    if (m_list->topLevelItemCount() == 0) {
        m_resultText->setText(QStringLiteral("該当ファイルが見つかりませんでした。"));
        m_folderText->clear();
    } else {
        showFoundCount();
    }
}

void CSearchDlg::runAlbumSearch(const std::string& pattern)
{
    const WaitCursor wait;
    const auto found =
        searchAlbumFile(tempFilePath(m_state.programFolder, kSearchAlbumFile), pattern, m_words);
    if (found)
        addRows(*found);
}

void CSearchDlg::runDiskSearch(const std::string& pattern)
{
    const std::string location = m_location->currentData().toString().toStdString();
    QElapsedTimer pump;
    QElapsedTimer folderShown;
    pump.start();
    folderShown.start();
    bool rowsSinceShown = false;
    // The first rows are shown (and Stop heard) at once, however fast the
    // rest of the search goes.
    bool firstRowsPending = false;
    std::string lastFolder;
    DiskSearchCallbacks callbacks;
    callbacks.proceed = [&](std::string_view folder) {
        lastFolder.assign(folder);
        if (pump.elapsed() >= kPumpIntervalMs || firstRowsPending) {
            firstRowsPending = false;
            if (folderShown.elapsed() >= kFolderTextIntervalMs) {
                m_folderText->setText(qs(folder));
                if (rowsSinceShown)
                    showFoundCount();
                rowsSinceShown = false;
                folderShown.restart();
            }
            QCoreApplication::processEvents();
            pump.restart();
        }
        return m_searching;
    };
    callbacks.found = [&](std::span<const std::string> paths) {
        if (m_list->topLevelItemCount() == 0 && !paths.empty())
            firstRowsPending = true;
        addRows(std::vector<std::string>(paths.begin(), paths.end()));
        rowsSinceShown = true;
    };
    const DiskSearchSummary summary = searchDisk(location, pattern, m_words, DiskWords::AlbumPatternOnly, callbacks);
    m_damagedAlbums = summary.damagedAlbums;
    m_folderText->setText(qs(lastFolder));
}

void CSearchDlg::addRows(const std::vector<std::string>& paths)
{
    m_list->addPaths(paths);
}

void CSearchDlg::showFoundCount()
{
    QString text = QStringLiteral("%1件のファイルが見つかりました。").arg(m_list->topLevelItemCount());
    if (m_words.ignored > 0 || m_words.shortened > 0)
        text += QStringLiteral("（語句は最初の%1個を、それぞれ%2バイトまで使いました）")
                    .arg(kMaxSearchWords)
                    .arg(kMaxSearchWordBytes);
    if (m_damagedAlbums > 0)
        text += QStringLiteral("（読めないアルバム%1個を飛ばしました）").arg(m_damagedAlbums);
    m_resultText->setText(text);
}

void CSearchDlg::selectionChanged()
{
    const QList<QTreeWidgetItem*> rows = m_list->selectedItems();
    if (rows.isEmpty())
        return;
    m_selectedPath = SearchResultList::rowPath(*rows.back());
    m_preview->setPath(m_selectedPath);
    enableResultButtons(true);
}

void CSearchDlg::enableResultButtons(bool enable)
{
    m_delete->setEnabled(enable);
    m_open->setEnabled(enable);
    m_add->setEnabled(enable && m_mode == cmd::kSearchFromFile && m_albumWindowCurrent);
}

std::vector<std::string> CSearchDlg::selectedPaths() const
{
    std::vector<std::string> paths;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->isSelected())
            paths.push_back(SearchResultList::rowPath(*row));
    }
    return paths;
}

void CSearchDlg::handBack(HandOver what)
{
    std::vector<std::string> paths = selectedPaths();
    if (what == Add)
        paths = addableWithStoreCopies(m_state, m_prompts, this, paths);
    if (!writeHandOverFile(m_state.programFolder, m_prompts, this, paths) || paths.empty())
        return;
    m_handOver = what;
    m_searching = false;
    done(QDialog::Rejected);
}

void CSearchDlg::deleteSelected()
{
    const QList<QTreeWidgetItem*> rows = m_list->selectedItems();
    for (QTreeWidgetItem* row : rows) {
        const QString path = qs(SearchResultList::rowPath(*row));
        QStringList albums;
        for (const std::string& album : albumsListingFile(*m_state.albums, SearchResultList::rowPath(*row)))
            albums << qs(album);
        if (!m_prompts.askYesNo(this, deleteFileQuestion(path, albums)))
            continue;
        if (QFile::moveToTrash(path))
            delete row;
        else
            m_prompts.showMessage(this, QStringLiteral("「%1」をごみ箱へ移せませんでした。").arg(path));
    }
    m_list->renumber();
    m_list->clearSelection();
    showFoundCount();
    m_selectedPath.clear();
    m_preview->setPath({});
    enableResultButtons(false);
}

void CSearchDlg::reject()
{
    if (!m_searching)
        QDialog::reject();
}

} // namespace pictra::ui
