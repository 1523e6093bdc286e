// The scanner list box.
#include "ui/scan/scan_device_chooser.h"

#include <QInputDialog>
#include <QStringList>

namespace pictra::ui {

std::optional<int> QtScanDeviceChooser::choose(QWidget* parent, const std::vector<ScanDevice>& devices,
                                               int preselected)
{
    QStringList items;
    for (const ScanDevice& d : devices)
        items << QStringLiteral("%1 %2 (%3)").arg(QString::fromStdString(d.vendor), QString::fromStdString(d.model),
                                                  QString::fromStdString(d.name));
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("スキャナーの選択"),
                                                 QStringLiteral("使用するスキャナー:"), items, preselected, false, &ok);
    if (!ok)
        return std::nullopt;
    const int index = static_cast<int>(items.indexOf(chosen));
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

} // namespace pictra::ui
