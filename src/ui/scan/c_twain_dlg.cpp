// The scanner import dialog.
#include "ui/scan/c_twain_dlg.h"

#include "core/app/app_state.h"
#include "core/album/cell_picture.h"
#include "core/image/shared_image.h"
#include "core/platform/program_paths.h"
#include "core/scan/scan_hand_over.h"
#include "core/scan/scan_settings_store.h"
#include "core/settings/pictra_ini.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"
#include "ui/dialog_units.h"
#include "ui/dialogs/status_messages.h"
#include "ui/prompts/user_prompts.h"
#include "ui/scan/scan_messages.h"
#include "ui/scan/scan_device_picker.h"
#include "ui/widgets/file_list_view.h"
#include "ui/widgets/picture_preview.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <filesystem>

namespace pictra::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QPushButton* button(const QString& text, const char* id, const QRect& rect, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(id));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

} // namespace

std::string CTwainDlg::Row::path() const
{
    return joinPath(folder, name + "." + std::string(scanExtension(type)));
}

CTwainDlg::CTwainDlg(AppState& state, UserPrompts& prompts, ScanSource& source, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_source(source), m_stem(scanStem(tickCount()))
{
    setObjectName(QStringLiteral("173"));
    setWindowTitle(QStringLiteral("TWAIN Driver"));
    setFixedSize(dluToPixelsX(330), dluToPixelsY(270));

    (new QLabel(QStringLiteral("保存先"), this))->setGeometry(dluRect(7, 9, 30, 9));
    m_folder = new QLineEdit(qs(joinPath(state.programFolder, kImageFolder)), this);
    m_folder->setObjectName(QStringLiteral("1000"));
    m_folder->setMaxLength(static_cast<int>(kPathBytes));
    m_folder->setGeometry(dluRect(40, 7, 180, 12));
    button(QStringLiteral("参照"), "1017", dluRect(224, 6, 36, 14), this);
    connect(findChild<QPushButton*>(QStringLiteral("1017")), &QPushButton::clicked, this, &CTwainDlg::chooseFolder);

    (new QLabel(QStringLiteral("形式"), this))->setGeometry(dluRect(7, 26, 30, 9));
    m_fileType = new QComboBox(this);
    m_fileType->setObjectName(QStringLiteral("1081"));
    m_fileType->addItems({QStringLiteral("JPG"), QStringLiteral("BMP")});
    m_fileType->setGeometry(dluRect(40, 24, 50, 12));
    // The device kind is always the scanner; its combo stays hidden.
    auto* kindLabel = new QLabel(QStringLiteral("機種"), this);
    kindLabel->setGeometry(dluRect(100, 26, 25, 9));
    auto* kind = new QComboBox(this);
    kind->setObjectName(QStringLiteral("1082"));
    kind->addItems({QStringLiteral("スキャナー"), QStringLiteral("デジカメ")});
    kind->setGeometry(dluRect(125, 24, 60, 12));
    for (QWidget* w : {static_cast<QWidget*>(kindLabel), static_cast<QWidget*>(kind)}) {
        w->setEnabled(false);
        w->hide();
    }

    m_start = new QPushButton(QStringLiteral("読み込み開始"), this);
    m_start->setObjectName(QStringLiteral("1020"));
    m_start->setGeometry(dluRect(263, 6, 60, 14));
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &CTwainDlg::acquire);

    m_picker = new ScanDevicePicker(state.programFolder, source, this, 42);
    connect(m_picker, &ScanDevicePicker::ready, this, &CTwainDlg::pickerReady);

    m_list = makeFileListView(this, FileListSelection::Several);
    m_list->setObjectName(QStringLiteral("1079"));
    m_list->setGeometry(dluRect(7, 94, 212, 130));
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CTwainDlg::rowsClicked);

    m_preview = new PicturePreview(state, this);
    m_preview->setObjectName(QStringLiteral("1031"));
    m_preview->setGeometry(dluRect(224, 94, 99, 130));

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("scanProgress"));
    m_progress->setGeometry(dluRect(7, 230, 110, 10));
    m_progressText = new QLabel(this);
    m_progressText->setGeometry(dluRect(120, 230, 100, 10));
    m_stop = button(QStringLiteral("中止"), "scanCancel", dluRect(224, 228, 40, 14), this);
    connect(m_stop, &QPushButton::clicked, this, [this] { m_cancel = true; });
    for (QWidget* w : {static_cast<QWidget*>(m_progress), static_cast<QWidget*>(m_progressText),
                       static_cast<QWidget*>(m_stop)})
        w->hide();

    m_delete = button(QStringLiteral("削除"), "1021", dluRect(7, 249, 50, 14), this);
    m_open = button(QStringLiteral("開く"), "1023", dluRect(161, 249, 50, 14), this);
    m_add = button(QStringLiteral("追加"), "1022", dluRect(215, 249, 50, 14), this);
    auto* cancel = button(QStringLiteral("ｷｬﾝｾﾙ"), "2", dluRect(273, 249, 50, 14), this);
    connect(m_delete, &QPushButton::clicked, this, &CTwainDlg::deleteRows);
    connect(m_open, &QPushButton::clicked, this, [this] { handOver(TwainResult::Open); });
    connect(m_add, &QPushButton::clicked, this, [this] { handOver(TwainResult::Add); });
    connect(cancel, &QPushButton::clicked, this, &CTwainDlg::reject);
    setRowButtons(false);

    connect(&m_roundWatcher, &QFutureWatcher<ScanRoundReport>::finished, this, &CTwainDlg::roundFinished);
    m_picker->search();
}

