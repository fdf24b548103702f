#include "playback/view_pair_sync.h"

#include "playback/player/drovik_av_view.h"
#include "playback/player/mpv_controller.h"

#include <QtGlobal>

#include <cmath>

namespace drovik {

namespace {

bool playsForward(const DrovikAVView &view)
{
    const MpvController *player = view.player();
    return view.status() == DrovikAVView::StatusReadyToPlay && player && player->rate() > 0.0
           && !player->isAtEnd();
}

double seconds(ViewPairSync::Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

} // namespace

void ViewPairSync::release(DrovikAVView &follower, Clock::time_point now)
{
    follower.setSpeedTrim(1.0);
    m_phase = Phase::Settling;
    m_phaseEnd = now;
}

void ViewPairSync::startMeasuring(Clock::time_point now, double leaderTime)
{
    m_phase = Phase::Measuring;
    m_phaseStart = now;
    m_measuredFrom = leaderTime;
    m_gapSum = 0.0;
    m_readings = 0;
}

void ViewPairSync::keepInStep(DrovikAVView &leader, DrovikAVView &follower, bool active)
{
    const Clock::time_point now = Clock::now();
    if (!active || &leader == &follower || !playsForward(leader) || !playsForward(follower)) {
        release(follower, now);
        return;
    }
    const double leaderTime = leader.currentTime();
    const double gap = leaderTime - follower.currentTime();
    const bool leaderJumped = leaderTime < m_lastLeaderTime || leaderTime > m_lastLeaderTime + kSeekGapSeconds;
    m_lastLeaderTime = leaderTime;
    if (std::abs(gap) >= kSeekGapSeconds) {
        if (now - m_lastSeek >= kSeekPause) {
            m_lastSeek = now;
            follower.setCurrentTimeExactly(leaderTime);
        }
        release(follower, now + kSettle);
        return;
    }
    switch (m_phase) {
    case Phase::Trimming:
        if (now >= m_phaseEnd) {
            follower.setSpeedTrim(1.0);
            m_phase = Phase::Settling;
            m_phaseEnd = now + kSettle;
        }
        return;
    case Phase::Settling:
        if (now < m_phaseEnd)
            return;
        startMeasuring(now, leaderTime);
        break;
    case Phase::Measuring:
        // A jump of either view (a seek) makes the readings so far meaningless.
        if (leaderJumped || (m_readings > 0 && std::abs(gap - m_lastGap) > kJumpFrames * follower.frameDuration()))
            startMeasuring(now, leaderTime);
        break;
    }
    m_lastGap = gap;
    measure(follower, now, leaderTime, gap);
}

void ViewPairSync::measure(DrovikAVView &follower, Clock::time_point now, double leaderTime, double gap)
{
    m_gapSum += gap;
    ++m_readings;
    const double frame = follower.frameDuration();
    if (now - m_phaseStart < kShortestMeasurement || leaderTime - m_measuredFrom < kMeasureFrames * frame)
        return;
    const double meanGap = m_gapSum / m_readings;
    startMeasuring(now, leaderTime);
    if (std::abs(meanGap) <= kCorrectFromFrames * frame)
        return;
    // Media seconds the trim makes up per second: speed × trim. The trim is the one that closes
    // the gap in the shortest hold, or the largest one held for longer.
    const double speed = follower.playbackSpeed();
    const double trim = qMin(kMaxTrim, std::abs(meanGap) / (speed * seconds(kShortestTrim)));
    const double hold = std::abs(meanGap) / (speed * trim);
    follower.setSpeedTrim(1.0 + std::copysign(trim, meanGap));
    m_phase = Phase::Trimming;
    m_phaseEnd = now + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(hold));
}

} // namespace drovik
