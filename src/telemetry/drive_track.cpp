#include "telemetry/drive_track.h"

#include "telemetry/clip_data.h"

#include <algorithm>

namespace drovik::telemetry {

DriveTrack driveTrack(std::span<const DriveClip> clips, std::span<const double> durationsSeconds)
{
    DriveTrack track;
    track.clips.reserve(clips.size());
    std::size_t samples = 0;
    for (const DriveClip &part : clips)
        samples += part.clip ? std::min<std::size_t>(part.clip->clipDataCount(), DrovikClipData::kCapacity) : 0;
    track.samples.reserve(samples);
    for (std::size_t c = 0; c < clips.size(); ++c) {
        const DriveClip &part = clips[c];
        DriveTrack::Clip clip{part.offsetSeconds, c < durationsSeconds.size() ? durationsSeconds[c] : 0.0, false};
        const DrovikClipData *data = part.clip;
        const int count = data ? int(std::min<uint32_t>(data->clipDataCount(), DrovikClipData::kCapacity)) : 0;
        if (count > 0) {
            clip.read = true;
            clip.durationSeconds = double(count) / kSamplesPerSecond;
            for (int i = 0; i < count; ++i) {
                DriveTrack::Sample sample;
                sample.clipSeconds = double(i) / kSamplesPerSecond;
                sample.seconds = part.offsetSeconds + sample.clipSeconds;
                sample.clip = int(c);
                const float lat = data->getGpsLat(i);
                const float lng = data->getGpsLng(i);
                sample.fix = isUsableFix(lat, lng);
                if (sample.fix) {
                    sample.lat = lat;
                    sample.lng = lng;
                    sample.speedKmh = float(data->getGpsSpeed(i));
                }
                track.samples.push_back(sample);
            }
            for (const GForceEvent &event : detectGForceEvents(*data))
                track.events.push_back({part.offsetSeconds + event.timeSeconds, int(c), event.timeSeconds, event.kind});
        }
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
