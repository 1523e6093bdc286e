// CRecoveryDlg: the start-up list of albums left with unsaved changes, one
// tick box per album (all ticked at first). OK restores the ticked albums
// and discards the others; ｷｬﾝｾﾙ decides nothing (asked again next start).
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

namespace pictra::ui {

class CRecoveryDlg : public QDialog {
    Q_OBJECT
public:
    CRecoveryDlg(const QStringList& albums, QWidget* parent = nullptr);

    // One answer per album, in the order given: true = restore.
    QList<bool> choices() const;
    QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list = nullptr;
};

} // namespace pictra::ui
