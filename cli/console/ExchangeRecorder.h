#pragma once
// The last exchanges on the line as gwcli's failures explain them: each request with what came back,
// so that a failure can say why without asking the unit again. Only the last few are kept, so that a
// monitor watching for hours holds no more than a search does.
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "core/link/ExchangeCause.h"
#include "core/link/LinkFrameEvent.h"

class CExchangeRecorder : public CLinkFrameObserver {
public:
    void OnLinkFrame(const SLinkFrameEvent& frame) override;

    // A mark in the exchanges so far, for `Since`.
    std::size_t Mark() const { return count; }
    // The exchanges since the mark that are still kept, oldest first; broadcasts are not exchanges.
    std::vector<SExchangeOutcome> Since(std::size_t mark) const;
    // The last exchange, when it got no valid reply.
    std::optional<SExchangeOutcome> LastFailed() const;

private:
    std::deque<SExchangeOutcome> kept;
    std::size_t count = 0;       // exchanges recorded since the start
    bool awaitingReply = false;  // the last request's receive has not been seen yet
};