CTwainDlg::~CTwainDlg()
{
    m_cancel = true;
    m_roundWatcher.waitForFinished();
}

void CTwainDlg::reject()
{
    if (m_scanning) {
        // Close once the worker has stopped; it polls the flag.
        m_cancel = true;
        m_closeWhenDone = true;
        return;
    }
    m_result = TwainResult::Cancelled;
    QDialog::reject();
}

void CTwainDlg::setRowButtons(bool enabled)
{
    m_delete->setEnabled(enabled);
    m_open->setEnabled(enabled);
    m_add->setEnabled(enabled);
}

void CTwainDlg::pickerReady(ScanError error)
{
    emit deviceReady();
    if (!m_startWhenReady)
        return;
    m_startWhenReady = false;
    if (error == ScanError::None) {
        acquire();
        return;
    }
    m_prompts.showMessage(this, scanFailureText(error));
    emit acquisitionFinished();
}

ScanSaveTarget CTwainDlg::saveTarget() const
{
    const AlbumRecord& album = m_state.albums->working;
    ScanSaveTarget target;
    target.saveFolder = m_folder->text().toStdString();
    target.fileType = m_fileType->currentIndex() == 1 ? ScanFileType::Bmp : ScanFileType::Jpg;
    target.tempFolder = joinPath(m_state.programFolder, kTempFolder);
    target.keptFolder = keptScansFolder(m_state.programFolder);
    target.programFolder = m_state.programFolder;
    if (album.kind == AlbumKind::Album)
        target.albumPath = albumFilePath(album);
    for (int i = 0; i < album.imageCount; ++i)
        target.albumPaths.push_back(imageFilePath(album.images[static_cast<std::size_t>(i)]));
    target.stem = m_stem;
    target.firstNumber = m_nextNumber;
    return target;
}

void CTwainDlg::acquire()
{
    if (m_scanning)
        return;
    const std::string folder = m_folder->text().toStdString();
    if (const Status status = checkSaveFolder(folder, m_stem); status != Status::Ok) {
        m_startWhenReady = false;
        m_prompts.showMessage(this, saveFolderProblemText(status, folder));
        return;
    }
    // The scan starts once the device is known; a device that was missing
    // or failed is looked for again.
    if (m_picker->busy() || m_picker->device().empty()) {
        m_startWhenReady = true;
        if (!m_picker->hasDevices())
            m_picker->search();
        else
            m_picker->readChosen();
        return;
    }
    const ScanSettings settings = m_picker->settings();
    const ScanSettingsCheck check =
        checkScanSettings(m_picker->options(), settings, imageBufferBytes(m_state.settings));
    if (!check.ok()) {
        m_prompts.showMessage(this, scanSettingsFaultText(check));
        return;
    }
    rememberSettings(m_picker->device(), settings);
    startRound();
}

void CTwainDlg::rememberSettings(const std::string& device, const ScanSettings& settings)
{
    // Settings that cannot be remembered do not stop the scan: the next
    // dialog starts from the device's defaults instead.
    const Status stored = updatePictraIni(m_state.programFolder, [&](PictraIni& ini) {
        storeScanSettings(ini, device, settings);
        storeLastScanDevice(ini, device);
    });
    static_cast<void>(stored);
}

void CTwainDlg::setWorking(bool working, const QString& text)
{
    m_progressText->setText(text);
    for (QWidget* w : {static_cast<QWidget*>(m_progress), static_cast<QWidget*>(m_progressText),
                       static_cast<QWidget*>(m_stop)})
        w->setVisible(working);
    m_start->setEnabled(!working);
    m_picker->setEnabled(!working);
}

