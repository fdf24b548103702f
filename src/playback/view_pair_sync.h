#pragma once

#include <chrono>

namespace drovik {

class DrovikAVView;

// Keeps the follower of a playing pair on the leader's frame. Two mpv players started together
// run on their own clocks: a speed change reaches them a few milliseconds apart, a busy decoder
// falls behind, and away from 1× such offsets grow into frames. Asked a few dozen times a
// second while the pair plays, it measures the gap and closes it by running the follower a
// little faster or slower for a while, which the eye does not notice, where a seek would freeze
// the follower's picture each time. Only a gap of a second or more (a stalled follower) is
// closed with a seek.
//
// A position is that of the frame on screen, so one reading can be a frame off even when both
// run in step; the mean of the readings over a few frames is the true offset of the pictures.
// A change of speed reaches the picture only after the sound already queued has played (about
// a fifth of a second), so a gap is not chased reading by reading, which would overshoot:
// it is measured, closed by a trim held for as long as that gap takes (the delay shifts both
// the start and the end of the trim, so the distance made up is the same), left to settle,
// and measured again.
class ViewPairSync {
public:
    using Clock = std::chrono::steady_clock;

    // A mean gap beyond this share of a frame is closed: kept well under half a frame, the two
    // pictures are never more than one frame apart.
    static constexpr double kCorrectFromFrames = 0.35;
    // How much of the follower's speed a trim may add or take away, and the shortest time a
    // trim is held (longer ones for large gaps, at the largest trim).
    static constexpr double kMaxTrim = 0.5;
    static constexpr std::chrono::milliseconds kShortestTrim{300};
    // After a trim, how long to wait before measuring again; a measurement spans at least this
    // long and at least kMeasureFrames frames of the clip.
    static constexpr std::chrono::milliseconds kSettle{350};
    static constexpr std::chrono::milliseconds kShortestMeasurement{300};
    static constexpr double kMeasureFrames = 3.0;
    // Readings of the gap that differ by more than this many frames mean that a view jumped.
    static constexpr double kJumpFrames = 3.0;
    // A gap so large that the follower seeks; and not again sooner than this after a seek.
    static constexpr double kSeekGapSeconds = 1.0;
    static constexpr std::chrono::milliseconds kSeekPause{1000};

    // One look at the pair. Outside `active` (full screen, paused) or when either view is not
    // playing forward, the follower runs untrimmed and the measuring starts again.
    void keepInStep(DrovikAVView &leader, DrovikAVView &follower, bool active);

private:
    enum class Phase { Measuring, Trimming, Settling };

    void release(DrovikAVView &follower, Clock::time_point now);
    void startMeasuring(Clock::time_point now, double leaderTime);
    void measure(DrovikAVView &follower, Clock::time_point now, double leaderTime, double gap);

    Phase m_phase = Phase::Measuring;
    Clock::time_point m_phaseStart;
    Clock::time_point m_phaseEnd; // of a trim or of settling
    double m_measuredFrom = 0.0;  // the leader's position when the measurement began
    double m_lastLeaderTime = 0.0;
    double m_lastGap = 0.0;
    double m_gapSum = 0.0;
    int m_readings = 0;
    Clock::time_point m_lastSeek;
};

} // namespace drovik
