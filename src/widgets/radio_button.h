#pragma once

#include <QAbstractButton>
#include <QHash>
#include <QList>
#include <QPointer>

namespace drovik {

// An image radio button. Buttons that share a group id form one radio group across the whole
// program (a class-wide registry, keyed by the id written in decimal): selecting one clears the
// others of its group. As a check box it toggles on its own. A disabled button still reports a
// click (the owner decides what a click on an unavailable choice means) but never changes its
// selection itself.
class RadioButton : public QAbstractButton {
    Q_OBJECT
public:
    using Group = QList<QPointer<RadioButton>>;

    explicit RadioButton(QWidget *parent = nullptr);
    explicit RadioButton(const QString &title, QWidget *parent = nullptr);
    ~RadioButton() override;

    // The registry: group id ("%ld") -> its buttons; lives as long as the program.
    static QHash<QString, Group> &GetRadioButtonGroupDic();
    static const Group *GetRadioButtonGroupFromGroupID(long id);
    static void RemoveRadioButtonGroupFromGroupID(long id);
    static void AddRadioButton(RadioButton *button, long id);
    static void RemoveRadioButton(RadioButton *button);

    long radioGroupID() const { return m_radioGroupID; }
    void setRadioGroupID(long id);

    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool selected);

    // The button's own availability; the widget stays clickable so a click still reports.
    bool isEnabled() const { return m_radioEnabled; }
    void setEnabled(bool enabled);

    bool isCheckBoxMode() const { return m_isCheckBoxMode; }
    void setIsCheckBoxMode(bool on);
    bool isToggleMode() const { return m_isToggleMode; }
    void setIsToggleMode(bool on) { m_isToggleMode = on; }

    // The image for the state: "pv_dst_check" / "discheck2" disabled, "check1" / "check"
    // selected, none otherwise (check box / radio).
    QString currentImageName() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static constexpr int kMarkSize = 16;
    static constexpr int kTitleGap = 7;

signals:
    // A press on the button, enabled or not, after its selection has been updated.
    void touched(drovik::RadioButton *button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void act();

    long m_radioGroupID = 0;
    bool m_inGroup = false;
    bool m_isSelected = false;
    bool m_isCheckBoxMode = false;
    bool m_isToggleMode = false;
    bool m_radioEnabled = true;
    bool m_hovered = false;
};

} // namespace drovik
