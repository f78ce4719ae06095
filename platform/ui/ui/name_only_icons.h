#pragma once

#include <QFileIconProvider>

namespace ui {

// Icons and type names of files for the file dialogs, from their names only.
// Qt's own provider reads each file's first bytes to tell its type, which
// blocks for good on some files (/proc/kmsg) and is slow on network folders.
class NameOnlyIcons : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

}  // namespace ui
