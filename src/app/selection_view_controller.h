#pragma once

#include "settings/editor/drovik_view_controller.h"

#include <QMargins>
#include <QSize>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;

namespace drovik {

class DrovikLanguages;
class ImageButton;

// What the two small dialogs in front of the settings share: a title, one combo box to choose
// from, OK and Cancel. Each shows once, modally with a title bar; OK ends it with 1, Cancel and
// Escape with 0, and only the first of them counts.
class SelectionViewController : public DrovikViewController {
    Q_OBJECT
public:
    static constexpr int kViewWidth = 440;
    static constexpr QSize kButtonSize{110, 32};
    // The unstretched edges of the button images: top 6, left 10, bottom 4, right 10.
    static constexpr QMargins kButtonImageInsets{10, 6, 10, 4};

    QLabel *titleLabel() const { return m_titleLabel; }
    ImageButton *okButton() const { return m_okButton; }
    ImageButton *cancelButton() const { return m_cancelButton; }

    void okButtonTouched(QObject *sender);
    void cancelButtonTouched(QObject *sender) override;
    void applyLanguageSettings() override;

protected:
    // layoutName names the root view (the dialog's layout), comboName the combo box.
    SelectionViewController(Notifier &notifier, const QString &layoutName, const QString &comboName,
                            QObject *parent);

    QComboBox *comboBox() const { return m_comboBox; }

    void loadView(DrovikCancelEventView *root) override;
    // The title's localisation key.
    virtual const char *titleKey() const = 0;
    // Fills the combo box once the page is built; OK may be disabled here.
    virtual void fillComboBox() = 0;

private:
    // The height the title needs in the tallest of these languages.
    int titleHeight(const QStringList &languages) const;
    void placeTitle();

    const DrovikLanguages &m_languages;
    QString m_layoutName;
    QString m_comboName;
    QLabel *m_titleLabel = nullptr;
    QComboBox *m_comboBox = nullptr;
    ImageButton *m_okButton = nullptr;
    ImageButton *m_cancelButton = nullptr;
    bool m_ended = false;
};

} // namespace drovik
