#include "selection_view_controller.h"

#include "platform/notifier.h"
#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QComboBox>
#include <QLabel>

#include <utility>

namespace drovik {

namespace {

constexpr int kMargin = 24;
constexpr int kTitleTop = 22;
constexpr int kComboHeight = 28;
constexpr int kGap = 14;
constexpr int kButtonGap = 10;
constexpr auto kCancelKey = "취소";

ImageButton *dialogButton(QWidget *parent, const char *image, const char *objectName)
{
    auto *button = new ImageButton(QString::fromLatin1(image), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAllowAutoMouseEventImage(true);
    button->setStretchInsets(SelectionViewController::kButtonImageInsets);
    setTitleColor(button, Qt::white);
    button->resize(SelectionViewController::kButtonSize);
    return button;
}

} // namespace

SelectionViewController::SelectionViewController(Notifier &notifier, const QString &layoutName,
                                                 const QString &comboName, QObject *parent)
    : DrovikViewController(notifier, parent)
    , m_languages(notifier.languages())
    , m_layoutName(layoutName)
    , m_comboName(comboName)
{
}

void SelectionViewController::loadView(DrovikCancelEventView *root)
{
    root->setObjectName(m_layoutName);
    auto *background = new BGColorView(QColor(0x15, 0x18, 0x1c), root);
    background->setObjectName(QStringLiteral("selectionBackground"));
    background->setBorderColor(QColor(0x2e, 0x33, 0x3a));
    background->setSheen(true);
    background->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_titleLabel = new QLabel(root);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setWordWrap(true);
    m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = m_titleLabel->palette();
    palette.setColor(QPalette::WindowText, colorWithHexColorString(QStringLiteral("d6dfe9")));
    m_titleLabel->setPalette(palette);

    m_comboBox = new QComboBox(root);
    m_comboBox->setObjectName(m_comboName);
    m_okButton = dialogButton(root, "setting_ok_btn1", "okButton");
    m_cancelButton = dialogButton(root, "setting_btn1", "cancelButton");
    connect(m_okButton, &QAbstractButton::clicked, this, [this] { okButtonTouched(m_okButton); });
    connect(m_cancelButton, &QAbstractButton::clicked, this, [this] { cancelButtonTouched(m_cancelButton); });

    // Room for the title in whichever language it is shown, so a language change while the
    // dialog is open never clips it; the combo box follows the title shown (placeTitle).
    const int titleHeight = this->titleHeight(Preferences::supportedLanguages());
    const int buttonY = kTitleTop + titleHeight + kGap + kComboHeight + kGap + 8;
    const int right = kViewWidth - kMargin;
    m_cancelButton->move(right - kButtonSize.width(), buttonY);
    m_okButton->move(right - 2 * kButtonSize.width() - kButtonGap, buttonY);
    root->resize(kViewWidth, buttonY + kButtonSize.height() + 20);
    background->setGeometry(root->rect());

    fillComboBox();
    m_comboBox->setFocus(Qt::OtherFocusReason);
}

int SelectionViewController::titleHeight(const QStringList &languages) const
{
    m_titleLabel->ensurePolished();
    const QFontMetrics metrics(m_titleLabel->font());
    const QRect bounds(0, 0, kViewWidth - 2 * kMargin, 1000);
    int height = metrics.height();
    for (const QString &language : languages) {
        const QString text = m_languages.localizedIn(language, QString::fromUtf8(titleKey()));
        height = qMax(height, metrics.boundingRect(bounds, Qt::TextWordWrap, text).height());
    }
    return height + 2;
}

void SelectionViewController::placeTitle()
{
    const int contentWidth = kViewWidth - 2 * kMargin;
    const int height = titleHeight({m_languages.language()});
    m_titleLabel->setGeometry(kMargin, kTitleTop, contentWidth, height);
    m_comboBox->setGeometry(kMargin, kTitleTop + height + kGap, contentWidth, kComboHeight);
}

void SelectionViewController::applyLanguageSettings()
{
    if (!m_titleLabel)
        return;
    m_titleLabel->setText(localized(titleKey()));
    placeTitle();
    // OK reads the same in every language.
    m_okButton->setText(QStringLiteral("OK"));
    m_cancelButton->setText(localized(kCancelKey));
    m_okButton->setToolTip(localized("Continue with this choice"));
    m_cancelButton->setToolTip(withKeys(localized(kCancelKey), {QKeySequence(Qt::Key_Escape)}));
}

void SelectionViewController::okButtonTouched(QObject *)
{
    if (!m_okButton->isEnabled() || std::exchange(m_ended, true))
        return;
    endModal(1);
}

void SelectionViewController::cancelButtonTouched(QObject *)
{
    if (std::exchange(m_ended, true))
        return;
    endModal(0);
}

} // namespace drovik
