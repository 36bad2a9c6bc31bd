#include "core/traffic/TrafficRecorder.h"

namespace {

using std::chrono::duration_cast;
using std::chrono::microseconds;

std::int64_t WallMicrosNow() {
    return duration_cast<microseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

CTrafficRecorder::CTrafficRecorder(Sink sink)
    : sink(std::move(sink)), steadyStart(SLinkFrameEvent::Clock::now()), wallStartMicros(WallMicrosNow()) {}

void CTrafficRecorder::OnLinkFrame(const SLinkFrameEvent& event) {
    STrafficFrame frame;
    frame.number = ++count;
    frame.direction = event.direction;
    frame.bytes.assign(event.bytes, event.bytes + event.length);
    frame.firstByte = duration_cast<microseconds>(event.firstByte - steadyStart);
    frame.lastByte = duration_cast<microseconds>(event.lastByte - steadyStart);
    frame.wallMicros = wallStartMicros + frame.firstByte.count();
    frame.silenceBefore = event.silenceBefore;
    frame.responseTime = event.responseTime;
    frame.attempt = event.attempt;
    frame.result = event.result;
    frame.bps = event.bps;
    frame.port = event.port;
    if (event.direction == FrameDirection::Request) {
        lastRequest = frame.bytes;
    } else {
        frame.request = lastRequest;
    }
    sink(frame);
}
