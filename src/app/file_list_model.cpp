#include "file_list_model.h"

#include "library/recording_library.h"

#include <QColor>

namespace drovik {

void FileListModel::setUrls(const QList<QUrl> &urls)
{
    beginResetModel();
    m_urls = urls;
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    emit rowCountAsked(int(m_urls.size()));
    return int(m_urls.size());
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_urls.size())
        return {};
    const QUrl &url = m_urls.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return role == Qt::DisplayRole ? url.fileName() : url.toLocalFile();
    case Qt::ForegroundRole:
        switch (videoFileCellColor(url)) {
        case VideoFileCellColor::Magenta:
            return QColor(Qt::magenta);
        case VideoFileCellColor::Yellow:
            return QColor(Qt::yellow);
        case VideoFileCellColor::Default:
            return QVariant();
        }
        return QVariant();
    default:
        return {};
    }
}

} // namespace drovik
