#include "sim/SimPacingPriority.h"

#include <pthread.h>
#include <sched.h>

bool RaisePacingThreadPriority() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    return pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0;
}