void CTwainDlg::startRound()
{
    ScanRequest request = scanRequestFor(m_picker->options(), m_picker->settings());
    request.device = m_picker->device();
    request.maxPixelBytes = imageBufferBytes(m_state.settings);
    m_scanning = true;
    m_cancel = false;
    m_progress->setRange(0, 0);
    setWorking(true, QStringLiteral("読み込み中"));
    QApplication::setOverrideCursor(Qt::BusyCursor);
    ScanEvents events;
    events.cancelled = [this] { return m_cancel.load(); };
    events.progress = [this](int page, int percent) {
        QMetaObject::invokeMethod(this, [this, page, percent] { showProgress(page, percent); }, Qt::QueuedConnection);
    };
    const ScanSaveTarget target = saveTarget();
    m_roundFolder = target.saveFolder;
    m_roundType = target.fileType;
    m_roundWatcher.setFuture(QtConcurrent::run(
        [source = &m_source, request, target, jpeg = jpegSaveOptions(m_state.settings), events] {
            ImageFileIO io(jpeg);
            return runScanRound(*source, request, target, io, events);
        }));
}
void CTwainDlg::showProgress(int page, int percent)
{
    if (!m_scanning)
        return;
    m_progressText->setText(QStringLiteral("%1 枚目").arg(page));
    if (percent < 0) {
        m_progress->setRange(0, 0);
    } else {
        m_progress->setRange(0, 100);
        m_progress->setValue(percent);
    }
}

void CTwainDlg::roundFinished()
{
    const ScanRoundReport report = m_roundWatcher.result();
    m_nextNumber = report.nextNumber;
    const std::string folder = m_roundFolder;
    for (const ScannedFile& file : report.saved)
        m_rows.push_back({folder, file.name, m_roundType});
    fillList();
    endAcquisition();
    if (!report.problems.empty())
        m_prompts.showMessage(this, report.error == ScanError::SaveFailed && report.saved.empty() &&
                                            report.problems.front().keptAt.empty()
                                        ? saveFolderProblemText(report.problems.front().status, folder)
                                        : unsavedScansText(report.problems));
    else if (report.error != ScanError::None && report.error != ScanError::Cancelled)
        m_prompts.showMessage(this, scanFailureText(report.error));
}

void CTwainDlg::endAcquisition()
{
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    setWorking(false, {});
    m_scanning = false;
    m_preview->update();
    emit acquisitionFinished();
    if (m_closeWhenDone) {
        m_closeWhenDone = false;
        reject();
    }
}

void CTwainDlg::fillList()
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        m_list->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(i + 1), qs(row.name), qs(scanExtension(row.type)), qs(row.folder)}));
    }
}

void CTwainDlg::rowsClicked()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    int last = -1;
    for (QTreeWidgetItem* item : selected)
        last = std::max(last, m_list->indexOfTopLevelItem(item));
    if (last >= 0)
        m_preview->setPath(m_rows[static_cast<std::size_t>(last)].path());
    setRowButtons(true);
}

void CTwainDlg::deleteRows()
{
    if (m_scanning)
        return;
    std::vector<Row> kept;
    QStringList failed;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        if (!m_list->topLevelItem(i)->isSelected()) {
            kept.push_back(row);
            continue;
        }
        std::error_code ec;
        std::filesystem::remove(row.path(), ec);
        if (ec) {
            // A file that will not go keeps its row; one already gone does not.
            kept.push_back(row);
            failed << qs(row.path());
        }
    }
    m_rows = std::move(kept);
    fillList();
    m_preview->setPath({});
    setRowButtons(false);
    if (!failed.isEmpty())
        m_prompts.showMessage(this, QStringLiteral("次のファイルを削除できませんでした。\n") + failed.join('\n'));
}

void CTwainDlg::handOver(TwainResult result)
{
    // The running round's rows are not listed yet.
    if (m_scanning)
        return;
    std::vector<std::string> paths;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->isSelected())
            paths.push_back(m_rows[static_cast<std::size_t>(i)].path());
    }
    const ScanHandOver handOver = scanHandOver(paths);
    if (const Status status = writeScanHandOver(m_state.programFolder, handOver.list); status != Status::Ok) {
        m_prompts.showMessage(this, saveFailureMessage(qs(tempFilePath(m_state.programFolder, kScanListFile)), status));
        return;
    }
    if (handOver.leftOut > 0)
        m_prompts.showMessage(this, QStringLiteral("一度に渡せるのは %1 枚までです。残りの %2 枚は渡しません。")
                                        .arg(kMaxFileNameListPaths)
                                        .arg(handOver.leftOut));
    m_result = result;
    accept();
}

void CTwainDlg::chooseFolder()
{
    const QString folder = m_prompts.chooseFolder(this, QStringLiteral("保存先"), m_folder->text());
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

} // namespace pictra::ui
