#include "telemetry/drive_track.h"

#include "telemetry/clip_data.h"
#include "telemetry/timed_record.h"

#include <algorithm>

namespace drovik::telemetry {

namespace {

// The clip's samples and events onto the drive's timeline; its duration when it has samples.
template <typename Record>
void addClip(DriveTrack &track, DriveTrack::Clip &clip, int index, const Record &data, double offsetSeconds)
{
    const int count = int(std::min<uint64_t>(data.clipDataCount(), uint64_t(Record::kCapacity)));
    if (count <= 0)
        return;
    clip.read = true;
    clip.durationSeconds = double(count) / kSamplesPerSecond;
    for (int i = 0; i < count; ++i) {
        DriveTrack::Sample sample;
        sample.clipSeconds = double(i) / kSamplesPerSecond;
        sample.seconds = offsetSeconds + sample.clipSeconds;
        sample.clip = index;
        const float lat = data.getGpsLat(i);
        const float lng = data.getGpsLng(i);
        sample.fix = isUsableFix(lat, lng);
        if (sample.fix) {
            sample.lat = lat;
            sample.lng = lng;
            sample.speedKmh = float(data.getGpsSpeed(i));
        }
        track.samples.push_back(sample);
    }
    for (const GForceEvent &event : detectGForceEvents(data))
        track.events.push_back({offsetSeconds + event.timeSeconds, index, event.timeSeconds, event.kind});
}

} // namespace

DriveTrack driveTrack(std::span<const DriveClip> clips, std::span<const double> durationsSeconds)
{
    DriveTrack track;
    track.clips.reserve(clips.size());
    std::size_t samples = 0;
    for (const DriveClip &part : clips)
        samples += part.timed ? part.timed->clipDataCount()
                   : part.clip ? std::min<std::size_t>(part.clip->clipDataCount(), DrovikClipData::kCapacity)
                               : 0;
    track.samples.reserve(samples);
    for (std::size_t c = 0; c < clips.size(); ++c) {
        const DriveClip &part = clips[c];
        DriveTrack::Clip clip{part.offsetSeconds, c < durationsSeconds.size() ? durationsSeconds[c] : 0.0, false};
        if (part.timed)
            addClip(track, clip, int(c), *part.timed, part.offsetSeconds);
        else if (part.clip)
            addClip(track, clip, int(c), *part.clip, part.offsetSeconds);
        track.durationSeconds = std::max(track.durationSeconds, clip.offsetSeconds + clip.durationSeconds);
        track.clips.push_back(clip);
    }
    // Clips stamped back in time by the camera's clock may overlap; the timeline still reads in order.
    const auto bySeconds = [](const auto &a, const auto &b) { return a.seconds < b.seconds; };
    if (!std::is_sorted(track.samples.begin(), track.samples.end(), bySeconds))
        std::stable_sort(track.samples.begin(), track.samples.end(), bySeconds);
    if (!std::is_sorted(track.events.begin(), track.events.end(), bySeconds))
        std::stable_sort(track.events.begin(), track.events.end(), bySeconds);
    return track;
}

std::optional<DriveTrack::Moment> DriveTrack::momentAt(double seconds) const
{
    if (clips.empty())
        return std::nullopt;
    std::optional<Moment> next;
    double nextStart = 0;
    for (int c = int(clips.size()) - 1; c >= 0; --c) {
        const Clip &clip = clips[std::size_t(c)];
        if (seconds >= clip.offsetSeconds && seconds < clip.offsetSeconds + clip.durationSeconds)
            return Moment{c, seconds - clip.offsetSeconds};
        if (clip.offsetSeconds > seconds && (!next || clip.offsetSeconds <= nextStart)) {
            next = Moment{c, 0};
            nextStart = clip.offsetSeconds;
        }
    }
    if (next)
        return next;
    // After the end: the last moment of the clip that ends last.
    int last = 0;
    for (int c = 1; c < int(clips.size()); ++c) {
        const Clip &a = clips[std::size_t(c)];
        const Clip &b = clips[std::size_t(last)];
        if (a.offsetSeconds + a.durationSeconds >= b.offsetSeconds + b.durationSeconds)
            last = c;
    }
    return Moment{last, std::max(0.0, clips[std::size_t(last)].durationSeconds - 1.0 / kSamplesPerSecond)};
}

double DriveTrack::secondsOf(int clip, double clipSeconds) const
{
    if (clip < 0 || clip >= int(clips.size()))
        return clipSeconds;
    return clips[std::size_t(clip)].offsetSeconds + clipSeconds;
}

} // namespace drovik::telemetry
