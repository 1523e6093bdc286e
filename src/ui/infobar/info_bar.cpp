// The information bar's controls, their refresh and the storing of edits.
#include "ui/infobar/info_bar.h"

#include "core/app/app_state.h"
#include "core/album/page_position.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "ui/infobar/accelerator_pass.h"
#include "ui/infobar/histogram_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace pictra::ui {

namespace {

constexpr int kMemoTab = 0;
// A low bar, so the album windows keep most of the main window.
constexpr int kPageHeight = 84;
constexpr QSize kHistogramSize(200, 100);

QLabel* caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

} // namespace

InfoBar::InfoBar(AppState& state, QWidget* parent) : QDockWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("59397"));
    setWindowTitle(QStringLiteral("アルバム情報"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* body = new QWidget(this);

    m_size = new QLabel(body);
    m_size->setObjectName(QStringLiteral("1046"));
    m_size->setMinimumWidth(160);
    m_path = new QLineEdit(body);
    m_path->setObjectName(QStringLiteral("1007"));
    m_path->setReadOnly(true);
    m_year = addEdit("1001", InfoField::Year);
    m_month = addEdit("1004", InfoField::Month);
    m_day = addEdit("1005", InfoField::Day);
    m_author = addEdit("1003", InfoField::Author);
    m_place = addEdit("1002", InfoField::Place);
    m_summary = addEdit("1006", InfoField::Summary);
    for (QLineEdit* number : {m_year, m_month, m_day})
        number->setMaximumWidth(56);

    m_tabs = new QTabBar(body);
    m_tabs->setObjectName(QStringLiteral("1119"));
    m_tabs->addTab(QStringLiteral("メモ"));
    m_tabs->addTab(QStringLiteral("Exif"));
    m_tabs->setCurrentIndex(kMemoTab);
    m_memo = new QPlainTextEdit(body);
    m_memo->setObjectName(QStringLiteral("1000"));
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setFixedHeight(kPageHeight);
    m_histogram = new HistogramBox(body);
    m_histogram->setFixedSize(kHistogramSize);
    auto* keys = new AcceleratorPass(this);
    for (QLineEdit* edit : {m_path, m_year, m_month, m_day, m_author, m_place, m_summary})
        keys->watch(edit, false);
    keys->watch(m_memo, true);

    connect(m_tabs, &QTabBar::currentChanged, this, &InfoBar::showPage);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_tabs->currentIndex() == kMemoTab && !m_memo->isReadOnly())
            storeField(InfoField::Memo, m_memo->toPlainText(), m_memo);
    });

    auto* fields = new QGridLayout;
    fields->addWidget(caption("ｻｲｽﾞ", body), 0, 0);
    fields->addWidget(m_size, 0, 1);
    fields->addWidget(caption("ﾌｧｲﾙ", body), 0, 2);
    fields->addWidget(m_path, 0, 3, 1, 3);
    auto* date = new QHBoxLayout;
    date->addWidget(m_year);
    date->addWidget(caption("年", body));
    date->addWidget(m_month);
    date->addWidget(caption("月", body));
    date->addWidget(m_day);
    date->addWidget(caption("日", body));
    date->addStretch();
    fields->addLayout(date, 1, 0, 1, 2);
    fields->addWidget(caption("作者", body), 1, 2);
    fields->addWidget(m_author, 1, 3);
    fields->addWidget(caption("場所", body), 1, 4);
    fields->addWidget(m_place, 1, 5);
    fields->addWidget(caption("概要", body), 2, 0);
    fields->addWidget(m_summary, 2, 1, 1, 5);

    auto* page = new QVBoxLayout;
    page->setSpacing(0);
    page->addWidget(m_tabs);
    page->addWidget(m_memo);
    auto* histogram = new QVBoxLayout;
    histogram->addWidget(caption("ﾋｽﾄｸﾞﾗﾑ (RGB)", body));
    histogram->addWidget(m_histogram, 1);

    auto* layout = new QHBoxLayout(body);
    layout->addLayout(fields, 5);
    layout->addLayout(page, 3);
    layout->addLayout(histogram, 1);
    setWidget(body);
}

