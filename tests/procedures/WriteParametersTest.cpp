#include "core/procedures/WriteParameters.h"
