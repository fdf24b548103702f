// libFuzzer target: the binary-record settings editor's model on a card record of any bytes. The
// first byte picks the model type, the second the firmware version, then come the user's
// gestures (form_gestures.h) and the rest is the record (also the card's default record). OK
// must write a record of exactly the model's length, which opens and saves again unchanged;
// Reset from the default record and OK again likewise.
#include "card_fuzz_support.h"
#include "form_gestures.h"

#include "i18n/drovik_languages.h"
#include "platform/volume_monitor.h"
#include "settings/form/record_setting_form.h"
#include "settings/store/camera_models.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

// No volume is removable here, so the format button only ever gets its refusal.
const VolumeMonitor &noVolumes()
{
    static const QString folder = fuzz::cardRoot() + QStringLiteral("/volumes");
    static VolumeMonitor monitor(QDir().mkpath(folder) ? folder : fuzz::cardRoot());
    return monitor;
}

void startManager(SettingManagerHolder &holder, ModelType type, int firmware)
{
    R640SettingManager &m = holder.manager();
    m.setSettingDirPath(fuzz::cardRoot());
    m.setModelType(type);
    m.setFirmwareVersionInt(firmware);
    m.loadData();
}

// OK, and what it left on the card; nothing for a model the editor does not write.
std::optional<QByteArray> pressOk(form::RecordSettingForm &form, const QString &setupPath)
{
    const std::optional<QByteArray> before = fuzz::readFile(setupPath);
    const CardWriteStatus status = form.okButtonTouched();
    const std::optional<QByteArray> after = fuzz::readFile(setupPath);
    if (form.family().isEmpty()) {
        check(status == CardWriteStatus::NotAttempted, "OK wrote for a model without an editor");
        check(after == before, "OK changed the record of a model without an editor");
        return std::nullopt;
    }
    check(status == CardWriteStatus::Written, "OK did not write the record");
    check(after && after->size() == form.manager().getSaveDataSize(),
          "OK wrote a record that is not the model's length");
    check(*after == form.manager().recordBytes(), "OK wrote a record that is not the manager's");
    return after;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    fuzz::ensureApplication();
    fuzz::useEnglishTexts();
    const ModelType type = ModelType(data[0] % (Model::Count + 1)) - 1;
    const int firmware = data[1];
    data += 2;
    size -= 2;
    const uint8_t *gestures = data;
    std::size_t gestureSize = size;
    {
        // Find where the gestures end without running them yet.
        if (size > 0) {
            const std::size_t count = data[0] % 17;
            const std::size_t used = 1 + 3 * std::min(count, (size - 1) / 3);
            data += used;
            size -= used;
        }
    }
    const QByteArray record = fuzz::bytesOf(data, size);
    const QString setupPath = fuzz::cardFile(QStringLiteral("setup.cfg"));
    fuzz::writeFile(setupPath, record);
    fuzz::writeFile(fuzz::cardFile(QStringLiteral("default.cfg")), record);
    QFile::remove(fuzz::cardFile(QStringLiteral("time.dat")));

    SettingManagerHolder holder(nullptr);
    startManager(holder, type, firmware);
    form::RecordSettingForm form(holder, noVolumes());
    form.open();
    fuzz::checkControls(form);
    fuzz::runGestures(form, gestures, gestureSize);
    const std::optional<QByteArray> saved = pressOk(form, setupPath);

    if (saved) {
        // The record OK wrote, opened again without a gesture, saves as it is.
        SettingManagerHolder reopened(nullptr);
        startManager(reopened, type, firmware);
        form::RecordSettingForm again(reopened, noVolumes());
        again.open();
        fuzz::checkControls(again);
        check(pressOk(again, setupPath) == saved, "a record OK wrote saves differently when reopened");
    }

    form.resetButtonTouched();
    fuzz::checkControls(form);
    pressOk(form, setupPath);
    return 0;
}