QLineEdit* InfoBar::addEdit(const char* id, InfoField field)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(id));
    connect(edit, &QLineEdit::textEdited, this, [this, field, edit](const QString& text) { storeField(field, text, edit); });
    return edit;
}

ImageEntry* InfoBar::focusedEntry()
{
    AlbumRecord& w = m_state.albums->working;
    const int index = commandImage(w);
    return index < 0 ? nullptr : &w.images[static_cast<std::size_t>(index)];
}

void InfoBar::storeField(InfoField field, const QString& text, QWidget* edit)
{
    if (m_state.albums->working.hasFocus != 1)
        return;
    ImageEntry* entry = focusedEntry();
    if (!entry)
        return;
    const auto index = static_cast<int>(entry - m_state.albums->working.images.data());
    const FieldStore result = storeAlbumInfoField(*m_state.albums, index, field, text.toStdString());
    if (result == FieldStore::Refused || result == FieldStore::Cut) {
        const QString why = result == FieldStore::Refused
                                ? QStringLiteral("この文字はアルバムに保存できません（Shift-JISにない文字です）。")
                                : QStringLiteral("文字数が多すぎるため、入りきらない部分は保存されません。");
        showStored(field, *entry, edit);
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), why, edit);
        emit inputRefused(why);
    }
}

// Puts the stored text back into the edit, so the user sees what was kept.
void InfoBar::showStored(InfoField field, const ImageEntry& entry, QWidget* edit)
{
    const QString stored = QString::fromStdString(infoFieldText(entry, field));
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        line->setText(stored);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(edit)) {
        const QSignalBlocker block(text);
        text->setPlainText(stored);
        text->moveCursor(QTextCursor::End);
    }
}

void InfoBar::refresh(const ImageRecord& image)
{
    // setText does not emit textEdited and the memo is filled under a signal
    // blocker, so nothing below is stored back into the entry. Without a
    // target (an empty album) every field is emptied: nothing stale stays
    // on show, nothing can be typed into an entry that is not there.
    const ImageEntry* entry = focusedEntry();
    m_size->setText(entry ? QString::fromStdString(imageSizeText(image.infoHeader)) : QString());
    m_path->setText(entry ? QString::fromStdString(storedPathToUtf8(fieldText(entry->path))) : QString());
    const std::pair<QLineEdit*, InfoField> edits[] = {
        {m_year, InfoField::Year},     {m_month, InfoField::Month}, {m_day, InfoField::Day},
        {m_author, InfoField::Author}, {m_place, InfoField::Place}, {m_summary, InfoField::Summary}};
    for (const auto& [edit, field] : edits)
        edit->setText(entry ? QString::fromStdString(infoFieldText(*entry, field)) : QString());
    // The keyboard stays where the user left it: the album's keys must keep
    // working after a click on a thumbnail.
    showPage();
    m_year->selectAll();
    m_histogram->setHistogram(entry ? std::optional(countRgbHistogram(image)) : std::nullopt);
}

void InfoBar::showPage()
{
    const ImageEntry* entry = focusedEntry();
    if (m_tabs->currentIndex() == kMemoTab) {
        m_memo->setReadOnly(false);
        const QSignalBlocker block(m_memo);
        m_memo->setPlainText(entry ? QString::fromStdString(infoFieldText(*entry, InfoField::Memo)) : QString());
        return;
    }
    m_memo->setReadOnly(true);
    if (!entry) {
        const QSignalBlocker block(m_memo);
        m_memo->clear();
        return;
    }
    if (!m_exifText)
        return;
    // A failed query leaves the previous text in place.
    if (const auto text = m_exifText(storedPathToUtf8(fieldText(entry->path)))) {
        const QSignalBlocker block(m_memo);
        m_memo->setPlainText(QString::fromStdString(*text));
    }
}

} // namespace pictra::ui
