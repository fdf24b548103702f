#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QUrl>

namespace drovik {

// The shown list of clips: one row per clip, the file name as text, coloured by the folder
// that holds the clip (saved copies magenta, option and SOS recordings yellow).
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setUrls(const QList<QUrl> &urls);
    const QList<QUrl> &urls() const { return m_urls; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    // Emitted whenever the row count is asked for, as the save and remove buttons follow it.
    void rowCountAsked(int count) const;

private:
    QList<QUrl> m_urls;
};

} // namespace drovik
