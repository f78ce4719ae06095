#include "ui/name_only_icons.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace ui {

QIcon NameOnlyIcons::icon(const QFileInfo& info) const {
    if (!info.isFile()) return QFileIconProvider::icon(info);
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(mime.iconName(), QFileIconProvider::icon(File));
}

QString NameOnlyIcons::type(const QFileInfo& info) const {
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

}  // namespace ui
