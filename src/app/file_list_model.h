#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <QUrl>

namespace drovik {

// The shown list of clips: one row per clip, the file name as text (with its folder where two
// rows share a name), the full path as tooltip, coloured by the folder that holds the clip (saved
// copies magenta, option and SOS recordings yellow), and the playing clip marked.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileListModel(QObject *parent = nullptr);

    // selectedFolderPath: the chosen folder, which the folder of a shared name is told from.
    void setUrls(const QList<QUrl> &urls, const QString &selectedFolderPath = {});
    const QList<QUrl> &urls() const { return m_urls; }
    // The clip in the player views (empty: none), whose row is marked wherever it is in the list.
    void setPlayingUrl(const QUrl &url);
    QUrl playingUrl() const { return m_playingUrl; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    // Emitted whenever the row count is asked for, as the save and remove buttons follow it.
    void rowCountAsked(int count) const;

private:
    void playingRowChanged(const QUrl &url);

    QList<QUrl> m_urls;
    QStringList m_texts;
    QUrl m_playingUrl;
    QIcon m_playingIcon;
    QIcon m_otherIcon;
};

} // namespace drovik
