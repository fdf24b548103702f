// libFuzzer target: the text-file camera's settings editor on a blackbox.cfg of any bytes: the
// user's gestures first (form_gestures.h), the rest is the file. OK must leave on the card the
// lines the editor holds, which read back the same; a file that is not UTF-8 is never replaced.
#include "card_fuzz_support.h"
#include "form_gestures.h"

#include "i18n/drovik_languages.h"
#include "settings/form/kvl_setting_form.h"
#include "settings/store/camera_models.h"
#include "settings/store/kvl_setting_manager.h"
#include "settings/store/r640_setting_manager.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

// What the lines give once written and read back: only blanks at the ends of the whole file go.
QStringList asReadBack(const QStringList &lines)
{
    return KvlSettingManager::parseLines(KvlSettingManager::joinLines(lines)).value_or(QStringList());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    fuzz::ensureApplication();
    fuzz::useEnglishTexts();
    const uint8_t *gestures = data;
    std::size_t gestureSize = size;
    if (size > 0) {
        const std::size_t count = data[0] % 17;
        const std::size_t used = 1 + 3 * std::min(count, (size - 1) / 3);
        data += used;
        size -= used;
    }
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::cardFile(QStringLiteral("blackbox.cfg"));
    fuzz::writeFile(path, bytes);

    R640SettingManager card;
    card.setSettingDirPath(fuzz::cardRoot());
    card.setModelType(textFileModelType());
    KvlSettingManager lines(card);
    const bool readable = lines.loadData() == KvlLoadSource::CardFile;
    form::KvlSettingForm form(lines, card);
    form.open();
    fuzz::checkControls(form);
    fuzz::runGestures(form, gestures, gestureSize);

    const CardWriteStatus status = form.okButtonTouched();
    const std::optional<QByteArray> written = fuzz::readFile(path);
    if (!readable) {
        check(status == CardWriteStatus::WriteFailed, "OK saved a file it could not read");
        check(written == bytes, "OK replaced a file it could not read");
        return 0;
    }
    check(status == CardWriteStatus::Written, "OK did not write the file");
    check(written == KvlSettingManager::joinLines(lines.linedSettings()),
          "OK wrote other lines than the editor holds");
    KvlSettingManager reread(card);
    check(reread.loadData() == KvlLoadSource::CardFile
              && reread.linedSettings() == asReadBack(lines.linedSettings()),
          "the lines OK wrote read back differently");

    form.resetButtonTouched();
    fuzz::checkControls(form);
    check(form.okButtonTouched() == CardWriteStatus::Written, "OK after Reset did not write the file");
    return 0;
}
